#pragma once

// A published tree on its way: every new file is complete, without a name,
// before any takes the place of an old one, and then all of them are put in
// place together. A tree that is dropped or fails to land leaves the page
// folder as it was: the new files vanish, replaced files come back, and
// folders it made are removed.

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

#include "core/platform/FileSystem.h"
#include "core/text/Files.h"

namespace tessaly::publish {

class StagedTree {
public:
    StagedTree() = default;
    StagedTree(const StagedTree&) = delete;
    StagedTree& operator=(const StagedTree&) = delete;
    ~StagedTree();  // not committed: as if nothing had happened

    // Makes `folder` and any missing parents; only what it made is removed again.
    [[nodiscard]] std::optional<text::FileError> makeFolder(const std::filesystem::path& folder);

    // A new file with these bytes, to become `target`.
    [[nodiscard]] std::optional<text::FileError> addFile(const std::filesystem::path& target,
                                                         std::string_view bytes);
    // A file written elsewhere (a movie copy), to become its own target.
    void addFile(platform::TemporaryFile file);

    // Puts every file in place, each replaced file keeping its permissions.
    // When one cannot be placed, those already placed are taken back.
    [[nodiscard]] std::optional<text::FileError> commit();

private:
    void rollBack();

    std::vector<std::filesystem::path> madeFolders_;  // in the order they were made
    std::vector<platform::TemporaryFile> files_;
    std::vector<platform::TemporaryFile::Placed> placed_;
    bool committed_ = false;
};

}  // namespace tessaly::publish
