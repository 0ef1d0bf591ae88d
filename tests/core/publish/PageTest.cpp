#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <string>

#include "core/publish/Page.h"
#include "core/publish/VersionFacts.h"

using namespace tessaly;
using namespace tessaly::publish;

namespace {

const std::string kS30(30, 'S');
const std::string kX30(30, 'X');

const std::string kTemplate = "<title>" + kS30 +
                              "</title>\n<body bgcolor=#000000 style=\"overflow:hidden\">\n" +
                              "<video id=\"video\">\n    " + kX30 + "\n</video>\n";

movies::MovieInfo version(int width, int height, std::int64_t bitRate, std::string codec) {
    movies::MovieInfo info;
    info.hasVideo = true;
    info.width = width;
    info.height = height;
    info.frameRate = 30000.0 / 1001;
    info.bitRate = bitRate;
    info.codecString = std::move(codec);
    return info;
}

}  // namespace

TEST(SourceLines, OneLinePerSlot) {
    SourceLines s = buildSourceLines({"  /home/ana/v/tour.MP4 ", "/home/ana/v/tour.webm", ""});
    EXPECT_FALSE(s.unsupported);
    EXPECT_EQ(s.lines,
              "<SOURCE src=\"tour.MP4\" type='video/mp4'/>\r\n"
              "<SOURCE src=\"tour.webm\" type='video/webm'/>\r\n"
              "\r\n");

    s = buildSourceLines({"/v/a.Ogv", "", ""});
    EXPECT_EQ(s.lines, "<SOURCE src=\"a.Ogv\" type='video/ogv'/>\r\n\r\n\r\n");

    const std::vector<std::pair<std::string, std::string>> types{
        {"a.ogg", " type='video/ogg'/>"},      {"a.mov", " type='video/quicktime'/>"},
        {"a.QT", " type='video/quicktime'/>"}, {"a.m4v", " type='video/mp4'/>"},
        {"a.b.webm", " type='video/webm'/>"},
    };
    for (const auto& [name, type] : types) {
        EXPECT_EQ(buildSourceLines({name, "", ""}).lines,
                  "<SOURCE src=\"" + name + "\"" + type + "\r\n\r\n\r\n");
    }
}

TEST(SourceLines, UnsupportedTypesStopPublishing) {
    using enum UnsupportedReason;
    const struct {
        movies::MovieSlots slots;
        UnsupportedMovie unsupported;
    } cases[] = {
        {{" /v/tour ", "", ""}, {0, "/v/tour", NoExtension, ""}},
        {{"/v/tour.mp4.avi", "", ""}, {0, "/v/tour.mp4.avi", UnknownExtension, ".avi"}},
        {{"/v/tour.mp4", "/v/tour.avi", ""}, {1, "/v/tour.avi", UnknownExtension, ".avi"}},
        {{"/v/tour.mp4", "", "/v.mp4/tour"}, {2, "/v.mp4/tour", NoExtension, ""}},
        // Slots 2 and 3 are not trimmed: a slot of spaces is a name without a type.
        {{"/v/tour.mp4", " ", ""}, {1, " ", NoExtension, ""}},
    };
    for (const auto& c : cases) {
        const SourceLines s = buildSourceLines(c.slots);
        EXPECT_EQ(s.unsupported, c.unsupported) << c.slots[0] << c.slots[1] << c.slots[2];
        EXPECT_EQ(s.lines, "");
    }
}

TEST(SourceLines, FileNamesAreEncodedForUrls) {
    EXPECT_EQ(buildSourceLines({"/v/my tour#1.mp4", "", ""}).lines,
              "<SOURCE src=\"my%20tour%231.mp4\" type='video/mp4'/>\r\n\r\n\r\n");
}

