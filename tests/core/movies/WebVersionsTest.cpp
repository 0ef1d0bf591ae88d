#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>

#include "../ScratchFolder.h"
#include "../publish/FolderSnapshot.h"
#include "Outcomes.h"
#include "core/model/ProjectFile.h"
#include "core/movies/MovieTexts.h"
#include "core/movies/TimeLeft.h"
#include "core/movies/WebVersions.h"
#include "core/platform/Files.h"
#include "core/platform/StagedTree.h"
#include "core/publish/PublishMessages.h"
#include "core/publish/Publisher.h"

using namespace tessaly;
using namespace tessaly::movies;
namespace fs = std::filesystem;

namespace {

using tessaly::test_support::Outcome;
using tessaly::test_support::outcomeOf;

using Sizes = std::vector<VersionSize>;

// Writes each target's size as its bytes; can fail, or be stopped, half way.
class FakeEncoder : public MovieEncoder {
public:
    bool fail = false;
    std::atomic<bool>* stopHalfWay = nullptr;
    std::vector<fs::path> targets;

    Result<void> encode(const fs::path& movie, const MovieInfo&, const std::vector<EncodeTarget>& list,
                        const std::function<void(double)>& progress, const std::atomic<bool>* stop) override {
        for (const EncodeTarget& target : list) {
            targets.push_back(target.target);
            const std::string bytes =
                std::to_string(target.size.width) + "x" + std::to_string(target.size.height);
            if (::write(target.fd, bytes.data(), bytes.size()) < 0)
                return platform::FileError{target.target, "write", "?"};
        }
        if (progress) progress(5);
        if (stopHalfWay != nullptr) stopHalfWay->store(true);
        if (stop != nullptr && stop->load()) return cancellation();
        if (fail) return platform::FileError{movie, "encode", "Conversion failed!"};
        return success();
    }
};

class FakeTools : public MovieTools {
public:
    MovieInfo info;
    MovieInfo inspect(const fs::path&, const std::atomic<bool>*) override { return info; }
    Result<void> moveIndexToFront(const fs::path&, int, const fs::path&, const ByteProgress&,
                                  const std::atomic<bool>*) override {
        return success();
    }
};

class EncodeTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = test_support::scratchFolder("encode",
                                          ::testing::UnitTest::GetInstance()->current_test_info()->name());
        ASSERT_TRUE(platform::writeFileAtomic(dir / "tour.mov", "camera movie").ok());
        tools.info.hasVideo = true;
        tools.info.width = 5760;
        tools.info.height = 2880;
        tools.info.duration = 10;
    }
    void TearDown() override { fs::remove_all(dir); }

    EncodeResult encode(const std::atomic<bool>* stop = nullptr, const fs::path& folder = {},
                        const std::vector<fs::path>& kept = {}) {
        EncodeControl control;
        control.nameVersions = nameVersions;
        control.tools = &tools;
        control.encoder = &encoder;
        control.stop = stop;
        control.progress = [this](double done, double total) { progress.emplace_back(done, total); };
        return encodeWebVersions(
            {dir / "tour.mov", folder.empty() ? dir : folder, kDefaultVersionWidths, kept}, control);
    }

    publish::PublishResult publishTo(const fs::path& page, const model::MovieSlots& slots) {
        model::ViewerSettings settings;
        std::optional<Message> notice;
        return publish::publish(publish::publishJob(slots, page, settings, {}, notice));
    }

    fs::path dir;
    FakeTools tools;
    FakeEncoder encoder;
    std::vector<std::pair<double, double>> progress;
    std::function<Result<void>(const std::vector<fs::path>&)> nameVersions;
};

}  // namespace

