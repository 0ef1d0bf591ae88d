// The settings file as it may be found beside the program: any bytes, read as
// the window reads them at start. What is read must save as settings that read
// back to the same text.
//
// The bytes are read from memory: loadSettings only adds the file's reading
// (readFile), which does the same whatever the bytes are, and costs more
// system calls than the reader takes to run (FilesTest and SettingsFileTest
// try it).

#include <cstdlib>
#include <string>
#include <string_view>

#include "core/model/SettingsFile.h"
#include "core/text/Text.h"

using namespace tessaly;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Both settings start from the same values as new ones would, by
    // assignment, and each saved text is made in the same string every time:
    // the strings keep their room from one input to the next instead of being
    // made afresh, which under the sanitizer (filled, quarantined, then fresh
    // pages) cost more than the saving itself.
    static const model::ViewerSettings start;
    static model::ViewerSettings settings;
    static model::ViewerSettings again;
    static std::string saved;
    static std::string savedAgain;
    settings = start;
    again = start;
    model::readSettings(std::string_view(reinterpret_cast<const char*>(data), size), settings, "/home/ana");

    saved.clear();
    model::appendSettingsText(saved, settings);
    if (!text::isValidUtf8(saved)) std::abort();
    model::readSettings(saved, again, "/home/ana");
    // A value holding a tag's text (read from a damaged file) cannot come back
    // as it was: the format has no escapes. Every other value does.
    // (Counted by the library's search: a count byte by byte would feed the
    // fuzzer this check's comparisons as if they were the reader's.)
    const auto tagMarks = [](std::string_view text) {
        std::size_t marks = 0;
        for (std::size_t at = text.find('<'); at != std::string_view::npos; at = text.find('<', at + 1))
            ++marks;
        return marks;
    };
    static const std::size_t defaultMarks = tagMarks(model::settingsText({}));
    if (tagMarks(saved) == defaultMarks) {
        savedAgain.clear();
        model::appendSettingsText(savedAgain, again);
        if (savedAgain != saved) std::abort();
    }
    return 0;
}
