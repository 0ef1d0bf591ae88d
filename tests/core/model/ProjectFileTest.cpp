#include <gtest/gtest.h>

#include "FileSizeLimit.h"
#include "Fixtures.h"
#include "core/model/ProjectFile.h"
#include "core/model/RecoveryFile.h"
#include "core/model/SettingsFile.h"
#include "core/platform/Files.h"
#include "core/text/Text.h"

using namespace tessaly::model;
using namespace tessaly::model::testing;
using tessaly::hotspots::HotSpot;
using tessaly::hotspots::HotSpotList;
namespace fs = std::filesystem;

namespace {

const std::string kCwd = "/work/current";

struct Project {
    ViewerSettings settings;
    MovieSlots movies;
    HotSpotList hotSpots;

    std::string text() const { return projectText(settings, movies, hotSpots); }
    void apply(const std::string& text) { applyProject(TagText(text), settings, movies, hotSpots, kCwd); }
};

HotSpot spot(std::string_view link, std::string_view title, double pos, int yaw, double time, int self) {
    return HotSpot::make(link, title, yaw, pos, time, self);
}

Project example() {
    Project p;
    p.settings.loadDir = p.settings.saveDir = "/home/ana/Videos";
    p.movies = {"  /home/ana/Videos/tour.mp4 ", "", ""};
    p.hotSpots.at(1) = spot("page2.html", "Entrance", 12.5, -45, 5, 1);
    return p;
}

// Everything a project can hold, with values near the edges of their forms.
Project busy() {
    Project p = example();
    p.settings.windowSize = 11;
    p.settings.htmlTitle = "Tour <i>";
    p.settings.htmlBgColor = 0xABCDEF;
    p.settings.hsIcon = 2;
    p.movies = {"/v/tour.mp4", "/v/tour.webm", "/v/tour.ogv"};
    p.hotSpots.at(2) =
        spot(std::string(600, 'l'), "Ça déborde d'une façon très régulière, oui", .25, 180, 2.25, 0);
    p.hotSpots.at(5) = spot("x.html", "  padded  ", 7, -179, 0.5, 1);
    p.hotSpots.at(10) = spot("ten.html", "Ten", 1234.56789, 0, 10, 0);
    p.hotSpots.at(2).pitch = -7.5;
    return p;
}

bool contains(const std::string& text, const std::string& line) {
    return text.find(line) != std::string::npos;
}

}  // namespace

TEST(ProjectFile, ExampleGivesTheGoldenFile) { expectGolden(example().text(), "project-example.hs5"); }

TEST(ProjectFile, ValueFormsOfTheHotSpotLines) {
    const std::string text = busy().text();
    for (const char* line :
         {"<HSPOS2>.25</HSPOS2>\r\n", "<HSYAW2>180.000</HSYAW2>\r\n", "<HSTIME2>2.250</HSTIME2>\r\n",
          "<HSPOS5>7</HSPOS5>\r\n", "<HSYAW5>-179.000</HSYAW5>\r\n", "<HSTIME5>.500</HSTIME5>\r\n",
          "<HSTITLE5>padded</HSTITLE5>\r\n", "<HSPOS10>1234.56789</HSPOS10>\r\n",
          "<HSYAW10>.000</HSYAW10>\r\n", "<HSSELF2>0</HSSELF2>\r\n<HSPITCH2>-7.5</HSPITCH2>\r\n<HSLINK3>",
          "<VIDEO3>/v/tour.ogv</VIDEO3>\r\n"}) {
        EXPECT_TRUE(contains(text, line)) << line;
    }
}

