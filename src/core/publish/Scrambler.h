#pragma once

// The scrambled script form: the script compacted, percent-escaped, its escape
// prefixes hidden behind control bytes and wrapped in eval(unescape(...)),
// between a decoy function and long runs of blank lines and white space. A
// browser runs it with the same effect as the plain script.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/platform/Files.h"

namespace tessaly::publish {

// The uncalled decoy function that opens every scrambled script (774 bytes,
// no line end after its last line).
std::string_view scramblePrelude();

// One line with its white space compacted. The contents of string literals
// are left as they are.
std::string compactLine(std::string_view line);

// The compacted, non-empty lines of `script`, each followed by one space.
std::string compactScript(std::string_view script);

// Percent escapes of the compacted text with the prefixes "%7".."%2" hidden
// behind marker bytes. ASCII is "%XX"; other characters (UTF-8, with invalid
// bytes read as Windows-1252) are "%uXXXX", surrogate pairs beyond U+FFFF.
std::string hideText(std::string_view compacted);

// The whole scrambled file for a plain script.
std::string scrambleScriptText(std::string_view script);

// Rewrites `file` in place, atomically. A file that cannot be read is left
// as it is and the error returned.
Result<void> scrambleScript(const std::filesystem::path& file);

}  // namespace tessaly::publish
