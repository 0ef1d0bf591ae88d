#include "core/movies/MovieTypes.h"

#include "core/Prompts.h"
#include "core/text/Text.h"

namespace tessaly::movies {
namespace {

constexpr MovieType kMovieTypes[] = {
    {".mov", "video/quicktime", "video/quicktime"},
    {".webm", "video/webm", "video/webm"},
    {".mp4", "video/mp4", "video/mp4"},
    {".m4v", "video/mp4", "video/mp4"},
    {".ogg", "video/ogg", "video/ogg"},
    {".qt", "video/quicktime", "video/quicktime"},
    // The page has always said ogv; browsers go by the file anyway.
    {".ogv", "video/ogv", "video/ogg"},
};

}  // namespace

std::span<const MovieType> movieTypes() { return kMovieTypes; }

const MovieType* movieTypeOf(std::string_view fileName) {
    const std::size_t dot = fileName.rfind('.');
    if (dot == std::string_view::npos) return nullptr;
    const std::string extension = text::toLowerAscii(fileName.substr(dot));
    for (const MovieType& type : kMovieTypes) {
        if (type.extension == extension) return &type;
    }
    return nullptr;
}

std::string movieExtensions(std::string_view separator) {
    std::string list;
    for (const MovieType& type : kMovieTypes) {
        if (!list.empty()) list += separator;
        list += type.extension;
    }
    return list;
}

std::string movieDialogFilter() {
    std::string all, each;
    for (const MovieType& type : kMovieTypes) {
        const std::string upper = text::toUpperAscii(type.extension.substr(1));
        all += (all.empty() ? "" : ";") + namePattern(type.extension);
        each += upper + " video files (*." + upper + ")|" + namePattern(type.extension) + "|";
    }
    return "All video files|" + all + "|" + each;
}

}  // namespace tessaly::movies
