#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "core/platform/BesideProgram.h"

using namespace tessaly::platform;
namespace fs = std::filesystem;

namespace {
struct Tree {
    fs::path root = fs::temp_directory_path() / ("tessaly-beside-" + std::to_string(::getpid()));
    Tree() {
        fs::remove_all(root);
        fs::create_directories(root / "bin");
    }
    ~Tree() { fs::remove_all(root); }
    void touch(const fs::path& relative) const {
        fs::create_directories((root / relative).parent_path());
        std::ofstream(root / relative) << "x";
    }
};
}  // namespace

TEST(BesideProgram, ProgramFolderFirstThenShareThenDoc) {
    const Tree tree;
    const fs::path bin = tree.root / "bin";
    EXPECT_FALSE(findBesideProgram(bin, "publisher.pdf"));

    tree.touch("share/doc/tessaly/publisher.pdf");
    EXPECT_EQ(findBesideProgram(bin, "publisher.pdf"), tree.root / "share/doc/tessaly/publisher.pdf");

    tree.touch("share/tessaly/publisher.pdf");
    EXPECT_EQ(findBesideProgram(bin, "publisher.pdf"), tree.root / "share/tessaly/publisher.pdf");

    tree.touch("bin/publisher.pdf");
    EXPECT_EQ(findBesideProgram(bin, "publisher.pdf"), bin / "publisher.pdf");
}

TEST(BesideProgram, FoldersAndEmptyNamesAreNotFound) {
    const Tree tree;
    fs::create_directories(tree.root / "bin" / "selector");
    EXPECT_FALSE(findBesideProgram(tree.root / "bin", "selector"));
    EXPECT_FALSE(findBesideProgram(tree.root / "bin", ""));
    EXPECT_FALSE(findBesideProgram(fs::path(), "selector"));
}

TEST(BesideProgram, RunningProgramFolderHoldsTheTestItself) {
    const fs::path folder = programFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_TRUE(fs::is_regular_file(folder / "core_tests"));
}
