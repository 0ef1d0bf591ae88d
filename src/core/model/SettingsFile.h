#pragma once

// The settings file: the user's Viewer Settings between runs, as 28 tag lines
// with CR LF ends. The project file begins with exactly the same lines.

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/Prompts.h"
#include "core/model/TagText.h"
#include "core/model/ViewerSettings.h"
#include "core/platform/Files.h"

namespace tessaly::model {

inline constexpr std::string_view kFileHeader = "Generatad by Tessaly, d'not edit!";
inline constexpr std::string_view kLineEnd = "\r\n";
inline constexpr std::string_view kNoMovieText =
    "You need to choose any video file, then you can save a parameters";

// A real settings or project file is a few KB; anything this large is not one,
// and is refused before it is read.
inline constexpr std::uint64_t kMaxFileBytes = 1024 * 1024;

// The 26 settings tags, in the order the file has them.
inline constexpr std::array<std::string_view, 26> kSettingsTags = {
    "WINDOW",      "CONTROLS",  "ZOOM",      "CONTROLBAR", "YAW",    "PITCH",    "TILT",
    "AUDIO",       "WIN_POS_X", "WIN_POS_Y", "MOUSESPEED", "MAXFPS", "QUAL",     "FULLSCREEN",
    "HTMLBGCOLOR", "HTMLTITLE", "STAT",      "HS_ICON",    "BORDER", "VIEWMODE", "BLACKAREACOLOR",
    "TOOLTIPHELP", "BALANCE",   "ZOOMMAX",   "LOADDIR",    "SAVEDIR"};

// What Save Options shows when no main movie is chosen.
Message noMovieMessage();

// The 28 lines of the settings file, each ended by CR LF.
std::string settingsText(const ViewerSettings& settings);
// The same lines added to `out`, for a caller that writes more after them or
// keeps its text's room from one save to the next.
void appendSettingsText(std::string& out, const ViewerSettings& settings);

// Applies the 26 settings tags to `settings`, in the file's reading order.
// Empty load and save folders become `currentFolder`. Fields the files do not
// store (manual tilt, custom size) are left alone.
void applySettings(const TagText& tags, ViewerSettings& settings, const std::string& currentFolder);

// Save Options and the silent save on exit. Writes nothing when the movie-1
// text is empty after trimming: refused with kNoMovieText, and the caller
// decides whether to say so.
Result<void> saveSettings(const std::filesystem::path& path, const ViewerSettings& settings,
                          std::string_view movie1SlotText);

// Applies a settings file's bytes, as loadSettings has them from the file.
void readSettings(std::string_view bytes, ViewerSettings& settings, const std::string& currentFolder);

// Applies the settings file at `path`. A missing file is no error and changes
// nothing; a file that exists but cannot be read changes nothing and is reported.
Result<void> loadSettings(const std::filesystem::path& path, ViewerSettings& settings,
                          const std::string& currentFolder);

}  // namespace tessaly::model
