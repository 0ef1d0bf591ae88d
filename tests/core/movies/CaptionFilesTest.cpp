// Which files beside a movie are its captions, and which one a language gets.

#include <gtest/gtest.h>

#include "../ScratchFolder.h"
#include "core/movies/Captions.h"
#include "core/platform/Files.h"

using namespace tessaly;
using namespace tessaly::movies;
namespace fs = std::filesystem;

TEST(CaptionFiles, NamesAreCaptionsOfTheMovieOnlyWithItsNameAndALanguageTag) {
    struct Case {
        const char* file;
        const char* language;  // nullptr: not a caption file of tour.mp4
    };
    const Case cases[] = {
        {"tour.vtt", "und"},
        {"tour.SRT", "und"},
        {"tour.en.vtt", "en"},
        {"tour.pt-BR.srt", "pt-BR"},
        {"tour.zh-Hant.vtt", "zh-Hant"},
        {"tour.es-419.srt", "es-419"},
        {"tour.mp4", nullptr},
        {"tour.mp4.srt", nullptr},
        {"tour.English.srt", nullptr},
        {"tour..srt", nullptr},
        {"tour.en-.vtt", nullptr},
        {"tour.e.vtt", nullptr},
        {"tours.vtt", nullptr},
        {"other.en.vtt", nullptr},
        {"tour.en.txt", nullptr},
        {"tour.en.forced.srt", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const std::optional<CaptionFile> caption = captionFileOf("tour.mp4", c.file);
        ASSERT_EQ(caption.has_value(), c.language != nullptr);
        if (caption) EXPECT_EQ(caption->language, c.language);
    }
}

TEST(CaptionFiles, EachLanguageGetsOneFileWebVttFirstAndIsPublishedUnderItsTag) {
    const fs::path dir = test_support::scratchFolder("caption-files", "one-per-language");
    for (const char* name : {"tour.mp4", "tour.de.srt", "tour.EN.srt", "tour.en.vtt", "tour.srt", "tour.txt"})
        ASSERT_TRUE(platform::writeFileAtomic(dir / name, "").ok());
    std::vector<std::string> found;
    for (const CaptionFile& caption : findCaptions(dir / "tour.mp4"))
        found.push_back(caption.path.filename().string() + " -> " +
                        publishedCaptionName(dir / "tour.mp4", caption));
    EXPECT_EQ(found, (std::vector<std::string>{"tour.de.srt -> tour.de.vtt", "tour.en.vtt -> tour.en.vtt",
                                               "tour.srt -> tour.und.vtt"}));
    fs::remove_all(dir);
}
