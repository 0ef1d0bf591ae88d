// The settings file as it may be found beside the program: any bytes, read as
// the window reads them at start. What is read must save as settings that read
// back to the same text.

#include <algorithm>
#include <cstdlib>
#include <string_view>

#include "FuzzInput.h"
#include "core/model/SettingsFile.h"
#include "core/text/Text.h"

using namespace tessaly;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzz::MemoryFile file("publisher.ini");
    file.hold(data, size);
    model::ViewerSettings settings;
    if (model::loadSettings(file.path(), settings, "/home/ana")) return 0;

    const std::string saved = model::settingsText(settings);
    if (!text::isValidUtf8(saved)) std::abort();
    // Read back from memory, as loadSettings reads what it found in the file
    // (tried above).
    model::ViewerSettings again;
    model::applySettings(model::TagText(text::decodeText(saved)), again, "/home/ana");
    // A value holding a tag's text (read from a damaged file) cannot come back
    // as it was: the format has no escapes. Every other value does.
    const auto tagMarks = [](std::string_view text) { return std::count(text.begin(), text.end(), '<'); };
    if (tagMarks(saved) == tagMarks(model::settingsText({})) && model::settingsText(again) != saved)
        std::abort();
    return 0;
}
