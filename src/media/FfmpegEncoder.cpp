#include "media/FfmpegEncoder.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string_view>
#include <thread>

#include "core/platform/ChildProcess.h"
#include "core/platform/FileSystem.h"
#include "core/text/Numbers.h"
#include "media/AmbisonicBox.h"

namespace tessaly::media {
namespace {

namespace fs = std::filesystem;

constexpr int kFirstTargetFd = 3;
constexpr int kPollMs = 100;
// Quality for the eye at a size a browser streams: the larger version at most
// 24 Mbit/s, the phone's a quarter of its pixels and of that.
constexpr std::string_view kQuality = "21";
constexpr long long kMaxRateAt4096 = 24000000;
constexpr long long kAmbisonicChannelRate = 96000;
constexpr std::string_view kAmbisonicChannels = "channelmap=map=0-FL|1-FR|2-FC|3-BC:channel_layout=4.0";

std::string number(long long value) { return text::formatInteger(value); }

long long maxRate(const movies::VersionSize& size) {
    const double share = static_cast<double>(size.width) * size.height / (4096.0 * 2048.0);
    return std::max<long long>(2000000, static_cast<long long>(kMaxRateAt4096 * std::min(share, 1.0)));
}

// One pipe, both ends closed when it goes.
struct Pipe {
    platform::FileDescriptor read, write;
    int open() {
        int fds[2];
        if (::pipe2(fds, O_CLOEXEC) != 0) return errno;
        read.reset(fds[0]);
        write.reset(fds[1]);
        return 0;
    }
};

// The child's lines on one stream, read as they come.
class LineReader {
public:
    // Appends what can be read now; false at the end of the stream.
    bool readSome(int fd) {
        char buffer[4096];
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) return errno == EINTR || errno == EAGAIN;
        if (n == 0) return false;
        pending_.append(buffer, static_cast<std::size_t>(n));
        return true;
    }
    // The next whole line, if any.
    std::optional<std::string> line() {
        const auto end = pending_.find('\n');
        if (end == std::string::npos) return std::nullopt;
        std::string result = pending_.substr(0, end);
        pending_.erase(0, end + 1);
        return result;
    }
    std::string rest() const { return pending_; }

private:
    std::string pending_;
};

Failure failure(const fs::path& path, std::string action, std::string reason) {
    return platform::FileError{path, std::move(action), std::move(reason)};
}

// Channels of ambisonic sound a version keeps and marks; 0 for other sound.
// Copied AAC keeps them all. Encoded, the sound field goes on in AAC's four
// channel layout, where each channel stays whole: its six channel layout
// would cut the highs of the one it takes for low effects, so a head-locked
// pair is left out then.
std::size_t ambisonicChannels(const movies::MovieInfo& info) {
    if (info.spatialAudio == movies::SpatialAudio::AmbixStereo && info.audioCodec == "aac") return 6;
    if (info.spatialAudio == movies::SpatialAudio::Ambix ||
        info.spatialAudio == movies::SpatialAudio::AmbixStereo)
        return 4;
    return 0;
}

// The libraries write no ambisonic mark: the versions, which keep every
// channel, get it once they are written.
Result<void> markAmbisonic(const movies::MovieInfo& info, const std::vector<movies::EncodeTarget>& targets) {
    const std::size_t channels = ambisonicChannels(info);
    if (channels == 0) return success();
    for (const movies::EncodeTarget& target : targets) {
        if (const int error = writeAmbisonicMark(target.fd, AmbisonicMark::firstOrder(channels)))
            return failure(target.target, "write", std::strerror(error));
    }
    return success();
}

}  // namespace

