#pragma once

// The published page: the page template with the movie sources, the title and
// the background colour filled in.

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/Prompts.h"
#include "core/movies/MovieSlots.h"
#include "core/platform/Files.h"

namespace tessaly::publish {

inline constexpr std::string_view kPageExtension = ".html";
// The page dialogs' filter: "Html Web page (*.html)|*.html|".
std::string pageDialogFilter();

// The title placeholder (30 letters S) and the video placeholder (30 letters X).
inline constexpr std::string_view kTitlePlaceholder = "SSSSSSSSSSSSSSSSSSSSSSSSSSSSSS";
inline constexpr std::string_view kVideoPlaceholder = "XXXXXXXXXXXXXXXXXXXXXXXXXXXXXX";
inline constexpr std::string_view kBgColorMarker = "bgcolor=#000000";

// Why a slot's file is no movie the page can offer.
enum class UnsupportedReason {
    NoExtension,
    UnknownExtension,
};

// A slot whose file the page cannot name a type for: publishing stops.
struct UnsupportedMovie {
    std::size_t slot = 0;  // 0 to 2
    std::string file;      // as the slot holds it (slot 1 trimmed)
    UnsupportedReason reason = UnsupportedReason::NoExtension;
    std::string extension;  // the file's last extension, for UnknownExtension

    bool operator==(const UnsupportedMovie&) const = default;
};

struct [[nodiscard]] SourceLines {
    std::string lines;
    std::optional<UnsupportedMovie> unsupported;
};

// The refusal for an unsupported movie: the slot's fixed line, then the slot,
// the file and the reason.
tessaly::Message unsupportedMovieMessage(const UnsupportedMovie& movie);

// The page path for the name chosen in a save dialog or given on the command
// line: trimmed of spaces, with ".html" appended unless it already ends so in
// any letter case. Empty when nothing but spaces was chosen.
std::string pagePathFor(std::string_view chosen);
// That page path made absolute and normal, as a publish and the checks of its
// movies take it; or why it cannot be.
Result<std::filesystem::path> pageFile(std::string_view chosen);

enum class PageName {
    Page,
    Empty,          // nothing but spaces
    Folder,         // "", "." or ".." as the file name, or a trailing slash
    ExtensionOnly,  // ".html" and nothing before it
};
// What a page path names, as chosen, as given on the command line or as a
// job holds it: the one check of a page's name.
[[nodiscard]] PageName pageName(std::string_view path);

// The existing folder that a name chosen for the page names, itself or with
// ".html" appended: the person meant the page's folder, not its file. Nothing
// when neither is a folder.
std::optional<std::filesystem::path> pageNameIsFolder(std::string_view chosen);

// The refusal of such a name, suggesting the page file inside the folder.
tessaly::Message pageIsFolderMessage(const std::filesystem::path& folder);

// Three lines, one per movie slot, each ended by CR LF; an empty slot gives an
// empty line. The file name is percent-encoded where a URL needs it.
SourceLines buildSourceLines(const movies::MovieSlots& slots);

// The same lines with `extra[i]` (attributes, each after a space) inside slot
// i's element, before its end.
SourceLines buildSourceLines(const movies::MovieSlots& slots, const std::array<std::string, 3>& extra);

// A caption file published beside the page.
struct CaptionTrack {
    std::string file;      // its name beside the page
    std::string language;  // its language tag
    std::string label;     // what a person picks it by
};

// One <track> line per caption file, each ended by CR LF, to follow the
// source lines in the video element; nothing without captions.
std::string captionTrackLines(const std::vector<CaptionTrack>& tracks);

// The page title as HTML text (& < > " escaped).
std::string escapeHtml(std::string_view text);

// The template with, in this order, the video placeholder replaced by the
// source lines, the title placeholder by the title, and "bgcolor=#000000" by
// "bgcolor='#RRGGBB' ".
std::string pageText(std::string_view pageTemplate, std::string_view sourceLines, std::string_view title,
                     std::uint32_t htmlBgColor);

// Writes pageText() atomically to `path`.
Result<void> generatePage(const std::filesystem::path& path, std::string_view pageTemplate,
                          std::string_view sourceLines, std::string_view title, std::uint32_t htmlBgColor);

}  // namespace tessaly::publish
