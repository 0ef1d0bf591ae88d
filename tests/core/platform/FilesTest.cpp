#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <thread>
#include <vector>

#include "core/platform/Files.h"

using namespace tessaly::platform;
namespace fs = std::filesystem;

namespace {
fs::path scratchFolder(const std::string& name) {
    const fs::path dir =
        fs::temp_directory_path() / ("tessaly-files-" + name + "-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}
}  // namespace

TEST(Files, AtomicWriteReplacesWholeAndLeavesNoTemporary) {
    const fs::path dir = scratchFolder("replace");
    const fs::path file = dir / "a.ini";
    ASSERT_TRUE(writeFileAtomic(file, std::string(1000, 'x')).ok());
    ASSERT_TRUE(writeFileAtomic(file, "short\r\n").ok());
    EXPECT_EQ(readFile(file).value(), "short\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
    fs::remove_all(dir);
}

TEST(Files, FailedWriteNamesFileAndReasonAndKeepsOldFile) {
    if (::geteuid() == 0) {
        // root ignores folder permissions; a missing folder fails for everyone.
        const fs::path missing = fs::temp_directory_path() / "tessaly-no-such-folder" / "x.hs5";
        const auto error = writeFileAtomic(missing, "x");
        ASSERT_TRUE(error.failed());
        EXPECT_EQ(error.failure().message(),
                  "Cannot write " + missing.string() + ": No such file or directory");
        return;
    }
    const fs::path dir = scratchFolder("readonly");
    const fs::path file = dir / "keep.hs5";
    ASSERT_TRUE(writeFileAtomic(file, "old").ok());
    ::chmod(dir.c_str(), 0555);
    const auto error = writeFileAtomic(file, "new");
    ::chmod(dir.c_str(), 0755);
    ASSERT_TRUE(error.failed());
    EXPECT_EQ(error.failure().message(), "Cannot write " + file.string() + ": Permission denied");
    EXPECT_EQ(readFile(file).value(), "old");
    fs::remove_all(dir);
}

TEST(Files, WritingOverAFolderIsRefused) {
    const fs::path dir = scratchFolder("folder");
    const auto error = writeFileAtomic(dir, "x");
    ASSERT_TRUE(error.failed());
    EXPECT_EQ(error.failure().reason, "Is a directory");
    fs::remove_all(dir);
}

TEST(Files, ReadReportsMissingFile) {
    const auto result = readFile("/nonexistent/tessaly.hs5");
    ASSERT_TRUE(result.failed());
    EXPECT_EQ(result.failure().message(), "Cannot open /nonexistent/tessaly.hs5: No such file or directory");
}

TEST(Files, ReplacedFileKeepsItsPermissions) {
    const fs::path dir = scratchFolder("mode");
    const fs::path file = dir / "p.html";
    ASSERT_TRUE(writeFileAtomic(file, "1").ok());
    ::chmod(file.c_str(), 0640);
    ASSERT_TRUE(writeFileAtomic(file, "2").ok());
    struct stat info {};
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    fs::remove_all(dir);
}

TEST(Files, WritingOverADeviceFifoOrSocketIsRefusedAndLeavesItAlone) {
    const fs::path dir = scratchFolder("kinds");
    std::vector<fs::path> targets;
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0644), 0);
    targets.push_back(dir / "fifo");
    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string socketPath = (dir / "socket").string();
    ASSERT_LT(socketPath.size(), sizeof address.sun_path);
    std::copy(socketPath.begin(), socketPath.end(), address.sun_path);
    ASSERT_EQ(::bind(sock, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    targets.push_back(dir / "socket");
    if (::geteuid() == 0) {
        ASSERT_EQ(::mknod((dir / "null").c_str(), S_IFCHR | 0666, makedev(1, 3)), 0);
        targets.push_back(dir / "null");
    } else {
        std::cout << "[   SKIP   ] making a device node needs root; FIFO and socket only\n";
    }
    for (const fs::path& target : targets) {
        SCOPED_TRACE(target);
        const auto error = writeFileAtomic(target, "project text");
        ASSERT_TRUE(error.failed());
        EXPECT_EQ(error.failure().message(), "Cannot write " + target.string() + ": Not a regular file");
        struct stat info {};
        ASSERT_EQ(::lstat(target.c_str(), &info), 0);
        EXPECT_FALSE(S_ISREG(info.st_mode));
    }
    ::close(sock);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()),
              static_cast<std::ptrdiff_t>(targets.size()));
    fs::remove_all(dir);
}

TEST(Files, WritingOverASymlinkReplacesTheLinkNotItsTarget) {
    const fs::path dir = scratchFolder("link");
    ASSERT_TRUE(writeFileAtomic(dir / "real.hs5", "real").ok());
    fs::create_symlink(dir / "real.hs5", dir / "link.hs5");
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0644), 0);
    fs::create_symlink(dir / "fifo", dir / "to-fifo.hs5");
    for (const char* name : {"link.hs5", "to-fifo.hs5"}) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(writeFileAtomic(dir / name, "new").ok());
        EXPECT_FALSE(fs::is_symlink(dir / name));
        EXPECT_EQ(readFile(dir / name).value(), "new");
    }
    EXPECT_EQ(readFile(dir / "real.hs5").value(), "real");
    EXPECT_TRUE(fs::is_fifo(dir / "fifo"));
    fs::remove_all(dir);
}

