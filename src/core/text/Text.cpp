#include "core/text/Text.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#include "core/text/Numbers.h"

namespace tessaly::text {
namespace {

// Texts are walked eight bytes at a time where they can be: a byte-by-byte walk
// is what costs when the readers run under the fuzzer's instrumentation, and
// files are mostly ASCII, and Hot Spot fields mostly padding.
constexpr std::uint64_t kEveryByte = 0x0101010101010101u;

std::uint64_t word(const char* at) {
    std::uint64_t w;
    std::memcpy(&w, at, sizeof w);
    return w;
}

// Bytes from `from` on before the first that is not ASCII.
std::size_t asciiRun(std::string_view s, std::size_t from) {
    std::size_t i = from;
    while (i + 32 <= s.size() &&
           ((word(&s[i]) | word(&s[i + 8]) | word(&s[i + 16]) | word(&s[i + 24])) & (kEveryByte * 0x80)) == 0)
        i += 32;
    while (i + 8 <= s.size() && (word(&s[i]) & (kEveryByte * 0x80)) == 0) i += 8;
    while (i < s.size() && static_cast<unsigned char>(s[i]) < 0x80) ++i;
    return i - from;
}

// Spaces, or spaces and NULs: eight bytes are all stripped when each is 0x20
// (with NULs, when no bit but 0x20's is set in any).
struct Strip {
    bool nul;
    bool operator()(char c) const { return c == ' ' || (nul && c == '\0'); }
    bool all(std::uint64_t w) const { return nul ? (w & ~(kEveryByte * 0x20)) == 0 : w == kEveryByte * 0x20; }
};

std::string_view trimWith(std::string_view s, Strip strip) {
    std::size_t begin = 0;
    std::size_t end = s.size();
    while (begin + 8 <= end && strip.all(word(&s[begin]))) begin += 8;
    while (begin < end && strip(s[begin])) ++begin;
    while (end >= begin + 8 && strip.all(word(&s[end - 8]))) end -= 8;
    while (end > begin && strip(s[end - 1])) --end;
    return s.substr(begin, end - begin);
}

// Length of the valid UTF-8 sequence starting at s[i], or 0 when the byte there
// does not start one (overlong forms, surrogates and values past U+10FFFF are invalid).
std::size_t utf8SequenceLength(std::string_view s, std::size_t i) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(s.data());
    const auto byte = [bytes](std::size_t k) { return bytes[k]; };
    const unsigned char b0 = byte(i);
    if (b0 < 0x80) return 1;
    std::size_t len = 0;
    std::uint32_t cp = 0;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        len = 2;
        cp = b0 & 0x1Fu;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        len = 3;
        cp = b0 & 0x0Fu;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        len = 4;
        cp = b0 & 0x07u;
    } else {
        return 0;
    }
    if (i + len > s.size()) return 0;
    for (std::size_t k = 1; k < len; ++k) {
        const unsigned char b = byte(i + k);
        if ((b & 0xC0u) != 0x80u) return 0;
        cp = (cp << 6) | (b & 0x3Fu);
    }
    if ((len == 3 && cp < 0x800) || (len == 4 && cp < 0x10000) || cp > 0x10FFFF ||
        (cp >= 0xD800 && cp <= 0xDFFF)) {
        return 0;
    }
    return len;
}

// Windows-1252 bytes 0x80..0x9F; the five unassigned ones map to the C1
// control of the same value, as the system's own conversion does.
constexpr std::array<std::uint16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

std::string trimSpaces(std::string_view s) { return std::string(trimWith(s, Strip{false})); }

std::string_view trimmedSpaces(std::string_view s) { return trimWith(s, Strip{false}); }

std::string trimSpacesAndNul(std::string_view s) { return std::string(trimWith(s, Strip{true})); }

std::string toUpperAscii(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = upperAscii(c);
    return out;
}

char upperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool equalsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

std::string percentEncoded(std::string_view name) {
    static constexpr std::string_view kKept = "-._~!$()*+,;=@";
    std::string out;
    out.reserve(name.size());
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        const bool kept = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
                          (byte >= '0' && byte <= '9') || kKept.find(c) != std::string_view::npos;
        if (kept) {
            out += c;
        } else {
            out += '%';
            out += hexDigit(byte >> 4);
            out += hexDigit(byte);
        }
    }
    return out;
}

