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
inline constexpr std::string_view kPublishingSucceeded = "Publishing succeeded";
// After it, a line per movie whose index could not be moved: "tour.mp4: " this, then the reason.
inline constexpr std::string_view kIndexLeftAtEnd =
    "its index stays at the end of the published copy, so browsers load the whole file before the first "
    "frame";
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
// After a hidden journal's path, on a line of its own below the outcome.
inline constexpr std::string_view kJournalNotOurs =
    " was not written by a publish into this folder; nothing was undone";

// A Hot Spot of a 180-degree movie beyond 90 degrees: "Hot Spot 3 (Door)", this, its yaw.
inline constexpr std::string_view kHotSpot = "Hot Spot ";
inline constexpr std::string_view kHotSpotOffPicture =
    " lies off the picture: this movie covers only the front half of the sphere, so a Hot Spot's yaw must "
    "lie between -90 and 90, not ";

// What disagrees between the page and its movies, asked about before publishing
// after the movies that will not play well, one line each.
inline constexpr std::string_view kMismatchHeading = "The page and its movies do not match:";
inline constexpr std::string_view kPublishAnyway = "Publish anyway?";
// "Hot Spot 3 (Door)" " at " "13.6 s" this "10.0 s" then the end.
inline constexpr std::string_view kAt = " at ";
inline constexpr std::string_view kPastEnd = " lies past the end of slot 1's movie (";
inline constexpr std::string_view kPastEndEnd = "): visitors never see it";
// "Slot 2, tour-1920x960.mp4: " "lasts " "20.0 s" ", slot 1's movie " "10.0 s" then kOtherMovie.
inline constexpr std::string_view kLasts = "lasts ";
inline constexpr std::string_view kMainLasts = ", slot 1's movie ";
// "Slot 2, tour.mp4: " "its picture is " "1024x512 mono" ", slot 1's is " "1024x1024 top-bottom".
inline constexpr std::string_view kPictureIs = "its picture is ";
inline constexpr std::string_view kMainPictureIs = ", slot 1's is ";
inline constexpr std::string_view kOtherMovie = ": some visitors would get a different movie";
inline constexpr std::string_view kSeconds = " s";
// The note after slot 1's movie was replaced in the window, before the lines.
inline constexpr std::string_view kReplacedHeading = "The new movie in slot 1 and the page do not match:";

// The custom page size check.
inline constexpr std::string_view kMinimalCustomSize =
    "The minimal custom width = 320\nThe minimal custom height = 100";

// Movie types the page cannot offer.
inline constexpr std::string_view kFormatSlot1 = "Current format does not support";
inline constexpr std::string_view kFormatOtherSlot = "Curren format does not support";
// Their second line: "Slot 2, /v/tour.avi: " and the reason, then the types the page offers.
inline constexpr std::string_view kSlot = "Slot ";
inline constexpr std::string_view kNoExtension = "has no extension, so the page cannot name its movie type (";
inline constexpr std::string_view kUnknownExtensionPrefix = "ends in ";
inline constexpr std::string_view kUnknownExtensionSuffix = ", which is no movie type the page can offer (";
inline constexpr std::string_view kTypesEnd = " are)";

// A page name chosen that is an existing folder: "/home/ana/site" and this, then the folder again.
inline constexpr std::string_view kPageIsFolder = " is a folder: name the page file inside it, such as ";
inline constexpr std::string_view kIndexPage = "index.html";

// The redirect page.
inline constexpr std::string_view kHtml5PathMissing =
    "Please add the web path to the Html5 360 Video solution";
inline constexpr std::string_view kFlashPathMissing =
    "Please add the web path to the Flash 360 Video solution";
inline constexpr std::string_view kRedirectCreated = "Redirect web page created!";

}  // namespace tessaly::publish::messages