TEST(ProjectFile, ReadingTheExampleFillsEverySlot) {
    Project p = busy();
    p.apply(fixture("project-example.hs5"));
    EXPECT_EQ(p.settings, example().settings);
    EXPECT_EQ(p.movies, (MovieSlots{"/home/ana/Videos/tour.mp4", "", ""}));
    const HotSpot& one = p.hotSpots.at(1);
    EXPECT_EQ(one.trimmedLink(), "page2.html");
    EXPECT_EQ(one.trimmedTitle(), "Entrance");
    EXPECT_EQ(tessaly::text::characterCount(one.link), 512u);
    EXPECT_EQ(tessaly::text::characterCount(one.title), 40u);
    EXPECT_EQ(one.pos, 12.5);
    EXPECT_EQ(one.yaw, -45);
    EXPECT_EQ(one.time, 5.0);
    EXPECT_EQ(one.self, 1);
    for (int n = 2; n <= 10; ++n) {
        const HotSpot& blank = p.hotSpots.at(n);
        EXPECT_EQ(blank.trimmedLink(), "") << n;
        EXPECT_EQ(blank.trimmedTitle(), "") << n;
        EXPECT_FALSE(blank.inUse()) << n;
        EXPECT_EQ(blank.yaw, 0) << n;
        EXPECT_EQ(blank.time, 0.0) << n;
        EXPECT_EQ(blank.self, 0) << n;
    }
    EXPECT_EQ(p.hotSpots.at(0), HotSpot{});
}

TEST(ProjectFile, WriteReadWriteGivesTheSameBytes) {
    Project empty;  // no movie, no Hot Spots
    empty.settings.loadDir = empty.settings.saveDir = "/home/ana";
    Project stereo = busy();
    stereo.settings.movieFormat = {tessaly::movies::StereoLayout::TopBottom, 180};
    stereo.settings.captions = {{"/subs/talk.srt", "de"}, {"subs/en.vtt", "en-GB"}};
    for (const Project& original : {example(), busy(), empty, stereo}) {
        const std::string first = original.text();
        Project back;
        back.apply(first);
        EXPECT_EQ(back.text(), first);
    }
}

// The format's lines follow the movie paths, each only when it is not the
// mono 360 default; they are read loosely, and a project without them is mono 360.
TEST(ProjectFile, StereoAndFieldLinesAreWrittenOnlyWhenNotMono360) {
    using tessaly::movies::MovieFormat;
    using tessaly::movies::StereoLayout;
    Project p = example();
    p.settings.movieFormat = {StereoLayout::SideBySide, 180};
    EXPECT_TRUE(contains(p.text(),
                         "<VIDEO3></VIDEO3>\r\n<STEREO>side-by-side</STEREO>\r\n<FIELD>180</FIELD>\r\n---"));
    p.settings.movieFormat = {StereoLayout::TopBottom, 360};
    EXPECT_TRUE(contains(p.text(), "<VIDEO3></VIDEO3>\r\n<STEREO>top-bottom</STEREO>\r\n---"));
    EXPECT_FALSE(contains(p.text(), "FIELD"));

    const std::pair<const char*, MovieFormat> cases[] = {
        {"<STEREO> Top-Bottom </STEREO><FIELD>180.000</FIELD>", {StereoLayout::TopBottom, 180}},
        {"<STEREO>left-right</STEREO><FIELD>270</FIELD>", {}},
        {"<VIDEO1>/v/a.mp4</VIDEO1>", {}},
    };
    for (const auto& [text, expected] : cases) {
        p.apply(text);
        EXPECT_EQ(p.settings.movieFormat, expected) << text;
    }
}

