#include "core/platform/StagedTree.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <set>
#include <string>
#include <utility>

namespace tessaly::platform {
namespace {
namespace fs = std::filesystem;

// Hidden, so a killed run never leaves a name a visitor would see.
constexpr std::string_view kPublishJournalName = ".tessaly-publish-journal";
constexpr std::string_view kEncodeJournalName = ".tessaly-encode-journal";
// Records: a kind, then its fields, each ended by a NUL (no path holds one).
// Every path is relative to the journal's folder.
constexpr std::string_view kFolderRecord = "folder";  // a folder it made ("." for the journal's own)
// target, hidden name, the new file's device, inode and size, "1" if it
// replaced a file, and that file's device, inode and size (0 when none)
constexpr std::string_view kFileRecord = "file";
constexpr std::size_t kFileFields = 9;
constexpr std::string_view kPlacingRecord = "placing";
constexpr std::string_view kPlacedRecord = "placed";

struct JournalFile {
    fs::path target, hidden;
    FileIdentity made;
    std::optional<FileIdentity> replaced;
};

struct Journal {
    bool trusted = true;
    std::vector<fs::path> folders;
    std::vector<JournalFile> files;
    bool placing = false, placed = false;
};

bool parseNumber(std::string_view text, std::uint64_t& number) {
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, number);
    return !text.empty() && error == std::errc() && stop == end;
}

// Whether the first `count` fields of a file record are as the run writes
// them: a record cut short by the kill is checked as far as it goes.
bool validFileFields(const std::string_view* fields, std::size_t count) {
    if (count == 0) return true;
    const fs::path target = pathFromUtf8(fields[0]);
    for (std::size_t i = 0; i < count; ++i) {
        std::uint64_t number = 0;
        const bool valid = i == 0   ? isPlainRelative(target)
                           : i == 1 ? isTemporarySibling(pathFromUtf8(fields[1]), target)
                           : i == 5 ? fields[5] == "0" || fields[5] == "1"
                                    : parseNumber(fields[i], number) && (number != 0 || i != 3);
        if (!valid) return false;
    }
    return true;
}

std::optional<JournalFile> parseFile(const std::string_view* fields) {
    if (!validFileFields(fields, kFileFields)) return std::nullopt;
    const auto identity = [](const std::string_view* numbers) {
        FileIdentity id;
        parseNumber(numbers[0], id.device);
        parseNumber(numbers[1], id.inode);
        parseNumber(numbers[2], id.size);
        return id;
    };
    JournalFile file{pathFromUtf8(fields[0]), pathFromUtf8(fields[1]), identity(fields + 2), {}};
    if (fields[5] == "1") {
        file.replaced = identity(fields + 6);
        if (file.replaced->inode == 0) return std::nullopt;
    }
    return file;
}

// What a journal says, in the order a run writes it; a last record cut short
// by the kill is left out. Anything else makes it untrusted.
Journal parseJournal(std::string_view bytes) {
    std::vector<std::string_view> fields;
    for (std::size_t end; (end = bytes.find('\0')) != std::string_view::npos; bytes.remove_prefix(end + 1))
        fields.push_back(bytes.substr(0, end));
    Journal journal;
    std::set<fs::path> targets;
    for (std::size_t i = 0; i < fields.size() && journal.trusted; ++i) {
        const std::string_view kind = fields[i];
        const std::size_t rest = fields.size() - i - 1;
        if (kind == kFolderRecord && journal.files.empty() && !journal.placing) {
            if (rest == 0) break;
            const fs::path folder = pathFromUtf8(fields[++i]);
            journal.trusted = folder == "." || isPlainRelative(folder);
            journal.folders.push_back(folder);
        } else if (kind == kFileRecord && !journal.placing) {
            if (rest < kFileFields) {
                journal.trusted = validFileFields(&fields[i + 1], rest);
                break;
            }
            std::optional<JournalFile> file = parseFile(&fields[i + 1]);
            journal.trusted = file && targets.insert(file->target).second;
            if (file) journal.files.push_back(std::move(*file));
            i += kFileFields;
        } else if (kind == kPlacingRecord && !journal.placing) {
            journal.placing = true;
        } else if (kind == kPlacedRecord && journal.placing && !journal.placed) {
            journal.placed = true;
        } else {
            journal.trusted = false;
        }
    }
    return journal;
}

std::string_view journalName(JournalKind kind) {
    return kind == JournalKind::Encode ? kEncodeJournalName : kPublishJournalName;
}

// One step of putting a folder back: a name removed, or moved over another.
struct Undo {
    fs::path from, to;  // `to` empty: `from` is removed
    FileIdentity lost;  // the file that goes for good
    fs::path target;    // the name the person knows it by, for an error
};

bool isKept(const std::vector<FileIdentity>& kept, const FileIdentity& identity) {
    return std::any_of(kept.begin(), kept.end(),
                       [&](const FileIdentity& file) { return file.sameFile(identity); });
}

}  // namespace

fs::path journalPath(const fs::path& folder, JournalKind kind) { return folder / journalName(kind); }

