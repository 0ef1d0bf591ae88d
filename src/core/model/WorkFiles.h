#pragma once

// Files handed to the publisher from outside its dialogs (its command line, a
// second start, a drop): what each one is, and what a set of them asks for.

#include <filesystem>
#include <string>
#include <vector>

#include "core/Result.h"

namespace tessaly::model {

enum class WorkKind { Project, Movie, Other };

// A project by its .hs5 extension, a movie by the movie types, in any letter
// case. A file with neither is a project when it begins as a saved project
// does (a settings file begins the same way but holds no movie slots).
WorkKind workKindOf(const std::filesystem::path& file);

// One file to open, and as what.
struct OpenRequest {
    WorkKind kind = WorkKind::Other;  // Project or Movie
    std::filesystem::path file;

    bool operator==(const OpenRequest&) const = default;
};

// What `files` ask for: one existing project or movie. Several files, a file
// that is missing or no regular file, and a file of another kind are refused
// in words that name them and say why.
Result<OpenRequest> openRequest(const std::vector<std::filesystem::path>& files);

}  // namespace tessaly::model
