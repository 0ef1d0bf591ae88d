#include "core/movies/Captions.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <system_error>

#include "core/movies/MovieInfo.h"
#include "core/movies/MovieTools.h"
#include "core/platform/Files.h"
#include "core/text/Numbers.h"
#include "core/text/Text.h"

namespace tessaly::movies {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kNoCue = "holds no caption";
constexpr std::string_view kUnreadableCaptions = "cannot be read as captions: ";
constexpr std::string_view kAtLine = " (line ";
constexpr std::string_view kEndsAt = "captions end at ";
constexpr std::string_view kAfterMovie = ", after the movie (";

bool isAlpha(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }
bool isAlnum(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; }

struct LanguageName {
    std::string_view tag;
    std::string_view name;
};

// The languages captions most often come in, in their own words.
constexpr std::array<LanguageName, 24> kLanguageNames{{
    {"ar", "العربية"},    {"cs", "Čeština"}, {"da", "Dansk"},      {"de", "Deutsch"},   {"el", "Ελληνικά"},
    {"en", "English"},    {"es", "Español"}, {"fi", "Suomi"},      {"fr", "Français"},  {"he", "עברית"},
    {"hi", "हिन्दी"},      {"hu", "Magyar"},  {"it", "Italiano"},   {"ja", "日本語"},    {"ko", "한국어"},
    {"nl", "Nederlands"}, {"no", "Norsk"},   {"pl", "Polski"},     {"pt", "Português"}, {"ru", "Русский"},
    {"sv", "Svenska"},    {"tr", "Türkçe"},  {"uk", "Українська"}, {"zh", "中文"},
}};

std::string_view formatName(CaptionFormat format) {
    return format == CaptionFormat::SubRip ? "SubRip" : "WebVTT";
}

}  // namespace

bool isLanguageTag(std::string_view tag) {
    std::size_t start = 0;
    for (bool first = true;; first = false) {
        const std::size_t end = std::min(tag.find('-', start), tag.size());
        const std::string_view part = tag.substr(start, end - start);
        if (first ? part.size() < 2 || part.size() > 3 || !std::all_of(part.begin(), part.end(), isAlpha)
                  : part.empty() || part.size() > 8 || !std::all_of(part.begin(), part.end(), isAlnum))
            return false;
        if (end == tag.size()) return true;
        start = end + 1;
    }
}

std::optional<CaptionFormat> captionFormatOf(std::string_view fileName) {
    if (text::endsWithNoCase(fileName, ".vtt")) return CaptionFormat::WebVtt;
    if (text::endsWithNoCase(fileName, ".srt")) return CaptionFormat::SubRip;
    return std::nullopt;
}

std::string languageOfName(std::string_view fileName) {
    const std::string_view stem = fileName.substr(0, std::min(fileName.rfind('.'), fileName.size()));
    const std::size_t dot = stem.rfind('.');
    if (dot == std::string_view::npos) return {};
    const std::string_view tag = stem.substr(dot + 1);
    return isLanguageTag(tag) ? std::string(tag) : std::string();
}

bool sameLanguage(std::string_view a, std::string_view b) {
    return text::toLowerAscii(a) == text::toLowerAscii(b);
}

std::optional<CaptionFile> captionFileOf(std::string_view movieName, std::string_view fileName) {
    const std::string_view movieStem = movieName.substr(0, std::min(movieName.rfind('.'), movieName.size()));
    if (movieStem.empty() || fileName.size() < movieStem.size() + 4 || !fileName.starts_with(movieStem) ||
        fileName[movieStem.size()] != '.')
        return std::nullopt;
    CaptionFile caption;
    const std::optional<CaptionFormat> format = captionFormatOf(fileName);
    if (!format) return std::nullopt;
    caption.format = *format;
    const std::size_t tagStart = movieStem.size() + 1;
    const std::size_t tagEnd = fileName.size() - 4;
    if (tagEnd + 1 == tagStart) {
        caption.language = kUnknownLanguage;
    } else {
        if (tagEnd <= tagStart) return std::nullopt;
        const std::string_view tag = fileName.substr(tagStart, tagEnd - tagStart);
        if (!isLanguageTag(tag)) return std::nullopt;
        caption.language = tag;
    }
    caption.path = fileName;
    return caption;
}

std::vector<CaptionFile> findCaptions(const fs::path& movie) {
    std::vector<CaptionFile> found;
    const std::string movieName = movie.filename().string();
    std::error_code ec;
    fs::directory_iterator entries(movie.parent_path().empty() ? fs::path(".") : movie.parent_path(), ec);
    for (; !ec && entries != fs::directory_iterator(); entries.increment(ec)) {
        const fs::path& path = entries->path();
        std::optional<CaptionFile> caption = captionFileOf(movieName, path.filename().string());
        if (!caption) continue;
        caption->path = movie.parent_path() / path.filename();
        found.push_back(std::move(*caption));
    }
    // One file per language: tags compare without letter case; WebVTT first.
    const auto key = [](const CaptionFile& c) {
        return std::make_tuple(text::toLowerAscii(c.language), c.format, c.path.filename().string());
    };
    std::sort(found.begin(), found.end(),
              [&](const CaptionFile& a, const CaptionFile& b) { return key(a) < key(b); });
    found.erase(std::unique(found.begin(), found.end(),
                            [](const CaptionFile& a, const CaptionFile& b) {
                                return sameLanguage(a.language, b.language);
                            }),
                found.end());
    return found;
}