std::vector<FileIdentity> keptFiles(const std::vector<fs::path>& paths) {
    std::vector<FileIdentity> kept;
    for (const fs::path& path : paths) {
        if (path.empty()) continue;
        if (const auto link = fileIdentity(path)) kept.push_back(*link);
        std::error_code ec;
        const fs::path file = fs::canonical(path, ec);
        if (ec) continue;
        if (const auto target = fileIdentity(file)) kept.push_back(*target);
    }
    return kept;
}

TreeRecovery recoverInterruptedTree(const fs::path& folder, JournalKind kind,
                                    const std::vector<FileIdentity>& kept) {
    const fs::path path = journalPath(folder, kind);
    TreeRecovery recovery;
    const LockedFile journalFile = openLocked(path);
    if (!journalFile.fd.valid()) {
        // Not a file this program made for itself (a link, someone else's): left alone.
        if (journalFile.error != ENOENT) recovery.foreignJournal = path;
        return recovery;
    }
    // Its run holds the lock while it goes on.
    if (!journalFile.locked) return recovery;
    // No run writes a journal anywhere near this long.
    const Result<std::string> read = readFile(path, 16u << 20);
    if (read.failed()) {
        recovery.foreignJournal = path;
        return recovery;
    }
    const Journal journal = parseJournal(read.value());
    const FolderInside inside(folder);
    if (inside.error() != 0) {
        recovery.outcome = errnoError(folder, "open", inside.error());
        return recovery;
    }

    // Every step is planned and checked against the folder before the first is taken.
    bool trusted = journal.trusted;
    struct Seen {
        FolderInside::Entry target, hidden;
    };
    std::vector<Seen> seen;
    for (const JournalFile& file : journal.files) {
        seen.push_back({inside.look(file.target), inside.look(file.hidden)});
        for (const FolderInside::Entry* entry : {&seen.back().target, &seen.back().hidden}) {
            if (entry->error == ELOOP || entry->error == ENOTDIR || entry->error == EINVAL) {
                trusted = false;
            } else if (entry->error != 0 && recovery.outcome.ok()) {
                recovery.outcome = errnoError(folder / file.target, "restore", entry->error);
            }
        }
    }
    if (recovery.outcome.failed()) return recovery;
    const auto holds = [](const FolderInside::Entry& entry, const FileIdentity& identity) {
        return entry.kind != FileKind::Missing && entry.identity == identity;
    };
    const auto inPlace = [&](std::size_t i) {
        return journal.placing && holds(seen[i].target, journal.files[i].made);
    };
    // The run gets to keeping its files only once all are in place: one of
    // them named by the project means that happened.
    bool done = journal.placed;
    for (std::size_t i = 0; i < journal.files.size() && journal.placing; ++i) {
        if (inPlace(i) && isKept(kept, journal.files[i].made)) done = true;
    }
    std::vector<Undo> undo;
    for (std::size_t i = 0; i < journal.files.size() && trusted; ++i) {
        const JournalFile& file = journal.files[i];
        const FolderInside::Entry& hidden = seen[i].hidden;
        if (done) {
            // Every file in place: only what they replaced is left to remove.
            if (!file.replaced || hidden.kind == FileKind::Missing) continue;
            trusted = holds(hidden, *file.replaced);
            undo.push_back({file.hidden, {}, hidden.identity, file.target});
        } else if (inPlace(i)) {
            // Its predecessor, if any, lies under the hidden name.
            if (file.replaced) {
                trusted = holds(hidden, *file.replaced);
                undo.push_back({file.hidden, file.target, seen[i].target.identity, file.target});
            } else {
                undo.push_back({file.target, {}, seen[i].target.identity, file.target});
            }
        } else if (hidden.kind != FileKind::Missing) {
            trusted = holds(hidden, file.made);
            undo.push_back({file.hidden, {}, hidden.identity, file.target});
        }
    }
    for (const fs::path& made : journal.folders) {
        if (made == ".") continue;
        const FolderInside::Entry entry = inside.look(made);
        if (entry.error != 0 || (entry.kind != FileKind::Folder && entry.kind != FileKind::Missing))
            trusted = false;
    }
    for (const Undo& step : undo) {
        if (isKept(kept, step.lost)) trusted = false;
    }
    if (!trusted) {
        recovery.foreignJournal = path;
        return recovery;
    }

    for (const Undo& step : undo) {
        const int error = step.to.empty() ? inside.removeFile(step.from) : inside.rename(step.from, step.to);
        if (error != 0 && error != ENOENT && recovery.outcome.ok())
            recovery.outcome = errnoError(folder / step.target, "restore", error);
    }
    if (recovery.outcome.failed()) return recovery;
    removeFile(path);
    removeStaleTemporaries(folder);
    if (done) return recovery;
    for (auto it = journal.folders.rbegin(); it != journal.folders.rend(); ++it) {
        if (*it != ".") static_cast<void>(inside.removeFolder(*it));
    }
    if (std::find(journal.folders.begin(), journal.folders.end(), fs::path(".")) != journal.folders.end())
        removeFolder(folder);
    return recovery;
}

StagedTree::~StagedTree() {
    if (!committed_) rollBack();
}

