#include <system_error>

#include "core/platform/BesideProgram.h"

namespace tessaly::platform {

std::filesystem::path programFolder() {
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path() : exe.parent_path();
}

}  // namespace tessaly::platform
