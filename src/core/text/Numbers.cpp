#include "core/text/Numbers.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace tessaly::text {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

char hexDigit(unsigned value) { return "0123456789ABCDEF"[value & 0xFu]; }

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

double leadingNumber(std::string_view raw) {
    std::size_t i = 0;
    while (i < raw.size() && (raw[i] == ' ' || raw[i] == '\t' || raw[i] == '\r' || raw[i] == '\n')) ++i;

    bool negative = false;
    if (i < raw.size() && (raw[i] == '+' || raw[i] == '-')) {
        negative = raw[i] == '-';
        ++i;
    }
    // Rebuild the number in the one form from_chars takes everywhere:
    // "0" before a bare point, no sign, no dangling exponent.
    std::string number = "0";
    bool anyDigit = false;
    while (i < raw.size() && isDigit(raw[i])) {
        number += raw[i++];
        anyDigit = true;
    }
    if (i < raw.size() && raw[i] == '.') {
        number += '.';
        ++i;
        while (i < raw.size() && isDigit(raw[i])) {
            number += raw[i++];
            anyDigit = true;
        }
    }
    if (!anyDigit) return 0.0;
    if (i < raw.size() && (raw[i] == 'e' || raw[i] == 'E')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < raw.size() && (raw[j] == '+' || raw[j] == '-')) exponent += raw[j++];
        if (j < raw.size() && isDigit(raw[j])) {
            while (j < raw.size() && isDigit(raw[j])) exponent += raw[j++];
            number += exponent;
        }
    }

    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Too large gives infinity; too small a denormal-free zero.
        const std::size_t e = number.find('e');
        const bool tiny = e != std::string::npos && number[e + 1] == '-';
        value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
    }
    return negative ? -value : value;
}

std::int32_t roundHalfEven(double value) {
    if (std::isnan(value)) return 0;
    const double r = std::nearbyint(value);
    if (r >= static_cast<double>(std::numeric_limits<std::int32_t>::max())) {
        return std::numeric_limits<std::int32_t>::max();
    }
    if (r <= static_cast<double>(std::numeric_limits<std::int32_t>::min())) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(r);
}

std::string formatInteger(long long value) {
    std::array<char, 24> buf{};
    const auto result = std::to_chars(buf.data(), buf.data() + buf.size(), value);
    return std::string(buf.data(), result.ptr);
}

std::string formatPlain(double value) {
    if (!std::isfinite(value) || value == 0.0) return "0";
    std::array<char, 40> buf{};
    const auto result =
        std::to_chars(buf.data(), buf.data() + buf.size(), value, std::chars_format::general, 15);
    std::string out(buf.data(), result.ptr);
    for (char& c : out) {
        if (c == 'e') c = 'E';
    }
    if (out.rfind("0.", 0) == 0) {
        out.erase(0, 1);
    } else if (out.rfind("-0.", 0) == 0) {
        out.erase(1, 1);
    }
    return out;
}

std::string formatMask(double value, std::string_view mask) {
    const std::size_t point = mask.find('.');
    const std::string_view integerMask = mask.substr(0, point);
    const int decimals = point == std::string_view::npos ? 0 : static_cast<int>(mask.size() - point - 1);
    std::size_t minIntegerDigits = 0;
    for (char c : integerMask) {
        if (c == '0') ++minIntegerDigits;
    }
    if (!std::isfinite(value)) value = 0.0;

    std::array<char, 400> buf{};
    const auto result = std::to_chars(buf.data(), buf.data() + buf.size(), std::fabs(value),
                                      std::chars_format::fixed, decimals);
    const std::string digits(buf.data(), result.ptr);
    const std::size_t dot = digits.find('.');
    std::string integerPart = digits.substr(0, dot);
    const std::string fraction = dot == std::string::npos ? std::string() : digits.substr(dot);

    if (integerPart == "0" && minIntegerDigits == 0 && decimals > 0) integerPart.clear();
    if (integerPart.size() < minIntegerDigits) {
        integerPart.insert(0, minIntegerDigits - integerPart.size(), '0');
    }
    bool zero = true;
    for (char c : digits) {
        if (c >= '1' && c <= '9') zero = false;
    }
    const std::string sign = (value < 0 && !zero) ? "-" : "";
    return sign + integerPart + fraction;
}

std::string formatColorBgr(std::uint32_t color) {
    std::string out(6, '0');
    const std::uint32_t v = color & 0xFFFFFFu;
    for (int i = 0; i < 6; ++i) out[5 - i] = hexDigit(v >> (4 * i));
    return out;
}

std::string formatColorRgb(std::uint32_t color) {
    const std::uint32_t red = color & 0xFFu;
    const std::uint32_t green = (color >> 8) & 0xFFu;
    const std::uint32_t blue = (color >> 16) & 0xFFu;
    return formatColorBgr((red << 16) | (green << 8) | blue);
}

std::uint32_t readColor(std::string_view raw) {
    std::uint32_t value = 0;
    for (char c : raw) {
        const int digit = hexValue(c);
        if (digit < 0) break;
        value = (value << 4) | static_cast<std::uint32_t>(digit);
    }
    return value;
}

}  // namespace tessaly::text
