#pragma once

// Folders for tests that work on real files.

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tessaly::test_support {

// A new, empty folder under the system's temporary folder, named for the
// suite, the case and this process, so parallel runs never meet.
inline std::filesystem::path scratchFolder(std::string_view suite, std::string_view name) {
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() /
        ("tessaly-" + std::string(suite) + "-" + std::string(name) + "-" + std::to_string(::getpid()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

// The names of the entries right in `dir`, sorted.
inline std::vector<std::string> entryNames(const std::filesystem::path& dir) {
    std::vector<std::string> result;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        result.push_back(entry.path().filename().string());
    std::sort(result.begin(), result.end());
    return result;
}

}  // namespace tessaly::test_support
