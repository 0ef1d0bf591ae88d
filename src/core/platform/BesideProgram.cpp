#include "core/platform/BesideProgram.h"

#include <system_error>

namespace tessaly::platform {

std::optional<std::filesystem::path> findBesideProgram(const std::filesystem::path& programFolder,
                                                       std::string_view name) {
    if (programFolder.empty() || name.empty()) return std::nullopt;
    const std::filesystem::path candidates[] = {
        programFolder / name,
        programFolder / ".." / "share" / "tessaly" / name,
        programFolder / ".." / "share" / "doc" / "tessaly" / name,
    };
    for (const std::filesystem::path& candidate : candidates) {
        std::error_code ec;
        if (std::filesystem::is_regular_file(candidate, ec)) return candidate.lexically_normal();
    }
    return std::nullopt;
}

std::optional<std::filesystem::path> findBesideProgram(std::string_view name) {
    return findBesideProgram(programFolder(), name);
}

}  // namespace tessaly::platform
