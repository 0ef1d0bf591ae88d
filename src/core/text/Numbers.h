#pragma once

// Locale-independent number reading and writing for every file Tessaly reads
// or writes, built on std::from_chars / std::to_chars: a comma-decimal user
// locale never changes a file.

#include <cstdint>
#include <string>
#include <string_view>

namespace tessaly::text {

// The leading number of a raw text value: spaces, tabs, CR and LF are skipped,
// then an optional sign, digits, an optional decimal point with digits and an
// optional exponent are taken; anything after them is ignored. An empty or
// non-numeric text gives 0.
double leadingNumber(std::string_view raw);

// Round to the nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
// Values beyond the 32-bit range are clamped.
std::int32_t roundHalfEven(double value);

// Decimal integer without spaces, "-" only for negative values.
std::string formatInteger(long long value);

// The plain number form: up to 15 significant digits, no "0" before the point
// for magnitudes below 1 (".5", "-.25"), no trailing zeros or trailing point
// ("5", "12.5"), "0" for zero. Magnitudes needing more than 15 digits use an
// exponent ("1E+20").
std::string formatPlain(double value);

// A numeric mask such as "#####.000", "0.00", "###" or "######.0": the digits
// after the point fix the number of decimals (rounded to nearest, halves to
// even); "0" in the integer part forces at least that many integer digits,
// "#" shows no zero there (so 0 under "#####.000" is ".000"). An integer-only
// mask of "#" shows "0" for zero, so the number never vanishes.
std::string formatMask(double value, std::string_view mask);

// The upper-case hex digit of the low four bits of `value`.
char hexDigit(unsigned value);
// The value of a hex digit in either case; -1 for any other character.
int hexValue(char c);

// Colours are 32-bit values 0x00BBGGRR (red in the low byte).
// Six upper-case hex digits of the value: blue, green, red ("0000FF" is red).
std::string formatColorBgr(std::uint32_t color);
// Six upper-case hex digits in web order: red, green, blue ("FF0000" is red).
std::string formatColorRgb(std::uint32_t color);
// Reads a stored colour the way "&h00" followed by the raw value reads as a
// hexadecimal number: hex digits are taken until the first other character;
// an empty value gives 0.
std::uint32_t readColor(std::string_view raw);

}  // namespace tessaly::text
