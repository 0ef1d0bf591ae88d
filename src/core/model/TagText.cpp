#include "core/model/TagText.h"

#include "core/text/Numbers.h"
#include "core/text/Text.h"

namespace tessaly::model {

// With "</" turned into "<", an opening and a closing tag look alike, so the
// closing tag ends the value as a second occurrence.
TagText::TagText(std::string_view text) : text_(text::replaceAll(text, "</", "<")) {}

std::string_view TagText::raw(std::string_view name) const {
    const std::string tag = "<" + std::string(name) + ">";
    const std::string_view all(text_);
    const std::size_t first = all.find(tag);
    if (first == std::string_view::npos) return {};
    const std::size_t start = first + tag.size();
    const std::size_t second = all.find(tag, start);
    return second == std::string_view::npos ? all.substr(start) : all.substr(start, second - start);
}

bool TagText::holds(std::string_view name) const {
    return text_.find("<" + std::string(name) + ">") != std::string::npos;
}

double TagText::number(std::string_view name) const { return text::leadingNumber(raw(name)); }

std::int32_t TagText::integer(std::string_view name) const { return text::roundHalfEven(number(name)); }

}  // namespace tessaly::model
