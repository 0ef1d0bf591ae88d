// The shared Qt pieces on their own: gradient faces, the filter conversion,
// the test hooks that keep dialogs from blocking and the click tick.

#include <gtest/gtest.h>

#include <QAudioDevice>
#include <QImage>
#include <QMediaDevices>
#include <QTest>
#include <filesystem>
#include <iterator>

#include "ui/FileDialog.h"
#include "ui/GradientButton.h"
#include "ui/QtPrompts.h"
#include "ui/TickSound.h"

namespace tessaly::ui {
namespace {

using Face = GradientButton::Face;

TEST(GradientButton, BandsCoverTheFaceTopToBottomWithoutGaps) {
    for (const int height : {20, 23, 25}) {
        int expectedTop = 0;
        for (int i = 0; i < GradientButton::kBands; ++i) {
            const QRect band = GradientButton::bandRect(i, 99, height);
            EXPECT_EQ(band.top(), expectedTop) << "height " << height << " band " << i;
            EXPECT_GE(band.height(), 0);
            EXPECT_LE(band.height(), 1);
            EXPECT_EQ(band.width(), 100);  // one pixel past the right edge
            expectedTop += band.height();
        }
        EXPECT_EQ(expectedTop, height) << "the last band ends at the bottom";
    }
}

TEST(GradientButton, FaceColoursRunFromTheirBrightestDown) {
    EXPECT_EQ(GradientButton::bandColor(Face::Green, 0), QColor(0, 255, 0));
    EXPECT_EQ(GradientButton::bandColor(Face::Green, 199), QColor(0, 56, 0));
    EXPECT_EQ(GradientButton::bandColor(Face::Grey, 10), QColor(245, 245, 245));
    EXPECT_EQ(GradientButton::bandColor(Face::Red, 100), QColor(155, 0, 0));
    EXPECT_EQ(GradientButton::bandColor(Face::Teal, 5), QColor(0, 250, 250));
    EXPECT_EQ(GradientButton::bandColor(Face::Blue, 0), QColor(0, 199, 255));
    EXPECT_EQ(GradientButton::bandColor(Face::Blue, 199), QColor(0, 0, 56));
}

TEST(GradientButton, PressedFaceSaysProcessOverTheSameGradient) {
    GradientButton button(QStringLiteral("Exit"), Face::Red, nullptr);
    button.resize(139, 25);
    const QImage up = button.grab().toImage();
    button.setDown(true);
    const QImage down = button.grab().toImage();
    // The face colour far from the text is the same; the middle differs.
    EXPECT_EQ(up.pixelColor(3, 3), down.pixelColor(3, 3));
    EXPECT_EQ(up.pixelColor(3, 3).green(), 0);
    EXPECT_GT(up.pixelColor(3, 3).red(), 200);
    EXPECT_NE(up, down);
    bool blueText = false;
    for (int x = 30; x < 110 && !blueText; ++x) {
        for (int y = 5; y < 20 && !blueText; ++y) {
            const QColor c = down.pixelColor(x, y);
            blueText = c.blue() > 150 && c.red() < 120 && c.green() < 120;
        }
    }
    EXPECT_TRUE(blueText) << "the word \"Process\" in blue";
}

TEST(FileDialog, BarAndNulSeparatedFiltersGiveTheSameList) {
    const QStringList bars = FileDialog::toNameFilters(QStringLiteral("Project file (*.hs5)|*.hs5|"));
    QString nul = QStringLiteral("Project files");
    nul += QChar(0);
    nul += QStringLiteral("*.hs5");
    nul += QChar(0);
    EXPECT_EQ(bars, QStringList{QStringLiteral("Project file (*.hs5) (*.hs5)")});
    EXPECT_EQ(FileDialog::toNameFilters(nul), QStringList{QStringLiteral("Project files (*.hs5)")});
    const QStringList movies =
        FileDialog::toNameFilters(QStringLiteral("All video files|*.mov;*.webm|MP4|*.mp4|"));
    EXPECT_EQ(movies,
              (QStringList{QStringLiteral("All video files (*.mov *.webm)"), QStringLiteral("MP4 (*.mp4)")}));
}

TEST(FileDialog, ScriptedAnswersAreTakenInOrderThenCancel) {
    FileDialog::setScripted(true);
    FileDialog::setNextAnswer(QStringLiteral("/tmp/a.hs5"));
    FileDialog::setNextAnswer(std::nullopt);
    const FileDialogRequest request{FileDialogRequest::Mode::Save, QStringLiteral("T"), {}, {}, {}};
    EXPECT_EQ(FileDialog::choose(nullptr, request), QStringLiteral("/tmp/a.hs5"));
    EXPECT_EQ(FileDialog::choose(nullptr, request), std::nullopt);
    EXPECT_EQ(FileDialog::choose(nullptr, request), std::nullopt);
    EXPECT_EQ(FileDialog::lastRequest(), request);
    FileDialog::setScripted(false);
}

TEST(QtPrompts, ScriptedConfirmAnswersAndLogsEveryMessage) {
    QtPrompts::setScripted(true);
    QtPrompts prompts(nullptr);
    QtPrompts::setNextAnswer(false);
    const Message question{"Sure?", Topic::Exit};
    EXPECT_FALSE(prompts.confirm(question));
    EXPECT_TRUE(prompts.confirm(question));
    prompts.show(Message{"Done", Topic::Note});
    const std::vector<Message> log = QtPrompts::takeLog();
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[2].text, "Done");
    EXPECT_TRUE(QtPrompts::takeLog().empty());
    QtPrompts::setScripted(false);
}

long threadsRunning() {
    const std::filesystem::directory_iterator tasks("/proc/self/task");
    return std::distance(std::filesystem::begin(tasks), std::filesystem::end(tasks));
}

// A tick still loading its wave on a thread of its own when the program ended
// once crashed or hung the process at exit; the tick now leaves nothing behind.
TEST(TickSound, ReadsItsWaveAndLeavesNoThreadRunningWhenItGoes) {
    QMediaDevices::defaultAudioOutput();  // the sound system's own threads, started once
    const long before = threadsRunning();
    {
        TickSound tick;
        for (int i = 0; i < 5; ++i) tick.play();
        EXPECT_EQ(tick.playCount(), 5);
        EXPECT_TRUE(tick.hasWave()) << "the wave compiled into the program";
    }
    EXPECT_LE(threadsRunning(), before);
}

}  // namespace
}  // namespace tessaly::ui
