#pragma once

// Text placed inside a JavaScript string literal: whatever the person typed
// must come back as the same string and never end the literal or the script.

#include <string>
#include <string_view>

namespace tessaly::publish {

// The contents of a string literal enclosed in `quote` (' or "): backslash and
// that quote are escaped, control characters and U+2028/U+2029 are written as
// \uXXXX escapes, and "</" as "<\/" so it cannot close a script element. Any
// other text, UTF-8 included, is kept as it is.
std::string escapeJsString(std::string_view text, char quote);

}  // namespace tessaly::publish
