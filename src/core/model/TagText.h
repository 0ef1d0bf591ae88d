#pragma once

// The tag reading shared by the settings file and the project file. The reader
// is deliberately loose: a closing tag is taken for an opening one, and a tag's
// value runs from its first occurrence to its second, whatever lies between.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tessaly::model {

class TagText {
public:
    // `text` is the whole file content, already decoded to UTF-8. It is read
    // once here; each lookup then costs a search of the tags found.
    explicit TagText(std::string_view text);

    // The text between the first and the second "<name>", to the end of the
    // text when it occurs once, empty when it does not occur. Case-sensitive.
    std::string_view raw(std::string_view name) const;
    // Whether "<name>" (or "</name>") occurs at all.
    bool holds(std::string_view name) const;
    // The leading number of the raw value, 0 when there is none.
    double number(std::string_view name) const;
    // The leading number taken to the nearest integer, halves to even.
    std::int32_t integer(std::string_view name) const;

private:
    // Offsets into text_, so a copy reads the same.
    struct Tag {
        std::size_t nameStart;
        std::size_t nameSize;
        std::size_t valueStart;
        std::size_t valueEnd;  // the second occurrence, or the end of the text
    };
    std::string_view nameOf(const Tag& tag) const;
    // The entry for a name without angle brackets, null when it does not occur.
    const Tag* find(std::string_view name) const;

    std::string text_;
    std::vector<Tag> tags_;  // every distinct name, sorted by name
};

}  // namespace tessaly::model
