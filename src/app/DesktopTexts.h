#pragma once

// The texts of what the publisher does as a desktop program: its command line,
// Recent Projects and Preview in Browser.

#include <string_view>

namespace tessaly::app::texts {

// %1: the movie extensions.
inline constexpr std::string_view kUsage =
    "Usage: publisher [FILE]\n"
    "Opens the Tessaly publisher window.\n"
    "  FILE  a project (.hs5), opened as File > Load Project does, or a movie\n"
    "        (%1), loaded into slot 1 as Load Web Movie1 does.\n"
    "        When a publisher window is already open, the file goes to that window.\n"
    "  -h, --help  shows this text\n";
inline constexpr std::string_view kUnknownOption = "publisher: unknown option ";
inline constexpr std::string_view kSeeHelp = "Try 'publisher --help'.";

// File menu, after its first items.
inline constexpr std::string_view kMenuRecentProjects = "Recent Projects";
inline constexpr std::string_view kMenuClearRecentProjects = "Clear Recent Projects";
inline constexpr std::string_view kMenuPreviewInBrowser = "Preview in Browser\tCtrl+B";

// Preview in Browser; %1 is the page's address.
inline constexpr std::string_view kNoBrowser = "No web browser could be started.\nThe page is served at %1";
inline constexpr std::string_view kPreviewServedAt = "The preview is served at:";
inline constexpr std::string_view kCopyAddress = "Copy";

// Save Project As, beside Save Project; the Edit menu between File and Option.
inline constexpr std::string_view kMenuSaveProjectAs = "Save Project As...\tCtrl+Shift+S";
inline constexpr std::string_view kMenuEdit = "&Edit";
inline constexpr std::string_view kMenuUndo = "&Undo\tCtrl+Z";
inline constexpr std::string_view kMenuRedo = "&Redo\tCtrl+Shift+Z";

// Captions: the languages of the main movie's captions under the movie rows,
// the command that chooses a file for a language and the display's removal.
inline constexpr std::string_view kMenuLoadCaptions = "Load Captions...";
inline constexpr std::string_view kCaptionsShown = "Captions: ";
inline constexpr std::string_view kCaptionChosenMark = ", chosen";
inline constexpr std::string_view kCaptionsFilter = "Caption files (*.vtt *.srt)|*.vtt;*.srt|";
// %1: the file's name.
inline constexpr std::string_view kCaptionsLanguageQuestion =
    "Language of the captions in %1\n(a language tag such as en, de or pt-BR):";
inline constexpr std::string_view kNotCaptions = "%1 is not a caption file: choose a .vtt or .srt file.";
// %1: what was typed.
inline constexpr std::string_view kNotALanguageTag =
    "\"%1\" is not a language tag: two or three letters, then parts of one to eight letters or digits "
    "after a dash (en, de, pt-BR, es-419).";
inline constexpr std::string_view kTooManyCaptions = "No more caption files can be chosen for this movie.";
// %1: the language, %2: the file's name.
inline constexpr std::string_view kRemoveCaptions = "Remove Captions %1 (%2)";

// Saving over a file that is not the project's own; %1 is its path.
inline constexpr std::string_view kReplaceQuestion = "%1 already exists.\nReplace it?";
inline constexpr std::string_view kReplace = "Replace";

// Work a window that did not close properly left behind; %1 the project, %2 when it was kept.
inline constexpr std::string_view kRecoverQuestion =
    "The publisher did not close properly, and the changes to %1 were not saved.\n"
    "They were last kept at %2.\n\nRecover them?";
inline constexpr std::string_view kRecoverUnnamed = "a project never saved";
inline constexpr std::string_view kRecover = "Recover";
inline constexpr std::string_view kDiscard = "Discard";

}  // namespace tessaly::app::texts
