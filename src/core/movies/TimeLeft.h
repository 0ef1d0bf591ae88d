#pragma once

// How long the rest of a long piece of work takes at the pace so far, for
// progress lines: an encode's and a publish's movie copies.

#include <string>

namespace tessaly::movies {

enum class TimeLeftStyle {
    Clock,  // "1:20", "1:02:05"
    Words,  // "12 s", "1 min 05 s"
};

// "..." before there is a pace (nothing done yet, or no time gone); nothing
// left once `done` reaches `total`.
std::string timeLeftText(double done, double total, double elapsedSeconds,
                         TimeLeftStyle style = TimeLeftStyle::Clock);

}  // namespace tessaly::movies
