#pragma once

// The tag reading shared by the settings file and the project file. The reader
// is deliberately loose: a closing tag is taken for an opening one, and a tag's
// value runs from its first occurrence to its second, whatever lies between.

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory_resource>
#include <string>
#include <string_view>
#include <unordered_map>

namespace tessaly::model {

class TagText {
public:
    // `text` is the whole file content, already decoded to UTF-8. It is read
    // once here; each lookup then costs a search of the tags found.
    explicit TagText(std::string_view text);
    // The same, reading the text where it lies.
    explicit TagText(std::string&& text);
    explicit TagText(const char* text) : TagText(std::string_view(text)) {}
    // A copy reads its own text.
    TagText(const TagText& other);
    TagText& operator=(const TagText&) = delete;

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
    // Where a name's value lies in text_: after its first occurrence, up to
    // its second or the end of the text.
    struct Value {
        std::size_t start;
        std::size_t end;
    };

    // Finds the tags of text_, which already holds the file's text.
    void readTags();

    std::string text_;
    // The table's buckets and nodes come from room inside the object, enough
    // for a project's hundred tags, and only past it from blocks on the heap:
    // a file is read whole every time, and under the sanitizer each heap block
    // is filled and quarantined.
    alignas(std::max_align_t) std::array<std::byte, 8192> room_;
    std::pmr::monotonic_buffer_resource nodes_{room_.data(), room_.size()};
    // The names are views of text_.
    std::pmr::unordered_map<std::string_view, Value> tags_{&nodes_};
};

}  // namespace tessaly::model