Result<void> StagedTree::makeFolder(const fs::path& folder) {
    const FileStatus status = fileStatus(folder);
    if (status.error != 0) return errnoError(folder, "create folder", status.error);
    if (status.kind == FileKind::Folder) return success();
    if (status.kind != FileKind::Missing) return errnoError(folder, "create folder", ENOTDIR);
    if (folder.has_parent_path() && folder.parent_path() != folder) {
        if (auto made = makeFolder(folder.parent_path()); made.failed()) return made;
    }
    if (const int error = createFolder(folder)) return errnoError(folder, "create folder", error);
    madeFolders_.push_back(folder);
    return recordFolder(folder);
}

Result<void> StagedTree::recordFolder(const fs::path& folder) {
    if (!journalFd_.valid()) return success();
    // Those above the journal's folder stay: a journal reaches nothing outside it.
    const fs::path inside = folder.lexically_relative(journalFolder_);
    if (inside != "." && !isPlainRelative(inside)) return success();
    return record({kFolderRecord, utf8Path(inside)});
}

Result<void> StagedTree::keepJournal(const fs::path& folder, JournalKind kind) {
    journal_ = journalPath(folder, kind);
    LockedFile created = createLocked(journal_);
    journalFd_ = std::move(created.fd);
    if (!journalFd_.valid()) {
        const int error = created.error;
        journal_.clear();
        // Left there by a run that is still going: recovery skips a locked journal.
        if (error == EEXIST)
            return FileError{folder, "write in",
                             std::string(kind == JournalKind::Encode ? kEncodeUnderWay : kPublishUnderWay)};
        return errnoError(folder, "write in", error);
    }
    journalFolder_ = folder;
    for (const fs::path& made : madeFolders_) {
        if (auto recorded = recordFolder(made); recorded.failed()) return recorded;
    }
    return success();
}

Result<void> StagedTree::record(std::initializer_list<std::string_view> fields) {
    std::string bytes;
    for (const std::string_view field : fields) (bytes += field) += '\0';
    if (const int error = appendAll(journalFd_, bytes)) return errnoError(journalFolder_, "write in", error);
    return success();
}

Result<void> StagedTree::recordFile(const TemporaryFile& file) {
    const fs::path target = file.target().lexically_relative(journalFolder_);
    const fs::path hidden = file.hiddenName().lexically_relative(journalFolder_);
    const std::optional<FileIdentity> made = file.identity();
    if (!isPlainRelative(target) || !made) return errnoError(file.target(), "write", EINVAL);
    // A link or a file: whatever takes the hidden name when this one is placed.
    const std::optional<FileIdentity> old = fileIdentity(file.target());
    char numbers[6][24];
    std::string_view texts[6];
    const std::uint64_t values[6] = {made->device,          made->inode,          made->size,
                                     old ? old->device : 0, old ? old->inode : 0, old ? old->size : 0};
    for (int i = 0; i < 6; ++i) {
        const char* end = std::to_chars(numbers[i], numbers[i] + sizeof numbers[i], values[i]).ptr;
        texts[i] = std::string_view(numbers[i], static_cast<std::size_t>(end - numbers[i]));
    }
    return record({kFileRecord, utf8Path(target), utf8Path(hidden), texts[0], texts[1], texts[2],
                   old ? "1" : "0", texts[3], texts[4], texts[5]});
}

void StagedTree::closeJournal() {
    if (journal_.empty()) return;
    removeFile(journal_);
    journalFd_.reset();
    journal_.clear();
}

Result<void> StagedTree::addFile(const fs::path& target, std::string_view bytes) {
    TemporaryFile file;
    if (const int error = file.create(target)) return errnoError(target, "write", error);
    if (const int error = file.write(bytes)) return errnoError(target, "write", error);
    files_.push_back(std::move(file));
    return success();
}

void StagedTree::addFile(TemporaryFile file) { files_.push_back(std::move(file)); }

Result<void> StagedTree::commit(const std::function<Result<void>()>& keep) {
    if (journalFd_.valid()) {
        // Every rename to come, before the first: each new file under its hidden name.
        for (TemporaryFile& file : files_) {
            Result<void> named = success();
            if (const int error = file.nameHidden()) named = errnoError(file.target(), "write", error);
            if (named.ok()) named = recordFile(file);
            if (named.failed()) {
                rollBack();
                return named;
            }
        }
        if (auto recorded = record({kPlacingRecord}); recorded.failed()) {
            rollBack();
            return recorded;
        }
    }
    if (watchPlacing_) watchPlacing_(0);
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
        if (watchPlacing_) watchPlacing_(placed_.size());
    }
    if (keep) {
        if (auto kept = keep(); kept.failed()) {
            rollBack();
            return kept;
        }
    }
    committed_ = true;
    // Only a kill before the journal is closed below would read this mark; if
    // it cannot be written, such a kill takes the new page back: no worse.
    if (journalFd_.valid()) static_cast<void>(record({kPlacedRecord}));
    for (const TemporaryFile::Placed& placed : placed_) dropDisplaced(placed);
    files_.clear();
    closeJournal();
    return success();
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
