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
inline constexpr std::string_view kPreviewCaption = "Preview in Browser";
inline constexpr std::string_view kPreviewServedAt = "The preview is served at:";
inline constexpr std::string_view kCopyAddress = "Copy";

}  // namespace tessaly::app::texts
