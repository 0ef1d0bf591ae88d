#pragma once

// What a folder holds, down to the last byte and time: a publish that stops
// must leave exactly this behind.

#include <sys/stat.h>

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>

#include "core/platform/Files.h"

namespace tessaly::test_support {

struct SnapshotEntry {
    bool folder = false;
    std::uint64_t size = 0;
    std::int64_t modified = 0;  // nanoseconds
    unsigned mode = 0;
    std::string bytes;  // regular files up to 1 MiB; larger ones go by size and time
    bool operator==(const SnapshotEntry&) const = default;
};
using FolderSnapshot = std::map<std::string, SnapshotEntry>;

// Every entry under `root` (nothing when it does not exist), by relative path.
inline FolderSnapshot snapshot(const std::filesystem::path& root) {
    FolderSnapshot result;
    std::error_code ec;
    if (!std::filesystem::exists(root, ec)) return result;
    for (const auto& item : std::filesystem::recursive_directory_iterator(root)) {
        struct stat info {};
        if (::lstat(item.path().c_str(), &info) != 0) continue;
        SnapshotEntry entry;
        entry.folder = S_ISDIR(info.st_mode);
        entry.size = static_cast<std::uint64_t>(info.st_size);
        entry.modified = info.st_mtim.tv_sec * 1000000000LL + info.st_mtim.tv_nsec;
        entry.mode = info.st_mode;
        if (S_ISREG(info.st_mode) && info.st_size <= (1 << 20))
            entry.bytes = platform::readFile(item.path()).value();
        result[item.path().lexically_relative(root).string()] = entry;
    }
    return result;
}

}  // namespace tessaly::test_support
