#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <memory>
#include <random>

#include "core/platform/FileSystem.h"

namespace tessaly::platform {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kTemporaryMark = ".tmp-";
constexpr std::string_view kTemporaryChars = "abcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::size_t kTemporaryRandomChars = 8;
constexpr int kNameAttempts = 16;

FileKind kindOf(mode_t mode) {
    if (S_ISREG(mode)) return FileKind::Regular;
    if (S_ISDIR(mode)) return FileKind::Folder;
    return FileKind::Other;
}

FileStatus statusOf(const struct stat& info) {
    return FileStatus{kindOf(info.st_mode), 0, static_cast<std::uint64_t>(info.st_size),
                      static_cast<unsigned>(info.st_mode & 07777),
                      static_cast<std::int64_t>(info.st_ctim.tv_sec) * 1000000000 + info.st_ctim.tv_nsec};
}

// ".NAME.tmp-xxxxxxxx", as temporarySibling makes them.
bool isTemporaryName(std::string_view name) {
    const std::size_t tail = kTemporaryMark.size() + kTemporaryRandomChars;
    if (name.size() < 2 + tail || name.front() != '.') return false;
    const std::string_view mark = name.substr(name.size() - tail, kTemporaryMark.size());
    const std::string_view random = name.substr(name.size() - kTemporaryRandomChars);
    return mark == kTemporaryMark && random.find_first_not_of(kTemporaryChars) == std::string_view::npos;
}

int writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return 0;
}

LockedFile lockedFile(int fd) {
    LockedFile file;
    file.fd.reset(fd);
    if (!file.fd.valid()) {
        file.error = errno;
        return file;
    }
    file.locked = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    return file;
}

// A rename the file system cannot do atomically in the asked way.
bool unsupported(int errorNumber) {
    return errorNumber == EINVAL || errorNumber == ENOSYS || errorNumber == EOPNOTSUPP;
}

}  // namespace

void FileDescriptor::reset(int fd) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = fd;
}

FileStatus fileStatus(const fs::path& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0) return statusOf(info);
    FileStatus status;
    if (errno != ENOENT && errno != ENOTDIR) status.error = errno;
    return status;
}

OpenedFile openRegularFile(const fs::path& path) {
    OpenedFile opened;
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        opened.status.error = errno;
        return opened;
    }
    opened.status = statusOf(info);
    if (opened.status.kind != FileKind::Regular) return opened;
    // Not blocking: the path may have become a FIFO since it was looked at.
    opened.fd.reset(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!opened.fd.valid()) {
        opened.status.error = errno;
        return opened;
    }
    if (::fstat(opened.fd.get(), &info) != 0) {
        opened.status.error = errno;
        opened.fd.reset();
        return opened;
    }
    opened.status = statusOf(info);
    if (opened.status.kind != FileKind::Regular) {
        opened.fd.reset();
        return opened;
    }
    // Reads of a regular file block as usual.
    ::fcntl(opened.fd.get(), F_SETFL, ::fcntl(opened.fd.get(), F_GETFL) & ~O_NONBLOCK);
    return opened;
}

fs::path temporarySibling(const fs::path& target) {
    static thread_local std::mt19937 generator{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, kTemporaryChars.size() - 1);
    std::string name = "." + target.filename().string() + std::string(kTemporaryMark);
    for (std::size_t i = 0; i < kTemporaryRandomChars; ++i) name += kTemporaryChars[pick(generator)];
    const fs::path folder = target.has_parent_path() ? target.parent_path() : ".";
    return folder / name;
}

bool isTemporarySibling(const fs::path& name, const fs::path& target) {
    const std::string file = name.filename().string();
    const std::string prefix = "." + target.filename().string() + std::string(kTemporaryMark);
    return name.parent_path() == target.parent_path() && isTemporaryName(file) &&
           file.size() == prefix.size() + kTemporaryRandomChars && file.starts_with(prefix);
}

namespace {
FileIdentity identityOf(const struct stat& info) {
    return FileIdentity{static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino),
                        static_cast<std::uint64_t>(info.st_size)};
}
}  // namespace

std::optional<FileIdentity> fileIdentity(const fs::path& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) return std::nullopt;
    return identityOf(info);
}

std::optional<FileIdentity> TemporaryFile::identity() const {
    struct stat info {};
    if (!fd_.valid() || ::fstat(fd_.get(), &info) != 0) return std::nullopt;
    return identityOf(info);
}

bool isPlainRelative(const fs::path& path) {
    if (path.empty() || path.has_root_path()) return false;
    for (const fs::path& name : path) {
        if (name.empty() || name == "." || name == "..") return false;
    }
    return true;
}