TEST(VersionSizes, NeverLargerThanTheMovieWithItsAspectAndEvenSidesLargestFirst) {
    EXPECT_EQ(versionSizes(5760, 2880, {2048, 4096}), (Sizes{{4096, 2048}, {2048, 1024}}));
    EXPECT_EQ(versionSizes(3840, 1920, {4096, 2048}), (Sizes{{3840, 1920}, {2048, 1024}}));
    EXPECT_EQ(versionSizes(1920, 960, {4096, 2048}), (Sizes{{1920, 960}}));
    EXPECT_EQ(versionSizes(5001, 1667, {4096}), (Sizes{{4096, 1366}}));  // 1365.4 rounded to even
    EXPECT_EQ(versionSizes(0, 0, {4096}), Sizes{});
    // Stereo frames stay within H.264 level 5.1's 36864 macroblocks.
    EXPECT_EQ(versionSizes(5760, 5760, {4096, 2048}), (Sizes{{3072, 3072}, {2048, 2048}}));
    EXPECT_EQ(versionSizes(4096, 8192, {4096}), (Sizes{{2168, 4336}}));
    EXPECT_EQ(versionSizes(8192, 2048, {4096}), (Sizes{{4096, 1024}}));
}

TEST(VersionPath, NamesTheSizeBesideTheMoviesName) {
    EXPECT_EQ(versionPath("/p", "/m/tour.final.mov", {4096, 2048}), fs::path("/p/tour.final-4096x2048.mp4"));
}

TEST_F(EncodeTest, BothVersionsLandBesideTheProjectLargestFirst) {
    ASSERT_TRUE(platform::writeFileAtomic(dir / "tour-2048x1024.mp4", "an older version").ok());
    const EncodeResult report = encode();
    ASSERT_EQ(outcomeOf(report), Outcome::Succeeded) << movies::encodeMessage(report).text;
    EXPECT_EQ(report->versions,
              (std::vector<fs::path>{dir / "tour-4096x2048.mp4", dir / "tour-2048x1024.mp4"}));
    EXPECT_EQ(platform::readFile(dir / "tour-4096x2048.mp4").value(), "4096x2048");
    EXPECT_EQ(platform::readFile(dir / "tour-2048x1024.mp4").value(), "2048x1024");
    EXPECT_EQ(platform::readFile(dir / "tour.mov").value(), "camera movie");
    EXPECT_EQ(movies::encodeMessage(report).text, "Web versions made:\n" +
                                                      (dir / "tour-4096x2048.mp4").string() + "\n" +
                                                      (dir / "tour-2048x1024.mp4").string());
    EXPECT_EQ(progress, (std::vector<std::pair<double, double>>{{5, 10}}));
}

TEST_F(EncodeTest, CancelAndFailureLeaveNoFileBehind) {
    ASSERT_TRUE(platform::writeFileAtomic(dir / "tour-2048x1024.mp4", "an older version").ok());
    const std::vector<std::string> before = test_support::entryNames(dir);
    std::atomic<bool> stop{false};
    encoder.stopHalfWay = &stop;
    EXPECT_EQ(outcomeOf(encode(&stop)), Outcome::Cancelled);
    EXPECT_EQ(test_support::entryNames(dir), before);

    encoder.stopHalfWay = nullptr;
    encoder.fail = true;
    const EncodeResult failed = encode();
    EXPECT_EQ(outcomeOf(failed), Outcome::Failed);
    EXPECT_EQ(movies::encodeMessage(failed).text, "Making the web versions failed:\nCannot encode " +
                                                      (dir / "tour.mov").string() + ": Conversion failed!");
    EXPECT_EQ(test_support::entryNames(dir), before);
    EXPECT_EQ(platform::readFile(dir / "tour-2048x1024.mp4").value(), "an older version");

    // Finished versions that nothing can name are taken back out.
    encoder.fail = false;
    std::vector<std::string> seen;
    nameVersions = [&](const std::vector<fs::path>&) -> Result<void> {
        seen = test_support::entryNames(dir);
        return platform::FileError{dir / "tour.hs5", "write", "No space left on device"};
    };
    const EncodeResult unnamed = encode();
    EXPECT_EQ(outcomeOf(unnamed), Outcome::Failed);
    EXPECT_TRUE(movies::encodeMessage(unnamed).text.ends_with("Cannot write " + (dir / "tour.hs5").string() +
                                                              ": No space left on device"))
        << movies::encodeMessage(unnamed).text;
    EXPECT_NE(std::find(seen.begin(), seen.end(), "tour-4096x2048.mp4"), seen.end())
        << "named while in place";
    EXPECT_EQ(test_support::entryNames(dir), before);
    EXPECT_EQ(platform::readFile(dir / "tour-2048x1024.mp4").value(), "an older version");
}

