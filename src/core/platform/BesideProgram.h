#pragma once

// Files delivered with the programs (the selector, the user's guide) lie beside
// the running program: in the build tree and in a folder install that is the
// program's own folder; in a prefix install such as /usr the data half lives
// under share/, so ../share/tessaly and ../share/doc/tessaly are tried next.

#include <filesystem>
#include <optional>
#include <string_view>

namespace tessaly::platform {

// The folder of the running executable; empty when the system does not tell.
std::filesystem::path programFolder();

// The first existing regular file named `name` in the program folder, then in
// programFolder/../share/tessaly, then programFolder/../share/doc/tessaly.
std::optional<std::filesystem::path> findBesideProgram(const std::filesystem::path& programFolder,
                                                       std::string_view name);

// The same, beside the running executable.
std::optional<std::filesystem::path> findBesideProgram(std::string_view name);

}  // namespace tessaly::platform
