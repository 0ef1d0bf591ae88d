#include "core/movies/MovieFindings.h"

#include <algorithm>
#include <string_view>

#include "core/movies/MovieTexts.h"
#include "core/movies/MovieTools.h"
#include "core/platform/MovieCopy.h"
#include "core/text/Numbers.h"
#include "core/text/Text.h"

namespace tessaly::movies {
namespace {

constexpr int kPhoneWidth = 4096;
constexpr std::int64_t kMaxBitRate = 40000000;

// The problem a rule finds in a readable movie with video, or nothing.
struct Rule {
    std::optional<std::string> (*find)(const MovieInfo&, const InspectedSlots&);
    bool fixedByPublishing = false;  // in the copy: the words then say what becomes of it
};

bool smallerVersionElsewhere(const MovieInfo& info, const InspectedSlots& inspected) {
    for (const auto& other : inspected) {
        if (other && &*other != &info && !other->error && other->hasVideo && other->width > 0 &&
            other->width <= kPhoneWidth)
            return true;
    }
    return false;
}

const std::vector<Rule>& rules() {
    static const std::vector<Rule> table{
        {[](const MovieInfo& info, const InspectedSlots&) -> std::optional<std::string> {
            if (browsersPlay(info.videoCodec)) return std::nullopt;
            return std::string(texts::kCodecPrefix) + codecDisplayName(info.videoCodec) +
                   std::string(texts::kCodecSuffix);
        }},
        {[](const MovieInfo& info, const InspectedSlots& inspected) -> std::optional<std::string> {
            if (info.width <= kPhoneWidth || smallerVersionElsewhere(info, inspected)) return std::nullopt;
            return std::string(texts::kTooWidePrefix) + text::formatInteger(info.width) +
                   std::string(texts::kTooWideSuffix);
        }},
        {[](const MovieInfo& info, const InspectedSlots&) -> std::optional<std::string> {
            if (info.bitRate <= kMaxBitRate) return std::nullopt;
            return std::string(texts::kBitRatePrefix) + bitRateText(info.bitRate) +
                   std::string(texts::kBitRateSuffix);
        }},
        {[](const MovieInfo& info, const InspectedSlots&) -> std::optional<std::string> {
             if (info.indexAtFront.value_or(true)) return std::nullopt;
             return std::string(texts::kIndexAtEnd);
         },
         true},
        {[](const MovieInfo& info, const InspectedSlots&) -> std::optional<std::string> {
            if (!info.dataEnds) return std::nullopt;
            return std::string(texts::kCutShortPrefix) + dataEndsText(info) +
                   std::string(texts::kCutShortSuffix);
        }},
        {[](const MovieInfo& info, const InspectedSlots&) -> std::optional<std::string> {
            // One eye's picture spans the field across and 180 degrees up and down.
            const EyeSize eye = eyeSize(info.format.layout, info.width, info.height);
            if (eye.height <= 0 || eye.width * kHalfField >= info.format.field * eye.height)
                return std::nullopt;
            std::string shape = text::formatInteger(eye.width) + "x" + text::formatInteger(eye.height);
            if (info.format.layout != StereoLayout::Mono) shape += texts::kPerEye;
            return std::string(texts::kNotPanoramaPrefix) + shape +
                   std::string(info.format.field == kHalfField ? texts::kNotHalfSphereSuffix
                                                               : texts::kNotPanoramaSuffix);
        }},
        {[](const MovieInfo& info, const InspectedSlots&) -> std::optional<std::string> {
            if (info.spatialAudio != SpatialAudio::Unsupported) return std::nullopt;
            return std::string(texts::kHas) + spatialAudioText(info);
        }},
    };
    return table;
}

}  // namespace

std::vector<MovieFinding> movieFindings(const MovieSlots& movies, const InspectedSlots& inspected,
                                        const InPlaceSlots& inPlace, const LeftAtEndSlots& leftAtEnd) {
    std::vector<MovieFinding> found;
    for (std::size_t i = 0; i < inspected.size(); ++i) {
        if (!inspected[i]) continue;
        const MovieInfo& info = *inspected[i];
        const int slot = static_cast<int>(i) + 1;
        const std::filesystem::path file = movies.path(i);
        if (info.error) {
            found.push_back({slot, file, std::string(texts::kUnreadable) + *info.error});
            continue;
        }
        if (!info.hasVideo) {
            found.push_back({slot, file, std::string(texts::kNoVideo)});
            continue;
        }
        for (const Rule& rule : rules()) {
            std::optional<std::string> problem = rule.find(info, inspected);
            if (!problem) continue;
            const bool mended = rule.fixedByPublishing && !inPlace[i] && !leftAtEnd[i];
            if (rule.fixedByPublishing)
                *problem += mended       ? texts::kMendedInCopy
                            : inPlace[i] ? texts::kLeftInPlace
                                         : texts::kLeftAtEndInCopy;
            found.push_back({slot, file, std::move(*problem), mended});
        }
    }
    return found;
}

std::vector<MovieFinding> checkMovies(const MovieSlots& movies, MovieTools& tools,
                                      const std::filesystem::path& page,
                                      const std::vector<std::filesystem::path>& indexLeftAtEnd,
                                      const std::atomic<bool>* stop) {
    const std::filesystem::path folder = page.parent_path();
    InspectedSlots inspected;
    InPlaceSlots inPlace{};
    LeftAtEndSlots leftAtEnd{};
    for (std::size_t i = 0; i < movies.size(); ++i) {
        const std::string path = movies.path(i);
        if (path.empty()) continue;
        inspected[i] = tools.inspect(path, stop);
        if (inspected[i]->stopped) return {};
        inPlace[i] = platform::liesIn(path, folder);
        // A movie that cannot be named as the publish named it was not published.
        const Result<std::filesystem::path> published = movies.absolutePath(i);
        leftAtEnd[i] = published.ok() && std::find(indexLeftAtEnd.begin(), indexLeftAtEnd.end(),
                                                   published.value()) != indexLeftAtEnd.end();
    }
    return movieFindings(movies, inspected, inPlace, leftAtEnd);
}

std::string findingLine(const MovieFinding& finding) {
    return std::string(texts::kSlot) + text::formatInteger(finding.slot) + ", " +
           finding.file.filename().string() + ": " + finding.problem;
}

Message findingsMessage(const std::vector<MovieFinding>& findings) {
    std::string body(texts::kFindingsHeading);
    for (const MovieFinding& finding : findings) body += "\n" + findingLine(finding);
    body += "\n\n" + std::string(texts::kFindingsQuestion);
    return Message{body, Topic::MoviesForTheWeb};
}

}  // namespace tessaly::movies