TEST_F(EncodeTest, RefusesBeforeEncodingWhatCannotBeMade) {
    // A version's name that is another link to the movie itself: the movie would be written over.
    fs::create_hard_link(dir / "tour.mov", dir / "tour-4096x2048.mp4");
    EncodeControl control{&tools, &encoder, {}, nullptr, {}};
    EncodeResult report = encodeWebVersions({dir / "tour.mov", dir, {4096}}, control);
    EXPECT_EQ(outcomeOf(report), Outcome::Refused);
    EXPECT_EQ(movies::encodeMessage(report).text, "Making the web versions failed:\nCannot write " +
                                                      (dir / "tour-4096x2048.mp4").string() +
                                                      ": It is the movie being encoded");

    tools.info = {};
    tools.info.audioCodec = "aac";
    report = encodeWebVersions({dir / "tour.mov", dir, {4096}}, control);
    EXPECT_EQ(outcomeOf(report), Outcome::Refused);
    EXPECT_TRUE(movies::encodeMessage(report).text.ends_with(": It has no video stream"))
        << movies::encodeMessage(report).text;
    EXPECT_TRUE(encoder.targets.empty());
}

TEST(TimeLeft, FollowsThePaceSoFar) {
    EXPECT_EQ(timeLeftText(0, 100, 5), "...");
    EXPECT_EQ(timeLeftText(25, 100, 20), "1:00");
    EXPECT_EQ(timeLeftText(100, 100, 20), "0:00");
    // A movie copy says it in words; a file that grew while copied is done.
    EXPECT_EQ(timeLeftText(50, 100, 12, TimeLeftStyle::Words), "12 s");
    EXPECT_EQ(timeLeftText(10, 100, 7.25, TimeLeftStyle::Words), "1 min 05 s");
    EXPECT_EQ(timeLeftText(120, 100, 3, TimeLeftStyle::Words), "0 s");
}

// Killed while the project takes the versions' names: the next encode takes
// them back first. Killed once it has saved them: they stay, through a publish
// into the project's folder and the next encode there.
TEST_F(EncodeTest, AKilledEncodeIsUndoneUnlessTheProjectNamesTheVersions) {
    const std::vector<std::string> before = test_support::entryNames(dir);
    for (const bool saved : {false, true}) {
        const model::MovieSlots slots{(dir / "tour.mov").string(), (dir / "tour-4096x2048.mp4").string(),
                                      (dir / "tour-2048x1024.mp4").string()};
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            nameVersions = [&](const std::vector<fs::path>&) -> Result<void> {
                if (saved && model::saveProject(dir / "tour.hs5", {}, slots, {}).failed()) ::_exit(1);
                ::raise(SIGKILL);
                return success();
            };
            static_cast<void>(encode());
            ::_exit(1);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status));
        EXPECT_NE(test_support::entryNames(dir), before);
        if (saved) EXPECT_EQ(outcomeOf(publishTo(dir / "index.html", slots)), Outcome::Succeeded);
        encoder.fail = true;
        const std::vector<fs::path> kept(slots.begin(), slots.end());
        const EncodeResult again = encode(nullptr, dir, saved ? kept : std::vector<fs::path>{});
        EXPECT_EQ(outcomeOf(again), Outcome::Failed);
        EXPECT_TRUE(again.failure().more.empty()) << movies::encodeMessage(again).text;
        encoder.fail = false;
        if (!saved) EXPECT_EQ(test_support::entryNames(dir), before);
        EXPECT_EQ(fs::exists(slots[1]) && fs::exists(slots[2]), saved);
    }
}

