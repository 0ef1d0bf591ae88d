#include "core/movies/MovieSlots.h"

#include "core/text/Text.h"

namespace tessaly::movies {

std::string MovieSlots::path(std::size_t slot) const {
    return isTrimmed(slot) ? text::trimSpaces(texts_[slot]) : texts_[slot];
}

Result<std::filesystem::path> MovieSlots::absolutePath(std::size_t slot) const {
    const std::string file = path(slot);
    if (file.empty()) return std::filesystem::path();
    return platform::absolutePath(file);
}

Result<void> MovieSlots::resolveFrom(const std::filesystem::path& folder) {
    Result<void> first = success();
    for (std::size_t slot = 0; slot < kCount; ++slot) {
        const std::filesystem::path file = path(slot);
        if (file.empty() || !file.is_relative()) continue;
        Result<std::filesystem::path> found = platform::absolutePath(folder / file);
        if (found.failed()) {
            if (first.ok()) first = found.failure();
            continue;
        }
        texts_[slot] = found->string();
    }
    return first;
}

}  // namespace tessaly::movies
