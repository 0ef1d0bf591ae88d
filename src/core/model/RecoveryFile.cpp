#include "core/model/RecoveryFile.h"

#include <algorithm>

#include "core/model/SettingsFile.h"
#include "core/model/TagText.h"
#include "core/platform/Files.h"
#include "core/text/Text.h"

namespace tessaly::model {
namespace {

constexpr std::string_view kRecoveryTag = "RECOVERYOF";
constexpr std::size_t kMaxPathBytes = 4096;

// Only a name that could have been the window's own project is kept: a saved
// project is always an absolute path to a regular file.
std::filesystem::path checkedProject(std::string_view named) {
    if (named.empty() || named.size() > kMaxPathBytes) return {};
    if (std::any_of(named.begin(), named.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; }))
        return {};
    const std::filesystem::path project(named);
    if (!project.is_absolute() || project.lexically_normal() != project) return {};
    if (!text::endsWithNoCase(named, kProjectExtension)) return {};
    std::error_code ec;
    if (!std::filesystem::is_regular_file(project, ec)) return {};
    return project;
}

}  // namespace

std::string recoveryText(const ViewerSettings& settings, const MovieSlots& movies,
                         const hotspots::HotSpotList& hotSpots, const std::filesystem::path& project) {
    std::string text = projectText(settings, movies, hotSpots);
    text +=
        "<" + std::string(kRecoveryTag) + ">" + project.string() + "</" + std::string(kRecoveryTag) + ">\r\n";
    return text;
}

Result<RecoveredWork> readRecovery(const std::filesystem::path& file, const ViewerSettings& settings,
                                   const std::string& currentFolder) {
    Result<OpenedProject> opened = openProject(file, settings, currentFolder);
    if (opened.failed()) return opened.failure();
    RecoveredWork recovered{std::move(opened).value(), {}};
    const Result<std::string> bytes = platform::readFile(file, kMaxFileBytes);
    if (bytes.failed()) return bytes.failure();
    const TagText tags(text::decodeText(bytes.value()));
    recovered.project = checkedProject(text::trimSpaces(tags.raw(kRecoveryTag)));
    // Movies and captions named relative to the project were found from where it lies.
    if (!recovered.project.empty()) {
        recovered.work.movies = recovered.work.written;
        if (const Result<void> found = recovered.work.movies.resolveFrom(recovered.project.parent_path());
            found.failed())
            return found.failure();
        recovered.work.settings.captions = recovered.work.writtenCaptions;
        resolveCaptionPaths(recovered.work.settings.captions, recovered.project);
    }
    return recovered;
}

}  // namespace tessaly::model
