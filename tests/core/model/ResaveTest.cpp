#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <iostream>
#include <sstream>
#include <utility>

#include "Fixtures.h"
#include "cli/Verbs.h"
#include "core/platform/Files.h"

using namespace tessaly::model::testing;
using tessaly::cli::runResave;
namespace fs = std::filesystem;

namespace {

struct VerbRun {
    int status;
    std::string out;
    std::string err;
};

VerbRun resave(const tessaly::cli::Arguments& args) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = runResave(args, out, err);
    return VerbRun{status, out.str(), err.str()};
}

std::string bytesOf(const fs::path& path) { return tessaly::platform::readFile(path).value(); }

}  // namespace

TEST(Resave, HandEditedProjectComesOutInTheWrittenForm) {
    const fs::path dir = scratchFolder("resave-hand");
    const fs::path out = dir / "out.hs5";
    const VerbRun run = resave({fixturePath("project-hand-edited.hs5").string(), out.string()});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    expectGolden(bytesOf(out), "project-hand-edited.expected.hs5");

    // What it writes, it reads back unchanged.
    const fs::path again = dir / "again.hs5";
    EXPECT_EQ(resave({out.string(), again.string()}).status, 0);
    EXPECT_EQ(bytesOf(again), bytesOf(out));
    fs::remove_all(dir);
}

TEST(Resave, FirstPlatformProjectComesOutAsUtf8) {
    const fs::path dir = scratchFolder("resave-first");
    const fs::path out = dir / "out.hs5";
    const VerbRun run = resave({fixturePath("project-first-platform.hs5").string(), out.string()});
    EXPECT_EQ(run.status, 0) << run.err;
    expectGolden(bytesOf(out), "project-first-platform.expected.hs5");
    fs::remove_all(dir);
}

TEST(Resave, EmptyFoldersBecomeTheCurrentFolder) {
    const fs::path dir = scratchFolder("resave-cwd");
    const fs::path in = dir / "in.hs5";
    const fs::path out = dir / "out.hs5";
    ASSERT_TRUE(
        tessaly::platform::writeFileAtomic(in, "<LOADDIR></LOADDIR>\r\n<SAVEDIR>  </SAVEDIR>\r\n").ok());
    ASSERT_EQ(resave({in.string(), out.string()}).status, 0);
    const std::string cwd = fs::current_path().string();
    const std::string written = bytesOf(out);
    EXPECT_NE(written.find("<LOADDIR>" + cwd + "</LOADDIR>\r\n<SAVEDIR>" + cwd + "</SAVEDIR>\r\n"),
              std::string::npos);
    fs::remove_all(dir);
}

TEST(Resave, FailuresNameTheFileAndTheReason) {
    const fs::path dir = scratchFolder("resave-fail");
    const fs::path missing = dir / "missing.hs5";
    const fs::path out = dir / "out.hs5";
    const VerbRun noInput = resave({missing.string(), out.string()});
    EXPECT_EQ(noInput.status, 1);
    EXPECT_EQ(noInput.err, "tessaly: Cannot open " + missing.string() + ": No such file or directory\n");
    EXPECT_FALSE(fs::exists(out));

    const fs::path nowhere = dir / "no-folder" / "out.hs5";
    const VerbRun noOutput = resave({fixturePath("project-example.hs5").string(), nowhere.string()});
    EXPECT_EQ(noOutput.status, 1);
    EXPECT_EQ(noOutput.err, "tessaly: Cannot write " + nowhere.string() + ": No such file or directory\n");
    fs::remove_all(dir);
}

TEST(Resave, RefusesWhatIsNotAProjectAndWritesNothing) {
    const fs::path dir = scratchFolder("resave-garbage");
    const fs::path out = dir / "out.hs5";
    std::string noise;
    for (int i = 0; i < 3000; ++i) noise += static_cast<char>((i * 131 + 7) % 256);
    const std::pair<const char*, std::string> inputs[] = {
        {"noise.hs5", noise}, {"empty.hs5", ""}, {"picture.hs5", "\x89PNG\r\n\x1a\n\0\0\0\rIHDR"}};
    for (const auto& [name, bytes] : inputs) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(tessaly::platform::writeFileAtomic(dir / name, bytes).ok());
        const VerbRun run = resave({(dir / name).string(), out.string()});
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err, "tessaly: Cannot read " + (dir / name).string() +
                               ": Not a project file (none of its tags is in it)\n");
        EXPECT_FALSE(fs::exists(out));
    }
    fs::remove_all(dir);
}

TEST(Resave, RefusesFifosAndDevicesOnEitherSide) {
    const fs::path dir = scratchFolder("resave-kinds");
    const fs::path project = fixturePath("project-example.hs5");
    ASSERT_EQ(::mkfifo((dir / "fifo.hs5").c_str(), 0644), 0);
    // Reading a FIFO would wait for a writer for ever; writing one would replace it.
    const VerbRun fromFifo = resave({(dir / "fifo.hs5").string(), (dir / "out.hs5").string()});
    EXPECT_EQ(fromFifo.status, 1);
    EXPECT_EQ(fromFifo.err, "tessaly: Cannot read " + (dir / "fifo.hs5").string() + ": Not a regular file\n");
    const VerbRun toFifo = resave({project.string(), (dir / "fifo.hs5").string()});
    EXPECT_EQ(toFifo.status, 1);
    EXPECT_EQ(toFifo.err, "tessaly: Cannot write " + (dir / "fifo.hs5").string() + ": Not a regular file\n");
    EXPECT_TRUE(fs::is_fifo(dir / "fifo.hs5"));

    const VerbRun fromZero = resave({"/dev/zero", (dir / "out.hs5").string()});
    EXPECT_EQ(fromZero.status, 1);
    EXPECT_EQ(fromZero.err, "tessaly: Cannot read /dev/zero: Not a regular file\n");
    if (::geteuid() != 0) {
        std::cout << "[   SKIP   ] making a device node needs root\n";
    } else {
        ASSERT_EQ(::mknod((dir / "device").c_str(), S_IFCHR | 0666, makedev(1, 3)), 0);
        const VerbRun toDevice = resave({project.string(), (dir / "device").string()});
        EXPECT_EQ(toDevice.status, 1);
        EXPECT_EQ(toDevice.err,
                  "tessaly: Cannot write " + (dir / "device").string() + ": Not a regular file\n");
        EXPECT_TRUE(fs::is_character_file(dir / "device"));
    }
    EXPECT_FALSE(fs::exists(dir / "out.hs5"));
    fs::remove_all(dir);
}

TEST(Resave, WrongArgumentsAreAUsageError) {
    for (const tessaly::cli::Arguments& args :
         {tessaly::cli::Arguments{}, {"in.hs5"}, {"in.hs5", "out.hs5", "extra"}}) {
        const VerbRun run = resave(args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err, "Usage: tessaly resave IN.hs5 OUT.hs5\n");
    }
}
