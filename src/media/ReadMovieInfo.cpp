#include "media/ReadMovieInfo.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <string_view>
#include <vector>

#include "core/movies/MovieTexts.h"
#include "core/platform/FileSystem.h"
#include "core/platform/Files.h"
#include "core/text/Text.h"
#include "media/AvIo.h"
#include "media/CodecString.h"
#include "media/IndexRelocation.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/spherical.h>
#include <libavutil/stereo3d.h>
}

namespace tessaly::media {
namespace {

namespace fs = std::filesystem;

// While the header is read, each read gives at most this much, so the bytes
// counted are the ones the demuxer asked for rather than a buffer's read-ahead.
constexpr std::size_t kHeaderReadStep = 4096;

// Where the header's bytes came from, relative to the movie's frames.
struct HeaderReads {
    std::vector<std::pair<std::uint64_t, std::uint64_t>> ranges;  // offset, end

    // Bytes read in [from, to).
    std::uint64_t within(std::uint64_t from, std::uint64_t to) const {
        std::uint64_t total = 0;
        for (const auto& [start, end] : ranges) {
            const std::uint64_t a = std::max(start, from), b = std::min(end, to);
            if (a < b) total += b - a;
        }
        return total;
    }
};

// An index at the front is read before the first frame's bytes; one at the end
// after the last. Whichever side the demuxer read more of holds it.
std::optional<bool> indexAtFront(AVFormatContext* context, const HeaderReads& reads) {
    std::uint64_t first = std::numeric_limits<std::uint64_t>::max(), last = 0;
    for (unsigned i = 0; i < context->nb_streams; ++i) {
        AVStream* stream = context->streams[i];
        const int count = avformat_index_get_entries_count(stream);
        for (int n = 0; n < count; ++n) {
            const AVIndexEntry* entry = avformat_index_get_entry(stream, n);
            if (entry == nullptr || entry->pos < 0) continue;
            const auto pos = static_cast<std::uint64_t>(entry->pos);
            first = std::min(first, pos);
            last = std::max(last, pos + static_cast<std::uint64_t>(std::max(entry->size, 0)));
        }
    }
    if (last == 0) return std::nullopt;
    return reads.within(0, first) >= reads.within(last, std::numeric_limits<std::uint64_t>::max());
}

std::string containerName(const AVFormatContext* context, const fs::path& movie) {
    const std::string_view name = context->iformat->name;
    const std::string extension = text::toLowerAscii(movie.extension().string());
    if (isMovFamily(context->iformat)) {
        const AVDictionaryEntry* brand = av_dict_get(context->metadata, "major_brand", nullptr, 0);
        return brand != nullptr && std::string_view(brand->value).starts_with("qt") ? "QuickTime" : "MP4";
    }
    if (name.find("matroska") != std::string_view::npos) return extension == ".webm" ? "WebM" : "Matroska";
    if (name == "ogg") return "Ogg";
    return context->iformat->long_name != nullptr ? context->iformat->long_name : std::string(name);
}

template <typename Mark>
const Mark* sideData(const AVStream* stream, AVPacketSideDataType type) {
    std::size_t size = 0;
    const std::uint8_t* data = av_stream_get_side_data(stream, type, &size);
    return data != nullptr && size >= sizeof(Mark) ? reinterpret_cast<const Mark*>(data) : nullptr;
}

// The stereo mark (MP4 st3d, Matroska StereoMode) and the projection's bounds
// (MP4 sv3d, Matroska Projection): a picture cropped to half the way round is
// a 180-degree movie. Layouts a browser cannot split into two eyes read as mono.
movies::MovieFormat movieFormat(const AVStream* stream) {
    movies::MovieFormat format;
    if (const auto* stereo = sideData<AVStereo3D>(stream, AV_PKT_DATA_STEREO3D)) {
        if (stereo->type == AV_STEREO3D_TOPBOTTOM) format.layout = movies::StereoLayout::TopBottom;
        if (stereo->type == AV_STEREO3D_SIDEBYSIDE) format.layout = movies::StereoLayout::SideBySide;
    }
    const auto* mapping = sideData<AVSphericalMapping>(stream, AV_PKT_DATA_SPHERICAL);
    if (mapping != nullptr && mapping->projection == AV_SPHERICAL_EQUIRECTANGULAR_TILE) {
        // Bounds are 0.32 fixed-point fractions of the whole picture.
        const double cropped =
            (static_cast<double>(mapping->bound_left) + static_cast<double>(mapping->bound_right)) /
            4294967296.0;
        const double degrees = 360.0 * (1.0 - cropped);
        if (degrees > 170.0 && degrees < 190.0) format.field = movies::kHalfField;
    }
    return format;
}

double rate(AVRational r) { return r.num > 0 && r.den > 0 ? av_q2d(r) : 0.0; }

}  // namespace

movies::MovieInfo inspectMovie(const fs::path& movie, const std::atomic<bool>* stop) {
    movies::MovieInfo info;
    platform::OpenedFile file = platform::openRegularFile(movie);
    if (file.status.error != 0) {
        info.error = std::strerror(file.status.error);
        return info;
    }
    if (file.status.kind != platform::FileKind::Regular) {
        info.error = file.status.kind == platform::FileKind::Folder ? std::strerror(EISDIR)
                                                                    : std::string(platform::kNotRegularFile);
        return info;
    }

    FileReader reader(file.fd.get(), file.status.size);
    if (reader.io() == nullptr) {
        info.error = std::strerror(ENOMEM);
        return info;
    }
    HeaderReads reads;
    reader.stopWhen(stop);
    reader.limitReads(kHeaderReadStep);
    reader.watch = [&reads](std::uint64_t offset, std::size_t bytes) {
        reads.ranges.emplace_back(offset, offset + bytes);
    };

    int error = 0;
    const InputPtr context = openMovie(
        reader, movie, error,
        [&reader] {
            reader.watch = nullptr;
            reader.limitReads(0);
        },
        FrameDecoding::None);
    if (reader.stopRequested()) {
        info.stopped = true;
        info.error = std::string(movies::texts::kReadStopped);
        return info;
    }
    if (!context) {
        info.error = reader.error() != 0 ? std::strerror(reader.error()) : avError(error);
        return info;
    }

    info.container = containerName(context.get(), movie);
    if (const AVStream* video = firstStream(context.get(), AVMEDIA_TYPE_VIDEO)) {
        const AVCodecParameters* par = video->codecpar;
        info.hasVideo = true;
        info.videoCodec = avcodec_get_name(par->codec_id);
        if (const char* profile = avcodec_profile_name(par->codec_id, par->profile))
            info.videoProfile = profile;
        info.width = par->width;
        info.height = par->height;
        info.frameRate =
            rate(video->avg_frame_rate) > 0 ? rate(video->avg_frame_rate) : rate(video->r_frame_rate);
        info.codecString = codecString(*par, info.frameRate);
        if (const auto* mapping = sideData<AVSphericalMapping>(video, AV_PKT_DATA_SPHERICAL))
            info.spherical = av_spherical_projection_name(mapping->projection);
        info.format = movieFormat(video);
    }
    if (const AVStream* audio = firstStream(context.get(), AVMEDIA_TYPE_AUDIO))
        info.audioCodec = avcodec_get_name(audio->codecpar->codec_id);
    if (context->duration != AV_NOPTS_VALUE && context->duration > 0)
        info.duration = static_cast<double>(context->duration) / AV_TIME_BASE;
    info.bitRate = context->bit_rate;
    if (info.bitRate <= 0 && info.duration > 0)
        info.bitRate = static_cast<std::int64_t>(static_cast<double>(file.status.size) * 8 / info.duration);
    // The header's reads of a fragmented movie run through its fragments and
    // would look like an index at the end.
    if (isMovFamily(context->iformat))
        info.indexAtFront = fragmentedMovie(file.fd.get(), file.status.size)
                                ? std::optional(true)
                                : indexAtFront(context.get(), reads);
    return info;
}

}  // namespace tessaly::media
