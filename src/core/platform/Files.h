#pragma once

// Whole-file reading and writing. A file the user asked for is written whole or
// not at all, and every failure comes back as a value naming the file and the
// reason, ready for a message box or stderr.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/Result.h"

namespace tessaly::platform {

// The reason given for a path that names a device, a FIFO or a socket where a
// regular file is needed.
inline constexpr std::string_view kNotRegularFile = "Not a regular file";

// A file that could not be found, read, written, made or removed.
using FileError = Failure;

// Whether a write waits until its bytes are on the disk before it takes the
// file's name. The user's own work (projects, settings) does, so not even a
// power cut loses it. A published tree does not: the project makes it again at
// any time, and flushing each of its files would make publishing several times
// slower. Either way a file lands whole or not at all.
enum class Flush { ToDisk, Skip };

// Writes `bytes` to a new file in the target's folder, flushes it to disk
// (unless told to skip that) and gives it the target's name in one step. An
// interrupted or failed write leaves any earlier file untouched, and where the
// file system allows, a killed process leaves no temporary behind. A new file
// gets the usual permissions (0666 less the umask); a replaced file keeps its
// own. A target that is a device, a FIFO or a socket is refused; a symbolic
// link is itself replaced, and what it pointed to stays as it was.
Result<void> writeFileAtomic(const std::filesystem::path& target, std::string_view bytes,
                             Flush flush = Flush::ToDisk);

inline constexpr std::uint64_t kNoSizeLimit = UINT64_MAX;

// Reads a whole regular file as bytes. Anything else (a FIFO would block, a
// device may never end) is refused unopened, and so is a file larger than
// `maxBytes`.
Result<std::string> readFile(const std::filesystem::path& path, std::uint64_t maxBytes = kNoSizeLimit);

// FileError for the current errno.
FileError errnoError(const std::filesystem::path& path, std::string action, int errorNumber);

// `path` made absolute and normal. A relative path needs the working folder,
// which may have been removed under the program.
Result<std::filesystem::path> absolutePath(const std::filesystem::path& path);

}  // namespace tessaly::platform
