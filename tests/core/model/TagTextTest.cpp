#include <gtest/gtest.h>

#include "core/model/TagText.h"

using tessaly::model::TagText;

TEST(TagText, ValueRunsFromFirstToSecondOccurrence) {
    const TagText tags("head\r\n<A>one</A>\r\n<B> 2.5x </B>\r\n<C>rest\r\nof text");
    EXPECT_EQ(tags.raw("A"), "one");
    EXPECT_EQ(tags.raw("B"), " 2.5x ");
    EXPECT_EQ(tags.raw("C"), "rest\r\nof text");  // occurs once: to the end
    EXPECT_EQ(tags.raw("D"), "");
    EXPECT_EQ(tags.raw("a"), "");  // case matters
    EXPECT_EQ(tags.number("B"), 2.5);
    EXPECT_EQ(tags.integer("B"), 2);
    EXPECT_EQ(tags.integer("A"), 0);
    EXPECT_EQ(tags.integer("D"), 0);
}

TEST(TagText, ClosingTagsReadAsOpeningOnes) {
    const TagText tags("<T>x </b> y</T><U>1</U>");
    EXPECT_EQ(tags.raw("T"), "x <b> y");
    // A closing tag alone still starts a value.
    EXPECT_EQ(TagText("</V>9").integer("V"), 9);
}

TEST(TagText, SlotNumbersDoNotMatchInsideLongerOnes) {
    const TagText tags("<HSLINK10>ten</HSLINK10><HSLINK1>one</HSLINK1><ZOOMMAX>200</ZOOMMAX><ZOOM>4</ZOOM>");
    EXPECT_EQ(tags.raw("HSLINK1"), "one");
    EXPECT_EQ(tags.raw("HSLINK10"), "ten");
    EXPECT_EQ(tags.integer("ZOOM"), 4);
    EXPECT_EQ(tags.integer("ZOOMMAX"), 200);
}

TEST(TagText, StrayBracketsAndThirdOccurrences) {
    const TagText tags("<<A>1<A<B>2<B>3<A>4<A>");
    EXPECT_EQ(tags.raw("A"), "1<A<B>2<B>3");  // a third "<A>" is not the end
    EXPECT_EQ(tags.raw("B"), "2");
    EXPECT_EQ(tags.raw("A<B"), "2<B>3<A>4<A>");
    EXPECT_FALSE(tags.holds("C"));
    const TagText copy = tags;  // reads its own text, not the original's
    EXPECT_EQ(copy.raw("B"), "2");
}
