#include "core/model/RecentProjects.h"

#include <algorithm>

#include "core/model/SettingsFile.h"
#include "core/platform/FileSystem.h"

namespace tessaly::model {
namespace {

namespace fs = std::filesystem;

bool keepable(const fs::path& path) {
    const std::string text = platform::utf8Path(path);
    return path.is_absolute() && text.find_first_of("\r\n") == std::string::npos;
}

}  // namespace

fs::path recentProjectsPath(const fs::path& settingsPath) {
    return settingsPath.parent_path() / (settingsPath.stem().string() + "-recent.txt");
}

RecentProjects withRecentProject(RecentProjects list, const fs::path& project) {
    const fs::path entry = project.lexically_normal();
    std::erase(list, entry);
    list.insert(list.begin(), entry);
    if (list.size() > kRecentProjectsLimit) list.resize(kRecentProjectsLimit);
    return list;
}

RecentProjects parseRecentProjects(std::string_view text) {
    RecentProjects list;
    while (!text.empty() && list.size() < kRecentProjectsLimit) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (line.ends_with('\r')) line.remove_suffix(1);
        const fs::path path = platform::pathFromUtf8(line).lexically_normal();
        if (line.empty() || !keepable(path)) continue;
        if (std::find(list.begin(), list.end(), path) == list.end()) list.push_back(path);
    }
    return list;
}

std::string recentProjectsText(const RecentProjects& list) {
    std::string text;
    for (const fs::path& path : list) {
        if (keepable(path)) text += platform::utf8Path(path) + "\n";
    }
    return text;
}

RecentProjects loadRecentProjects(const fs::path& file) {
    const Result<std::string> read = platform::readFile(file, kMaxFileBytes);
    if (read.failed()) return {};
    return parseRecentProjects(read.value());
}

Result<void> saveRecentProjects(const fs::path& file, const RecentProjects& list) {
    return platform::writeFileAtomic(file, recentProjectsText(list));
}

}  // namespace tessaly::model
