#pragma once

// The Linux file-system calls the writers and readers rely on, in one place:
// what kind of file a path names, opening a file for reading only when it is
// a regular one, and new files that take their final name only when complete.
// Errors come back as errno values; callers word them (platform::errnoError).

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tessaly::platform {

// An open file descriptor, closed when it goes out of scope.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd = -1) : fd_(fd) {}
    FileDescriptor(FileDescriptor&& other) noexcept : fd_(other.release()) {}
    FileDescriptor& operator=(FileDescriptor&& other) noexcept {
        reset(other.release());
        return *this;
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() { reset(); }

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    void reset(int fd = -1);
    // Gives up ownership without closing (the caller closes and checks the result).
    int release() {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }

private:
    int fd_;
};

enum class FileKind {
    Missing,  // nothing by that name (or a folder on the way is missing)
    Regular,
    Folder,
    Other,  // a device, a FIFO, a socket
};

// What a path names, following symbolic links.
struct [[nodiscard]] FileStatus {
    FileKind kind = FileKind::Missing;
    int error = 0;  // errno when the path could not be examined (kind is then Missing)
    std::uint64_t size = 0;
    unsigned mode = 0;  // permission bits
    // Last change of the contents or the attributes (permissions, owner, name), in
    // nanoseconds since 1970.
    std::int64_t changed = 0;
};
FileStatus fileStatus(const std::filesystem::path& path);

// A regular file opened for reading. Any other kind is refused without being
// opened for good: a FIFO would block and a device never ends.
struct OpenedFile {
    FileDescriptor fd;  // valid only when the path names a regular file
    FileStatus status;  // kind, size; error when it could not be opened
};
OpenedFile openRegularFile(const std::filesystem::path& path);

// A hidden, random name beside `target` for a file on its way to becoming it:
// ".NAME.tmp-xxxxxxxx" in the same folder, so the final rename stays on one
// file system.
std::filesystem::path temporarySibling(const std::filesystem::path& target);

// Whether `name` is a temporarySibling name of `target`'s.
bool isTemporarySibling(const std::filesystem::path& name, const std::filesystem::path& target);

// Which file a name stands for: the same file system, file number and size.
struct FileIdentity {
    std::uint64_t device = 0, inode = 0, size = 0;
    bool operator==(const FileIdentity&) const = default;
    bool sameFile(const FileIdentity& other) const { return device == other.device && inode == other.inode; }
};
// What `path` names, the link itself when it is one; nothing when there is none.
std::optional<FileIdentity> fileIdentity(const std::filesystem::path& path);

// A new file on its way to `target`. Where the file system offers it, the file
// has no name until it is placed, so a killed process leaves nothing behind;
// elsewhere it is a hidden temporarySibling. Either way it is locked while it
// lives, which tells removeStaleTemporaries it is not stale. Destroying a file
// that was not placed removes it.
class TemporaryFile {
public:
    TemporaryFile() = default;
    TemporaryFile(TemporaryFile&& other) noexcept;
    TemporaryFile& operator=(TemporaryFile&&) noexcept;
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile();

    // Creates the file in target's folder, with `mode` less the umask, open for
    // reading too (a movie written in two passes reads back its first). errno or 0.
    int create(const std::filesystem::path& target, unsigned mode = 0666);
    int fd() const { return fd_.get(); }
    const std::filesystem::path& target() const { return target_; }

    int write(std::string_view bytes);  // all of them; errno or 0
    int setMode(unsigned mode);         // errno or 0
    int sync();                         // waits until the bytes are on the disk; errno or 0

    // Gives the file its target's name in one step, replacing whatever file or
    // link was there. errno or 0.
    int replaceTarget();

    // Where a placed file's predecessor went, so a group of files can be put
    // back as they were.
    struct Placed {
        std::filesystem::path target;
        std::filesystem::path displaced;  // the earlier file under a hidden name; empty when there was none
    };
    // Like replaceTarget, but keeps the earlier file until the caller keeps it
    // (dropDisplaced) or puts it back (undoPlace). errno or 0.
    int place(Placed& placed);

    // Gives an unnamed file its temporarySibling name now, so that a record of
    // it can be kept before it is placed. errno or 0.
    int nameHidden();
    const std::filesystem::path& hiddenName() const { return named_; }
    // The file's identity as it is now; nothing once it is placed.
    std::optional<FileIdentity> identity() const;

private:
    void discard();

    std::filesystem::path target_;
    std::filesystem::path named_;  // its hidden name, while it has one
    FileDescriptor fd_;
};

// Puts the earlier file back (or removes the new one when there was none). errno or 0.
int undoPlace(const TemporaryFile::Placed& placed);
// Removes the earlier file for good. errno or 0.
int dropDisplaced(const TemporaryFile::Placed& placed);

// Removes the temporarySibling files in `folder` that no live TemporaryFile
// holds: what a killed process left. Returns how many it removed.
int removeStaleTemporaries(const std::filesystem::path& folder);

// A folder held open so that what lies inside it is reached one folder at a
// time, never through a symbolic link: a name read from a file cannot lead
// out of it. Each relative path must be plain (see isPlainRelative).
class FolderInside {
public:
    explicit FolderInside(const std::filesystem::path& folder);
    int error() const { return error_; }  // errno when the folder could not be opened

    // What lies at `relative` (a link there is Other): kind Missing when
    // nothing does; error ELOOP or ENOTDIR when a folder on the way is a link
    // or no folder.
    struct Entry {
        FileKind kind = FileKind::Missing;
        int error = 0;
        FileIdentity identity;
    };
    Entry look(const std::filesystem::path& relative) const;
    // Each errno or 0.
    int removeFile(const std::filesystem::path& relative) const;
    int removeFolder(const std::filesystem::path& relative) const;  // only an empty one
    int rename(const std::filesystem::path& from, const std::filesystem::path& to) const;

private:
    // The folder holding `relative`'s last name, opened without following links.
    FileDescriptor parentOf(const std::filesystem::path& relative, int& error) const;

    FileDescriptor folder_;
    int error_ = 0;
};
// A path of names below a folder: not absolute, no "." or "..", nothing empty.
bool isPlainRelative(const std::filesystem::path& path);

// Whether this process may create files in `folder`.
bool isWritableFolder(const std::filesystem::path& folder);

// Each errno or 0. A folder is made in an existing one; only an empty one is removed.
int createFolder(const std::filesystem::path& folder);
int removeFolder(const std::filesystem::path& folder);
int removeFile(const std::filesystem::path& path);

// A file kept open to record in, locked against other processes while it is:
// the lock tells them its writer still runs.
struct [[nodiscard]] LockedFile {
    FileDescriptor fd;    // valid when it could be opened
    int error = 0;        // errno when it could not
    bool locked = false;  // false while another process holds the lock
};
// Opens an existing regular file (not through a link) to read and write, and
// tries to lock it.
LockedFile openLocked(const std::filesystem::path& path);
// Creates `path`, which must not exist yet (EEXIST), for its owner only, to
// append to, and locks it.
LockedFile createLocked(const std::filesystem::path& path);
// Writes all of `bytes` at the file's end. errno or 0.
int appendAll(const FileDescriptor& file, std::string_view bytes);

// A path as UTF-8 text and back: how paths are written into files, the same on
// every system (a Windows path is UTF-16 inside).
inline std::string utf8Path(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}
inline std::filesystem::path pathFromUtf8(std::string_view text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

}  // namespace tessaly::platform