// Chosen caption files follow the movie format lines, two lines each; a file
// names them only as this program writes them, each language once.
TEST(ProjectFile, CaptionLinesAreWrittenOnlyWhenChosenAndReadOnlyWhenSound) {
    using tessaly::movies::ChosenCaptions;
    Project p = example();
    p.settings.captions = {{"/subs/talk.srt", "de"}, {"en.vtt", "en-GB"}};
    EXPECT_TRUE(contains(
        p.text(),
        "<VIDEO3></VIDEO3>\r\n<CAPTION1>/subs/talk.srt</CAPTION1>\r\n<CAPTIONLANG1>de</"
        "CAPTIONLANG1>\r\n<CAPTION2>en.vtt</CAPTION2>\r\n<CAPTIONLANG2>en-GB</CAPTIONLANG2>\r\n---"));
    const std::string pair = "<CAPTION1>/s/a.srt</CAPTION1><CAPTIONLANG1>fr</CAPTIONLANG1>";
    const std::pair<std::string, ChosenCaptions> cases[] = {
        {"<CAPTION1> /s/a.SRT </CAPTION1><CAPTIONLANG1> fr </CAPTIONLANG1>", {{"/s/a.SRT", "fr"}}},
        {"<CAPTION1>/s/a.srt</CAPTION1><CAPTIONLANG1>french</CAPTIONLANG1>"
         "<CAPTION2>/s/b.vtt</CAPTION2><CAPTIONLANG2>it</CAPTIONLANG2>",
         {{"/s/b.vtt", "it"}}},
        {pair + "<CAPTION2>/s/b.srt</CAPTION2><CAPTIONLANG2>FR</CAPTIONLANG2>", {{"/s/a.srt", "fr"}}},
        {"<CAPTION1></CAPTION1><CAPTIONLANG1>fr</CAPTIONLANG1>", {}},
        {"<CAPTION1>/s/a.txt</CAPTION1><CAPTIONLANG1>fr</CAPTIONLANG1>", {}},
        {"<CAPTION1>/s/a.srt</CAPTION1>", {}},
        {"<CAPTION2>/s/b.srt</CAPTION2><CAPTIONLANG2>fr</CAPTIONLANG2>", {}},
        {"<CAPTION1>/s/a.srt\r\n<CAPTIONLANG1>fr</CAPTIONLANG1>", {}},
        {"<CAPTION1>/s/" + std::string(5000, 'a') + ".srt</CAPTION1><CAPTIONLANG1>fr</CAPTIONLANG1>", {}},
        {"<VIDEO1>/v/a.mp4</VIDEO1>", {}},
    };
    for (const auto& [text, expected] : cases) {
        p.settings.captions = {{"/old.srt", "en"}};
        p.apply(text);
        EXPECT_EQ(p.settings.captions, expected) << text;
    }
    // However many a file names, no more than the limit are taken.
    std::string many;
    for (int n = 1; n <= 40; ++n) {
        const std::string i = std::to_string(n);
        many += "<CAPTION" + i + ">/s/" + i + ".vtt</CAPTION" + i + "><CAPTIONLANG" + i + ">x" +
                char('a' + n / 26) + char('a' + n % 26) + "</CAPTIONLANG" + i + ">";
    }
    p.apply(many);
    EXPECT_EQ(p.settings.captions.size(), tessaly::movies::kChosenCaptionLimit);
}

TEST(ProjectFile, EmptyFoldersReadAsTheCurrentFolder) {
    Project p;
    p.apply(Project{}.text());
    EXPECT_EQ(p.settings.loadDir, kCwd);
    EXPECT_EQ(p.settings.saveDir, kCwd);
}

TEST(ProjectFile, FieldsNotStoredAreLeftAlone) {
    Project p;
    p.settings.manualTilt = "60";
    p.settings.customSize = 1;
    p.settings.customWidth = "1280";
    p.settings.customHeight = "720";
    p.apply(busy().text());
    EXPECT_EQ(p.settings.manualTilt, "60");
    EXPECT_EQ(p.settings.customSize, 1);
    EXPECT_EQ(p.settings.customWidth, "1280");
    EXPECT_EQ(p.settings.customHeight, "720");
}

TEST(ProjectFile, OddHotSpotValuesReadAsTheWindowWould) {
    Project p;
    p.apply(
        "<HSYAW1>45.6</HSYAW1><HSYAW2>-0.5</HSYAW2><HSYAW3>2.5</HSYAW3><HSSELF3>0.7</HSSELF3>"
        "<HSTITLE1>  123456789012345678901234567890123456789012345  </HSTITLE1>"
        "<HSTITLE2>Bold </b> end</HSTITLE2>"
        "<HSTITLE3>ééééééééééééééééééééééééééééééééééééééééééééé</HSTITLE3>"
        "<HSLINK10>ten</HSLINK10><HSLINK1>one</HSLINK1>"
        "<HSPOS4>12,5</HSPOS4><HSTIME4>1e1</HSTIME4><HSPOS2>.25</HSPOS2>"
        "<HSPITCH1>120</HSPITCH1><HSPITCH2>-.54</HSPITCH2>");
    EXPECT_EQ(p.hotSpots.at(1).pitch, 90.0);
    EXPECT_EQ(p.hotSpots.at(2).pitch, -0.5);
    EXPECT_EQ(p.hotSpots.at(1).yaw, 46);
    EXPECT_EQ(p.hotSpots.at(2).yaw, 0);
    EXPECT_EQ(p.hotSpots.at(3).yaw, 2);
    EXPECT_EQ(p.hotSpots.at(3).self, 1);
    EXPECT_EQ(p.hotSpots.at(1).trimmedTitle(), "1234567890123456789012345678901234567890");
    EXPECT_EQ(p.hotSpots.at(2).trimmedTitle(), "Bold <b> end");
    // Cut by characters: forty two-byte letters, none split.
    std::string fortyLetters;
    for (int i = 0; i < 40; ++i) fortyLetters += "é";
    EXPECT_EQ(p.hotSpots.at(3).title, fortyLetters);
    EXPECT_EQ(p.hotSpots.at(1).trimmedLink(), "one");
    EXPECT_EQ(p.hotSpots.at(10).trimmedLink(), "ten");
    EXPECT_EQ(p.hotSpots.at(4).pos, 12.0);  // a comma is not a decimal point in files
    EXPECT_EQ(p.hotSpots.at(4).time, 10.0);
    EXPECT_EQ(p.hotSpots.at(2).pos, 0.25);
    EXPECT_EQ(p.hotSpots.at(5), spot("", "", 0, 0, 0, 0));  // missing tags give a blank slot
}

