#include "core/publish/Scrambler.h"

#include <array>
#include <cstdint>
#include <vector>

#include "core/text/Numbers.h"
#include "core/text/Text.h"

namespace tessaly::publish {
namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr int kBlankLines = 100;
constexpr int kWhiteSpacePairs = 2000;

// Escape prefixes and the marker bytes that stand in for them, in the order
// the page undoes them.
struct Marker {
    char digit;
    char byte;
};
constexpr std::array<Marker, 6> kMarkers{{
    {'7', '\x08'},
    {'6', '\x05'},
    {'5', '\x03'},
    {'4', '\x02'},
    {'3', '\x01'},
    {'2', '\x07'},
}};

// The characters whose neighbouring spaces go, in the order they are handled.
constexpr std::string_view kTightCharacters = "=<>-+/*,;!(){}";

// A line as code characters and opaque string literals.
struct Unit {
    char c = 0;
    bool literal = false;
    std::string text;  // the whole literal, quotes included

    bool is(char ch) const { return !literal && c == ch; }
};

std::vector<Unit> splitLine(std::string_view line) {
    std::vector<Unit> units;
    for (std::size_t i = 0; i < line.size();) {
        const char c = line[i];
        if (c != '"' && c != '\'') {
            units.push_back(Unit{c, false, {}});
            ++i;
            continue;
        }
        // A literal runs to its closing quote, or to the end of an unfinished line.
        std::size_t end = i + 1;
        while (end < line.size() && line[end] != c) end += line[end] == '\\' ? 2 : 1;
        end = std::min(end + 1, line.size());
        units.push_back(Unit{c, true, std::string(line.substr(i, end - i))});
        i = end;
    }
    return units;
}

// One left-to-right pass: every `first` directly followed by `second` becomes
// the one of the two that is not a space.
void dropSpaces(std::vector<Unit>& units, char first, char second) {
    std::vector<Unit> out;
    out.reserve(units.size());
    for (std::size_t i = 0; i < units.size(); ++i) {
        if (i + 1 < units.size() && units[i].is(first) && units[i + 1].is(second)) {
            out.push_back(first == ' ' ? units[i + 1] : units[i]);
            ++i;
        } else {
            out.push_back(units[i]);
        }
    }
    units = std::move(out);
}

void appendCodePoint(std::string& out, std::uint32_t cp) {
    if (cp < 0x80) {
        out += '%';
        // Hide the prefix of "%2X".."%7X" behind its marker byte.
        const char high = text::hexDigit(cp >> 4);
        for (const Marker& m : kMarkers) {
            if (m.digit == high) {
                out.back() = m.byte;
                break;
            }
        }
        if (out.back() == '%') out += high;
        out += text::hexDigit(cp);
        return;
    }
    const auto unit = [&out](std::uint32_t u) {
        out += "%u";
        for (int shift = 12; shift >= 0; shift -= 4) out += text::hexDigit(u >> shift);
    };
    if (cp <= 0xFFFF) {
        unit(cp);
    } else {
        cp -= 0x10000;
        unit(0xD800 + (cp >> 10));
        unit(0xDC00 + (cp & 0x3FF));
    }
}

std::string payload(std::string_view hidden) {
    std::string p = "eval(unescape((\"";
    p += hidden;
    p += '"';
    for (std::size_t i = 0; i < kMarkers.size(); ++i) {
        p += i == 0 ? ").replace(/" : ".replace(/";
        p += kMarkers[i].byte;
        p += "/g,\"%";
        p += kMarkers[i].digit;
        p += "\")";
    }
    p += "));";
    return p;
}

std::string repeated(std::string_view piece, int count) {
    std::string out;
    out.reserve(piece.size() * static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) out += piece;
    return out;
}

}  // namespace

