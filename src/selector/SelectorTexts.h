#pragma once

// Every text the selector shows, in one place. The dialog's title, filter and
// name and the messages are the publisher's own (core/publish/PublishMessages.h).

#include <string_view>

namespace tessaly::selector::texts {

inline constexpr std::string_view kTitle = "Brennock";
inline constexpr std::string_view kBuild = "Build 002.01";
inline constexpr std::string_view kHtml5Label = "Set Html5 Solution Path";
inline constexpr std::string_view kFlashLabel = "Set Flash Solution Path";
inline constexpr std::string_view kHtml5Hint =
    "example:  https://tessaly.example/tours/harbour/html5/index.html";
inline constexpr std::string_view kFlashHint =
    "example:  https://tessaly.example/tours/harbour/flash/index.html";
inline constexpr std::string_view kCreate = "Create html5-flash redirect web page";
inline constexpr std::string_view kAbout = "About";
inline constexpr std::string_view kExit = "Exit";

// The About box.
inline constexpr std::string_view kAboutTitle = "About";
inline constexpr std::string_view kAboutName = "Brennock\nby the Tessaly developers";
inline constexpr std::string_view kAboutNotice = "Free to use on any web site.\nProvided without warranty.";
inline constexpr std::string_view kWebSite = "https://tessaly.example/";
inline constexpr std::string_view kSupportMail = "support@tessaly.example";
inline constexpr std::string_view kMailLabel = "email: support";

}  // namespace tessaly::selector::texts