TEST(ProjectFile, LongLinkIsCutTo512Characters) {
    Project p;
    p.apply("<HSLINK1>" + std::string(600, 'a') + "</HSLINK1>");
    EXPECT_EQ(p.hotSpots.at(1).trimmedLink(), std::string(512, 'a'));
}

TEST(ProjectFile, ProjectReadsWindows1252Titles) {
    const fs::path dir = scratchFolder("cp1252");
    const fs::path file = dir / "old.hs5";
    ASSERT_TRUE(tessaly::platform::writeFileAtomic(
                    file, "<HSTITLE1>Caf\xE9</HSTITLE1>\r\n<VIDEO1>C:\\V\\a.mp4</VIDEO1>")
                    .ok());
    Project p;
    ASSERT_TRUE(loadProject(file, p.settings, p.movies, p.hotSpots, kCwd).ok());
    EXPECT_EQ(p.hotSpots.at(1).trimmedTitle(), "Café");
    EXPECT_EQ(p.movies[0], "C:\\V\\a.mp4");
    fs::remove_all(dir);
}

TEST(ProjectFile, UnreadableProjectChangesNothing) {
    const fs::path dir = scratchFolder("unreadable");
    Project p = busy();
    const auto missing = loadProject(dir / "gone.hs5", p.settings, p.movies, p.hotSpots, kCwd);
    ASSERT_TRUE(missing.failed());
    EXPECT_EQ(missing.failure().message(),
              "Cannot open " + (dir / "gone.hs5").string() + ": No such file or directory");
    const auto folder = loadProject(dir, p.settings, p.movies, p.hotSpots, kCwd);
    ASSERT_TRUE(folder.failed());
    EXPECT_EQ(folder.failure().message(), "Cannot read " + dir.string() + ": Is a directory");
    EXPECT_EQ(p.text(), busy().text());
    EXPECT_EQ(p.hotSpots, busy().hotSpots);
    fs::remove_all(dir);
}

TEST(ProjectFile, AFileWithNoneOfTheTagsIsNoProjectAndChangesNothing) {
    const fs::path dir = scratchFolder("not-a-project");
    std::string noise;
    for (int i = 0; i < 3000; ++i) noise += static_cast<char>((i * 131 + 7) % 256);
    for (const std::string& bytes : {noise, std::string(), std::string("<html><title>x</title></html>")}) {
        ASSERT_TRUE(tessaly::platform::writeFileAtomic(dir / "x.hs5", bytes).ok());
        Project p = busy();
        const auto error = loadProject(dir / "x.hs5", p.settings, p.movies, p.hotSpots, kCwd);
        ASSERT_TRUE(error.failed());
        EXPECT_EQ(error.failure().message(), "Cannot read " + (dir / "x.hs5").string() +
                                                 ": Not a project file (none of its tags is in it)");
        EXPECT_EQ(p.text(), busy().text());
        EXPECT_EQ(p.hotSpots, busy().hotSpots);
    }
    // One tag of any kind makes it a project; the missing ones blank their fields.
    for (const std::string tag :
         {"<HSTITLE10>Ten</HSTITLE10>", "<VIDEO2>b.webm</VIDEO2>", "<BALANCE>0</BALANCE>"}) {
        SCOPED_TRACE(tag);
        ASSERT_TRUE(tessaly::platform::writeFileAtomic(dir / "x.hs5", "garbage " + tag).ok());
        Project p = busy();
        ASSERT_TRUE(loadProject(dir / "x.hs5", p.settings, p.movies, p.hotSpots, kCwd).ok());
        EXPECT_EQ(p.movies[0], "");
    }
    fs::remove_all(dir);
}

