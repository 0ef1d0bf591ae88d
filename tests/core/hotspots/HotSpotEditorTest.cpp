#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "Fakes.h"
#include "core/hotspots/HotSpotEditor.h"
#include "core/hotspots/HotSpotTexts.h"

namespace tessaly::hotspots {
namespace {

using testing::FakePlayer;
using testing::FakePrompts;
using testing::FakeView;
using testing::PlayerCall;
using testing::Row;

HotSpot makeSpot(const std::string& link, const std::string& title, int yaw, double pos, double time,
                 int self) {
    return HotSpot::make(link, title, yaw, pos, time, self);
}

Message warning(std::string_view text) { return Message{std::string(text), Topic::Warning}; }

class HotSpotEditorTest : public ::testing::Test {
protected:
    HotSpotList list;
    FakeView view;
    FakePlayer player;
    FakePrompts prompts;
    HotSpotEditor editor{list, view, player, prompts};

    // The person has the movie paused at `at` seconds and fills the editor.
    void typeSpot(const std::string& link, const std::string& title, double at) {
        view.link = link;
        view.title = title;
        player.at = at;
    }
};

TEST_F(HotSpotEditorTest, AddRefusesInOrderAndChangesNothing) {
    struct Case {
        std::string name, link, time;
        double at;
        std::string_view warning;
        std::vector<PlayerCall> calls;
    };
    const std::vector<PlayerCall> paused{{"pause"}};
    const std::vector<Case> cases{
        {"link of spaces, before anything else", "     ", "", 0, texts::kLinkEmpty, {}},
        {"empty link", "", "5.0", 12, texts::kLinkEmpty, {}},
        {"no movie: position 0 after pausing", "a.html", "", 0, texts::kPositionZero, paused},
        {"negative position", "a.html", "5.0", -1, texts::kPositionZero, paused},
        {"time 0", "a.html", "0", 3, texts::kTimeUndetermined, paused},
        {"time of letters", "a.html", "abc", 3, texts::kTimeUndetermined, paused},
        {"empty time", "a.html", "", 3, texts::kTimeUndetermined, paused},
        {"endless time", "a.html", "1e999", 3, texts::kTimeUndetermined, paused},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        list.at(2) = makeSpot("old", "kept", 40, 7.5, 3, 0);
        editor.selectSlot(2);
        view.rows[2] = Row{"40", "7.5", c.time};
        player.calls.clear();
        prompts.shown.clear();
        typeSpot(c.link, "t", c.at);
        const HotSpotList before = list;

        editor.addHotSpot();

        EXPECT_EQ(prompts.shown, std::vector<Message>{warning(c.warning)});
        EXPECT_EQ(player.calls, c.calls);
        EXPECT_EQ(list, before);
        EXPECT_EQ(view.rows[2], (Row{"40", "7.5", c.time}));
    }
}

// A movie of the front half only takes yaws from -90 to 90, and says why.
TEST_F(HotSpotEditorTest, AHalfFieldRefusesAYawOffThePicture) {
    editor.setYawReach(90);
    editor.selectSlot(1);
    for (const int yaw : {-91, 91, -90, 90}) {
        editor.yawSliderMoved(yaw);
        typeSpot("a.html", "A", 4);
        editor.addHotSpot();
        EXPECT_EQ(list.at(1).yaw, std::abs(yaw) == 90 ? yaw : 0) << yaw;
    }
    editor.setDirection(400, 123.45);  // straight up, clamped: on the picture whatever the yaw
    editor.addHotSpot();
    EXPECT_EQ(list.at(1).pitch, 90.0);
    EXPECT_EQ(prompts.shown, (std::vector<Message>(2, warning(texts::kYawOffPicture))));
}

TEST_F(HotSpotEditorTest, AddStoresEditorAndPreviewIntoTheSelectedSlot) {
    editor.selectSlot(3);
    editor.yawSliderMoved(-90);
    typeSpot("  https://example.org/pier", "Pier", 12.25);
    view.self = false;
    view.rows[3].time = "12abc";

    editor.addHotSpot();

    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ(player.calls, std::vector<PlayerCall>{{"pause"}});
    const HotSpot& spot = list.at(3);
    EXPECT_EQ(spot.link.substr(0, 26), "  https://example.org/pier");
    EXPECT_EQ(spot.trimmedLink(), "https://example.org/pier");
    EXPECT_EQ(spot.trimmedTitle(), "Pier");
    EXPECT_EQ(spot.yaw, -90);
    EXPECT_EQ(spot.pos, 12.25);
    EXPECT_EQ(spot.time, 12);
    EXPECT_EQ(spot.self, 0);
    EXPECT_EQ(view.rows[3], (Row{"-90", "12.2", "12abc"}));  // the typed time stays
    EXPECT_EQ(list.countInUse(), 1);
}

TEST_F(HotSpotEditorTest, AddIntoAUsedSlotReplacesAllSixFields) {
    list.at(5) = makeSpot(std::string(600, 'x'), std::string(40, 'y'), 170, 99.9, 20, 1);
    editor.selectSlot(5);
    editor.yawSliderMoved(0);
    typeSpot("b.html", "", 1.5);
    view.self = false;
    view.rows[5].time = "3";

    editor.addHotSpot();

    EXPECT_EQ(list.at(5), makeSpot("b.html", "", 0, 1.5, 3, 0));
    EXPECT_EQ(view.rows[5], (Row{"0", "1.5", "3"}));
}

TEST_F(HotSpotEditorTest, AddCutsALongTitleToForty) {
    const std::string title45(45, 't');
    typeSpot("a.html", title45, 2);
    editor.addHotSpot();
    EXPECT_EQ(list.at(1).title, std::string(40, 't'));
    EXPECT_EQ(list.at(1).trimmedTitle(), std::string(40, 't'));
}

TEST_F(HotSpotEditorTest, SelectingAnEmptySlotBlanksTheEditorAndLeavesPreviewAndRow) {
    view.link = "typed";
    view.title = "typed";
    editor.yawSliderMoved(120);
    view.rows[6] = Row{"33", "4.0", "8.0"};  // left over on screen

    editor.selectSlot(6);

    EXPECT_EQ(editor.currentSlot(), 6);
    EXPECT_EQ(view.selected, 6);
    EXPECT_EQ(view.link, "");
    EXPECT_EQ(view.title, "");
    EXPECT_FALSE(view.self);
    EXPECT_EQ(editor.currentYaw(), 0);
    EXPECT_EQ(view.slider, 0);
    EXPECT_EQ(view.markerYaw, 0);
    EXPECT_TRUE(player.calls.empty());
    EXPECT_TRUE(view.stillFrames.empty());
    EXPECT_EQ(view.rows[6], (Row{"33", "4.0", "8.0"}));
}

TEST_F(HotSpotEditorTest, SelectingAUsedSlotFillsEditorAndRowAndShowsAStillFrame) {
    list.at(8) = makeSpot("  c.html", "Tower", -179, 63.75, 7.25, 1);
    view.self = false;

    editor.selectSlot(8);

    EXPECT_EQ(view.selected, 8);
    EXPECT_EQ(view.link, "c.html");
    EXPECT_EQ(view.title, "Tower");
    EXPECT_TRUE(view.self);
    EXPECT_EQ(editor.currentYaw(), -179);
    EXPECT_EQ(view.slider, -179);
    EXPECT_EQ(view.markerYaw, -179);
    EXPECT_EQ(view.rows[8], (Row{"-179", "63.8", "7.2"}));
    EXPECT_EQ(view.stillFrames, std::vector<double>{63.75});

    // Clicking the selected slot again seeks again.
    editor.selectSlot(8);
    EXPECT_EQ(view.stillFrames, (std::vector<double>{63.75, 63.75}));
}

TEST_F(HotSpotEditorTest, ShowingARecordWithAYawBeyondTheSliderKeepsTheSliderRange) {
    list.at(4) = makeSpot("a", "", 1000, 4, 5, 0);
    editor.selectSlot(4);
    EXPECT_EQ(editor.currentYaw(), 180);
    EXPECT_EQ(view.slider, 180);
    EXPECT_EQ(view.markerYaw, 180);
    EXPECT_EQ(view.rows[4].yaw, "1000");  // the row shows what the record holds
}

TEST_F(HotSpotEditorTest, ClearHotSpotEmptiesOnlyTheSelectedSlot) {
    list.at(4) = makeSpot("a.html", "A", 30, 9, 6, 1);
    list.at(5) = makeSpot("b.html", "B", 60, 19, 6, 0);
    view.rows[5] = Row{"60", "19.0", "6.0"};
    editor.selectSlot(4);
    view.self = true;

    editor.clearHotSpot();

    EXPECT_EQ(list.at(4), HotSpot{});
    EXPECT_TRUE(list.at(5).inUse());
    EXPECT_EQ(view.rows[4], (Row{"", "", "5.0"}));
    EXPECT_EQ(view.rows[5], (Row{"60", "19.0", "6.0"}));
    EXPECT_EQ(editor.currentSlot(), 4);
    EXPECT_EQ(view.selected, 4);
    EXPECT_TRUE(view.self);
    EXPECT_EQ(view.link, "");
    EXPECT_EQ(view.title, "");
    EXPECT_EQ(editor.currentYaw(), 0);
    EXPECT_EQ(view.slider, 0);
    EXPECT_EQ(view.markerYaw, 0);
}

TEST_F(HotSpotEditorTest, ClearAllEmptiesEverySlotAndSelectsSlotOne) {
    for (int n = 1; n <= kSlotCount; ++n) {
        list.at(n) = makeSpot("x", "y", n, n, 2, 0);
        view.rows[static_cast<std::size_t>(n)] = Row{"1", "1.0", "2.0"};
    }
    editor.selectSlot(7);
    view.self = false;

    editor.clearAll();

    EXPECT_EQ(list, HotSpotList{});
    for (int n = 1; n <= kSlotCount; ++n) EXPECT_EQ(view.rows[static_cast<std::size_t>(n)], Row{});
    EXPECT_EQ(editor.currentSlot(), 1);
    EXPECT_EQ(view.selected, 1);
    EXPECT_FALSE(view.self);
    EXPECT_EQ(view.markerYaw, 0);
}

TEST_F(HotSpotEditorTest, ProjectLoadShowsEverySlotThenSelectsNone) {
    list.at(2) = makeSpot("two.html", "Two", 45, 10, 4, 1);
    list.at(9) = makeSpot("nine.html", "Nine", -45, 0.5, 12.5, 0);
    view.rows[3] = Row{"77", "77.0", "9.0"};  // from the project before

    editor.showLoadedList();

    EXPECT_EQ(view.rows[2], (Row{"45", "10.0", "4.0"}));
    EXPECT_EQ(view.rows[9], (Row{"-45", ".5", "12.5"}));
    EXPECT_EQ(view.rows[3], Row{});
    EXPECT_EQ(editor.currentSlot(), 0);
    EXPECT_EQ(view.selected, 0);
    EXPECT_EQ(view.link, "");
    EXPECT_FALSE(view.self);
    EXPECT_EQ(view.markerYaw, 0);
    // One still frame for each slot in use.
    EXPECT_EQ(view.stillFrames, (std::vector<double>{10, 0.5}));

    // Nothing is selected: Add does nothing at all.
    typeSpot("new.html", "New", 30);
    editor.addHotSpot();
    EXPECT_TRUE(player.calls.empty());
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ(list.countInUse(), 2);

    // Clear then empties every slot and selects slot 1.
    editor.clearHotSpot();
    EXPECT_EQ(list, HotSpotList{});
    EXPECT_EQ(view.rows[2], Row{});
    EXPECT_EQ(editor.currentSlot(), 1);
    EXPECT_EQ(view.selected, 1);
}

TEST_F(HotSpotEditorTest, SliderTakesTheLowSixteenBitsAndTheMarkerFollows) {
    editor.yawSliderMoved(180);
    EXPECT_EQ(editor.currentYaw(), 180);
    EXPECT_EQ(view.markerYaw, 180);
    editor.yawSliderMoved(0xFFFF);
    EXPECT_EQ(editor.currentYaw(), -1);
    EXPECT_EQ(view.markerYaw, -1);
    editor.yawSliderMoved(0x10000 + 45);
    EXPECT_EQ(editor.currentYaw(), 45);
    EXPECT_EQ(view.slider, 0);  // the slider moved itself; the editor does not set it back
}

TEST_F(HotSpotEditorTest, TurningASlotFromThePictureKeepsItWithinTheSliderAndTheReach) {
    list.at(2) = makeSpot("a.html", "A", 10, 3, 5, 0);
    editor.selectSlot(1);
    editor.turnSlot(2, -180.2, 95);
    EXPECT_EQ(list.at(2).yaw, 180) << "-180 is the slider's 180";
    EXPECT_EQ(list.at(2).pitch, 90);
    EXPECT_EQ(view.rows[2].yaw, "180");
    EXPECT_EQ(view.slider, 0) << "not the current slot";
    editor.turnSlot(1, 44.6, 45.04);
    EXPECT_FALSE(list.at(1).inUse()) << "an unused slot waits for Add Hot Spot";
    EXPECT_EQ(editor.currentYaw(), 45);
    EXPECT_EQ(view.slider, 45);
    EXPECT_EQ(view.markerYaw, 45);
    EXPECT_DOUBLE_EQ(editor.currentPitch(), 45);
    editor.setYawReach(90);
    editor.turnSlot(2, 120, 0);
    EXPECT_EQ(list.at(2).yaw, 90);
}

}  // namespace
}  // namespace tessaly::hotspots
