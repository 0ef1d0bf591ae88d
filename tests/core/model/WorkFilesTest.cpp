#include <gtest/gtest.h>
#include <sys/stat.h>

#include "../ScratchFolder.h"
#include "Fixtures.h"
#include "core/model/WorkFiles.h"
#include "core/platform/Files.h"

using namespace tessaly;
using namespace tessaly::model;
namespace fs = std::filesystem;

namespace {

class WorkFilesTest : public ::testing::Test {
protected:
    fs::path dir_ = test_support::scratchFolder(
        "workfiles", ::testing::UnitTest::GetInstance()->current_test_info()->name());
    void TearDown() override { fs::remove_all(dir_); }

    fs::path file(const std::string& name, const std::string& bytes = "x") {
        const fs::path path = dir_ / name;
        EXPECT_FALSE(platform::writeFileAtomic(path, bytes));
        return path;
    }
};

const Message& refusalOf(const std::variant<OpenRequest, Message>& result) {
    static const Message none;
    const Message* message = std::get_if<Message>(&result);
    EXPECT_NE(message, nullptr);
    return message != nullptr ? *message : none;
}

}  // namespace

TEST_F(WorkFilesTest, KnowsProjectsAndMoviesByExtensionInAnyCase) {
    EXPECT_EQ(workKindOf(file("tour.HS5")), WorkKind::Project);
    EXPECT_EQ(workKindOf(file("tour.Mp4")), WorkKind::Movie);
    EXPECT_EQ(workKindOf(file("tour.ogv")), WorkKind::Movie);
    EXPECT_EQ(workKindOf(file("tour.avi")), WorkKind::Other);
    EXPECT_EQ(workKindOf(file("notes.txt", "hello")), WorkKind::Other);
}

TEST_F(WorkFilesTest, KnowsARenamedProjectByItsContentButNotASettingsFile) {
    EXPECT_EQ(workKindOf(file("renamed", model::testing::fixture("project-example.hs5"))), WorkKind::Project);
    EXPECT_EQ(workKindOf(file("publisher.ini", model::testing::fixture("settings-start.ini"))),
              WorkKind::Other);
}

TEST_F(WorkFilesTest, OneExistingProjectOrMovieIsOpened) {
    const fs::path project = file("tour.hs5");
    EXPECT_EQ(std::get<OpenRequest>(openRequest({project})), (OpenRequest{WorkKind::Project, project}));
    const fs::path movie = file("tour.webm");
    EXPECT_EQ(std::get<OpenRequest>(openRequest({movie})), (OpenRequest{WorkKind::Movie, movie}));
}

TEST_F(WorkFilesTest, RefusesSeveralFilesNamingThem) {
    const Message message = refusalOf(openRequest({file("a.hs5"), file("b.mp4")}));
    EXPECT_EQ(message.topic, Topic::Warning);
    EXPECT_NE(message.text.find("Only one file"), std::string::npos) << message.text;
    EXPECT_NE(message.text.find((dir_ / "a.hs5").string()), std::string::npos) << message.text;
    EXPECT_NE(message.text.find((dir_ / "b.mp4").string()), std::string::npos) << message.text;
}

TEST_F(WorkFilesTest, RefusesWhatIsMissingNoRegularFileOrOfAnotherKind) {
    EXPECT_EQ(refusalOf(openRequest({dir_ / "gone.hs5"})).text,
              "Cannot open " + (dir_ / "gone.hs5").string() + ": No such file or directory");
    fs::create_directory(dir_ / "folder.mp4");
    EXPECT_EQ(refusalOf(openRequest({dir_ / "folder.mp4"})).text,
              "Cannot open " + (dir_ / "folder.mp4").string() + ": Is a directory");
    ASSERT_EQ(::mkfifo((dir_ / "pipe.hs5").c_str(), 0600), 0);
    EXPECT_EQ(refusalOf(openRequest({dir_ / "pipe.hs5"})).text,
              "Cannot open " + (dir_ / "pipe.hs5").string() + ": Not a regular file");
    const std::string other = refusalOf(openRequest({file("notes.txt")})).text;
    EXPECT_TRUE(other.starts_with("Cannot open " + (dir_ / "notes.txt").string() + ": Neither a project"))
        << other;
    EXPECT_NE(other.find(".webm"), std::string::npos) << other;
}
