#pragma once

// Caption files the person chose for the main movie, whatever their names.
// The project keeps them; each stands in for the file found beside the movie
// for its language.

#include <cstddef>
#include <string>
#include <vector>

namespace tessaly::movies {

struct ChosenCaption {
    std::string path;      // as the project holds a movie path
    std::string language;  // a language tag ("de", "pt-BR")

    bool operator==(const ChosenCaption&) const = default;
};

// At most one per language, in the order they were chosen.
using ChosenCaptions = std::vector<ChosenCaption>;

// More languages than any page offers; a project naming more is cut here.
inline constexpr std::size_t kChosenCaptionLimit = 32;

}  // namespace tessaly::movies
