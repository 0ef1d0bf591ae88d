#pragma once

// Caption files beside a movie, found as video players find them: NAME.vtt,
// NAME.srt, NAME.LANG.vtt and NAME.LANG.srt, LANG a language tag ("en",
// "pt-BR"). Published beside the page as WebVTT, NAME.LANG.vtt.

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/movies/CaptionTools.h"
#include "core/movies/ChosenCaptions.h"
#include "core/movies/MovieFindings.h"

namespace tessaly::movies {

// The language of captions whose file name carries none.
inline constexpr std::string_view kUnknownLanguage = "und";
// Caption files are a few hundred kilobytes; anything far larger is no caption file.
inline constexpr std::uint64_t kCaptionSizeLimit = 8u << 20;

struct CaptionFile {
    std::filesystem::path path;
    std::string language;  // the tag as the name gives it; kUnknownLanguage when it gives none
    CaptionFormat format = CaptionFormat::WebVtt;
    bool chosen = false;  // chosen by the person rather than found beside the movie
};

// A language tag: two or three letters, then subtags of one to eight letters
// or digits ("en", "pt-BR", "zh-Hant", "es-419").
bool isLanguageTag(std::string_view tag);
// By the name's extension, .vtt or .srt in any case; nothing for another.
std::optional<CaptionFormat> captionFormatOf(std::string_view fileName);
// The language tag a caption file's name carries before its extension
// ("de" for "talk.de.srt"); empty when it carries none.
std::string languageOfName(std::string_view fileName);
bool sameLanguage(std::string_view a, std::string_view b);

// What `fileName` is as a caption file of the movie named `movieName`
// (the names alone, no folder); nothing when it is none.
std::optional<CaptionFile> captionFileOf(std::string_view movieName, std::string_view fileName);

// The caption files beside `movie`, one per language (WebVTT before SubRip
// when both are there), in the order of their languages.
std::vector<CaptionFile> findCaptions(const std::filesystem::path& movie);
// The captions the movie is published with: each chosen one (its format by its
// extension; one without is left out), and those found beside it for the other
// languages (none for an empty path); in the order of their languages.
std::vector<CaptionFile> movieCaptions(const std::filesystem::path& movie, const ChosenCaptions& chosen);

// "tour.en.vtt" for the movie "tour.mp4".
std::string publishedCaptionName(const std::filesystem::path& movie, const CaptionFile& caption);
// The name a person picks the captions by: the language's own name where it is
// a common one ("Deutsch"), else the tag.
std::string captionLabel(std::string_view language);

// The bytes as UTF-8 (text::decodeText): what is not UTF-8 is taken as
// Windows-1252, which covers Latin-1. Text marked UTF-16 is left as it is.
std::string captionTextAsUtf8(std::string_view bytes);

struct [[nodiscard]] ReadCaption {
    std::string webVtt;
    double end = 0;                      // seconds
    std::optional<std::string> refusal;  // "tour.de.srt: holds no caption", naming the file
};

// Reads `caption` (a regular file within kCaptionSizeLimit) and has `tools` make it WebVTT.
ReadCaption readCaption(const CaptionFile& caption, CaptionTools& tools);

// The captions of slot 1's movie (trimmed; movieCaptions) that end after it,
// as findings of slot 1 naming the caption file. A file that cannot be read is
// left to the publish, which refuses it.
std::vector<MovieFinding> lateCaptions(std::string_view mainMovie, const ChosenCaptions& chosen,
                                       MovieTools& tools, CaptionTools& captionTools,
                                       const std::atomic<bool>* stop = nullptr);

// "tour.en.vtt (English, WebVTT)"; for `tessaly inspect`.
std::string captionLine(const CaptionFile& caption);
// [{"file":...,"language":"en","label":"English","format":"WebVTT"}]
std::string captionsJson(const std::vector<CaptionFile>& captions);

}  // namespace tessaly::movies
