#include "core/publish/Mismatches.h"

#include <cmath>

#include "core/movies/MovieFormat.h"
#include "core/movies/MovieTexts.h"
#include "core/movies/MovieTools.h"
#include "core/publish/PublishMessages.h"
#include "core/text/Numbers.h"
#include "core/text/Text.h"

namespace tessaly::publish {
namespace {

using Picture = Mismatch::Picture;

// A readable movie with a picture.
const movies::MovieInfo* seen(const std::optional<movies::MovieInfo>& info) {
    return info && !info->error && info->hasVideo ? &*info : nullptr;
}

Picture pictureOf(const movies::MovieInfo& info) { return {info.width, info.height, info.format.layout}; }

// One eye's width over its height; 0 when the size is unknown.
double aspect(const Picture& picture) {
    const movies::EyeSize eye = movies::eyeSize(picture.layout, picture.width, picture.height);
    return eye.width > 0 && eye.height > 0 ? static_cast<double>(eye.width) / eye.height : 0;
}

bool sameShape(const Picture& a, const Picture& b) {
    if (a.layout != b.layout) return false;
    const double first = aspect(a), second = aspect(b);
    return first == 0 || second == 0 || std::abs(first - second) <= kAspectSlack * first;
}

std::string seconds(double value) { return text::formatMask(value, "0.0") + std::string(messages::kSeconds); }

std::string pictureText(const Picture& picture) {
    return text::formatInteger(picture.width) + "x" + text::formatInteger(picture.height) + " " +
           std::string(movies::layoutName(picture.layout));
}

std::string lines(const std::vector<Mismatch>& mismatches) {
    std::string text;
    for (const Mismatch& mismatch : mismatches) text += "\n" + mismatchLine(mismatch);
    return text;
}

}  // namespace

std::vector<Mismatch> findMismatches(const model::MovieSlots& movies, const movies::InspectedSlots& inspected,
                                     const hotspots::HotSpotList& hotSpots) {
    std::vector<Mismatch> found;
    const movies::MovieInfo* main = seen(inspected[0]);
    if (main == nullptr) return found;
    const std::filesystem::path mainFile = movies.mainMovie();
    if (main->duration > 0) {
        for (int n = 1; n <= hotspots::kSlotCount; ++n) {
            const hotspots::HotSpot& spot = hotSpots.at(n);
            if (!spot.inUse() || spot.pos <= main->duration) continue;
            Mismatch past;
            past.file = mainFile;
            past.hotSpot = n;
            past.title = spot.trimmedTitle();
            past.at = spot.pos;
            past.end = main->duration;
            found.push_back(std::move(past));
        }
    }
    for (std::size_t i = 1; i < inspected.size(); ++i) {
        const movies::MovieInfo* other = seen(inspected[i]);
        if (other == nullptr) continue;
        Mismatch mismatch;
        mismatch.slot = static_cast<int>(i) + 1;
        mismatch.file = movies.path(i);
        if (main->duration > 0 && other->duration > 0 &&
            std::abs(other->duration - main->duration) > kDurationSlack) {
            mismatch.kind = Mismatch::Kind::Duration;
            mismatch.at = other->duration;
            mismatch.end = main->duration;
            found.push_back(mismatch);
        }
        if (!sameShape(pictureOf(*other), pictureOf(*main))) {
            Mismatch shape;
            shape.kind = Mismatch::Kind::Shape;
            shape.slot = mismatch.slot;
            shape.file = mismatch.file;
            shape.picture = pictureOf(*other);
            shape.mainPicture = pictureOf(*main);
            found.push_back(std::move(shape));
        }
    }
    return found;
}

std::vector<Mismatch> checkMismatches(const model::MovieSlots& movies, movies::MovieTools& tools,
                                      const hotspots::HotSpotList& hotSpots, const std::atomic<bool>* stop) {
    movies::InspectedSlots inspected;
    for (std::size_t i = 0; i < movies.size(); ++i) {
        const std::string path = movies.path(i);
        if (path.empty()) continue;
        inspected[i] = tools.inspect(path, stop);
        if (inspected[i]->stopped) return {};
    }
    return findMismatches(movies, inspected, hotSpots);
}

std::string hotSpotName(int n, const hotspots::HotSpot& spot) {
    std::string name = std::string(messages::kHotSpot) + text::formatInteger(n);
    if (!spot.trimmedTitle().empty()) name += " (" + spot.trimmedTitle() + ")";
    return name;
}

std::string mismatchLine(const Mismatch& mismatch) {
    if (mismatch.kind == Mismatch::Kind::HotSpotPastEnd) {
        hotspots::HotSpot spot;
        spot.setTitle(mismatch.title);
        return hotSpotName(mismatch.hotSpot, spot) + std::string(messages::kAt) + seconds(mismatch.at) +
               std::string(messages::kPastEnd) + seconds(mismatch.end) + std::string(messages::kPastEndEnd);
    }
    std::string line = std::string(messages::kSlot) + text::formatInteger(mismatch.slot) + ", " +
                       mismatch.file.filename().string() + ": ";
    if (mismatch.kind == Mismatch::Kind::Duration) {
        line += std::string(messages::kLasts) + seconds(mismatch.at) + std::string(messages::kMainLasts) +
                seconds(mismatch.end);
    } else {
        line += std::string(messages::kPictureIs) + pictureText(mismatch.picture) +
                std::string(messages::kMainPictureIs) + pictureText(mismatch.mainPicture);
    }
    return line + std::string(messages::kOtherMovie);
}

Message publishQuestion(const std::vector<movies::MovieFinding>& findings,
                        const std::vector<Mismatch>& mismatches) {
    if (mismatches.empty()) return movies::findingsMessage(findings);
    std::string body;
    if (!findings.empty()) {
        body = movies::texts::kFindingsHeading;
        for (const movies::MovieFinding& finding : findings) body += "\n" + movies::findingLine(finding);
        body += "\n\n";
    }
    body += std::string(messages::kMismatchHeading) + lines(mismatches) + "\n\n" +
            std::string(messages::kPublishAnyway);
    return Message{body, Topic::MoviesForTheWeb};
}

std::string replacedMovieNote(const std::vector<Mismatch>& mismatches) {
    if (mismatches.empty()) return {};
    return std::string(messages::kReplacedHeading) + lines(mismatches);
}

}  // namespace tessaly::publish
