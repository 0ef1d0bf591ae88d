#include "core/model/ProjectFile.h"

#include <algorithm>
#include <system_error>

#include "core/model/SettingsFile.h"
#include "core/movies/Captions.h"
#include "core/text/Numbers.h"
#include "core/text/Text.h"

namespace tessaly::model {
namespace {

constexpr int kDashCount = 47;
constexpr std::string_view kAngleMask = "#####.000";
constexpr std::array<std::string_view, 3> kMovieTags = {"VIDEO1", "VIDEO2", "VIDEO3"};
// Written only when the movie is not mono 360, so a mono project stays as it
// always was and older readers skip them.
constexpr std::string_view kStereoTag = "STEREO";
constexpr std::string_view kFieldTag = "FIELD";
// One pair for each chosen caption file, numbered from 1, only when there are
// any: "<CAPTION1>path</CAPTION1>", "<CAPTIONLANG1>de</CAPTIONLANG1>".
constexpr std::string_view kCaptionTag = "CAPTION";
constexpr std::string_view kCaptionLanguageTag = "CAPTIONLANG";
constexpr std::size_t kMaxPathBytes = 4096;
constexpr std::size_t kMaxLanguageBytes = 35;
constexpr std::array<std::string_view, 7> kSlotTags = {"HSLINK", "HSTITLE", "HSPOS",  "HSYAW",
                                                       "HSTIME", "HSSELF",  "HSPITCH"};
enum SlotField : std::size_t { kLink, kTitle, kPos, kYaw, kTime, kSelf, kPitch };

void tagLine(std::string& out, const std::string& tag, std::string_view value) {
    out.append("<").append(tag).append(">").append(value);
    out.append("</").append(tag).append(">").append(kLineEnd);
}

std::string slotTag(std::string_view name, int n) { return std::string(name) + text::formatInteger(n); }

// "HSLINK1" to "HSPITCH10", made once: every project read and written names them all.
const std::string& slotTag(SlotField field, int n) {
    static const auto names = [] {
        std::array<std::array<std::string, hotspots::kSlotCount>, kSlotTags.size()> made;
        for (std::size_t f = 0; f < kSlotTags.size(); ++f) {
            for (int k = 1; k <= hotspots::kSlotCount; ++k)
                made[f][static_cast<std::size_t>(k - 1)] = slotTag(kSlotTags[f], k);
        }
        return made;
    }();
    return names[field][static_cast<std::size_t>(n - 1)];
}

void dashes(std::string& out) { out.append(kDashCount, '-').append(kLineEnd); }

bool hasControlCharacter(std::string_view value) {
    return std::any_of(value.begin(), value.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

// What a hand-edited or planted file names is taken only when it could have
// been written here: a caption file's path and a language tag, each language once.
movies::ChosenCaptions readCaptions(const TagText& tags) {
    movies::ChosenCaptions chosen;
    for (int n = 1; n <= static_cast<int>(movies::kChosenCaptionLimit); ++n) {
        const std::string tag = slotTag(kCaptionTag, n);
        if (!tags.holds(tag)) break;
        movies::ChosenCaption caption{text::trimSpaces(tags.raw(tag)),
                                      text::trimSpaces(tags.raw(slotTag(kCaptionLanguageTag, n)))};
        const bool fine = !caption.path.empty() && caption.path.size() <= kMaxPathBytes &&
                          !hasControlCharacter(caption.path) && movies::captionFormatOf(caption.path) &&
                          caption.language.size() <= kMaxLanguageBytes &&
                          movies::isLanguageTag(caption.language);
        const bool again = std::any_of(chosen.begin(), chosen.end(), [&](const movies::ChosenCaption& c) {
            return movies::sameLanguage(c.language, caption.language);
        });
        if (fine && !again) chosen.push_back(std::move(caption));
    }
    return chosen;
}

// A hand-edited project with a single tag is still one (missing tags blank
// their fields); random bytes, a picture or an empty file hold none.
bool holdsProjectTag(const TagText& tags) {
    const auto held = [&](std::string_view tag) { return tags.holds(tag); };
    if (std::any_of(kSettingsTags.begin(), kSettingsTags.end(), held)) return true;
    if (std::any_of(kMovieTags.begin(), kMovieTags.end(), held)) return true;
    for (int n = 1; n <= hotspots::kSlotCount; ++n) {
        for (std::size_t field = 0; field < kSlotTags.size(); ++field) {
            if (tags.holds(slotTag(static_cast<SlotField>(field), n))) return true;
        }
    }
    return false;
}

}  // namespace

std::string projectText(const ViewerSettings& settings, const MovieSlots& movies,
                        const hotspots::HotSpotList& hotSpots) {
    std::string out = settingsText(settings);
    // Room for the usual project at once rather than doubling its way there.
    out.reserve(out.size() + 2048);
    dashes(out);
    for (std::size_t i = 0; i < movies.size(); ++i) {
        tagLine(out, std::string(kMovieTags[i]), text::trimSpaces(movies[i]));
    }
    const movies::MovieFormat& format = settings.movieFormat;
    if (format.layout != movies::StereoLayout::Mono)
        tagLine(out, std::string(kStereoTag), movies::layoutName(format.layout));
    if (format.field != movies::kFullField)
        tagLine(out, std::string(kFieldTag), text::formatInteger(format.field));
    const std::size_t captions = std::min(settings.captions.size(), movies::kChosenCaptionLimit);
    for (std::size_t i = 0; i < captions; ++i) {
        const int n = static_cast<int>(i) + 1;
        tagLine(out, slotTag(kCaptionTag, n), settings.captions[i].path);
        tagLine(out, slotTag(kCaptionLanguageTag, n), settings.captions[i].language);
    }
    dashes(out);
    for (int n = 1; n <= hotspots::kSlotCount; ++n) {
        const hotspots::HotSpot& spot = hotSpots.at(n);
        tagLine(out, slotTag(kLink, n), spot.trimmedLink());
        tagLine(out, slotTag(kTitle, n), spot.trimmedTitle());
        tagLine(out, slotTag(kPos, n), text::formatPlain(spot.pos));
        tagLine(out, slotTag(kYaw, n), text::formatMask(spot.yaw, kAngleMask));
        tagLine(out, slotTag(kTime, n), text::formatMask(spot.time, kAngleMask));
        tagLine(out, slotTag(kSelf, n), text::formatInteger(spot.self));
        // Only when set, so a project without pitch is written as it always was.
        if (spot.pitch != 0) tagLine(out, slotTag(kPitch, n), text::formatPlain(spot.pitch));
    }
    return out;
}

void applyProject(const TagText& tags, ViewerSettings& settings, MovieSlots& movies,
                  hotspots::HotSpotList& hotSpots, const std::string& currentFolder) {
    applySettings(tags, settings, currentFolder);
    for (std::size_t i = 0; i < movies.size(); ++i) movies[i] = text::trimSpaces(tags.raw(kMovieTags[i]));
    settings.movieFormat.layout =
        movies::layoutFromName(tags.raw(kStereoTag)).value_or(movies::StereoLayout::Mono);
    settings.movieFormat.field = movies::fieldFromDegrees(tags.number(kFieldTag));
    settings.captions = readCaptions(tags);
    for (int n = 1; n <= hotspots::kSlotCount; ++n) {
        hotspots::HotSpot& spot = hotSpots.at(n);
        spot.setLink(text::trimSpaces(tags.raw(slotTag(kLink, n))));
        spot.setTitle(text::trimSpaces(tags.raw(slotTag(kTitle, n))));
        spot.pos = tags.number(slotTag(kPos, n));
        spot.yaw = tags.integer(slotTag(kYaw, n));
        spot.time = tags.number(slotTag(kTime, n));
        spot.self = tags.integer(slotTag(kSelf, n));
        spot.pitch = hotspots::clampPitch(tags.number(slotTag(kPitch, n)));
    }
}

Result<void> saveProject(const std::filesystem::path& path, const ViewerSettings& settings,
                         const MovieSlots& movies, const hotspots::HotSpotList& hotSpots) {
    return platform::writeFileAtomic(path, projectText(settings, movies, hotSpots));
}

Result<void> loadProject(const std::filesystem::path& path, ViewerSettings& settings, MovieSlots& movies,
                         hotspots::HotSpotList& hotSpots, const std::string& currentFolder) {
    const Result<std::string> file = platform::readFile(path, kMaxFileBytes);
    if (file.failed()) return file.failure();
    if (!readProject(file.value(), settings, movies, hotSpots, currentFolder))
        return platform::FileError{path, "read", std::string(kNotAProject)};
    return success();
}

bool readProject(std::string_view bytes, ViewerSettings& settings, MovieSlots& movies,
                 hotspots::HotSpotList& hotSpots, const std::string& currentFolder) {
    const TagText tags(text::decodeText(bytes));
    if (!holdsProjectTag(tags)) return false;
    applyProject(tags, settings, movies, hotSpots, currentFolder);
    return true;
}

void resolveCaptionPaths(movies::ChosenCaptions& captions, const std::filesystem::path& project) {
    for (movies::ChosenCaption& caption : captions) {
        const std::filesystem::path file = caption.path;
        if (file.empty() || !file.is_relative()) continue;
        // The project's path is absolute wherever it comes from, so its folder cannot fail here.
        const Result<std::filesystem::path> found = platform::absolutePath(project.parent_path() / file);
        caption.path = (found.ok() ? found.value() : found.failure().path).string();
    }
}

Result<OpenedProject> openProject(const std::filesystem::path& file, const ViewerSettings& settings,
                                  const std::string& currentFolder) {
    // Without its folder the movies it names relative to it cannot be found.
    Result<std::filesystem::path> absolute = platform::absolutePath(file);
    if (absolute.failed()) return absolute.failure();
    OpenedProject opened;
    opened.file = std::move(absolute).value();
    opened.settings = settings;
    const Result<void> loaded =
        loadProject(opened.file, opened.settings, opened.written, opened.hotSpots, currentFolder);
    if (loaded.failed()) return loaded.failure();
    opened.movies = opened.written;
    opened.writtenCaptions = opened.settings.captions;
    if (const Result<void> found = opened.movies.resolveFrom(opened.file.parent_path()); found.failed())
        return found.failure();
    resolveCaptionPaths(opened.settings.captions, opened.file);
    return opened;
}

std::string projectOpenFilter() { return "Project files|" + namePattern(kProjectExtension) + "|"; }

std::string projectSaveFilter() {
    const std::string pattern = namePattern(kProjectExtension);
    return "Project file (" + pattern + ")|" + pattern + "|";
}

std::string projectSaveName(std::string_view chosenName) {
    return text::withExtension(chosenName, kProjectExtension);
}

}  // namespace tessaly::model
