#pragma once

// Create redirect page: the selector's one command, apart from its window so a
// test can drive it with fake prompts.

#include <filesystem>
#include <string>
#include <string_view>

#include "core/Prompts.h"

namespace tessaly::selector {

class RedirectCommand {
public:
    // `saveFolder`: where the first save dialog opens.
    RedirectCommand(Prompts& prompts, std::filesystem::path saveFolder)
        : prompts_(prompts), saveFolder_(std::move(saveFolder)) {}

    // Checks both paths, asks for the file, writes the page and says how it went.
    void create(std::string_view html5Path, std::string_view flashPath);

    // The folder of the last file chosen.
    const std::filesystem::path& saveFolder() const { return saveFolder_; }

private:
    Prompts& prompts_;
    std::filesystem::path saveFolder_;
};

}  // namespace tessaly::selector
