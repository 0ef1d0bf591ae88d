#include "core/model/WorkFiles.h"

#include <cerrno>

#include "core/model/ProjectFile.h"
#include "core/model/SettingsFile.h"
#include "core/movies/MovieTypes.h"
#include "core/platform/FileSystem.h"
#include "core/platform/Files.h"
#include "core/text/Text.h"

namespace tessaly::model {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kOneAtATime = "Only one file can be opened at a time. These were given:";
constexpr std::string_view kOtherKind = "Neither a project (.hs5) nor a movie (";
// The tag only a project has, within its first lines.
constexpr std::string_view kProjectOnlyTag = "<VIDEO1>";
constexpr std::size_t kNamesShown = 10;

bool beginsAsProject(const fs::path& file) {
    const platform::ReadResult read = platform::readFile(file, kMaxFileBytes);
    if (read.error) return false;
    const std::string_view bytes = read.bytes;
    return bytes.starts_with(kFileHeader) && bytes.find(kProjectOnlyTag) != std::string_view::npos;
}

Message refusal(std::string text) { return Message{std::move(text), Topic::Warning}; }

}  // namespace

WorkKind workKindOf(const fs::path& file) {
    const std::string name = file.filename().string();
    if (text::toLowerAscii(file.extension().string()) == kProjectExtension) return WorkKind::Project;
    if (movies::movieTypeOf(name) != nullptr) return WorkKind::Movie;
    return beginsAsProject(file) ? WorkKind::Project : WorkKind::Other;
}

std::variant<OpenRequest, Message> openRequest(const std::vector<fs::path>& files) {
    if (files.size() != 1) {
        std::string text(kOneAtATime);
        for (std::size_t i = 0; i < files.size() && i < kNamesShown; ++i) text += "\n" + files[i].string();
        if (files.size() > kNamesShown) text += "\n...";
        return refusal(text);
    }
    const fs::path& file = files.front();
    const platform::FileStatus status = platform::fileStatus(file);
    switch (status.kind) {
        case platform::FileKind::Missing:
            return refusal(
                platform::errnoError(file, "open", status.error != 0 ? status.error : ENOENT).message());
        case platform::FileKind::Folder:
            return refusal(platform::errnoError(file, "open", EISDIR).message());
        case platform::FileKind::Other:
            return refusal(
                platform::FileError{file, "open", std::string(platform::kNotRegularFile)}.message());
        case platform::FileKind::Regular:
            break;
    }
    const WorkKind kind = workKindOf(file);
    if (kind == WorkKind::Other)
        return refusal(
            platform::FileError{file, "open", std::string(kOtherKind) + movies::movieExtensions(", ") + ")"}
                .message());
    return OpenRequest{kind, file};
}

}  // namespace tessaly::model
