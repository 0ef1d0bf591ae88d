#pragma once

// The redirect page written by the selector: a browser with WebGL goes on to
// the Html5 solution, any other browser to the Flash solution.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/Prompts.h"
#include "core/platform/Files.h"

namespace tessaly::publish {

// The warning to show when a path is shorter than 10 characters once trimmed
// of spaces; the Html5 path is checked first. Nothing when both are usable.
std::optional<tessaly::Message> checkRedirectPaths(std::string_view html5Path, std::string_view flashPath);

// The 37 lines of the page, each ended by CR LF. The paths are written as
// typed (leading spaces kept), escaped only where the script string needs it.
std::string redirectPageText(std::string_view html5Path, std::string_view flashPath);

// Writes redirectPageText() atomically to `path`.
Result<void> writeRedirectPage(const std::filesystem::path& path, std::string_view html5Path,
                               std::string_view flashPath);

// "Redirect web page created!", caption "Success", information icon.
tessaly::Message redirectCreatedMessage();

}  // namespace tessaly::publish