std::string toLowerAscii(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = lowerAscii(c);
    return out;
}

bool endsWithNoCase(std::string_view s, std::string_view suffix) {
    if (suffix.size() > s.size()) return false;
    const std::string_view tail = s.substr(s.size() - suffix.size());
    for (std::size_t i = 0; i < suffix.size(); ++i) {
        if (lowerAscii(tail[i]) != lowerAscii(suffix[i])) return false;
    }
    return true;
}

std::string withExtension(std::string_view chosen, std::string_view extension) {
    std::string name = trimSpaces(chosen);
    if (!name.empty() && !endsWithNoCase(name, extension)) name += extension;
    return name;
}

std::string replaceAll(std::string_view s, std::string_view from, std::string_view to) {
    std::string out;
    out.reserve(s.size());
    std::size_t start = 0;
    while (true) {
        const std::size_t hit = s.find(from, start);
        if (hit == std::string_view::npos || from.empty()) break;
        out.append(s.substr(start, hit - start));
        out.append(to);
        start = hit + from.size();
    }
    out.append(s.substr(start));
    return out;
}

std::size_t characterCount(std::string_view s) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < s.size(); ++count) {
        const std::size_t ascii = asciiRun(s, i);
        if (ascii > 1) {
            // The last of the run is counted as the loop's character.
            count += ascii - 1;
            i += ascii;
            continue;
        }
        const std::size_t len = utf8SequenceLength(s, i);
        i += len == 0 ? 1 : len;
    }
    return count;
}

std::string_view firstCharacters(std::string_view s, std::size_t count) {
    std::size_t i = 0;
    for (std::size_t n = 0; n < count && i < s.size();) {
        const std::size_t ascii = std::min(asciiRun(s, i), count - n);
        if (ascii > 0) {
            n += ascii;
            i += ascii;
            continue;
        }
        const std::size_t len = utf8SequenceLength(s, i);
        i += len == 0 ? 1 : len;
        ++n;
    }
    return s.substr(0, i);
}

std::string fixedWidth(std::string_view s, std::size_t width) {
    const std::string_view kept = firstCharacters(s, width);
    const std::size_t pad = width - std::min(width, characterCount(kept));
    std::string out;
    out.reserve(kept.size() + pad);
    out.append(kept).append(pad, ' ');
    return out;
}

namespace {

// Bytes from the start that are valid UTF-8.
std::size_t validUtf8Prefix(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        i += asciiRun(s, i);
        if (i == s.size()) break;
        const std::size_t len = utf8SequenceLength(s, i);
        if (len == 0) break;
        i += len;
    }
    return i;
}

}  // namespace

bool isValidUtf8(std::string_view s) { return validUtf8Prefix(s) == s.size(); }

std::string decodeText(std::string_view bytes) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    const std::size_t valid = validUtf8Prefix(bytes);
    if (valid == bytes.size()) return std::string(bytes);
    // Written in place: a Windows-1252 byte takes at most three in UTF-8.
    std::string out(valid + (bytes.size() - valid) * 3, '\0');
    const auto* from = reinterpret_cast<const unsigned char*>(bytes.data());
    char* to = out.data();
    std::memcpy(to, from, valid);
    to += valid;
    for (std::size_t i = valid; i < bytes.size();) {
        const unsigned char b = from[i];
        std::size_t len = b < 0x80 ? asciiRun(bytes, i) : utf8SequenceLength(bytes, i);
        if (len != 0) {
            std::memcpy(to, from + i, len);
            to += len;
            i += len;
            continue;
        }
        const std::uint32_t cp = b <= 0x9F ? kCp1252High[b - 0x80] : b;
        if (cp < 0x800) {
            *to++ = static_cast<char>(0xC0 | (cp >> 6));
        } else {
            *to++ = static_cast<char>(0xE0 | (cp >> 12));
            *to++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        }
        *to++ = static_cast<char>(0x80 | (cp & 0x3F));
        ++i;
    }
    out.resize(static_cast<std::size_t>(to - out.data()));
    return out;
}

}  // namespace tessaly::text
