#pragma once

// A published tree on its way: every new file is complete, without a name,
// before any takes the place of an old one, and then all of them are put in
// place together. A tree that is dropped or fails to land leaves the page
// folder as it was: the new files vanish, replaced files come back, and
// folders it made are removed.

#include <filesystem>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string_view>
#include <vector>

#include "core/platform/FileSystem.h"
#include "core/platform/Files.h"

namespace tessaly::platform {

// Why a tree is refused while another one is landing in the same folder.
inline constexpr std::string_view kPublishUnderWay = "Another publish into this folder is under way";
inline constexpr std::string_view kEncodeUnderWay = "Web versions are being made in this folder already";

// Whose journal: each kind of run keeps its own and undoes only its own.
enum class JournalKind { Publish, Encode };

class StagedTree {
public:
    StagedTree() = default;
    StagedTree(const StagedTree&) = delete;
    StagedTree& operator=(const StagedTree&) = delete;
    ~StagedTree();  // not committed: as if nothing had happened

    // Makes `folder` and any missing parents; only what it made is removed again.
    Result<void> makeFolder(const std::filesystem::path& folder);

    // From now on keeps a journal in `folder` (which exists) of the folders it
    // made and, before the files take their names, of every rename to come:
    // what a killed publish leaves for recoverInterruptedTree.
    // Every path it records lies inside `folder` and is written relative to it.
    Result<void> keepJournal(const std::filesystem::path& folder, JournalKind kind = JournalKind::Publish);

    // A new file with these bytes, to become `target`.
    Result<void> addFile(const std::filesystem::path& target, std::string_view bytes);
    // A file written elsewhere (a movie copy), to become its own target.
    void addFile(platform::TemporaryFile file);

    // Puts every file in place, each replaced file keeping its permissions.
    // When one cannot be placed, or `keep` (called once all are in place)
    // gives an error, those already placed are taken back.
    Result<void> commit(const std::function<Result<void>()>& keep = {});

    // Called before the first file is put in place and after each, with how
    // many are: where a test stops a run between two files.
    void watchPlacing(std::function<void(std::size_t placed)> watch) { watchPlacing_ = std::move(watch); }

private:
    void rollBack();
    Result<void> recordFile(const TemporaryFile& file);
    Result<void> recordFolder(const std::filesystem::path& folder);
    Result<void> record(std::initializer_list<std::string_view> fields);
    void closeJournal();

    std::vector<std::filesystem::path> madeFolders_;  // in the order they were made
    std::vector<platform::TemporaryFile> files_;
    std::vector<platform::TemporaryFile::Placed> placed_;
    bool committed_ = false;
    std::filesystem::path journal_;
    std::filesystem::path journalFolder_;
    platform::FileDescriptor journalFd_;
    std::function<void(std::size_t)> watchPlacing_;
};

// The journal a run of this kind into `folder` keeps while it runs.
std::filesystem::path journalPath(const std::filesystem::path& folder,
                                  JournalKind kind = JournalKind::Publish);

// Files a recovery must neither remove nor replace (the project and the
// movies it names): each path's file, and the link itself where it is one.
std::vector<FileIdentity> keptFiles(const std::vector<std::filesystem::path>& paths);

struct [[nodiscard]] TreeRecovery {
    Result<void> outcome;  // failed: what could not be put back
    // A journal left where it is, untouched: it names something that run did
    // not make in this folder (or a file in `kept`), so nothing was undone.
    std::filesystem::path foreignJournal;
};

// Puts `folder` back as it was before a run of `kind` that was killed there:
// files it had put in place go, those it replaced come back, or, when every
// rename was done (or a file in `kept` is one it placed: it had been kept),
// only what it replaced goes; its temporaries and the empty folders it made
// inside `folder` are removed. The journal is untrusted: a file is removed or
// moved back only when it lies inside `folder`, under one of the run's
// temporary names or where it was put, with the identity recorded for it.
// Nothing when no journal is there or its run is still going.
TreeRecovery recoverInterruptedTree(const std::filesystem::path& folder,
                                    JournalKind kind = JournalKind::Publish,
                                    const std::vector<FileIdentity>& kept = {});

}  // namespace tessaly::platform
