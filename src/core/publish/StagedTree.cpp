#include "core/publish/StagedTree.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace tessaly::publish {
namespace {
namespace fs = std::filesystem;
}  // namespace

StagedTree::~StagedTree() {
    if (!committed_) rollBack();
}

std::optional<text::FileError> StagedTree::makeFolder(const fs::path& folder) {
    const platform::FileStatus status = platform::fileStatus(folder);
    if (status.error != 0) return text::errnoError(folder, "create folder", status.error);
    if (status.kind == platform::FileKind::Folder) return std::nullopt;
    if (status.kind != platform::FileKind::Missing) return text::errnoError(folder, "create folder", ENOTDIR);
    if (folder.has_parent_path() && folder.parent_path() != folder) {
        if (auto error = makeFolder(folder.parent_path())) return error;
    }
    if (::mkdir(folder.c_str(), 0777) != 0) return text::errnoError(folder, "create folder", errno);
    madeFolders_.push_back(folder);
    return std::nullopt;
}

std::optional<text::FileError> StagedTree::addFile(const fs::path& target, std::string_view bytes) {
    platform::TemporaryFile file;
    if (const int error = file.create(target)) return text::errnoError(target, "write", error);
    if (const int error = file.write(bytes)) return text::errnoError(target, "write", error);
    files_.push_back(std::move(file));
    return std::nullopt;
}

void StagedTree::addFile(platform::TemporaryFile file) { files_.push_back(std::move(file)); }

std::optional<text::FileError> StagedTree::commit(
    const std::function<std::optional<text::FileError>()>& keep) {
    for (platform::TemporaryFile& file : files_) {
        const platform::FileStatus old = platform::fileStatus(file.target());
        int error = old.kind == platform::FileKind::Regular ? file.setMode(old.mode) : 0;
        platform::TemporaryFile::Placed placed;
        if (error == 0) error = file.place(placed);
        if (error != 0) {
            text::FileError failure = text::errnoError(file.target(), "write", error);
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
    for (const platform::TemporaryFile::Placed& placed : placed_) platform::dropDisplaced(placed);
    files_.clear();
    return std::nullopt;
}

void StagedTree::rollBack() {
    for (auto it = placed_.rbegin(); it != placed_.rend(); ++it) platform::undoPlace(*it);
    placed_.clear();
    files_.clear();
    for (auto it = madeFolders_.rbegin(); it != madeFolders_.rend(); ++it) ::rmdir(it->c_str());
    madeFolders_.clear();
}

}  // namespace tessaly::publish
