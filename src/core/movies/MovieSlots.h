#pragma once

// The three movie slots as the window's rows hold them; slot 1 is the main
// movie. Defined here, below the model, so the movie checks need no project.

#include <array>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

#include "core/platform/Files.h"

namespace tessaly::movies {

class MovieSlots {
public:
    static constexpr std::size_t kCount = 3;

    MovieSlots() = default;
    MovieSlots(std::string main, std::string second = {}, std::string third = {})
        : texts_{std::move(main), std::move(second), std::move(third)} {}

    // A slot's text as it was typed or read; index 0 is slot 1.
    std::string& operator[](std::size_t slot) { return texts_[slot]; }
    const std::string& operator[](std::size_t slot) const { return texts_[slot]; }
    static constexpr std::size_t size() { return kCount; }
    auto begin() const { return texts_.begin(); }
    auto end() const { return texts_.end(); }

    // Slot 1's spaces around the name were never meant; slots 2 and 3 have
    // always been taken as written, so a project that relies on it keeps working.
    static constexpr bool isTrimmed(std::size_t slot) { return slot == 0; }
    // The file the slot names, empty when none.
    std::string path(std::size_t slot) const;
    std::string mainMovie() const { return path(0); }
    // That file made absolute and normal; an empty path for an empty slot.
    Result<std::filesystem::path> absolutePath(std::size_t slot) const;

    // Each slot naming a relative path is found from `folder` (a project's).
    // A slot that cannot be is left as written and its error is returned.
    Result<void> resolveFrom(const std::filesystem::path& folder);

    bool operator==(const MovieSlots&) const = default;

private:
    std::array<std::string, kCount> texts_;
};

}  // namespace tessaly::movies
