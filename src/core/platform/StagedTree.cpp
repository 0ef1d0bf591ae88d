#include "core/platform/StagedTree.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdint>
#include <string>

namespace tessaly::platform {
namespace {
namespace fs = std::filesystem;

// Hidden, so a killed publish never leaves a name a visitor would see.
constexpr std::string_view kJournalName = ".tessaly-publish-journal";
// Records: a kind, then its fields, each ended by a NUL (no path holds one).
constexpr std::string_view kFolderRecord = "folder";  // a folder it made
constexpr std::string_view kFileRecord = "file";  // target, hidden name, new inode, "1" if it replaced a file
constexpr std::string_view kPlacingRecord = "placing";
constexpr std::string_view kPlacedRecord = "placed";

std::uint64_t inodeOf(const fs::path& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 ? static_cast<std::uint64_t>(info.st_ino) : 0;
}

struct JournalFile {
    fs::path target, hidden;
    std::uint64_t inode = 0;
    bool replaced = false;
};

struct Journal {
    std::vector<fs::path> folders;
    std::vector<JournalFile> files;
    bool placing = false, placed = false;
};

// What a journal says; a last record cut short by the kill is left out.
Journal parseJournal(std::string_view bytes) {
    std::vector<std::string_view> fields;
    for (std::size_t end; (end = bytes.find('\0')) != std::string_view::npos; bytes.remove_prefix(end + 1))
        fields.push_back(bytes.substr(0, end));
    Journal journal;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (fields[i] == kFolderRecord && i + 1 < fields.size()) {
            journal.folders.emplace_back(std::string(fields[++i]));
        } else if (fields[i] == kFileRecord && i + 4 < fields.size()) {
            JournalFile file{std::string(fields[i + 1]), std::string(fields[i + 2]), 0, fields[i + 4] == "1"};
            std::from_chars(fields[i + 3].data(), fields[i + 3].data() + fields[i + 3].size(), file.inode);
            journal.files.push_back(std::move(file));
            i += 4;
        } else if (fields[i] == kPlacingRecord) {
            journal.placing = true;
        } else if (fields[i] == kPlacedRecord) {
            journal.placed = true;
        }
    }
    return journal;
}

}  // namespace

fs::path journalPath(const fs::path& folder) { return folder / kJournalName; }

std::optional<FileError> recoverInterruptedTree(const fs::path& folder) {
    const fs::path path = journalPath(folder);
    const FileDescriptor fd(::open(path.c_str(), O_RDWR | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC));
    if (!fd.valid()) return errno == ENOENT ? std::nullopt : std::optional(errnoError(path, "open", errno));
    // Its publish holds the lock while it runs.
    if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) return std::nullopt;
    const ReadResult read = readFile(path, 64u << 20);
    if (read.error) return read.error;
    const Journal journal = parseJournal(read.bytes);

    std::optional<FileError> failure;
    const auto check = [&](const fs::path& file, int error) {
        if (error != 0 && error != ENOENT && !failure) failure = errnoError(file, "restore", error);
    };
    for (const JournalFile& file : journal.files) {
        const bool inPlace = journal.placing && file.inode != 0 && inodeOf(file.target) == file.inode;
        if (journal.placed) {
            // Every file in place: only what they replaced is left to remove.
            if (file.replaced) check(file.hidden, dropDisplaced({file.target, file.hidden}));
        } else if (inPlace) {
            // Its predecessor, if any, lies under the hidden name.
            check(file.target, undoPlace({file.target, file.replaced ? file.hidden : fs::path()}));
        } else if (inodeOf(file.hidden) == file.inode && file.inode != 0) {
            check(file.hidden, dropDisplaced({file.target, file.hidden}));
        }
    }
    if (failure) return failure;
    ::unlink(path.c_str());
    for (auto it = journal.folders.rbegin(); it != journal.folders.rend(); ++it) removeStaleTemporaries(*it);
    removeStaleTemporaries(folder);
    for (auto it = journal.folders.rbegin(); it != journal.folders.rend(); ++it) ::rmdir(it->c_str());
    return std::nullopt;
}

StagedTree::~StagedTree() {
    if (!committed_) rollBack();
}

