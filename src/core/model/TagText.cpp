#include "core/model/TagText.h"

#include <algorithm>

#include "core/text/Numbers.h"
#include "core/text/Text.h"

namespace tessaly::model {
namespace {

// A name holding an angle bracket cannot be told from the tags around it, so
// it is searched in the text as it stands.
bool plainName(std::string_view name) {
    return name.find('<') == std::string_view::npos && name.find('>') == std::string_view::npos;
}

// The next "</" from `from`, or the text's size: a search for "<" and a look
// at the byte after it.
std::size_t nextClosingTag(std::string_view text, std::size_t from) {
    for (std::size_t at = text.find('<', from); at != std::string_view::npos; at = text.find('<', at + 1)) {
        if (at + 1 < text.size() && text[at + 1] == '/') return at;
    }
    return text.size();
}

// Every "</" becomes "<", in place: the text only shrinks.
void closingTagsAsOpening(std::string& text) {
    std::size_t to = nextClosingTag(text, 0);
    for (std::size_t from = to; from < text.size();) {
        from += 2;
        text[to++] = '<';
        const std::size_t next = nextClosingTag(text, from);
        std::copy(text.begin() + static_cast<std::ptrdiff_t>(from),
                  text.begin() + static_cast<std::ptrdiff_t>(next),
                  text.begin() + static_cast<std::ptrdiff_t>(to));
        to += next - from;
        from = next;
    }
    text.resize(to);
}

}  // namespace

TagText::TagText(std::string_view text) : text_(text) { readTags(); }

TagText::TagText(std::string&& text) : text_(std::move(text)) { readTags(); }

// With "</" turned into "<", an opening and a closing tag look alike, so the
// closing tag ends the value as a second occurrence. Each "<" opens at most one
// plain name (up to the next ">" with no "<" before it), so one pass finds the
// first two occurrences of every name.
void TagText::readTags() {
    closingTagsAsOpening(text_);
    // Room for a project's hundred names without growing on the way.
    tags_.reserve(128);
    constexpr std::size_t kUnseen = std::string::npos;
    const std::string_view all(text_);
    // The next "<" and ">" are each looked for once from where the last was
    // found (the library's search, not a walk byte by byte), so the pass stays
    // linear however the brackets are nested.
    std::size_t close = all.find('>');
    for (std::size_t open = all.find('<'); open != std::string_view::npos;) {
        if (close != std::string_view::npos && close < open) close = all.find('>', open + 1);
        if (close == std::string_view::npos) break;
        const std::size_t next = all.find('<', open + 1);
        if (next < close) {
            open = next;
            continue;
        }
        const std::string_view name = all.substr(open + 1, close - open - 1);
        if (const auto [at, first] = tags_.try_emplace(name, Value{close + 1, kUnseen});
            !first && at->second.end == kUnseen) {
            at->second.end = open;
        }
        open = next;
    }
    for (auto& [name, value] : tags_) {
        if (value.end == kUnseen) value.end = all.size();
    }
}

TagText::TagText(const TagText& other) : text_(other.text_) {
    tags_.reserve(other.tags_.size());
    for (const auto& [name, value] : other.tags_) {
        const auto at = static_cast<std::size_t>(name.data() - other.text_.data());
        tags_.emplace(std::string_view(text_).substr(at, name.size()), value);
    }
}

std::string_view TagText::raw(std::string_view name) const {
    const std::string_view all(text_);
    if (plainName(name)) {
        const auto at = tags_.find(name);
        return at == tags_.end() ? std::string_view{}
                                 : all.substr(at->second.start, at->second.end - at->second.start);
    }
    const std::string tag = "<" + std::string(name) + ">";
    const std::size_t first = all.find(tag);
    if (first == std::string_view::npos) return {};
    const std::size_t start = first + tag.size();
    const std::size_t second = all.find(tag, start);
    return second == std::string_view::npos ? all.substr(start) : all.substr(start, second - start);
}

bool TagText::holds(std::string_view name) const {
    if (plainName(name)) return tags_.contains(name);
    return text_.find("<" + std::string(name) + ">") != std::string::npos;
}

double TagText::number(std::string_view name) const { return text::leadingNumber(raw(name)); }

std::int32_t TagText::integer(std::string_view name) const { return text::roundHalfEven(number(name)); }

}  // namespace tessaly::model
