#pragma once

// The texts of the three movie slots; slot 1 is the main movie.
// Defined here, below the model, so the movie checks need no project.

#include <array>
#include <string>

namespace tessaly::movies {

using MovieSlots = std::array<std::string, 3>;

}  // namespace tessaly::movies
