// Caption files as they come from the world, made WebVTT by the media module's
// conversion, and the files it refuses.

#include <gtest/gtest.h>

#include "../core/ScratchFolder.h"
#include "core/movies/Captions.h"
#include "core/platform/Files.h"
#include "media/LibavCaptionTools.h"

using namespace tessaly;
namespace fs = std::filesystem;

namespace {

class Captions : public ::testing::Test {
protected:
    void SetUp() override {
        dir = test_support::scratchFolder("captions",
                                          ::testing::UnitTest::GetInstance()->current_test_info()->name());
    }
    void TearDown() override { fs::remove_all(dir); }

    movies::ReadCaption read(const std::string& name, const std::string& bytes) {
        const fs::path path = dir / name;
        EXPECT_TRUE(platform::writeFileAtomic(path, bytes).ok());
        std::optional<movies::CaptionFile> caption = movies::captionFileOf("tour.mp4", name);
        EXPECT_TRUE(caption);
        caption->path = path;
        return movies::readCaption(*caption, tools);
    }

    fs::path dir;
    media::LibavCaptionTools tools;
};

struct Converted {
    const char* name;
    std::string bytes;
    std::string expected;  // the whole WebVTT file
    double end;
};

}  // namespace

TEST_F(Captions, RealWorldFilesBecomeWebVtt) {
    const Converted cases[] = {
        {"tour.srt",
         "1\n00:00:01,000 --> 00:00:02,500\nHello <i>there</i>\n\n2\n00:00:03,000 --> "
         "00:00:04,000\nSecond\nline\n",
         "WEBVTT\n\n00:01.000 --> 00:02.500\nHello <i>there</i>\n\n00:03.000 --> 00:04.000\nSecond\nline\n",
         4},
        // Windows line ends, a byte order mark, numbering gaps, a font tag and an entity.
        {"tour.en.srt",
         "\xEF\xBB\xBF"
         "7\r\n00:00:01,000 --> 00:00:02,000\r\n<font color=\"red\">Tom &amp; Jerry</font>\r\n\r\n"
         "42\r\n00:01:00,000 --> 00:01:01,000\r\n<b>Bold</b> a < b\r\n\r\n",
         "WEBVTT\n\n00:01.000 --> 00:02.000\nTom &amp; Jerry\n\n01:00.000 --> 01:01.000\n<b>Bold</b> a &lt; "
         "b\n",
         61},
        // Latin-1, as older editors save it.
        {"tour.de.srt",
         "1\n00:00:01,000 --> 00:00:02,000\nGr\xFC\xDF"
         "e aus K\xF6ln\n",
         "WEBVTT\n\n00:01.000 --> 00:02.000\nGrüße aus Köln\n", 2},
        {"tour.fr.vtt",
         "WEBVTT\r\n\r\nintro\r\n00:00:01.000 --> 00:00:02.000 align:start\r\n<v Anna>Bonjour &amp; "
         "<c.loud>salut</c>\r\n\r\n",
         "WEBVTT\n\nintro\n00:01.000 --> 00:02.000 align:start\n<v Anna>Bonjour &amp; <c.loud>salut</c>\n",
         2},
        {"tour.pt-BR.vtt",
         "\xEF\xBB\xBFWEBVTT - legendas\n\nNOTE feitas à mão\n\n01:00:00.000 --> 01:00:01.250\nOlá\n",
         "WEBVTT\n\n01:00:00.000 --> 01:00:01.250\nOlá\n", 3601.25},
    };
    for (const Converted& c : cases) {
        SCOPED_TRACE(c.name);
        const movies::ReadCaption caption = read(c.name, c.bytes);
        ASSERT_FALSE(caption.refusal) << *caption.refusal;
        EXPECT_EQ(caption.webVtt, c.expected);
        EXPECT_DOUBLE_EQ(caption.end, c.end);
    }
}

TEST_F(Captions, FilesWithoutCuesOrTooLargeAreRefusedByName) {
    struct Refused {
        const char* name;
        std::string bytes;
        std::string reason;
    };
    const Refused cases[] = {
        {"tour.srt", "", "holds no caption"},
        {"tour.vtt", "WEBVTT\n\nNOTE nothing here\n", "holds no caption"},
        {"tour.en.srt", "This is a letter, not captions.\nDear Ana,\n", "holds no caption"},
        {"tour.de.vtt", std::string(movies::kCaptionSizeLimit + 1, 'a'), "File too large"},
    };
    for (const Refused& c : cases) {
        SCOPED_TRACE(c.name);
        const movies::ReadCaption caption = read(c.name, c.bytes);
        ASSERT_TRUE(caption.refusal);
        EXPECT_NE(caption.refusal->find((dir / c.name).string()), std::string::npos) << *caption.refusal;
        EXPECT_NE(caption.refusal->find(c.reason), std::string::npos) << *caption.refusal;
        EXPECT_TRUE(caption.webVtt.empty());
    }
}
