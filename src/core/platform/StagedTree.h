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

class StagedTree {
public:
    StagedTree() = default;
    StagedTree(const StagedTree&) = delete;
    StagedTree& operator=(const StagedTree&) = delete;
    ~StagedTree();  // not committed: as if nothing had happened

    // Makes `folder` and any missing parents; only what it made is removed again.
    [[nodiscard]] std::optional<FileError> makeFolder(const std::filesystem::path& folder);

    // From now on keeps a journal in `folder` (which exists) of the folders it
    // made and, before the files take their names, of every rename to come:
    // what a killed publish leaves for recoverInterruptedTree.
    [[nodiscard]] std::optional<FileError> keepJournal(const std::filesystem::path& folder);

    // A new file with these bytes, to become `target`.
    [[nodiscard]] std::optional<FileError> addFile(const std::filesystem::path& target,
                                                   std::string_view bytes);
    // A file written elsewhere (a movie copy), to become its own target.
    void addFile(platform::TemporaryFile file);

    // Puts every file in place, each replaced file keeping its permissions.
    // When one cannot be placed, or `keep` (called once all are in place)
    // gives an error, those already placed are taken back.
    [[nodiscard]] std::optional<FileError> commit(const std::function<std::optional<FileError>()>& keep = {});

private:
    void rollBack();
    [[nodiscard]] std::optional<FileError> record(std::initializer_list<std::string_view> fields);
    void closeJournal();

    std::vector<std::filesystem::path> madeFolders_;  // in the order they were made
    std::vector<platform::TemporaryFile> files_;
    std::vector<platform::TemporaryFile::Placed> placed_;
    bool committed_ = false;
    std::filesystem::path journal_;
    platform::FileDescriptor journalFd_;
};

// The journal a publish into `folder` keeps while it runs.
std::filesystem::path journalPath(const std::filesystem::path& folder);

// Puts `folder` back as it was before a publish that was killed there: files
// it had put in place go, those it replaced come back, or, when every rename
// was done, only what it replaced goes; its temporaries and the folders it made
// that are still empty are removed. Nothing when no journal is there or its
// publish is still running. An error names what could not be put back.
[[nodiscard]] std::optional<FileError> recoverInterruptedTree(const std::filesystem::path& folder);

}  // namespace tessaly::platform
