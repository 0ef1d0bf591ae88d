#pragma once

// Every text that publishing and the redirect page show to the person, kept in
// one place. The spelling is the program's own and is kept as it is.

#include <string_view>

namespace tessaly::publish::messages {

// Publishing a web movie.
inline constexpr std::string_view kNoMovie =
    "Movie file does not selected !\nFirts movie file must be selected !";
inline constexpr std::string_view kMovieNotFound = "Movie file does not found";
// Its second line, after the movie's path and ": ".
inline constexpr std::string_view kMovieMissing = "no such file";
inline constexpr std::string_view kMovieIsFolder = "is a folder";
inline constexpr std::string_view kMovieNotRegular = "not a regular file (a pipe, a device or a socket)";
inline constexpr std::string_view kMovieLinkLoop = "loops through symbolic links";
inline constexpr std::string_view kWarningCaption = "Warning";
inline constexpr std::string_view kPublishingSucceeded = "Publishing succeeded";
// After it, a line per movie whose index could not be moved: "tour.mp4: " this, then the reason.
inline constexpr std::string_view kIndexLeftAtEnd =
    "its index stays at the end of the published copy, so browsers load the whole file before the first "
    "frame";
inline constexpr std::string_view kInformationCaption = "Information:";
inline constexpr std::string_view kPublishDialogTitle = "Publish Html web page";
// Followed by one line per file that could not be written, with the reason.
inline constexpr std::string_view kPublishingFailed = "Publishing failed:";
inline constexpr std::string_view kPublishingCancelled = "Publishing cancelled";
// Followed by the caption file that stops a publish and why.
inline constexpr std::string_view kCaptionsRefused = "The captions beside the movie cannot be published:";

// Reasons a publish is refused before it writes anything, after the file's name.
inline constexpr std::string_view kPageHasNoName = "The page has no name";
inline constexpr std::string_view kSameNameAsAnotherSlot = "Another movie slot has a file of the same name";
inline constexpr std::string_view kIsTheProject = "It is the project file being published";
inline constexpr std::string_view kIsAMovie = "It is a movie being published";

// A Hot Spot of a 180-degree movie beyond 90 degrees: "Hot Spot 3 (Door)", this, its yaw.
inline constexpr std::string_view kHotSpot = "Hot Spot ";
inline constexpr std::string_view kHotSpotOffPicture =
    " lies off the picture: this movie covers only the front half of the sphere, so a Hot Spot's yaw must "
    "lie between -90 and 90, not ";

// The custom page size check (shown with kInformationCaption).
inline constexpr std::string_view kMinimalCustomSize =
    "The minimal custom width = 320\nThe minimal custom height = 100";

// Movie types the page cannot offer.
inline constexpr std::string_view kFormatSlot1 = "Current format does not support";
inline constexpr std::string_view kFormatOtherSlot = "Curren format does not support";
inline constexpr std::string_view kAttentionCaption = "Attention";

// The redirect page.
inline constexpr std::string_view kHtml5PathMissing =
    "Please add the web path to the Html5 360 Video solution";
inline constexpr std::string_view kFlashPathMissing =
    "Please add the web path to the Flash 360 Video solution";
inline constexpr std::string_view kRedirectWarningCaption = "Warning !";
inline constexpr std::string_view kRedirectCreated = "Redirect web page created!";
inline constexpr std::string_view kSuccessCaption = "Success";

}  // namespace tessaly::publish::messages