TEST(ProjectFile, AProjectOverOneMebibyteIsRefusedUnread) {
    const fs::path dir = scratchFolder("huge-project");
    const std::string text = example().text();
    ASSERT_TRUE(
        tessaly::platform::writeFileAtomic(dir / "huge.hs5", text + std::string(kMaxFileBytes, ' ')).ok());
    Project p = busy();
    const auto error = loadProject(dir / "huge.hs5", p.settings, p.movies, p.hotSpots, kCwd);
    ASSERT_TRUE(error.failed());
    EXPECT_EQ(error.failure().message(),
              "Cannot read " + (dir / "huge.hs5").string() + ": File too large (over 1 MiB)");
    EXPECT_EQ(p.text(), busy().text());
    ASSERT_TRUE(tessaly::platform::writeFileAtomic(dir / "padded.hs5",
                                                   text + std::string(kMaxFileBytes - text.size(), ' '))
                    .ok());
    EXPECT_TRUE(loadProject(dir / "padded.hs5", p.settings, p.movies, p.hotSpots, kCwd).ok());
    fs::remove_all(dir);
}

TEST(ProjectFile, FailedSaveKeepsTheOldFile) {
    const fs::path dir = scratchFolder("failproject");
    const fs::path file = dir / "trip.hs5";
    const Project p = busy();
    ASSERT_TRUE(saveProject(file, p.settings, p.movies, p.hotSpots).ok());
    const std::string old = tessaly::platform::readFile(file).value();
    EXPECT_EQ(old, p.text());
    tessaly::Result<void> error = tessaly::success();
    {
        const FileSizeLimit limit(1000);
        error = saveProject(file, example().settings, example().movies, example().hotSpots);
    }
    ASSERT_TRUE(error.failed());
    EXPECT_EQ(error.failure().message(), "Cannot write " + file.string() + ": File too large");
    EXPECT_EQ(tessaly::platform::readFile(file).value(), old);
    fs::remove_all(dir);
}

TEST(ProjectFile, SaveNameGetsTheExtensionOnce) {
    const std::pair<const char*, const char*> table[] = {
        {"trip", "trip.hs5"},
        {"TRIP.HS5", "TRIP.HS5"},
        {"trip.hs5.txt", "trip.hs5.txt.hs5"},
        {"  /home/ana/trip  ", "/home/ana/trip.hs5"},
        {"a.Hs5", "a.Hs5"},
        {"hs5", "hs5.hs5"},
        {"   ", ""},
        {"", ""},
    };
    for (const auto& [chosen, saved] : table) EXPECT_EQ(projectSaveName(chosen), saved) << chosen;
}

// The window and the command line find a project's movies the same way.
TEST(ProjectFile, RelativeMoviePathsCountFromTheProjectsFolder) {
    MovieSlots movies{"movies/../tour.mp4", "/abs/tour.webm", ""};
    EXPECT_TRUE(movies.resolveFrom("/home/ana/trip").ok());
    EXPECT_EQ(movies, (MovieSlots{"/home/ana/trip/tour.mp4", "/abs/tour.webm", ""}));

    MovieSlots fromHere{"tour.mp4", "", ""};
    EXPECT_TRUE(fromHere.resolveFrom("").ok());
    EXPECT_EQ(fromHere[0], (fs::current_path() / "tour.mp4").string());
}

