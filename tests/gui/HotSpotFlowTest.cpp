// The hot-spot road with the real preview: a clip made by ffmpeg is loaded,
// played and paused; Add Hot Spot stores the preview's position; selecting the
// slot again seeks back to it. Also the refusals, clearing and the yaw marker.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMediaPlayer>
#include <QSlider>
#include <QTest>

#include "WindowHarness.h"
#include "app/ControlIds.h"
#include "app/QtPreviewPlayer.h"
#include "app/SettingsBinding.h"
#include "ui/FileDialog.h"

namespace tessaly::gui_test {
namespace {

using namespace app::ids;

class HotSpotFlow : public WindowTest {
protected:
    QLineEdit* edit(int id) { return window().control<QLineEdit>(id); }
    QString label(int id) { return window().control<QLabel>(id)->text(); }
    std::vector<std::string> texts() {
        std::vector<std::string> out;
        for (const Message& m : messages()) out.push_back(m.text);
        return out;
    }
};

TEST_F(HotSpotFlow, AddWithTheRealPreviewThenSelectingSeeksBack) {
    const std::filesystem::path clip = makeClip(folder() / "", 6);
    if (clip.empty()) GTEST_SKIP() << "ffmpeg is needed to make the test movie";
    window().show();

    ui::FileDialog::setNextAnswer(QString::fromStdString(clip.string()));
    window().command(kLoadMovie1);
    EXPECT_EQ(window().moviePath(1).toStdString(), clip.string());
    EXPECT_EQ(window().settings().loadDir(), folder().string());
    const auto request = ui::FileDialog::lastRequest();
    ASSERT_TRUE(request);
    EXPECT_EQ(request->filter.count(QLatin1Char('|')), 16) << "eight filters";

    app::QtPreviewPlayer& player = window().player();
    ASSERT_TRUE(waitFor([&] { return player.position() > 1.0; }, 15000)) << "the clip plays";
    EXPECT_GT(player.picture()->framesShown(), 0) << "the preview shows pictures";

    window().command(slotSelector(3));
    EXPECT_FALSE(window().control<QCheckBox>(kSelfMode)->isChecked()) << "an empty slot unticks it";
    window().control<QCheckBox>(kSelfMode)->setChecked(true);
    edit(kLink)->setText(QStringLiteral("  room.html"));
    edit(kHsTitle)->setText(QStringLiteral("Room"));
    window().control<QSlider>(kYawSlider)->setValue(-90);
    window().command(kAddHotSpot);
    EXPECT_TRUE(texts().empty());
    EXPECT_EQ(player.mediaPlayer()->playbackState(), QMediaPlayer::PausedState);
    const hotspots::HotSpot stored = window().hotSpots().at(3);
    EXPECT_GT(stored.pos, 1.0);
    EXPECT_EQ(stored.yaw, -90);
    EXPECT_EQ(stored.time, 5.0);
    EXPECT_EQ(stored.self, 1);
    EXPECT_EQ(stored.trimmedLink(), "room.html");
    EXPECT_EQ(label(rowYaw(3)), QStringLiteral("-90"));
    EXPECT_FALSE(label(rowPos(3)).isEmpty());

    // Let it run on, look elsewhere, then come back to slot 3.
    player.play();
    ASSERT_TRUE(waitFor([&] { return player.position() > stored.pos + 1.0; }, 15000));
    window().command(slotSelector(1));
    EXPECT_TRUE(edit(kLink)->text().isEmpty());
    EXPECT_EQ(window().control<QSlider>(kYawSlider)->value(), 0);
    window().command(slotSelector(3));
    EXPECT_EQ(edit(kLink)->text(), QStringLiteral("room.html"));
    EXPECT_EQ(edit(kHsTitle)->text(), QStringLiteral("Room"));
    EXPECT_EQ(window().control<QSlider>(kYawSlider)->value(), -90);
    EXPECT_EQ(window().control(kYawMarker)->x(), 364);
    // The still frame: play briefly, then back to the position and pause.
    ASSERT_TRUE(
        waitFor([&] { return player.mediaPlayer()->playbackState() == QMediaPlayer::PausedState; }, 5000));
    EXPECT_NEAR(player.position(), stored.pos, 0.3);
}

TEST_F(HotSpotFlow, TheThreeRefusalsInTheirOrder) {
    // Empty link first; the preview is not even asked.
    edit(kLink)->setText(QStringLiteral("   "));
    window().command(kAddHotSpot);
    EXPECT_EQ(texts(), std::vector<std::string>{"The link of Hot Spot is empty"});
    // No movie: position 0.
    edit(kLink)->setText(QStringLiteral("a.html"));
    window().command(kAddHotSpot);
    EXPECT_EQ(texts(),
              std::vector<std::string>{"Current Hot Spot position in movie stream cannot be - \"0\""});
    EXPECT_EQ(window().hotSpots(), hotspots::HotSpotList{});

    const std::filesystem::path clip = makeClip(folder(), 4);
    if (clip.empty()) GTEST_SKIP() << "ffmpeg is needed for the time refusal";
    window().player().open(clip.string());
    window().player().play();
    ASSERT_TRUE(waitFor([&] { return window().player().position() > 0.5; }, 15000));
    for (const char* time : {"0", "abc", ""}) {
        edit(rowTime(1))->setText(QString::fromUtf8(time));
        window().command(kAddHotSpot);
        EXPECT_EQ(texts(), std::vector<std::string>{"The time for shown a Hot Spot is not determined"})
            << time;
    }
    EXPECT_EQ(window().hotSpots(), hotspots::HotSpotList{});
    edit(rowTime(1))->setText(QStringLiteral("12abc"));
    window().command(kAddHotSpot);
    EXPECT_TRUE(texts().empty());
    EXPECT_EQ(window().hotSpots().at(1).time, 12.0);
    EXPECT_EQ(edit(rowTime(1))->text(), QStringLiteral("12abc")) << "the box keeps what was typed";
}

TEST_F(HotSpotFlow, ClearOneSlotAndClearAll) {
    for (const int n : {2, 4}) {
        hotspots::HotSpot& spot = window().hotSpots().at(n);
        spot.setLink("x.html");
        spot.pos = 1.5;
        spot.time = 7;
    }
    window().command(slotSelector(4));
    EXPECT_EQ(edit(rowTime(4))->text(), QStringLiteral("7.0"));
    window().control<QCheckBox>(kSelfMode)->setChecked(true);
    window().command(kClearHotSpot);
    EXPECT_FALSE(window().hotSpots().at(4).inUse());
    EXPECT_TRUE(window().hotSpots().at(2).inUse());
    EXPECT_TRUE(label(rowPos(4)).isEmpty());
    EXPECT_EQ(edit(rowTime(4))->text(), QStringLiteral("5.0"));
    EXPECT_TRUE(window().control<QCheckBox>(slotSelector(4))->isChecked()) << "slot 4 stays selected";
    EXPECT_TRUE(window().control<QCheckBox>(kSelfMode)->isChecked());

    window().command(kClearAllHotSpots);
    EXPECT_EQ(window().hotSpots(), hotspots::HotSpotList{});
    EXPECT_TRUE(window().control<QCheckBox>(slotSelector(1))->isChecked());
    EXPECT_FALSE(window().control<QCheckBox>(slotSelector(4))->isChecked());
    EXPECT_EQ(window().editor().currentSlot(), 1);
}

TEST_F(HotSpotFlow, YawMarkerFollowsTheSlider) {
    auto* slider = window().control<QSlider>(kYawSlider);
    const std::pair<int, int> places[] = {{-179, 256}, {0, 473}, {180, 691}, {90, 582}};
    for (const auto& [yaw, x] : places) {
        slider->setValue(yaw);
        EXPECT_EQ(window().editor().currentYaw(), yaw);
        EXPECT_EQ(window().control(kYawMarker)->geometry(), QRect(x, 198, 2, 294)) << yaw;
    }
    // A slider move is no command: it does not tick.
    const int ticks = window().tick().playCount();
    slider->setValue(30);
    EXPECT_EQ(window().tick().playCount(), ticks);
}

}  // namespace
}  // namespace tessaly::gui_test
