#include "core/model/AppState.h"

#include <system_error>

#include "core/platform/FileSystem.h"

namespace tessaly::model {

AppState startState(const std::string& currentFolder, const std::filesystem::path& settingsPath) {
    AppState state;
    state.settings.loadDir = currentFolder;
    state.settings.saveDir = currentFolder;
    state.settingsPath = settingsPath;
    return state;
}

std::filesystem::path settingsFilePath(const std::filesystem::path& executable,
                                       const std::filesystem::path& fallbackFolder,
                                       bool executableFolderWritable) {
    std::filesystem::path name = executable.stem();
    name += ".ini";
    return (executableFolderWritable ? executable.parent_path() : fallbackFolder) / name;
}

std::filesystem::path settingsFilePath(const std::filesystem::path& executable,
                                       const std::filesystem::path& fallbackFolder) {
    const std::filesystem::path folder =
        executable.has_parent_path() ? executable.parent_path() : std::filesystem::path(".");
    // A program installed under a prefix (/usr/bin with /usr/share/tessaly) is
    // shared by every user: even when its folder is writable (to root), the
    // settings belong in the user's configuration folder, not among the programs.
    std::error_code ec;
    const bool prefixInstall = std::filesystem::is_directory(folder / ".." / "share" / "tessaly", ec);
    return settingsFilePath(executable, fallbackFolder, !prefixInstall && platform::isWritableFolder(folder));
}

}  // namespace tessaly::model
