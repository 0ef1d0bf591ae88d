#include <gtest/gtest.h>

#include "core/text/Text.h"

using namespace tessaly::text;

TEST(Text, TrimsSpacesOnlyOrSpacesAndNul) {
    EXPECT_EQ(trimSpaces("  a b  "), "a b");
    EXPECT_EQ(trimSpaces("\ta\t"), "\ta\t");
    EXPECT_EQ(trimSpaces("    "), "");
    const std::string padded("\0 link \0\0", 9);
    EXPECT_EQ(trimSpacesAndNul(padded), "link");
    EXPECT_EQ(trimSpaces(padded), padded);
}

TEST(Text, SuffixTestIgnoresCase) {
    EXPECT_TRUE(endsWithNoCase("TOUR.HTML", ".html"));
    EXPECT_TRUE(endsWithNoCase("trip.hs5", ".HS5"));
    EXPECT_FALSE(endsWithNoCase("tour.htm", ".html"));
    EXPECT_FALSE(endsWithNoCase("ml", ".html"));
    EXPECT_TRUE(equalsNoCase("Content-Length", "content-LENGTH"));
    EXPECT_FALSE(equalsNoCase("Range", "Ranges"));
    EXPECT_FALSE(equalsNoCase("\xC9t\xE9", "\xE9t\xC9"));  // only ASCII letters fold
}

TEST(Text, PercentEncodesWhatAUrlCannotCarry) {
    EXPECT_EQ(percentEncoded("a%b?c\"d'e:f\\g<h>i&j\x01.mp4"),
              "a%25b%3Fc%22d%27e%3Af%5Cg%3Ch%3Ei%26j%01.mp4");
    EXPECT_EQ(percentEncoded("caf\xC3\xA9 #1.mp4"), "caf%C3%A9%20%231.mp4");
    EXPECT_EQ(percentEncoded("Tour_(2)-v1.5~x.MP4"), "Tour_(2)-v1.5~x.MP4");
    EXPECT_EQ(percentEncoded("[a]{b}|^`"), "%5Ba%5D%7Bb%7D%7C%5E%60");
}

TEST(Text, ReplaceAllIsOnePassLeftToRight) {
    EXPECT_EQ(replaceAll("a</b></c", "</", "<"), "a<b><c");
    EXPECT_EQ(replaceAll("  =", " =", "="), " =");  // does not look again at its own output
    EXPECT_EQ(replaceAll("aaa", "aa", "b"), "ba");
}

TEST(Text, FixedWidthCountsCharactersAndNeverSplitsOne) {
    EXPECT_EQ(fixedWidth("abc", 5), "abc  ");
    EXPECT_EQ(fixedWidth("abcdef", 4), "abcd");
    // "é" is two bytes; width counts it once.
    EXPECT_EQ(fixedWidth("caf\xC3\xA9!", 4), "caf\xC3\xA9");
    EXPECT_EQ(fixedWidth("caf\xC3\xA9", 6), "caf\xC3\xA9  ");
    EXPECT_EQ(characterCount(fixedWidth(std::string(45, 'x'), 40)), 40u);
    EXPECT_EQ(characterCount("\xE2\x82\xAC\xF0\x9F\x98\x80"), 2u);
}

TEST(Text, DecodesUtf8AndFallsBackToWindows1252) {
    EXPECT_EQ(decodeText("Caf\xC3\xA9"), "Caf\xC3\xA9");
    EXPECT_EQ(decodeText("Caf\xE9"), "Caf\xC3\xA9");
    EXPECT_EQ(decodeText("\x80 \x93q\x94"), "\xE2\x82\xAC \xE2\x80\x9Cq\xE2\x80\x9D");
    EXPECT_EQ(decodeText("\xEF\xBB\xBFtext"), "text");
    // A stray byte among valid UTF-8 is decoded alone; the rest is kept.
    EXPECT_EQ(decodeText("\xC3\xA9 \xE9"), "\xC3\xA9 \xC3\xA9");
    EXPECT_FALSE(isValidUtf8("\xC0\xAF"));      // overlong
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));  // surrogate
}
