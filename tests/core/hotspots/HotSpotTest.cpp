#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "core/hotspots/HotSpot.h"
#include "core/text/Text.h"

using namespace tessaly::hotspots;

TEST(HotSpot, TextsAreCutOrFilledToTheirWidthAndReadBackTrimmed) {
    HotSpot spot;
    const std::string title45 = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHI";
    ASSERT_EQ(title45.size(), 45u);
    spot.setTitle(title45);
    EXPECT_EQ(spot.title, title45.substr(0, 40));
    EXPECT_EQ(spot.trimmedTitle(), title45.substr(0, 40));

    spot.setTitle("Harbour");
    EXPECT_EQ(spot.title, "Harbour" + std::string(33, ' '));
    EXPECT_EQ(spot.trimmedTitle(), "Harbour");

    spot.setLink("   https://example.org/a b ");
    EXPECT_EQ(spot.link.size(), kLinkWidth);
    EXPECT_EQ(spot.link.substr(0, 27), "   https://example.org/a b ");
    EXPECT_EQ(spot.trimmedLink(), "https://example.org/a b");

    spot.setLink(std::string(600, 'l'));
    EXPECT_EQ(spot.link, std::string(512, 'l'));
}

TEST(HotSpot, WidthCountsCharactersNotBytes) {
    std::string title;
    for (int i = 0; i < 45; ++i) title += "\xC3\xA9";  // "é", two bytes each
    HotSpot spot;
    spot.setTitle(title);
    EXPECT_EQ(tessaly::text::characterCount(spot.title), kTitleWidth);
    EXPECT_EQ(spot.title, title.substr(0, 80));
}

TEST(HotSpot, BlankOrNulFilledRecordReadsBackEmpty) {
    HotSpot spot;
    EXPECT_EQ(spot.trimmedLink(), "");
    EXPECT_EQ(spot.trimmedTitle(), "");
    spot.title = std::string(40, '\0');
    spot.link = std::string("\0\0 x \0", 6);
    EXPECT_EQ(spot.trimmedTitle(), "");
    EXPECT_EQ(spot.trimmedLink(), "x");
}

TEST(HotSpot, InUseOnlyWithPositivePosition) {
    HotSpot spot;
    EXPECT_FALSE(spot.inUse());
    spot.pos = -2.0;
    EXPECT_FALSE(spot.inUse());
    spot.pos = 0.04;
    EXPECT_TRUE(spot.inUse());
}

TEST(HotSpotList, HoldsRecordsZeroToTenAndRefusesOthers) {
    HotSpotList list;
    EXPECT_NO_THROW(list.at(0));
    EXPECT_NO_THROW(list.at(10));
    EXPECT_THROW(list.at(-1), std::out_of_range);
    EXPECT_THROW(list.at(11), std::out_of_range);
    const HotSpotList& constList = list;
    EXPECT_THROW(constList.at(11), std::out_of_range);
    EXPECT_THROW(list.clearSlot(11), std::out_of_range);
}

TEST(HotSpotList, ClearsOneSlotOrAllAndCountsSlotsInUse) {
    HotSpotList list;
    for (int n : {1, 4, 10}) {
        list.at(n).setLink("l" + std::to_string(n));
        list.at(n).pos = n;
        list.at(n).time = 5;
    }
    list.at(7).setLink("no position");
    EXPECT_EQ(list.countInUse(), 3);

    list.clearSlot(4);
    EXPECT_EQ(list.at(4), HotSpot{});
    EXPECT_EQ(list.at(1).trimmedLink(), "l1");
    EXPECT_EQ(list.countInUse(), 2);

    list.clearAll();
    EXPECT_EQ(list, HotSpotList{});
    EXPECT_EQ(list.countInUse(), 0);
}
