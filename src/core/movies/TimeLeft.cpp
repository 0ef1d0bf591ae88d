#include "core/movies/TimeLeft.h"

#include <cmath>

#include "core/movies/MovieInfo.h"
#include "core/text/Numbers.h"

namespace tessaly::movies {

std::string timeLeftText(double done, double total, double elapsedSeconds, TimeLeftStyle style) {
    if (done <= 0 || elapsedSeconds <= 0) return "...";
    const double seconds = total <= done ? 0.0 : (total - done) / done * elapsedSeconds;
    if (style == TimeLeftStyle::Clock) return durationText(seconds);
    const auto whole = static_cast<long long>(std::nearbyint(seconds));
    if (whole < 60) return text::formatInteger(whole) + " s";
    const long long s = whole % 60;
    return text::formatInteger(whole / 60) + " min " + (s < 10 ? "0" : "") + text::formatInteger(s) + " s";
}

}  // namespace tessaly::movies
