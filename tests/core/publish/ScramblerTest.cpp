#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "core/publish/Scrambler.h"

using namespace tessaly;
using namespace tessaly::publish;

namespace {

const std::string kBlankLines = [] {
    std::string s;
    for (int i = 0; i < 100; ++i) s += "\r\n";
    return s;
}();

const std::string kWhiteSpace = [] {
    std::string s;
    for (int i = 0; i < 2000; ++i) s += " \t";
    return s;
}();

// The statement between the two white-space runs.
std::string payloadOf(const std::string& file) {
    const std::size_t start = 774 + 200 + 4000;
    return file.substr(start, file.size() - start - 4000 - 200);
}

}  // namespace

TEST(Scrambler, CompactsLikeTheViewerExpects) {
    EXPECT_EQ(compactLine("   if (OS_FULL_SCREEN == 1){"), "if(OS_FULL_SCREEN==1){");
    EXPECT_EQ(compactLine("   var OS_VOLUME  = 0.50;"), "var OS_VOLUME =0.50;");
    EXPECT_EQ(compactLine("HotSpotItem_pos[0]   = 12.5;"), "HotSpotItem_pos[0] =12.5;");
    EXPECT_EQ(compactLine("   var OS_COLOR = '#FF0000';"), "var OS_COLOR='#FF0000';");
    EXPECT_EQ(compactLine("\t a \t\t b  "), "a b");
    EXPECT_EQ(compactLine(" \t \t "), "");
}

TEST(Scrambler, StringLiteralsKeepTheirSpaces) {
    EXPECT_EQ(compactLine(R"(HotSpotItem_title[0] = "A - B";)"), R"(HotSpotItem_title[0]="A - B";)");
    EXPECT_EQ(compactLine(R"(x = 'tour - room 2.html' + "a \" ( b" ;)"),
              R"(x='tour - room 2.html'+"a \" ( b";)");
    EXPECT_EQ(compactLine(R"(a = "\\" ; b = ' , ')"), R"(a="\\";b=' , ')");
    // An unfinished literal stays as it is to the end of the line.
    EXPECT_EQ(compactLine(R"(a = "x - )"), R"(a="x - )");
}

TEST(Scrambler, JoinsNonEmptyLinesWithOneSpace) {
    EXPECT_EQ(compactScript("a = 1;\r\n\r\n  \t\r\nb = 2;\r\n"), "a=1; b=2; ");
    EXPECT_EQ(compactScript("a\nb\rc"), "a b c ");
    EXPECT_EQ(compactScript(""), "");
}

TEST(Scrambler, HidesEscapePrefixes) {
    EXPECT_EQ(hideText("abc"),
              "\x05"
              "1\x05"
              "2\x05"
              "3");
    // Every prefix, and those without a marker.
    EXPECT_EQ(hideText("p` 0@P\x1B"),
              "\x08"
              "0\x05"
              "0\x07"
              "0\x01"
              "0\x02"
              "0\x03"
              "0%1B");
    EXPECT_EQ(hideText("~"),
              "\x08"
              "E");
}

TEST(Scrambler, NonAsciiBecomesUnicodeEscapes) {
    // é U+00E9, € U+20AC, 😀 U+1F600; the "%u" escapes keep their prefix.
    EXPECT_EQ(hideText("\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"), "%u00E9%u20AC%uD83D%uDE00");
    EXPECT_EQ(hideText("a\xC3\xA9"),
              "\x05"
              "1%u00E9");
    // A byte that is not UTF-8 is read as Windows-1252 (0x80 is the euro sign).
    EXPECT_EQ(hideText("\x80"), "%u20AC");
}

TEST(Scrambler, FileShape) {
    const std::string prelude(scramblePrelude());
    EXPECT_EQ(prelude.size(), 774u);
    EXPECT_EQ(prelude.rfind("function unknown(){\r\nvar f_st1 = 0.4;\r\n", 0), 0u);
    EXPECT_NE(prelude.find("\r\nvar s_icon1 = \"FNLS SFjF gwgweghrgggtt\";\r\n"), std::string::npos);
    EXPECT_NE(prelude.find("\r\n//resize " + std::string(45, '*') + "\r\n"), std::string::npos);
    EXPECT_EQ(prelude.substr(prelude.size() - 4), "\r\n};");

    const std::string empty = scrambleScriptText("");
    EXPECT_EQ(empty.size(), 9309u);
    const std::string file = scrambleScriptText("abc");
    EXPECT_EQ(file.size(), 9309u + 4 * 2);  // "abc " hides to a marker and a digit a character
    EXPECT_EQ(file.substr(0, 774), prelude);
    EXPECT_EQ(file.substr(774, 200), kBlankLines);
    EXPECT_EQ(file.substr(974, 4000), kWhiteSpace);
    EXPECT_EQ(file.substr(file.size() - 4200), kWhiteSpace + kBlankLines);
    EXPECT_EQ(payloadOf(file),
              "eval(unescape((\"\x05"
              "1\x05"
              "2\x05"
              "3\x07"
              "0\").replace(/\x08/g,\"%7\").replace(/\x05/g,\"%6\").replace(/\x03/g,\"%5\")"
              ".replace(/\x02/g,\"%4\").replace(/\x01/g,\"%3\").replace(/\x07/g,\"%2\")));");
}

TEST(Scrambler, RewritesFileInPlace) {
    const auto path =
        std::filesystem::temp_directory_path() / ("tessaly-scramble-" + std::to_string(::getpid()));
    ASSERT_TRUE(platform::writeFileAtomic(path, "var a = 1;\r\n").ok());
    ASSERT_TRUE(scrambleScript(path).ok());
    EXPECT_EQ(platform::readFile(path).value(), scrambleScriptText("var a = 1;\r\n"));
    std::filesystem::remove(path);

    // A file that cannot be read is not replaced by an empty script.
    const auto error = scrambleScript(path);
    ASSERT_TRUE(error.failed());
    EXPECT_NE(error.failure().message().find(path.string()), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(path));
}