FolderInside::FolderInside(const fs::path& folder)
    : folder_(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
    if (!folder_.valid()) error_ = errno;
}

FileDescriptor FolderInside::parentOf(const fs::path& relative, int& error) const {
    error = 0;
    if (!folder_.valid() || !isPlainRelative(relative)) {
        error = EINVAL;
        return FileDescriptor();
    }
    FileDescriptor parent(::dup(folder_.get()));
    if (!parent.valid()) error = errno;
    for (const fs::path& name : relative.parent_path()) {
        if (!parent.valid()) break;
        parent.reset(::openat(parent.get(), name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (!parent.valid()) error = errno;
    }
    return parent;
}

FolderInside::Entry FolderInside::look(const fs::path& relative) const {
    Entry entry;
    const FileDescriptor parent = parentOf(relative, entry.error);
    if (!parent.valid()) {
        if (entry.error == ENOENT) entry.error = 0;
        return entry;
    }
    struct stat info {};
    if (::fstatat(parent.get(), relative.filename().c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
        if (errno != ENOENT) entry.error = errno;
        return entry;
    }
    entry.kind = S_ISLNK(info.st_mode) ? FileKind::Other : kindOf(info.st_mode);
    entry.identity = identityOf(info);
    return entry;
}

int FolderInside::removeFile(const fs::path& relative) const {
    int error = 0;
    const FileDescriptor parent = parentOf(relative, error);
    if (!parent.valid()) return error;
    return ::unlinkat(parent.get(), relative.filename().c_str(), 0) == 0 ? 0 : errno;
}

int FolderInside::removeFolder(const fs::path& relative) const {
    int error = 0;
    const FileDescriptor parent = parentOf(relative, error);
    if (!parent.valid()) return error;
    return ::unlinkat(parent.get(), relative.filename().c_str(), AT_REMOVEDIR) == 0 ? 0 : errno;
}

int FolderInside::rename(const fs::path& from, const fs::path& to) const {
    int error = 0;
    const FileDescriptor fromParent = parentOf(from, error);
    if (!fromParent.valid()) return error;
    const FileDescriptor toParent = parentOf(to, error);
    if (!toParent.valid()) return error;
    return ::renameat(fromParent.get(), from.filename().c_str(), toParent.get(), to.filename().c_str()) == 0
               ? 0
               : errno;
}

TemporaryFile::TemporaryFile(TemporaryFile&& other) noexcept
    : target_(std::move(other.target_)), named_(std::move(other.named_)), fd_(std::move(other.fd_)) {
    other.named_.clear();
}

TemporaryFile& TemporaryFile::operator=(TemporaryFile&& other) noexcept {
    if (this != &other) {
        discard();
        target_ = std::move(other.target_);
        named_ = std::move(other.named_);
        fd_ = std::move(other.fd_);
        other.named_.clear();
    }
    return *this;
}

TemporaryFile::~TemporaryFile() { discard(); }

void TemporaryFile::discard() {
    fd_.reset();
    if (!named_.empty()) ::unlink(named_.c_str());
    named_.clear();
}

int TemporaryFile::create(const fs::path& target, unsigned mode) {
    discard();
    target_ = target;
    const fs::path folder = target.has_parent_path() ? target.parent_path() : ".";
    fd_.reset(::open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, mode));
    if (!fd_.valid()) {
        // Older kernels and some file systems (FAT, network shares) have no unnamed files.
        if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) return errno;
        for (int attempt = 0; attempt < kNameAttempts && !fd_.valid(); ++attempt) {
            const fs::path candidate = temporarySibling(target);
            fd_.reset(::open(candidate.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, mode));
            if (fd_.valid()) {
                named_ = candidate;
            } else if (errno != EEXIST) {
                return errno;
            }
        }
        if (!fd_.valid()) return EEXIST;
    }
    // Held until the file is placed; removeStaleTemporaries skips locked files.
    ::flock(fd_.get(), LOCK_EX | LOCK_NB);
    return 0;
}

int TemporaryFile::write(std::string_view bytes) { return writeAll(fd_.get(), bytes); }

int TemporaryFile::setMode(unsigned mode) { return ::fchmod(fd_.get(), mode) == 0 ? 0 : errno; }

int TemporaryFile::sync() { return ::fsync(fd_.get()) == 0 ? 0 : errno; }

int TemporaryFile::nameHidden() {
    if (!named_.empty()) return 0;
    const std::string self = "/proc/self/fd/" + std::to_string(fd_.get());
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const fs::path candidate = temporarySibling(target_);
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, candidate.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            named_ = candidate;
            return 0;
        }
        if (errno != EEXIST) return errno;
    }
    return EEXIST;
}

