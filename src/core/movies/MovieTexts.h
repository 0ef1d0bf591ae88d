#pragma once

// Every text the movie checks and the web versions show to the person, in one
// place.

#include <string_view>

namespace tessaly::movies::texts {

// The warning before publishing: the heading, one line per problem
// ("Slot 2, tour.mov: ..."), then the question.
inline constexpr std::string_view kFindingsHeading = "These movies may not play on the published page:";
inline constexpr std::string_view kFindingsQuestion = "Publish them all the same?";
inline constexpr std::string_view kContinue = "Continue";
inline constexpr std::string_view kSlot = "Slot ";

// One problem each, after the slot and the file's name.
inline constexpr std::string_view kUnreadable = "cannot be read: ";
// Why a movie's reading ended early: the person asked to stop.
inline constexpr std::string_view kReadStopped = "reading stopped";
inline constexpr std::string_view kNoVideo = "has no video stream";
inline constexpr std::string_view kCodecPrefix = "is ";
inline constexpr std::string_view kCodecSuffix =
    ", which most browsers cannot play (H.264, VP8, VP9 and AV1 play)";
inline constexpr std::string_view kTooWidePrefix = "is ";
inline constexpr std::string_view kTooWideSuffix =
    " pixels wide; most phones draw at most 4096 and no other slot has a smaller version";
inline constexpr std::string_view kBitRatePrefix = "streams at ";
inline constexpr std::string_view kBitRateSuffix = ", more than most visitors can load (40 Mbit/s)";
inline constexpr std::string_view kIndexAtEnd =
    "has its index at the end, so browsers load the whole file before the first frame";
// Followed by dataEndsText ("0:06 of 0:10").
inline constexpr std::string_view kCutShortPrefix = "is cut short: its data ends at ";
inline constexpr std::string_view kCutShortSuffix = ", where the page's movie stops for every visitor";
// After a problem publishing mends: what happens to it.
// Before publishing, and after it for a copy that got it: the rewrite is
// published only when it holds the same packets.
inline constexpr std::string_view kMendedInCopy =
    " (the published copy gets it at the front, unless moving it would change a packet)";
// After publishing, for a copy that could not get it.
inline constexpr std::string_view kLeftAtEndInCopy =
    " (moving it would not have kept every packet: the published copy keeps it at the end)";
inline constexpr std::string_view kLeftInPlace =
    " (it already lies in the page folder, where publishing leaves it as it is)";
inline constexpr std::string_view kNotPanoramaPrefix = "is ";
inline constexpr std::string_view kNotPanoramaSuffix = ", narrower than 2:1: not a full panorama";
inline constexpr std::string_view kNotHalfSphereSuffix = ", narrower than 1:1: not a full half sphere";
// After a stereo movie's size: the shape rule looks at one eye's picture.
inline constexpr std::string_view kPerEye = " per eye";

// Ambisonic sound, in a movie's summary; unsupported marks are also a finding.
inline constexpr std::string_view kAmbisonic = "ambisonic sound";
inline constexpr std::string_view kAmbisonicStereo = "ambisonic sound with head-locked stereo";
// Around what is not supported: "order 2", "FuMa channel ordering" ...; the
// finding before publishing puts kHas in front.
inline constexpr std::string_view kAmbisonicUnsupportedPrefix = "ambisonic sound of ";
inline constexpr std::string_view kHas = "has ";
inline constexpr std::string_view kAmbisonicUnsupportedSuffix = ", not supported, played as ordinary sound";
// What is not supported in a mark.
inline constexpr std::string_view kAmbisonicOrder = "order ";
inline constexpr std::string_view kAmbisonicType = "a mixed-order type";
inline constexpr std::string_view kAmbisonicFuMa = "FuMa channel ordering";
inline constexpr std::string_view kAmbisonicOrdering = "an unknown channel ordering";
inline constexpr std::string_view kAmbisonicN3d = "N3D normalisation";
inline constexpr std::string_view kAmbisonicNormalisation = "an unknown normalisation";
inline constexpr std::string_view kAmbisonicChannelsSuffix = " channels";
inline constexpr std::string_view kAmbisonicChannelMap = "channels mapped out of order";
inline constexpr std::string_view kAmbisonicDamaged = "a damaged mark";

// Why movie tools that only read a movie's facts give no sound for the preview.
inline constexpr std::string_view kNoSoundDecoding = "these movie tools decode no sound";

// Make Web Versions.
// Followed by the versions' paths, one a line.
inline constexpr std::string_view kEncodeSucceeded = "Web versions made:";
// Followed by the file and the reason.
inline constexpr std::string_view kEncodeFailed = "Making the web versions failed:";
// The command line, after the project's path.
inline constexpr std::string_view kSlotsUpdated = "slots 2 and 3 now hold them in ";
inline constexpr std::string_view kEncodeCancelled = "Making the web versions cancelled";
inline constexpr std::string_view kIsTheMovie = "It is the movie being encoded";
// After a hidden journal's path, on a line of its own below the outcome.
inline constexpr std::string_view kJournalNotOurs =
    " was not written by Make Web Versions into this folder; nothing was undone";
inline constexpr std::string_view kNothingToEncode = "It has no video stream";
// The progress window.
inline constexpr std::string_view kEncodeProgress = "Encoding %1\n%2 of %3 done, %4 left";  // name, times
inline constexpr std::string_view kEncodeWaiting = "Encoding %1";

}  // namespace tessaly::movies::texts
