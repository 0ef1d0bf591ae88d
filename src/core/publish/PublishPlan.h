#pragma once

// Everything a publish writes, worked out and checked before the first byte:
// the page's folders and files, the movie copies, and what stands in the way.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/Files.h"
#include "core/publish/Publisher.h"

namespace tessaly::publish {

// A file of the tree and the bytes it receives.
struct TreeFile {
    std::filesystem::path target;
    std::string_view bytes;
};

// A movie slot to copy beside the page.
struct MovieCopyPlan {
    std::size_t slot = 0;
    std::filesystem::path source;
    std::filesystem::path target;
    bool sameFile = false;  // it already lies there
};

// Everything a publish writes, worked out and checked before the first byte.
struct Plan {
    std::filesystem::path root;
    std::vector<std::filesystem::path> folders;  // the page folder first, parents before children
    std::vector<TreeFile> files;                 // the fixed assets and the icons, cn0.js, the captions
    TreeFile page;                               // put in place last, when everything it loads is there
    std::vector<MovieCopyPlan> movies;
    std::vector<platform::FileError> problems;

    // Files that must survive the publish: the project and the movies themselves.
    std::vector<std::filesystem::path> kept;
};

// The plan for `job` with its page at `page` (absolute), the configuration
// script `config`, the page's bytes and the files beside the page (the
// captions); `problems` says what stops it.
Plan makePlan(const PublishJob& job, const std::filesystem::path& page, const std::string& config,
              const std::string& pageBytes, const std::vector<TreeFile>& besidePage = {});

}  // namespace tessaly::publish