std::string_view scramblePrelude() {
    static const std::string prelude = [] {
        constexpr std::array<std::string_view, 32> kLines{
            "function unknown(){",
            "var f_st1 = 0.4;",
            "var f_st2 = 0.15;",
            "var f_st3 = 0.314759;",
            "var f_st4 = 0.002;",
            "var f_st5 = 0.83;",
            "var f_st6 = 0.557;",
            "var f_st7 = 0.5;",
            "var f_st8 = 0.99991;",
            "var f_st9 = 0.46012;",
            "var f_st0 = 0.370;",
            "",
            "var s_icon1 = \"FNLS SFjF gwgweghrgggtt\";",
            "var s_icon2 = \"FNLS Fgg hhxhkk332Bhdkd\";",
            "var s_icon3 = \"FNLS KtrseE jmmf keOY37\";",
            "var s_icon4 = \"FNLK 1665HfDWdlghfffggg\";",
            "",
            "f_st1 = f_st2 + f_st3/f_st5 + f_st1/f_st2;",
            "f_st2 = f_st3 + f_st5/f_st1 + f_st3/f_st2;",
            "f_st3 = f_st4 + f_st5/f_st2 + f_st4/f_st2;",
            "",
            "icon1 = icon2 + icon3;",
            "",
            "//resize *********************************************",
            "",
            "icon4 = icon1 + icon3;",
            "",
            "f_st7 = f_st3 + f_st3/f_st5 + f_st6/f_st1;",
            "f_st8 = f_st2 + f_st7/f_st2 + f_st3/f_st5;",
            "f_st9 = f_st1 + f_st7/f_st3 + f_st4/f_st1;",
            "",
            "};",
        };
        std::string text;
        for (std::size_t i = 0; i < kLines.size(); ++i) {
            if (i != 0) text += kCrLf;
            text += kLines[i];
        }
        return text;
    }();
    return prelude;
}

std::string compactLine(std::string_view line) {
    std::vector<Unit> units = splitLine(line);
    for (Unit& u : units) {
        if (u.is('\t')) u.c = ' ';
    }
    for (char c : kTightCharacters) {
        dropSpaces(units, ' ', c);
        dropSpaces(units, c, ' ');
    }
    std::string out;
    bool pendingSpace = false;
    for (const Unit& u : units) {
        if (u.is(' ')) {
            pendingSpace = !out.empty();
            continue;
        }
        if (pendingSpace) out += ' ';
        pendingSpace = false;
        if (u.literal) {
            out += u.text;
        } else {
            out += u.c;
        }
    }
    return out;
}

std::string compactScript(std::string_view script) {
    std::string out;
    std::size_t start = 0;
    while (start <= script.size()) {
        // Lines end with CR LF; a bare LF or CR ends one too.
        std::size_t end = script.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = script.size();
        const std::string line = compactLine(script.substr(start, end - start));
        if (!line.empty()) {
            out += line;
            out += ' ';
        }
        if (end == script.size()) break;
        start = end + (script.substr(end, 2) == kCrLf ? 2 : 1);
    }
    return out;
}

std::string hideText(std::string_view compacted) {
    const std::string utf8 = text::decodeText(compacted);
    std::string out;
    out.reserve(utf8.size() * 3);
    for (std::size_t i = 0; i < utf8.size();) {
        // decodeText leaves only valid UTF-8.
        const auto b0 = static_cast<unsigned char>(utf8[i]);
        const std::size_t len = b0 < 0x80 ? 1 : b0 < 0xE0 ? 2 : b0 < 0xF0 ? 3 : 4;
        std::uint32_t cp = len == 1 ? b0 : len == 2 ? (b0 & 0x1Fu) : len == 3 ? (b0 & 0x0Fu) : (b0 & 0x07u);
        for (std::size_t j = 1; j < len && i + j < utf8.size(); ++j) {
            cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + j]) & 0x3Fu);
        }
        appendCodePoint(out, cp);
        i += len;
    }
    return out;
}

std::string scrambleScriptText(std::string_view script) {
    const std::string blankLines = repeated(kCrLf, kBlankLines);
    const std::string whiteSpace = repeated(" \t", kWhiteSpacePairs);
    std::string out(scramblePrelude());
    out += blankLines;
    out += whiteSpace;
    out += payload(hideText(compactScript(script)));
    out += whiteSpace;
    out += blankLines;
    return out;
}

Result<void> scrambleScript(const std::filesystem::path& file) {
    const Result<std::string> read = platform::readFile(file);
    if (read.failed()) return read.failure();
    return platform::writeFileAtomic(file, scrambleScriptText(read.value()));
}

}  // namespace tessaly::publish
