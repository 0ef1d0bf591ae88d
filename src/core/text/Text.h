#pragma once

// Text helpers shared by every file format and editor rule. Text is UTF-8 in
// std::string; widths are counted in characters (code points), never bytes.

#include <cstddef>
#include <string>
#include <string_view>

namespace tessaly::text {

// Removes spaces (only ' ') at both ends.
std::string trimSpaces(std::string_view s);
// The same, as a view of `s`.
std::string_view trimmedSpaces(std::string_view s);

// Removes spaces and NUL characters at both ends, the way fixed-width records
// are read back (an empty record holds NULs, a filled one trailing spaces).
std::string trimSpacesAndNul(std::string_view s);

// ASCII case folding; other bytes are left alone.
char upperAscii(char c);
char lowerAscii(char c);
std::string toUpperAscii(std::string_view s);
std::string toLowerAscii(std::string_view s);
// True when `a` and `b` differ at most in the case of ASCII letters.
bool equalsNoCase(std::string_view a, std::string_view b);

// A file name as a relative URL, for a page's links and the browser's address
// bar alike: letters, digits and "-._~!$()*+,;=@" stay; every other byte
// (space, "#", "%", "?", quotes, "&", ":", "\", control and non-ASCII bytes,
// and what URLs never carry raw) becomes "%XX".
std::string percentEncoded(std::string_view name);

// True when `s` ends with `suffix`, comparing ASCII letters without regard to case.
bool endsWithNoCase(std::string_view s, std::string_view suffix);

// A chosen file name trimmed of spaces, with `extension` (".html", ".hs5")
// appended unless it already ends so in any letter case. Empty when nothing
// but spaces was chosen.
std::string withExtension(std::string_view chosen, std::string_view extension);

// Replaces every occurrence of `from` (not empty) by `to`, in one left-to-right
// pass that does not look again at replaced text.
std::string replaceAll(std::string_view s, std::string_view from, std::string_view to);

// Number of characters (code points) in a UTF-8 text. A byte that does not
// start a valid sequence counts as one character.
std::size_t characterCount(std::string_view s);

// The first `count` characters of `s`, never splitting a character.
std::string_view firstCharacters(std::string_view s, std::size_t count);

// Cut to `width` characters, or filled up on the right with spaces to `width`.
std::string fixedWidth(std::string_view s, std::size_t width);

// Bytes as read from a file, to UTF-8: valid UTF-8 sequences are kept, every
// other byte is decoded as Windows-1252 (files written on the first platform).
// A UTF-8 byte order mark at the start is dropped.
std::string decodeText(std::string_view bytes);

// True when `s` is entirely valid UTF-8.
bool isValidUtf8(std::string_view s);

}  // namespace tessaly::text
