#include "core/movies/MovieSlots.h"

#include "core/text/Text.h"

namespace tessaly::movies {

std::string MovieSlots::path(std::size_t slot) const {
    return isTrimmed(slot) ? text::trimSpaces(texts_[slot]) : texts_[slot];
}

platform::AbsolutePath MovieSlots::absolutePath(std::size_t slot) const {
    const std::string file = path(slot);
    if (file.empty()) return {};
    return platform::absolutePath(file);
}

std::optional<platform::FileError> MovieSlots::resolveFrom(const std::filesystem::path& folder) {
    std::optional<platform::FileError> failed;
    for (std::size_t slot = 0; slot < kCount; ++slot) {
        const std::filesystem::path file = path(slot);
        if (file.empty() || !file.is_relative()) continue;
        platform::AbsolutePath found = platform::absolutePath(folder / file);
        if (found.error) {
            if (!failed) failed = std::move(found.error);
            continue;
        }
        texts_[slot] = found.path.string();
    }
    return failed;
}

}  // namespace tessaly::movies
