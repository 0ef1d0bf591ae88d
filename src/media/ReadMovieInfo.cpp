#include "media/ReadMovieInfo.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <string_view>

#include "core/movies/MovieTexts.h"
#include "core/platform/FileSystem.h"
#include "core/platform/Files.h"
#include "core/text/Text.h"
#include "media/AmbisonicBox.h"
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

// The lowest place in the file any packet starts at, as the libraries read the index.
std::uint64_t firstPacket(const AVFormatContext* context) {
    std::uint64_t first = std::numeric_limits<std::uint64_t>::max();
    for (unsigned i = 0; i < context->nb_streams; ++i) {
        AVStream* stream = context->streams[i];
        const int count = avformat_index_get_entries_count(stream);
        for (int n = 0; n < count; ++n) {
            const AVIndexEntry* entry = avformat_index_get_entry(stream, n);
            if (entry != nullptr && entry->pos >= 0)
                first = std::min(first, static_cast<std::uint64_t>(entry->pos));
        }
    }
    return first;
}

// The index is at the front only when it lies before every chunk of every
// track: a browser then has it before any data. Data in front of it, however
// little, makes a browser load all that lies before it first.
std::optional<bool> indexAtFront(const AVFormatContext* context, int fd, std::uint64_t size) {
    // Its index holds no samples: each fragment carries its own.
    if (fragmentedMovie(fd, size)) return true;
    const std::optional<IndexPlace> place = indexPlace(fd, size);
    if (!place) return std::nullopt;
    // Tables our reader cannot take apart: the packets the libraries found.
    return place->firstChunk.value_or(firstPacket(context)) >= place->end;
}

// Seconds into the movie where its data ends, when its index places packets
// past the file's end (an interrupted download or copy): the time of the last
// entry before the first one past it, in each stream, the earliest of those.
// For MP4 and QuickTime that is every sample; for Matroska and WebM the cue
// points, where they lie before the data, so it is the last cue the data reaches.
std::optional<double> dataEnds(const AVFormatContext* context, std::uint64_t size) {
    std::optional<double> ends;
    for (unsigned i = 0; i < context->nb_streams; ++i) {
        AVStream* stream = context->streams[i];
        const int count = avformat_index_get_entries_count(stream);
        std::optional<std::int64_t> start, reached;
        if (stream->start_time != AV_NOPTS_VALUE) start = stream->start_time;
        for (int n = 0; n < count; ++n) {
            const AVIndexEntry* entry = avformat_index_get_entry(stream, n);
            if (entry == nullptr || entry->pos < 0) continue;
            if (!start) start = entry->timestamp;
            const auto pos = static_cast<std::uint64_t>(entry->pos);
            if (pos < size && static_cast<std::uint64_t>(std::max(entry->size, 1)) <= size - pos) {
                reached = entry->timestamp;
                continue;
            }
            const double at = std::max(
                0.0, static_cast<double>(reached.value_or(*start) - *start) * av_q2d(stream->time_base));
            if (!ends || at < *ends) ends = at;
            break;
        }
    }
    return ends;
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
    reader.stopWhen(stop);

    int error = 0;
    const InputPtr context = openMovie(reader, movie, error, FrameDecoding::None);
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
    if (const AVStream* audio = firstStream(context.get(), AVMEDIA_TYPE_AUDIO)) {
        info.audioCodec = avcodec_get_name(audio->codecpar->codec_id);
        if (isMovFamily(context->iformat))
            info.spatialAudio =
                classifyAmbisonicMark(readAmbisonicMark(file.fd.get(), file.status.size),
                                      audio->codecpar->ch_layout.nb_channels, info.spatialAudioProblem);
    }
    if (context->duration != AV_NOPTS_VALUE && context->duration > 0)
        info.duration = static_cast<double>(context->duration) / AV_TIME_BASE;
    info.bitRate = context->bit_rate;
    if (info.bitRate <= 0 && info.duration > 0)
        info.bitRate = static_cast<std::int64_t>(static_cast<double>(file.status.size) * 8 / info.duration);
    if (isMovFamily(context->iformat))
        info.indexAtFront = indexAtFront(context.get(), file.fd.get(), file.status.size);
    info.dataEnds = dataEnds(context.get(), file.status.size);
    return info;
}

}  // namespace tessaly::media
