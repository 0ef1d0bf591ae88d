#include "core/text/Files.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace tessaly::text;
namespace fs = std::filesystem;

namespace {
fs::path scratchFolder(const std::string& name) {
    const fs::path dir = fs::temp_directory_path() / ("tessaly-files-" + name + "-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}
}  // namespace

TEST(Files, AtomicWriteReplacesWholeAndLeavesNoTemporary) {
    const fs::path dir = scratchFolder("replace");
    const fs::path file = dir / "a.ini";
    ASSERT_FALSE(writeFileAtomic(file, std::string(1000, 'x')));
    ASSERT_FALSE(writeFileAtomic(file, "short\r\n"));
    EXPECT_EQ(readFile(file).bytes, "short\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
    fs::remove_all(dir);
}

TEST(Files, FailedWriteNamesFileAndReasonAndKeepsOldFile) {
    if (::geteuid() == 0) {
        // root ignores folder permissions; a missing folder fails for everyone.
        const fs::path missing = fs::temp_directory_path() / "tessaly-no-such-folder" / "x.hs5";
        const auto error = writeFileAtomic(missing, "x");
        ASSERT_TRUE(error);
        EXPECT_EQ(error->message(), "Cannot write " + missing.string() + ": No such file or directory");
        return;
    }
    const fs::path dir = scratchFolder("readonly");
    const fs::path file = dir / "keep.hs5";
    ASSERT_FALSE(writeFileAtomic(file, "old"));
    ::chmod(dir.c_str(), 0555);
    const auto error = writeFileAtomic(file, "new");
    ::chmod(dir.c_str(), 0755);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->message(), "Cannot write " + file.string() + ": Permission denied");
    EXPECT_EQ(readFile(file).bytes, "old");
    fs::remove_all(dir);
}

TEST(Files, WritingOverAFolderIsRefused) {
    const fs::path dir = scratchFolder("folder");
    const auto error = writeFileAtomic(dir, "x");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->reason, "Is a directory");
    fs::remove_all(dir);
}

TEST(Files, ReadReportsMissingFile) {
    const auto result = readFile("/nonexistent/tessaly.hs5");
    ASSERT_TRUE(result.error);
    EXPECT_EQ(result.error->message(), "Cannot open /nonexistent/tessaly.hs5: No such file or directory");
}

TEST(Files, ReplacedFileKeepsItsPermissions) {
    const fs::path dir = scratchFolder("mode");
    const fs::path file = dir / "p.html";
    ASSERT_FALSE(writeFileAtomic(file, "1"));
    ::chmod(file.c_str(), 0640);
    ASSERT_FALSE(writeFileAtomic(file, "2"));
    struct stat info {};
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    fs::remove_all(dir);
}