int TemporaryFile::replaceTarget() {
    Placed placed;
    if (const int error = place(placed)) return error;
    dropDisplaced(placed);
    return 0;
}

int TemporaryFile::place(Placed& placed) {
    placed = Placed{target_, {}};
    struct stat existing {};
    const bool replacing = ::lstat(target_.c_str(), &existing) == 0;
    if (replacing && S_ISDIR(existing.st_mode)) return EISDIR;

    if (!replacing && named_.empty()) {
        // A new name straight away: no hidden name ever shows in the folder.
        const std::string self = "/proc/self/fd/" + std::to_string(fd_.get());
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, target_.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            if (::close(fd_.release()) != 0) {
                const int error = errno;
                ::unlink(target_.c_str());
                return error;
            }
            return 0;
        }
        if (errno != EEXIST) return errno;
        return place(placed);  // something took the name meanwhile: replace it
    }

    if (const int error = nameHidden()) return error;
    if (::close(fd_.release()) != 0) return errno;
    if (!replacing) {
        if (::renameat2(AT_FDCWD, named_.c_str(), AT_FDCWD, target_.c_str(), RENAME_NOREPLACE) == 0 ||
            (unsupported(errno) && ::rename(named_.c_str(), target_.c_str()) == 0)) {
            named_.clear();
            return 0;
        }
        if (errno != EEXIST) return errno;
    }
    // Swap in one step: the earlier file lands under the hidden name.
    if (::renameat2(AT_FDCWD, named_.c_str(), AT_FDCWD, target_.c_str(), RENAME_EXCHANGE) == 0) {
        placed.displaced = named_;
        named_.clear();
        return 0;
    }
    if (!unsupported(errno)) return errno;
    // No exchange here: keep a second name of the earlier file (or move it
    // aside where hard links are missing), then rename over it.
    const fs::path aside = temporarySibling(target_);
    const bool linked = ::link(target_.c_str(), aside.c_str()) == 0;
    if (!linked && ::rename(target_.c_str(), aside.c_str()) != 0) return errno;
    if (::rename(named_.c_str(), target_.c_str()) != 0) {
        const int error = errno;
        if (linked) {
            ::unlink(aside.c_str());
        } else {
            ::rename(aside.c_str(), target_.c_str());
        }
        return error;
    }
    named_.clear();
    placed.displaced = aside;
    return 0;
}

int undoPlace(const TemporaryFile::Placed& placed) {
    if (placed.displaced.empty()) return ::unlink(placed.target.c_str()) == 0 ? 0 : errno;
    return ::rename(placed.displaced.c_str(), placed.target.c_str()) == 0 ? 0 : errno;
}

int dropDisplaced(const TemporaryFile::Placed& placed) {
    if (placed.displaced.empty()) return 0;
    return ::unlink(placed.displaced.c_str()) == 0 ? 0 : errno;
}

int removeStaleTemporaries(const fs::path& folder) {
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), &::closedir);
    if (!dir) return 0;
    int removed = 0;
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string_view name = entry->d_name;
        if (!isTemporaryName(name)) continue;
        const fs::path path = folder / name;
        const FileDescriptor file(
            ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
        struct stat info {};
        if (!file.valid() || ::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) continue;
        // A live writer holds its lock; only a dead one's file is free.
        if (::flock(file.get(), LOCK_EX | LOCK_NB) != 0) continue;
        if (::unlink(path.c_str()) == 0) ++removed;
    }
    return removed;
}

bool isWritableFolder(const fs::path& folder) {
    // Creating a file takes write and search permission on the folder.
    return ::access(folder.c_str(), W_OK | X_OK) == 0;
}

int createFolder(const fs::path& folder) { return ::mkdir(folder.c_str(), 0777) == 0 ? 0 : errno; }

int removeFolder(const fs::path& folder) { return ::rmdir(folder.c_str()) == 0 ? 0 : errno; }

int removeFile(const fs::path& path) { return ::unlink(path.c_str()) == 0 ? 0 : errno; }

LockedFile openLocked(const fs::path& path) {
    return lockedFile(::open(path.c_str(), O_RDWR | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC));
}

LockedFile createLocked(const fs::path& path) {
    return lockedFile(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_APPEND | O_CLOEXEC, 0600));
}

int appendAll(const FileDescriptor& file, std::string_view bytes) { return writeAll(file.get(), bytes); }

}  // namespace tessaly::platform
