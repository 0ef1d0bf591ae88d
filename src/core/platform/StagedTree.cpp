#include "core/platform/StagedTree.h"

#include <cerrno>
#include <charconv>
#include <cstdint>
#include <string>
#include <utility>

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
            journal.folders.push_back(pathFromUtf8(fields[++i]));
        } else if (fields[i] == kFileRecord && i + 4 < fields.size()) {
            JournalFile file{pathFromUtf8(fields[i + 1]), pathFromUtf8(fields[i + 2]), 0,
                             fields[i + 4] == "1"};
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
    const LockedFile journalFile = openLocked(path);
    if (!journalFile.fd.valid())
        return journalFile.error == ENOENT ? std::nullopt
                                           : std::optional(errnoError(path, "open", journalFile.error));
    // Its publish holds the lock while it runs.
    if (!journalFile.locked) return std::nullopt;
    const ReadResult read = readFile(path, 64u << 20);
    if (read.error) return read.error;
    const Journal journal = parseJournal(read.bytes);

    std::optional<FileError> failure;
    const auto check = [&](const fs::path& file, int error) {
        if (error != 0 && error != ENOENT && !failure) failure = errnoError(file, "restore", error);
    };
    for (const JournalFile& file : journal.files) {
        const bool inPlace = journal.placing && file.inode != 0 && fileNumber(file.target) == file.inode;
        if (journal.placed) {
            // Every file in place: only what they replaced is left to remove.
            if (file.replaced) check(file.hidden, dropDisplaced({file.target, file.hidden}));
        } else if (inPlace) {
            // Its predecessor, if any, lies under the hidden name.
            check(file.target, undoPlace({file.target, file.replaced ? file.hidden : fs::path()}));
        } else if (fileNumber(file.hidden) == file.inode && file.inode != 0) {
            check(file.hidden, dropDisplaced({file.target, file.hidden}));
        }
    }
    if (failure) return failure;
    removeFile(path);
    for (auto it = journal.folders.rbegin(); it != journal.folders.rend(); ++it) removeStaleTemporaries(*it);
    removeStaleTemporaries(folder);
    for (auto it = journal.folders.rbegin(); it != journal.folders.rend(); ++it) removeFolder(*it);
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
    if (const int error = createFolder(folder)) return errnoError(folder, "create folder", error);
    madeFolders_.push_back(folder);
    if (journalFd_.valid()) return record({kFolderRecord, utf8Path(folder)});
    return std::nullopt;
}

std::optional<FileError> StagedTree::keepJournal(const fs::path& folder) {
    journal_ = journalPath(folder);
    LockedFile created = createLocked(journal_);
    journalFd_ = std::move(created.fd);
    if (!journalFd_.valid()) {
        const int error = created.error;
        journal_.clear();
        // Left there by a publish that is still running: recovery skips a locked journal.
        if (error == EEXIST) return FileError{journalPath(folder), "write", std::string(kPublishUnderWay)};
        return errnoError(journalPath(folder), "write", error);
    }
    for (const fs::path& made : madeFolders_) {
        if (auto error = record({kFolderRecord, utf8Path(made)})) return error;
    }
    return std::nullopt;
}

std::optional<FileError> StagedTree::record(std::initializer_list<std::string_view> fields) {
    std::string bytes;
    for (const std::string_view field : fields) (bytes += field) += '\0';
    if (const int error = appendAll(journalFd_, bytes)) return errnoError(journal_, "write", error);
    return std::nullopt;
}

void StagedTree::closeJournal() {
    if (journal_.empty()) return;
    removeFile(journal_);
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
                    std::to_chars(inode, inode + sizeof inode, fileNumber(file.hiddenName())).ptr;
                error = record({kFileRecord, utf8Path(file.target()), utf8Path(file.hiddenName()),
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
    for (auto it = madeFolders_.rbegin(); it != madeFolders_.rend(); ++it) removeFolder(*it);
    madeFolders_.clear();
}

}  // namespace tessaly::platform
