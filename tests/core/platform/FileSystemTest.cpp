#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "../ScratchFolder.h"
#include "core/platform/FileSystem.h"
#include "core/platform/Files.h"

using namespace tessaly;
using platform::FileKind;
using platform::TemporaryFile;
namespace fs = std::filesystem;

namespace {

fs::path scratchFolder(const std::string& name) { return test_support::scratchFolder("platform", name); }

using test_support::entryNames;

void writeAll(const TemporaryFile& file, const std::string& bytes) {
    ASSERT_EQ(::write(file.fd(), bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
}

}  // namespace

TEST(FileSystem, StatusTellsRegularFilesFromFoldersFifosAndMissingPaths) {
    const fs::path dir = scratchFolder("status");
    ASSERT_TRUE(platform::writeFileAtomic(dir / "a.hs5", "12345").ok());
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);

    const auto regular = platform::fileStatus(dir / "a.hs5");
    EXPECT_EQ(regular.kind, FileKind::Regular);
    EXPECT_EQ(regular.size, 5u);
    EXPECT_EQ(platform::fileStatus(dir).kind, FileKind::Folder);
    EXPECT_EQ(platform::fileStatus(dir / "pipe").kind, FileKind::Other);
    const auto missing = platform::fileStatus(dir / "none" / "b.hs5");
    EXPECT_EQ(missing.kind, FileKind::Missing);
    EXPECT_EQ(missing.error, 0);
    fs::remove_all(dir);
}

// A FIFO nobody writes to and an endless device are refused at once, not read.
TEST(FileSystem, OpenRegularFileRefusesOtherKindsWithoutBlocking) {
    const fs::path dir = scratchFolder("open");
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
    ASSERT_TRUE(platform::writeFileAtomic(dir / "m.mp4", "movie").ok());

    const auto pipe = platform::openRegularFile(dir / "pipe");
    EXPECT_FALSE(pipe.fd.valid());
    EXPECT_EQ(pipe.status.kind, FileKind::Other);
    const auto zero = platform::openRegularFile("/dev/zero");
    EXPECT_FALSE(zero.fd.valid());
    EXPECT_EQ(zero.status.kind, FileKind::Other);
    const auto missing = platform::openRegularFile(dir / "gone.mp4");
    EXPECT_FALSE(missing.fd.valid());
    EXPECT_EQ(missing.status.error, ENOENT);

    const auto movie = platform::openRegularFile(dir / "m.mp4");
    ASSERT_TRUE(movie.fd.valid());
    char bytes[8] = {};
    EXPECT_EQ(::read(movie.fd.get(), bytes, sizeof bytes), 5);
    EXPECT_EQ(std::string(bytes), "movie");
    fs::remove_all(dir);
}

TEST(FileSystem, TemporaryFileShowsOnlyWhenPlacedAndVanishesOtherwise) {
    const fs::path dir = scratchFolder("temporary");
    {
        TemporaryFile file;
        ASSERT_EQ(file.create(dir / "page.html"), 0);
        writeAll(file, "half a page");
        EXPECT_TRUE(entryNames(dir).empty());  // unnamed on this file system
    }
    EXPECT_TRUE(entryNames(dir).empty());

    TemporaryFile file;
    ASSERT_EQ(file.create(dir / "page.html"), 0);
    writeAll(file, "<html>");
    ASSERT_EQ(file.replaceTarget(), 0);
    EXPECT_EQ(entryNames(dir), std::vector<std::string>{"page.html"});
    EXPECT_EQ(platform::readFile(dir / "page.html").value(), "<html>");

    TemporaryFile second;
    ASSERT_EQ(second.create(dir / "page.html"), 0);
    writeAll(second, "<html>2");
    ASSERT_EQ(second.replaceTarget(), 0);
    EXPECT_EQ(entryNames(dir), std::vector<std::string>{"page.html"});
    EXPECT_EQ(platform::readFile(dir / "page.html").value(), "<html>2");
    fs::remove_all(dir);
}

// A placed file can be taken back: the earlier file returns with its own
// bytes and times, and a new name disappears again.
TEST(FileSystem, UndoPlaceRestoresTheEarlierFileExactly) {
    const fs::path dir = scratchFolder("undo");
    ASSERT_TRUE(platform::writeFileAtomic(dir / "old.js", "old script").ok());
    const auto oldTime = fs::last_write_time(dir / "old.js");

    TemporaryFile replacing, adding;
    ASSERT_EQ(replacing.create(dir / "old.js"), 0);
    writeAll(replacing, "new script");
    ASSERT_EQ(adding.create(dir / "new.js"), 0);
    writeAll(adding, "another");
    TemporaryFile::Placed replaced, added;
    ASSERT_EQ(replacing.place(replaced), 0);
    ASSERT_EQ(adding.place(added), 0);
    EXPECT_EQ(platform::readFile(dir / "old.js").value(), "new script");
    EXPECT_TRUE(added.displaced.empty());
    ASSERT_FALSE(replaced.displaced.empty());

    EXPECT_EQ(platform::undoPlace(added), 0);
    EXPECT_EQ(platform::undoPlace(replaced), 0);
    EXPECT_EQ(entryNames(dir), std::vector<std::string>{"old.js"});
    EXPECT_EQ(platform::readFile(dir / "old.js").value(), "old script");
    EXPECT_EQ(fs::last_write_time(dir / "old.js"), oldTime);

    TemporaryFile again;
    ASSERT_EQ(again.create(dir / "old.js"), 0);
    writeAll(again, "kept");
    ASSERT_EQ(again.place(replaced), 0);
    EXPECT_EQ(platform::dropDisplaced(replaced), 0);
    EXPECT_EQ(entryNames(dir), std::vector<std::string>{"old.js"});
    EXPECT_EQ(platform::readFile(dir / "old.js").value(), "kept");
    fs::remove_all(dir);
}

TEST(FileSystem, PlacingOverAFolderIsRefused) {
    const fs::path dir = scratchFolder("folder");
    fs::create_directories(dir / "page.html" / "inside");
    TemporaryFile file;
    ASSERT_EQ(file.create(dir / "page.html"), 0);
    TemporaryFile::Placed placed;
    EXPECT_EQ(file.place(placed), EISDIR);
    EXPECT_TRUE(fs::is_directory(dir / "page.html" / "inside"));
    EXPECT_EQ(entryNames(dir), std::vector<std::string>{"page.html"});
    fs::remove_all(dir);
}

// What a killed writer left goes; what a live writer holds, and files that
// only look similar, stay.
TEST(FileSystem, RemoveStaleTemporariesSparesLiveOnesAndOtherFiles) {
    const fs::path dir = scratchFolder("stale");
    const fs::path stale = platform::temporarySibling(dir / "tour.mp4");
    const fs::path live = platform::temporarySibling(dir / "tour.html");
    for (const fs::path& path : {stale, live}) ASSERT_TRUE(platform::writeFileAtomic(path, "x").ok());
    for (const char* keep : {"tour.mp4", ".tour.mp4.tmp-ABCDEFGH", ".tour.mp4.tmp-abc", "x.tmp-abcdefgh"})
        ASSERT_TRUE(platform::writeFileAtomic(dir / keep, "keep").ok());

    const platform::FileDescriptor holder(::open(live.c_str(), O_RDONLY | O_CLOEXEC));
    ASSERT_EQ(::flock(holder.get(), LOCK_EX), 0);

    EXPECT_EQ(platform::removeStaleTemporaries(dir), 1);
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_TRUE(fs::exists(live));
    EXPECT_EQ(entryNames(dir).size(), 5u);
    fs::remove_all(dir);
}