// Slot 1 is read trimmed, slots 2 and 3 as written; a relative slot that
// cannot be found (the working folder is gone) says so and stays as written.
TEST(ProjectFile, SlotPathsAndTheirErrors) {
    MovieSlots movies{" a.mp4 ", " b.webm", ""};
    EXPECT_EQ(movies.mainMovie(), "a.mp4");
    EXPECT_EQ(movies.path(1), " b.webm");
    EXPECT_EQ(movies.absolutePath(2).value(), fs::path());

    const fs::path here = fs::current_path();
    const fs::path gone = scratchFolder("gone");
    fs::current_path(gone);
    fs::remove(gone);
    const auto error = movies.resolveFrom("");
    const auto absolute = movies.absolutePath(0);
    fs::current_path(here);
    ASSERT_TRUE(error.failed());
    EXPECT_EQ(error.failure().path, fs::path("a.mp4"));
    EXPECT_EQ(movies[1], " b.webm");
    ASSERT_TRUE(absolute.failed());
    EXPECT_EQ(absolute.failure().path, fs::path("a.mp4"));
}

// Opening keeps the slots as written, to be saved back so, beside the movies found.
TEST(ProjectFile, OpenedProjectHoldsItsMoviesAsWrittenAndAsFound) {
    const fs::path dir = scratchFolder("openproject");
    Project p = example();
    p.movies = {"movies/tour.mp4", "", ""};
    p.settings.captions = {{"subs/tour.srt", "de"}, {"/abs/en.vtt", "en"}};
    ASSERT_TRUE(saveProject(dir / "trip.hs5", p.settings, p.movies, p.hotSpots).ok());
    tessaly::Result<OpenedProject> found = openProject(dir / "trip.hs5", ViewerSettings{}, kCwd);
    ASSERT_TRUE(found.ok());
    OpenedProject& opened = found.value();
    EXPECT_EQ(opened.file, dir / "trip.hs5");
    EXPECT_EQ(opened.written, p.movies);
    EXPECT_EQ(opened.movies, (MovieSlots{(dir / "movies" / "tour.mp4").string(), "", ""}));
    EXPECT_EQ(opened.settings.captions[0].path, (dir / "subs" / "tour.srt").string());
    EXPECT_EQ(opened.settings.captions[1].path, "/abs/en.vtt");
    opened.settings.captions = opened.writtenCaptions;
    EXPECT_EQ(projectText(opened.settings, opened.written, opened.hotSpots), p.text());

    const auto missing = openProject(dir / "none.hs5", ViewerSettings{}, kCwd);
    ASSERT_TRUE(missing.failed());
    EXPECT_EQ(missing.failure().path, dir / "none.hs5");
    fs::remove_all(dir);
}

// A recovery file is read as a project; the project it names is believed only
// when it is an absolute path to an existing project file, and movies named
// relative to it are found from its folder.
TEST(RecoveryFile, NamesItsProjectOnlyWhenThatIsASavedProject) {
    const fs::path dir = scratchFolder("recovery");
    Project p = example();
    p.movies = {"tour.mp4", "", ""};
    const fs::path trip = dir / "trip" / "trip.hs5";
    fs::create_directories(dir / "trip" / "folder.hs5");
    ASSERT_TRUE(saveProject(trip, p.settings, p.movies, p.hotSpots).ok());
    ASSERT_TRUE(tessaly::platform::writeFileAtomic(dir / "trip" / "notes.txt", "x").ok());
    const fs::path kept = dir / "kept.hs5";
    const auto recover = [&](const fs::path& named) {
        EXPECT_TRUE(
            tessaly::platform::writeFileAtomic(kept, recoveryText(p.settings, p.movies, p.hotSpots, named))
                .ok());
        return readRecovery(kept, ViewerSettings{}, kCwd);
    };
    const auto recovered = recover(trip);
    ASSERT_TRUE(recovered.ok());
    const RecoveredWork& named = recovered.value();
    EXPECT_EQ(named.project, trip);
    EXPECT_EQ(named.work.movies[0], (dir / "trip" / "tour.mp4").string());
    EXPECT_EQ(projectText(named.work.settings, named.work.written, named.work.hotSpots), p.text());
    for (const fs::path& refused :
         {fs::path("trip/trip.hs5"), dir / "trip" / "notes.txt", dir / "trip" / "folder.hs5",
          dir / "trip" / "gone.hs5", dir / "trip" / ".." / "trip" / "trip.hs5", fs::path()}) {
        const auto work = recover(refused);
        ASSERT_TRUE(work.ok()) << refused;
        EXPECT_EQ(work->project, fs::path()) << refused;
    }
    fs::remove_all(dir);
}
