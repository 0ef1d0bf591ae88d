// Moving a movie's index to the front against copying it, in one process, for
// bench/encode/run.sh:
//   remux_bench MOVIE FOLDER RUNS
// Writes MOVIE into FOLDER (its copy becomes FOLDER/its name, then is removed)
// three ways, taking turns, RUNS times each, and prints the best of each in
// milliseconds: the plain copy publishing makes of a movie whose index is in
// front, the index moved as publishing moves it, and the libraries' remux
// alone (what that falls back to, and what publishing did before).

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <limits>
#include <string>

#include "core/platform/FileSystem.h"
#include "core/platform/MovieCopy.h"
#include "media/Remux.h"

using namespace tessaly;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// Milliseconds of one run; negative when it failed.
double timed(const std::function<bool()>& run) {
    const auto start = Clock::now();
    const bool ok = run();
    return ok ? std::chrono::duration<double, std::milli>(Clock::now() - start).count() : -1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: remux_bench MOVIE FOLDER RUNS\n");
        return 2;
    }
    const fs::path movie = argv[1], folder = argv[2];
    const int runs = std::atoi(argv[3]);
    const fs::path target = folder / movie.filename();

    const auto copy = [&] {
        platform::MovieCopyResult result = platform::copyMovie(movie, folder);
        return result.outcome.ok() && result.copy.replaceTarget() == 0;
    };
    const auto moveWith = [&](auto move) {
        return [&, move] {
            platform::TemporaryFile out;
            if (out.create(target) != 0) return false;
            const Result<void> outcome = move(movie, out.fd(), target, {}, nullptr);
            if (outcome.failed()) std::fprintf(stderr, "%s\n", outcome.failure().message().c_str());
            return outcome.ok() && out.replaceTarget() == 0;
        };
    };
    const std::function<bool()> ways[] = {copy, moveWith(media::remuxIndexFirst),
                                          moveWith(media::remuxWithLibraries)};
    double best[3] = {std::numeric_limits<double>::max(), std::numeric_limits<double>::max(),
                      std::numeric_limits<double>::max()};
    for (int run = 0; run < runs; ++run) {
        for (int way = 0; way < 3; ++way) {
            const double ms = timed(ways[way]);
            fs::remove(target);
            if (ms < 0) return 1;
            best[way] = std::min(best[way], ms);
        }
    }
    std::printf("%.1f %.1f %.1f\n", best[0], best[1], best[2]);
    return 0;
}