std::vector<std::string> encodeArguments(const fs::path& movie, const movies::MovieInfo& info,
                                         const std::vector<movies::EncodeTarget>& targets, unsigned threads) {
    const std::string threadCount = number(threads);
    std::vector<std::string> args{"-nostdin", "-y",        "-hide_banner", "-loglevel",
                                  "error",    "-nostats",  "-progress",    "pipe:1",
                                  "-threads", threadCount, "-i",           movie.string()};
    // One decode feeds every size.
    std::string graph = "[0:v]split=" + number(static_cast<long long>(targets.size()));
    for (std::size_t i = 0; i < targets.size(); ++i) graph += "[s" + number(static_cast<long long>(i)) + "]";
    for (std::size_t i = 0; i < targets.size(); ++i) {
        const std::string n = number(static_cast<long long>(i));
        graph += ";[s" + n + "]scale=" + number(targets[i].size.width) + ":" +
                 number(targets[i].size.height) + ":flags=bicubic[v" + n + "]";
    }
    args.insert(args.end(), {"-filter_complex", graph});
    const bool aac = info.audioCodec == "aac";
    for (std::size_t i = 0; i < targets.size(); ++i) {
        const std::string rate = number(maxRate(targets[i].size));
        const std::string buffer = number(2 * maxRate(targets[i].size));
        args.insert(args.end(), {"-map",       "[v" + number(static_cast<long long>(i)) + "]",
                                 "-map",       "0:a:0?",
                                 "-c:v",       "libx264",
                                 "-profile:v", "high",
                                 "-pix_fmt",   "yuv420p",
                                 "-preset",    "medium",
                                 "-crf",       std::string(kQuality),
                                 "-maxrate",   rate,
                                 "-bufsize",   buffer,
                                 "-threads",   threadCount});
        if (aac) {
            args.insert(args.end(), {"-c:a", "copy"});
        } else if (const std::size_t channels = ambisonicChannels(info)) {
            // The libraries read the mark as a layout no filter or encoder
            // takes: the channels go over one by one, each with as much as a
            // stereo pair's share.
            args.insert(args.end(), {"-filter:a", std::string(kAmbisonicChannels), "-c:a", "aac", "-b:a",
                                     number(static_cast<long long>(channels) * kAmbisonicChannelRate)});
        } else {
            args.insert(args.end(), {"-c:a", "aac", "-b:a", "192k"});
        }
        // Spherical marks are written only outside the strict standard.
        args.insert(args.end(), {"-strict", "unofficial", "-movflags", "+faststart", "-f", "mp4",
                                 "/proc/self/fd/" + number(kFirstTargetFd + static_cast<long long>(i))});
    }
    return args;
}

Result<void> FfmpegEncoder::encode(const fs::path& movie, const movies::MovieInfo& info,
                                   const std::vector<movies::EncodeTarget>& targets,
                                   const std::function<void(double seconds)>& progress,
                                   const std::atomic<bool>* stop) {
    const unsigned threads = std::max(1u, std::thread::hardware_concurrency());
    std::vector<std::string> args = encodeArguments(movie, info, targets, threads);
    args.insert(args.begin(), program_);

    Pipe out, err;
    int error = out.open();
    if (error == 0) error = err.open();
    if (error != 0) return failure(program_, "run", std::strerror(error));
    // Out of the way of the numbers they take in the child, so no dup2 there
    // overwrites another's descriptor or keeps its close-on-exec.
    std::vector<platform::FileDescriptor> moved;
    for (const movies::EncodeTarget& target : targets) {
        moved.emplace_back(::fcntl(target.fd, F_DUPFD_CLOEXEC, kFirstTargetFd + 64));
        if (!moved.back().valid()) return failure(target.target, "write", std::strerror(errno));
    }
    std::vector<std::pair<int, int>> descriptors{{out.write.get(), STDOUT_FILENO},
                                                 {err.write.get(), STDERR_FILENO}};
    for (std::size_t i = 0; i < moved.size(); ++i)
        descriptors.emplace_back(moved[i].get(), kFirstTargetFd + static_cast<int>(i));
    // Started so that it ends with this thread: a killed program leaves no encoder writing on.
    const platform::StartedChild started = platform::startChild(args, descriptors);
    if (started.error != 0) return failure(program_, "run", std::strerror(started.error));
    const pid_t child = started.pid;
    out.write.reset();
    err.write.reset();

    LineReader progressLines, errorLines;
    std::string lastError;
    bool outOpen = true, errOpen = true, stopped = false;
    while (outOpen || errOpen) {
        if (stop != nullptr && stop->load(std::memory_order_relaxed)) {
            // What it wrote is dropped anyway: no need to let it finish.
            ::kill(child, SIGKILL);
            stopped = true;
            break;
        }
        pollfd fds[2] = {{out.read.get(), POLLIN, 0}, {err.read.get(), POLLIN, 0}};
        if (::poll(fds, 2, kPollMs) < 0 && errno != EINTR) break;
        if (outOpen && (fds[0].revents & (POLLIN | POLLHUP)) != 0) {
            outOpen = progressLines.readSome(out.read.get());
            while (const auto line = progressLines.line()) {
                // "out_time_us=12345678": microseconds of the movie done.
                if (line->starts_with("out_time_us=") && progress) {
                    const double done = text::leadingNumber(std::string_view(*line).substr(12)) / 1e6;
                    if (done > 0) progress(done);
                }
            }
        }
        if (errOpen && (fds[1].revents & (POLLIN | POLLHUP)) != 0) {
            errOpen = errorLines.readSome(err.read.get());
            while (const auto line = errorLines.line()) {
                if (!line->empty()) lastError = *line;
            }
        }
        if (!outOpen) out.read.reset();
        if (!errOpen) err.read.reset();
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (stopped) return cancellation();
    if (!errorLines.rest().empty()) lastError = errorLines.rest();
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return markAmbisonic(info, targets);
    if (lastError.empty())
        lastError = WIFEXITED(status) ? program_ + " ended with status " + number(WEXITSTATUS(status))
                                      : program_ + " was ended by signal " + number(WTERMSIG(status));
    return failure(movie, "encode", lastError);
}

}  // namespace tessaly::media
