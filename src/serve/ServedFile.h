#pragma once

// A file opened to be served: never blocking (a FIFO put in the folder must
// not hold the server), a regular file only, with its size and a strong
// validator. The Linux implementation is ServedFileLinux.cpp.

#include <cstdint>
#include <filesystem>
#include <string>

#include "core/platform/FileSystem.h"

namespace tessaly::serve {

struct ServedFile {
    enum class Result { Opened, Forbidden, NotFound };
    Result result = Result::NotFound;
    platform::FileDescriptor fd;
    std::uint64_t size = 0;
    std::string tag;  // an HTTP entity tag that changes whenever the file is replaced or rewritten
};

[[nodiscard]] ServedFile openServedFile(const std::filesystem::path& file);

}  // namespace tessaly::serve
