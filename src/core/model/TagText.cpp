#include "core/model/TagText.h"

#include <algorithm>
#include <unordered_map>

#include "core/text/Numbers.h"
#include "core/text/Text.h"

namespace tessaly::model {
namespace {

// A name holding an angle bracket cannot be told from the tags around it, so
// it is searched in the text as it stands.
bool plainName(std::string_view name) { return name.find_first_of("<>") == std::string_view::npos; }

}  // namespace

// With "</" turned into "<", an opening and a closing tag look alike, so the
// closing tag ends the value as a second occurrence. Each "<" opens at most one
// plain name (up to the next ">" with no "<" before it), so one pass finds the
// first two occurrences of every name.
TagText::TagText(std::string_view text) : text_(text::replaceAll(text, "</", "<")) {
    constexpr std::size_t kUnseen = std::string::npos;
    const std::string_view all(text_);
    std::unordered_map<std::string_view, std::size_t> seen;
    for (std::size_t open = all.find('<'); open != std::string_view::npos;) {
        const std::size_t close = all.find_first_of("<>", open + 1);
        if (close == std::string_view::npos) break;
        if (all[close] == '<') {
            open = close;
            continue;
        }
        const std::string_view name = all.substr(open + 1, close - open - 1);
        const auto [at, added] = seen.try_emplace(name, tags_.size());
        if (added) {
            tags_.push_back(Tag{open + 1, name.size(), close + 1, kUnseen});
        } else if (tags_[at->second].valueEnd == kUnseen) {
            tags_[at->second].valueEnd = open;
        }
        open = all.find('<', close + 1);
    }
    for (Tag& tag : tags_) {
        if (tag.valueEnd == kUnseen) tag.valueEnd = all.size();
    }
    std::sort(tags_.begin(), tags_.end(), [&](const Tag& a, const Tag& b) { return nameOf(a) < nameOf(b); });
}

std::string_view TagText::nameOf(const Tag& tag) const {
    return std::string_view(text_).substr(tag.nameStart, tag.nameSize);
}

const TagText::Tag* TagText::find(std::string_view name) const {
    const auto at = std::lower_bound(tags_.begin(), tags_.end(), name,
                                     [&](const Tag& tag, std::string_view n) { return nameOf(tag) < n; });
    return at != tags_.end() && nameOf(*at) == name ? &*at : nullptr;
}

std::string_view TagText::raw(std::string_view name) const {
    const std::string_view all(text_);
    if (plainName(name)) {
        const Tag* tag = find(name);
        return tag ? all.substr(tag->valueStart, tag->valueEnd - tag->valueStart) : std::string_view{};
    }
    const std::string tag = "<" + std::string(name) + ">";
    const std::size_t first = all.find(tag);
    if (first == std::string_view::npos) return {};
    const std::size_t start = first + tag.size();
    const std::size_t second = all.find(tag, start);
    return second == std::string_view::npos ? all.substr(start) : all.substr(start, second - start);
}

bool TagText::holds(std::string_view name) const {
    if (plainName(name)) return find(name) != nullptr;
    return text_.find("<" + std::string(name) + ">") != std::string::npos;
}

double TagText::number(std::string_view name) const { return text::leadingNumber(raw(name)); }

std::int32_t TagText::integer(std::string_view name) const { return text::roundHalfEven(number(name)); }

}  // namespace tessaly::model