namespace {
int midWriteSignal = -1;
// Runs inside the write that crossed the size limit: says so, then waits to be killed.
void holdMidWrite(int) {
    const char byte = 1;
    (void)!::write(midWriteSignal, &byte, 1);
    while (true) ::pause();
}
}  // namespace

TEST(Files, AWriterKilledMidWriteLeavesNoTemporary) {
    const fs::path dir = scratchFolder("killed");
    ASSERT_TRUE(writeFileAtomic(dir / "big.hs5", "old").ok());
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    std::cout.flush();
    const pid_t child = ::fork();
    if (child == 0) {
        // The write stops inside itself once it passes 64 KiB, so the kill
        // lands mid-write every time.
        midWriteSignal = ends[1];
        std::signal(SIGXFSZ, holdMidWrite);
        rlimit limit{64 * 1024, 64 * 1024};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        (void)writeFileAtomic(dir / "big.hs5", std::string(1 << 20, 'x'), Flush::Skip);
        ::_exit(1);
    }
    ASSERT_GT(child, 0);
    ::close(ends[1]);
    char byte = 0;
    pollfd watch{ends[0], POLLIN, 0};
    ASSERT_EQ(::poll(&watch, 1, 10000), 1);
    ASSERT_EQ(::read(ends[0], &byte, 1), 1);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    ::close(ends[0]);
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir)) names.push_back(entry.path().filename().string());
    EXPECT_EQ(names, std::vector<std::string>{"big.hs5"});
    EXPECT_EQ(readFile(dir / "big.hs5").value(), "old");
    fs::remove_all(dir);
}

TEST(Files, OnlyRegularFilesAreReadAndNoneOverTheLimit) {
    const fs::path dir = scratchFolder("read-kinds");
    ASSERT_EQ(::mkfifo((dir / "fifo.hs5").c_str(), 0644), 0);
    const auto fifo = readFile(dir / "fifo.hs5");  // would block for ever if opened for reading
    ASSERT_TRUE(fifo.failed());
    EXPECT_EQ(fifo.failure().message(),
              "Cannot read " + (dir / "fifo.hs5").string() + ": Not a regular file");
    const auto zero = readFile("/dev/zero", 1024 * 1024);  // would never end
    ASSERT_TRUE(zero.failed());
    EXPECT_EQ(zero.failure().reason, "Not a regular file");

    ASSERT_TRUE(writeFileAtomic(dir / "big.hs5", std::string(1024 * 1024 + 1, 'x')).ok());
    const auto big = readFile(dir / "big.hs5", 1024 * 1024);
    ASSERT_TRUE(big.failed());
    EXPECT_EQ(big.failure().message(),
              "Cannot read " + (dir / "big.hs5").string() + ": File too large (over 1 MiB)");
    EXPECT_EQ(readFile(dir / "big.hs5", 1024 * 1024 + 1).value().size(), 1024u * 1024 + 1);
    fs::remove_all(dir);
}