TEST(Page, SubstitutesInOrder) {
    const std::string lines = buildSourceLines({"/v/tour.mp4", "", ""}).lines;
    EXPECT_EQ(
        pageText(kTemplate, lines, "My tour", 0),
        "<title>My tour</title>\n<body bgcolor='#000000'  style=\"overflow:hidden\">\n"
        "<video id=\"video\">\n    <SOURCE src=\"tour.mp4\" type='video/mp4'/>\r\n\r\n\r\n\n</video>\n");
    EXPECT_EQ(pageText(kTemplate, "", "", 0xFF0000).substr(0, 65),
              "<title></title>\n<body bgcolor='#0000FF'  style=\"overflow:hidden\">");

    // The title goes in after the sources: a movie named with the title
    // placeholder gets the title, a title of 30 X stays.
    const std::string named = buildSourceLines({"/v/" + kS30 + ".mp4", "", ""}).lines;
    EXPECT_NE(pageText(kTemplate, named, "T", 0).find("<SOURCE src=\"T.mp4\""), std::string::npos);
    EXPECT_NE(pageText(kTemplate, "", kX30, 0).find("<title>" + kX30 + "</title>"), std::string::npos);
}

TEST(Page, TitleIsHtmlText) {
    const std::string page = pageText(kTemplate, "", "Tom & \"Ana\" <3 > Zoë", 0);
    EXPECT_NE(page.find("<title>Tom &amp; &quot;Ana&quot; &lt;3 &gt; Zoë</title>"), std::string::npos);
}

TEST(Page, GeneratePageReplacesWholeFile) {
    const auto path = std::filesystem::temp_directory_path() / ("tessaly-page-" + std::to_string(::getpid()));
    ASSERT_TRUE(platform::writeFileAtomic(path, std::string(100000, 'z')).ok());
    ASSERT_TRUE(generatePage(path, kTemplate, "", "t", 0).ok());
    EXPECT_EQ(platform::readFile(path).value(), pageText(kTemplate, "", "t", 0));
    std::filesystem::remove(path);
}

TEST(SourceLines, VersionFactsOnlyWhenThereIsAChoiceAndEveryVersionIsKnown) {
    const movies::MovieSlots slots{"/v/tour.mp4", "", "/v/tour-2k.mp4"};
    SlotInfos infos{version(3840, 1920, 20000000, "avc1.640033"), std::nullopt,
                    version(2048, 1024, 6500000, "avc1.64002a")};
    EXPECT_EQ(buildSourceLines(slots, versionAttributes(infos)).lines,
              "<SOURCE src=\"tour.mp4\" type='video/mp4' data-width=\"3840\" data-height=\"1920\" "
              "data-fps=\"29.97\" data-bitrate=\"20000000\" data-codecs=\"avc1.640033\"/>\r\n"
              "\r\n"
              "<SOURCE src=\"tour-2k.mp4\" type='video/mp4' data-width=\"2048\" data-height=\"1024\" "
              "data-fps=\"29.97\" data-bitrate=\"6500000\" data-codecs=\"avc1.64002a\"/>\r\n");

    // Nothing to choose from, or a version that could not be weighed: the lines as always.
    const std::array<std::string, 3> none{};
    EXPECT_EQ(versionAttributes({infos[0], std::nullopt, std::nullopt}), none);
    SlotInfos unreadable = infos;
    unreadable[2]->error = "Invalid data found when processing input";
    EXPECT_EQ(versionAttributes(unreadable), none);
    SlotInfos prores = infos;
    prores[0]->codecString.clear();
    EXPECT_EQ(versionAttributes(prores), none);
    EXPECT_EQ(buildSourceLines(slots, none).lines, buildSourceLines(slots).lines);
}

TEST(SourceLines, AmbisonicSoundIsNamedWhateverTheNumberOfMovies) {
    SlotInfos infos{version(3840, 1920, 20000000, "avc1.640033"), std::nullopt, std::nullopt};
    infos[0]->spatialAudio = movies::SpatialAudio::AmbixStereo;
    EXPECT_EQ(buildSourceLines({"/v/tour.mp4", "", ""}, versionAttributes(infos)).lines,
              "<SOURCE src=\"tour.mp4\" type='video/mp4' data-audio=\"ambix+stereo\"/>\r\n\r\n\r\n");
    infos[0]->spatialAudio = movies::SpatialAudio::Unsupported;
    EXPECT_EQ(versionAttributes(infos), (std::array<std::string, 3>{}));
}
