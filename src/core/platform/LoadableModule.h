#pragma once

// Code loaded at run time from a shared library of its own, in one place: the
// programs keep a library that drags in many others (FFmpeg's) off their start
// and open it when it is first needed.

#include <filesystem>
#include <string>

namespace tessaly::platform {

struct [[nodiscard]] ModuleSymbol {
    void* address = nullptr;  // null when the module or the symbol could not be had
    std::string error;        // the loader's reason, without the module's path in front
};

// Loads the module `file` with everything it needs, and looks up `name` in it.
// The module stays loaded until the process ends: what it made may be in use
// anywhere, so nothing would be safe to unload.
ModuleSymbol loadModuleSymbol(const std::filesystem::path& file, const char* name);

}  // namespace tessaly::platform
