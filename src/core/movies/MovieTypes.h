#pragma once

// The movie types the publisher takes, in one table: the open dialog's filter,
// the type a published page names for each and the type a web server sends.

#include <span>
#include <string>
#include <string_view>

namespace tessaly::movies {

struct MovieType {
    std::string_view extension;  // lower case, with its dot
    std::string_view pageType;   // as the page's <SOURCE> line names it
    std::string_view mimeType;   // as a web server sends it
};

// In the order the open dialog lists them.
std::span<const MovieType> movieTypes();

// The type of a file by its last extension, in any letter case; null when it is no movie.
const MovieType* movieTypeOf(std::string_view fileName);

// The extensions in the dialog's order, each after `separator`'s first use: ".mov, .webm, ...".
std::string movieExtensions(std::string_view separator);

// The open dialog's filter: all movie types, then each one alone
// ("All video files|*.mov;*.webm;...|MOV video files (*.MOV)|*.mov|...").
std::string movieDialogFilter();

}  // namespace tessaly::movies