std::vector<CaptionFile> movieCaptions(const fs::path& movie, const ChosenCaptions& chosen) {
    // No movie has none beside it (and the current folder is no movie's).
    std::vector<CaptionFile> captions = movie.empty() ? std::vector<CaptionFile>{} : findCaptions(movie);
    for (const ChosenCaption& choice : chosen) {
        const std::optional<CaptionFormat> format = captionFormatOf(choice.path);
        if (!format) continue;
        std::erase_if(captions,
                      [&](const CaptionFile& c) { return sameLanguage(c.language, choice.language); });
        captions.push_back({choice.path, choice.language, *format, true});
    }
    std::sort(captions.begin(), captions.end(), [](const CaptionFile& a, const CaptionFile& b) {
        return std::make_pair(text::toLowerAscii(a.language), a.path) <
               std::make_pair(text::toLowerAscii(b.language), b.path);
    });
    return captions;
}

std::string publishedCaptionName(const fs::path& movie, const CaptionFile& caption) {
    return movie.stem().string() + "." + caption.language + ".vtt";
}

std::string captionLabel(std::string_view language) {
    const std::string lower = text::toLowerAscii(language);
    const std::size_t dash = lower.find('-');
    const std::string_view primary = std::string_view(lower).substr(0, dash);
    for (const LanguageName& known : kLanguageNames) {
        if (known.tag != primary) continue;
        std::string label(known.name);
        if (dash != std::string::npos) label += " (" + std::string(language.substr(dash + 1)) + ")";
        return label;
    }
    return std::string(language);
}

std::string captionTextAsUtf8(std::string_view bytes) {
    // The libraries read UTF-16 themselves by its mark.
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) return std::string(bytes);
    return text::decodeText(bytes);
}

ReadCaption readCaption(const CaptionFile& caption, CaptionTools& tools) {
    ReadCaption read;
    const Result<std::string> file = platform::readFile(caption.path, kCaptionSizeLimit);
    if (file.failed()) {
        read.refusal = file.failure().message();
        return read;
    }
    const CaptionConversion converted = tools.toWebVtt(captionTextAsUtf8(file.value()), caption.format);
    const std::string name = caption.path.string();
    if (!converted.error.empty()) {
        std::string refusal = name + ": " + std::string(kUnreadableCaptions) + converted.error;
        if (converted.line > 0) refusal += std::string(kAtLine) + text::formatInteger(converted.line) + ")";
        read.refusal = refusal;
    } else if (converted.cues == 0) {
        read.refusal = name + ": " + std::string(kNoCue);
    } else {
        read.webVtt = converted.webVtt;
        read.end = converted.end;
    }
    return read;
}

std::vector<MovieFinding> lateCaptions(std::string_view mainMovie, const ChosenCaptions& chosen,
                                       MovieTools& tools, CaptionTools& captionTools,
                                       const std::atomic<bool>* stop) {
    const std::string movie = text::trimSpaces(mainMovie);
    std::vector<MovieFinding> late;
    if (movie.empty()) return late;
    const MovieInfo info = tools.inspect(movie, stop);
    if (info.error || info.duration <= 0) return late;
    for (const CaptionFile& caption : movieCaptions(movie, chosen)) {
        const ReadCaption read = readCaption(caption, captionTools);
        // Cue times are whole milliseconds.
        if (read.refusal || read.end <= info.duration + 0.0005) continue;
        late.push_back({1, caption.path,
                        std::string(kEndsAt) + durationText(read.end) + std::string(kAfterMovie) +
                            durationText(info.duration) + ")"});
    }
    return late;
}

std::string captionLine(const CaptionFile& caption) {
    return caption.path.filename().string() + " (" + captionLabel(caption.language) + ", " +
           std::string(formatName(caption.format)) + ")";
}

}  // namespace tessaly::movies

namespace tessaly::movies {

std::string captionsJson(const std::vector<CaptionFile>& captions) {
    std::string json = "[";
    for (const CaptionFile& caption : captions) {
        if (json.size() > 1) json += ",";
        json += "{\"file\":" + jsonString(caption.path.string()) +
                ",\"language\":" + jsonString(caption.language) +
                ",\"label\":" + jsonString(captionLabel(caption.language)) +
                ",\"format\":" + jsonString(formatName(caption.format)) + "}";
    }
    return json + "]";
}

}  // namespace tessaly::movies
