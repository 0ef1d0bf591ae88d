#include "core/publish/Page.h"

#include <array>

#include "core/movies/MovieTypes.h"
#include "core/platform/FileSystem.h"
#include "core/publish/PublishMessages.h"
#include "core/text/Numbers.h"
#include "core/text/Text.h"

namespace tessaly::publish {
std::string pageDialogFilter() {
    const std::string pattern = namePattern(kPageExtension);
    return "Html Web page (" + pattern + ")|" + pattern + "|";
}

std::string pagePathFor(std::string_view chosen) { return text::withExtension(chosen, kPageExtension); }

Result<std::filesystem::path> pageFile(std::string_view chosen) {
    return platform::absolutePath(pagePathFor(chosen));
}

PageName pageName(std::string_view path) {
    const std::string trimmed = text::trimSpaces(path);
    if (trimmed.empty()) return PageName::Empty;
    const std::string name = std::filesystem::path(trimmed).filename().string();
    if (trimmed.back() == '/' || name.empty() || name == "." || name == "..") return PageName::Folder;
    if (text::toLowerAscii(name) == kPageExtension) return PageName::ExtensionOnly;
    return PageName::Page;
}

std::optional<std::filesystem::path> pageNameIsFolder(std::string_view chosen) {
    const std::string trimmed = text::trimSpaces(chosen);
    if (trimmed.empty()) return std::nullopt;
    for (const std::string& path : {trimmed, pagePathFor(trimmed)}) {
        if (platform::fileStatus(path).kind == platform::FileKind::Folder) return std::filesystem::path(path);
    }
    return std::nullopt;
}

Message pageIsFolderMessage(const std::filesystem::path& folder) {
    return Message{
        folder.string() + std::string(messages::kPageIsFolder) + (folder / messages::kIndexPage).string(),
        Topic::Warning};
}

Message unsupportedMovieMessage(const UnsupportedMovie& movie) {
    std::string text(movie.slot == 0 ? messages::kFormatSlot1 : messages::kFormatOtherSlot);
    text += "\n" + std::string(messages::kSlot) +
            text::formatInteger(static_cast<long long>(movie.slot) + 1) + ", " + movie.file + ": ";
    if (movie.reason == UnsupportedReason::NoExtension) {
        text += messages::kNoExtension;
    } else {
        text += std::string(messages::kUnknownExtensionPrefix) + movie.extension +
                std::string(messages::kUnknownExtensionSuffix);
    }
    text += movies::movieExtensions(", ") + std::string(messages::kTypesEnd);
    return Message{std::move(text), Topic::Attention};
}

SourceLines buildSourceLines(const movies::MovieSlots& slots) { return buildSourceLines(slots, {}); }

SourceLines buildSourceLines(const movies::MovieSlots& slots, const std::array<std::string, 3>& extra) {
    SourceLines result;
    for (std::size_t i = 0; i < slots.size(); ++i) {
        const std::string slot = slots.path(i);
        if (!slot.empty()) {
            // The movie is copied beside the page under this same name.
            const std::string name = std::filesystem::path(slot).filename().string();
            const movies::MovieType* type = movies::movieTypeOf(name);
            if (type == nullptr) {
                result.lines.clear();
                // The last dot on, as the type is looked up.
                const std::size_t dot = name.rfind('.');
                const std::string extension = dot == std::string::npos ? std::string() : name.substr(dot);
                result.unsupported = UnsupportedMovie{
                    i, slot,
                    extension.empty() ? UnsupportedReason::NoExtension : UnsupportedReason::UnknownExtension,
                    extension};
                return result;
            }
            result.lines += "<SOURCE src=\"" + text::percentEncoded(name) + "\" type='" +
                            std::string(type->pageType) + "'" + extra[i] + "/>";
        }
        result.lines += "\r\n";
    }
    return result;
}

std::string captionTrackLines(const std::vector<CaptionTrack>& tracks) {
    std::string lines;
    for (const CaptionTrack& track : tracks)
        lines += "<track kind=\"captions\" src=\"" + text::percentEncoded(track.file) + "\" srclang=\"" +
                 escapeHtml(track.language) + "\" label=\"" + escapeHtml(track.label) + "\">\r\n";
    return lines;
}

std::string escapeHtml(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string pageText(std::string_view pageTemplate, std::string_view sourceLines, std::string_view title,
                     std::uint32_t htmlBgColor) {
    // The order matters: a title placeholder inside a movie name is filled too.
    std::string page = text::replaceAll(pageTemplate, kVideoPlaceholder, sourceLines);
    page = text::replaceAll(page, kTitlePlaceholder, escapeHtml(title));
    return text::replaceAll(page, kBgColorMarker, "bgcolor='#" + text::formatColorRgb(htmlBgColor) + "' ");
}

Result<void> generatePage(const std::filesystem::path& path, std::string_view pageTemplate,
                          std::string_view sourceLines, std::string_view title, std::uint32_t htmlBgColor) {
    return platform::writeFileAtomic(path, pageText(pageTemplate, sourceLines, title, htmlBgColor));
}

}  // namespace tessaly::publish
