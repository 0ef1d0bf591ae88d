#include "core/publish/JsString.h"

#include "core/text/Numbers.h"

namespace tessaly::publish {

std::string escapeJsString(std::string_view text, char quote) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\' || c == quote) {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (byte < 0x20 || byte == 0x7F) {
            out += "\\u00";
            out += text::hexDigit(byte >> 4);
            out += text::hexDigit(byte);
        } else if (c == '<' && i + 1 < text.size() && text[i + 1] == '/') {
            out += "<\\";
        } else if (text.substr(i, 3) == "\xE2\x80\xA8" || text.substr(i, 3) == "\xE2\x80\xA9") {
            // Line separators end a string literal in older engines.
            out += text[i + 2] == '\xA8' ? "\\u2028" : "\\u2029";
            i += 2;
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace tessaly::publish
