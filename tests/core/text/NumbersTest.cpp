#include "core/text/Numbers.h"

#include <clocale>
#include <gtest/gtest.h>

using namespace tessaly::text;

TEST(Numbers, LeadingNumberRule) {
    struct Case {
        const char* raw;
        double value;
    };
    const Case cases[] = {
        {"", 0},         {"abc", 0},       {"12abc", 12},      {" \t\r\n7</X>", 7},
        {"2.5", 2.5},    {"-45.000", -45}, {".25", 0.25},      {"+3", 3},
        {"1e3x", 1000},  {"1e", 1},        {"1e+", 1},         {"-", 0},
        {".", 0},        {"5.", 5},        {"1.5E-1", 0.15},   {"0x10", 0},
        {"12 34", 12},   {"--1", 0},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(leadingNumber(c.raw), c.value) << c.raw;
}

TEST(Numbers, RoundsHalvesToEven) {
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(-0.5), 0);
    EXPECT_EQ(roundHalfEven(45.6), 46);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(1e300), 2147483647);
    EXPECT_EQ(roundHalfEven(-1e300), -2147483647 - 1);
}

TEST(Numbers, PlainForm) {
    EXPECT_EQ(formatPlain(12.5), "12.5");
    EXPECT_EQ(formatPlain(7), "7");
    EXPECT_EQ(formatPlain(0.25), ".25");
    EXPECT_EQ(formatPlain(-0.25), "-.25");
    EXPECT_EQ(formatPlain(0), "0");
    EXPECT_EQ(formatPlain(-0.0), "0");
    EXPECT_EQ(formatPlain(0.1 + 0.2), ".3");  // 15 significant digits
    EXPECT_EQ(formatPlain(123456.789), "123456.789");
    EXPECT_EQ(formatPlain(1e20), "1E+20");
}

TEST(Numbers, Masks) {
    EXPECT_EQ(formatMask(45, "#####.000"), "45.000");
    EXPECT_EQ(formatMask(-120, "#####.000"), "-120.000");
    EXPECT_EQ(formatMask(2.25, "#####.000"), "2.250");
    EXPECT_EQ(formatMask(0, "#####.000"), ".000");
    EXPECT_EQ(formatMask(0.5, "0.00"), "0.50");
    EXPECT_EQ(formatMask(1, "0.00"), "1.00");
    EXPECT_EQ(formatMask(0, "0.00"), "0.00");
    EXPECT_EQ(formatMask(0.02, "0.000"), "0.020");
    EXPECT_EQ(formatMask(-180, "####"), "-180");
    EXPECT_EQ(formatMask(0, "####"), "0");
    EXPECT_EQ(formatMask(45, "###"), "45");
    EXPECT_EQ(formatMask(12.25, "######.0"), "12.2");  // exact tie: even
    EXPECT_EQ(formatMask(12.75, "######.0"), "12.8");
    EXPECT_EQ(formatMask(0.5, "######.0"), ".5");
    EXPECT_EQ(formatMask(5, "###.0"), "5.0");
    EXPECT_EQ(formatMask(-0.0001, "0.00"), "0.00");
}

TEST(Numbers, IgnoreTheUserLocale) {
    const char* old = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = old ? old : "C";
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "no German locale here";
    EXPECT_EQ(formatMask(0.5, "0.00"), "0.50");
    EXPECT_DOUBLE_EQ(leadingNumber("2.5"), 2.5);
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(Numbers, Colours) {
    const std::uint32_t red = 0x0000FF;  // red in the low byte
    EXPECT_EQ(formatColorBgr(red), "0000FF");
    EXPECT_EQ(formatColorRgb(red), "FF0000");
    EXPECT_EQ(formatColorBgr(0), "000000");
    EXPECT_EQ(formatColorRgb(0xFF0000), "0000FF");  // pure blue
    EXPECT_EQ(readColor("0000FF"), red);
    EXPECT_EQ(readColor("FF"), red);
    EXPECT_EQ(readColor(""), 0u);
    EXPECT_EQ(readColor("ffffff</X>"), 0xFFFFFFu);
    EXPECT_EQ(readColor("12G4"), 0x12u);
}
