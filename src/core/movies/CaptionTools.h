#pragma once

// What core asks of the movie library about caption files: turn the text of
// one into WebVTT. The library reads and writes it; core finds the files,
// reads them from disk and words what goes wrong.

#include <string>
#include <string_view>

namespace tessaly::movies {

enum class CaptionFormat { WebVtt, SubRip };

struct [[nodiscard]] CaptionConversion {
    std::string webVtt;  // the whole file; empty when it could not be read
    int cues = 0;
    double end = 0;     // seconds: where the last cue ends
    std::string error;  // the library's words; empty when it read the file
    int line = 0;       // the line reading stopped at, when the library says where; else 0
};

class CaptionTools {
public:
    virtual ~CaptionTools() = default;
    // `text` is UTF-8 (or carries a UTF-16 byte order mark).
    virtual CaptionConversion toWebVtt(std::string_view text, CaptionFormat format) = 0;
};

}  // namespace tessaly::movies