std::optional<FileError> StagedTree::makeFolder(const fs::path& folder) {
    const FileStatus status = fileStatus(folder);
    if (status.error != 0) return errnoError(folder, "create folder", status.error);
    if (status.kind == FileKind::Folder) return std::nullopt;
    if (status.kind != FileKind::Missing) return errnoError(folder, "create folder", ENOTDIR);
    if (folder.has_parent_path() && folder.parent_path() != folder) {
        if (auto error = makeFolder(folder.parent_path())) return error;
    }
    if (::mkdir(folder.c_str(), 0777) != 0) return errnoError(folder, "create folder", errno);
    madeFolders_.push_back(folder);
    if (journalFd_.valid()) return record({kFolderRecord, folder.native()});
    return std::nullopt;
}

std::optional<FileError> StagedTree::keepJournal(const fs::path& folder) {
    journal_ = journalPath(folder);
    journalFd_.reset(::open(journal_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_APPEND | O_CLOEXEC, 0600));
    if (!journalFd_.valid()) {
        const int error = errno;
        journal_.clear();
        // Left there by a publish that is still running: recovery skips a locked journal.
        if (error == EEXIST) return FileError{journalPath(folder), "write", std::string(kPublishUnderWay)};
        return errnoError(journalPath(folder), "write", error);
    }
    ::flock(journalFd_.get(), LOCK_EX | LOCK_NB);
    for (const fs::path& made : madeFolders_) {
        if (auto error = record({kFolderRecord, made.native()})) return error;
    }
    return std::nullopt;
}

std::optional<FileError> StagedTree::record(std::initializer_list<std::string_view> fields) {
    std::string bytes;
    for (const std::string_view field : fields) (bytes += field) += '\0';
    for (std::string_view rest = bytes; !rest.empty();) {
        const ssize_t n = ::write(journalFd_.get(), rest.data(), rest.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return errnoError(journal_, "write", errno);
        rest.remove_prefix(static_cast<std::size_t>(n));
    }
    return std::nullopt;
}

void StagedTree::closeJournal() {
    if (journal_.empty()) return;
    ::unlink(journal_.c_str());
    journalFd_.reset();
    journal_.clear();
}

std::optional<FileError> StagedTree::addFile(const fs::path& target, std::string_view bytes) {
    TemporaryFile file;
    if (const int error = file.create(target)) return errnoError(target, "write", error);
    if (const int error = file.write(bytes)) return errnoError(target, "write", error);
    files_.push_back(std::move(file));
    return std::nullopt;
}

void StagedTree::addFile(TemporaryFile file) { files_.push_back(std::move(file)); }

std::optional<FileError> StagedTree::commit(const std::function<std::optional<FileError>()>& keep) {
    if (journalFd_.valid()) {
        // Every rename to come, before the first: each new file under its hidden name.
        for (TemporaryFile& file : files_) {
            const bool replaces = fileStatus(file.target()).kind == FileKind::Regular;
            std::optional<FileError> error;
            if (const int named = file.nameHidden()) error = errnoError(file.target(), "write", named);
            if (!error) {
                char inode[24];
                const auto written =
                    std::to_chars(inode, inode + sizeof inode, inodeOf(file.hiddenName())).ptr;
                error = record({kFileRecord, file.target().native(), file.hiddenName().native(),
                                std::string_view(inode, static_cast<std::size_t>(written - inode)),
                                replaces ? "1" : "0"});
            }
            if (error) {
                rollBack();
                return error;
            }
        }
        if (auto error = record({kPlacingRecord})) {
            rollBack();
            return error;
        }
    }
    for (TemporaryFile& file : files_) {
        const FileStatus old = fileStatus(file.target());
        int error = old.kind == FileKind::Regular ? file.setMode(old.mode) : 0;
        TemporaryFile::Placed placed;
        if (error == 0) error = file.place(placed);
        if (error != 0) {
            FileError failure = errnoError(file.target(), "write", error);
            rollBack();
            return failure;
        }
        placed_.push_back(std::move(placed));
    }
    if (keep) {
        if (auto failure = keep()) {
            rollBack();
            return failure;
        }
    }
    committed_ = true;
    // Only a kill before the journal is closed below would read this mark; if
    // it cannot be written, such a kill takes the new page back: no worse.
    if (journalFd_.valid()) static_cast<void>(record({kPlacedRecord}));
    for (const TemporaryFile::Placed& placed : placed_) dropDisplaced(placed);
    files_.clear();
    closeJournal();
    return std::nullopt;
}

void StagedTree::rollBack() {
    for (auto it = placed_.rbegin(); it != placed_.rend(); ++it) undoPlace(*it);
    placed_.clear();
    files_.clear();
    closeJournal();
    for (auto it = madeFolders_.rbegin(); it != madeFolders_.rend(); ++it) ::rmdir(it->c_str());
    madeFolders_.clear();
}

}  // namespace tessaly::platform