// Journals someone else left in a page folder, each naming files or folders
// outside it, or a file it never made: a publish and an encode into that
// folder undo nothing, leave the journal, say so, and do their own work.
TEST_F(EncodeTest, AJournalSomeoneElseWroteChangesNothing) {
    const fs::path site = dir / "site", out = dir / "elsewhere";
    // "@NAME": the device, inode and size of NAME in the site or else beside it; "/": a path from `dir`.
    const std::vector<std::vector<std::string>> journals{
        {"file", "/site/index.html", "/elsewhere/important.txt", "12345", "1", "placed"},
        {"file", "/elsewhere/important.txt", "/elsewhere/.important.txt.tmp-abcdefgh", "@important.txt", "1",
         "@.important.txt.tmp-abcdefgh", "placing", "placed"},
        {"file", "../elsewhere/important.txt", "../elsewhere/.important.txt.tmp-abcdefgh", "@important.txt",
         "0", "0", "0", "0", "placing"},
        {"file", "../elsewhere/important.txt", "../elsewhere/.important.txt.tmp-abcdefgh",
         "@.important.txt.tmp-abcdefgh", "0", "0", "0", "0"},
        {"file", "out/important.txt", "out/.important.txt.tmp-abcdefgh", "@important.txt", "0", "0", "0", "0",
         "placing"},
        {"folder", "../elsewhere/empty", "folder", "/elsewhere/empty", "folder", "out/empty"},
        // Its hidden file is not the page it would put back.
        {"file", "index.html", ".index.html.tmp-abcdefgh", "@index.html", "1", "@important.txt", "placing"},
    };
    fs::create_directories(out / "empty");
    ASSERT_TRUE(platform::writeFileAtomic(out / "important.txt", "important").ok());
    ASSERT_TRUE(platform::writeFileAtomic(out / ".important.txt.tmp-abcdefgh", "also important").ok());
    const auto outside = test_support::snapshot(out);
    for (const auto& journal : journals) {
        for (const platform::JournalKind kind :
             {platform::JournalKind::Encode, platform::JournalKind::Publish}) {
            const bool encoding = kind == platform::JournalKind::Encode;
            SCOPED_TRACE(journal[1] + (encoding ? ", encode" : ", publish"));
            fs::remove_all(site);
            fs::create_directories(site);
            fs::create_directory_symlink("../elsewhere", site / "out");
            ASSERT_TRUE(platform::writeFileAtomic(site / "index.html", "old page").ok());
            ASSERT_TRUE(platform::writeFileAtomic(site / ".index.html.tmp-abcdefgh", "not its own").ok());
            std::string written;
            for (const std::string& field : journal) {
                const fs::path named =
                    fs::exists(site / field.substr(1)) ? site / field.substr(1) : out / field.substr(1);
                const platform::FileIdentity id =
                    platform::fileIdentity(named).value_or(platform::FileIdentity{});
                written += field.starts_with('@')
                               ? std::to_string(id.device) + '\0' + std::to_string(id.inode) + '\0' +
                                     std::to_string(id.size)
                           : field.starts_with('/') ? dir.string() + field
                                                    : field;
                written += '\0';
            }
            const fs::path path = platform::journalPath(site, kind);
            ASSERT_TRUE(platform::writeFileAtomic(path, written).ok());
            const auto before = test_support::snapshot(site);

            Message message;
            if (encoding) {
                const EncodeResult report = encode(nullptr, site);
                ASSERT_EQ(outcomeOf(report), Outcome::Succeeded) << movies::encodeMessage(report).text;
                for (const fs::path& version : report->versions) fs::remove(version);
                EXPECT_EQ(test_support::snapshot(site), before);
                message = movies::encodeMessage(report);
            } else {
                const publish::PublishResult report =
                    publishTo(site / "index.html", {(dir / "tour.mov").string()});
                ASSERT_EQ(outcomeOf(report), Outcome::Succeeded) << publish::publishMessage(report).text;
                EXPECT_NE(platform::readFile(site / "index.html").value(), "old page");
                message = publish::publishMessage(report);
            }
            EXPECT_TRUE(message.text.ends_with(
                "\n" + path.string() +
                std::string(encoding ? texts::kJournalNotOurs : publish::messages::kJournalNotOurs)))
                << message.text;
            EXPECT_EQ(platform::readFile(path).value(), written);
            EXPECT_EQ(test_support::snapshot(out), outside);
        }
    }
}
