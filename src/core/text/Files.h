#pragma once

// Whole-file reading and writing. A file the user asked for is written whole or
// not at all, and every failure comes back as a value naming the file and the
// reason, ready for a message box or stderr.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tessaly::text {

// The reason given for a path that names a device, a FIFO or a socket where a
// regular file is needed.
inline constexpr std::string_view kNotRegularFile = "Not a regular file";

struct FileError {
    std::filesystem::path path;
    std::string action;  // "open", "read", "write", "create folder", "copy" ...
    std::string reason;  // the system's words, e.g. "No space left on device"

    // "Cannot write /home/ana/tour/js/st.css: No space left on device"
    std::string message() const;
};

// Whether a write waits until its bytes are on the disk before it takes the
// file's name. The user's own work (projects, settings) does, so not even a
// power cut loses it. A published tree does not: the project makes it again at
// any time, and flushing each of its files would make publishing several times
// slower. Either way a file lands whole or not at all.
enum class Flush { ToDisk, Skip };

// Writes `bytes` to a temporary file in the target's folder, flushes it to disk
// (unless told to skip that) and renames it over `target`. An interrupted or
// failed write leaves any earlier file untouched. A new file gets the usual
// permissions (0666 less the umask); a replaced file keeps its own.
std::optional<FileError> writeFileAtomic(const std::filesystem::path& target, std::string_view bytes,
                                         Flush flush = Flush::ToDisk);

struct ReadResult {
    std::string bytes;
    std::optional<FileError> error;
};

// Reads a whole file as bytes.
ReadResult readFile(const std::filesystem::path& path);

// FileError for the current errno.
FileError errnoError(const std::filesystem::path& path, std::string action, int errorNumber);

}  // namespace tessaly::text
