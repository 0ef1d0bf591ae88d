#include <dlfcn.h>

#include <string_view>

#include "core/platform/LoadableModule.h"

namespace tessaly::platform {
namespace {

// The loader words its errors "FILE: reason"; callers name the file themselves.
std::string loaderError(const std::filesystem::path& file) {
    const char* text = ::dlerror();
    std::string_view reason = text != nullptr ? text : "unknown error";
    const std::string prefix = file.string() + ": ";
    if (reason.starts_with(prefix)) reason.remove_prefix(prefix.size());
    return std::string(reason);
}

}  // namespace

ModuleSymbol loadModuleSymbol(const std::filesystem::path& file, const char* name) {
    ModuleSymbol found;
    // Every symbol bound now: a module that does not fit fails here, not in
    // the middle of some later call.
    void* module = ::dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
    if (module == nullptr) {
        found.error = loaderError(file);
        return found;
    }
    ::dlerror();
    found.address = ::dlsym(module, name);
    if (found.address == nullptr) found.error = loaderError(file);
    return found;
}

}  // namespace tessaly::platform
