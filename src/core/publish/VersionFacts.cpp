#include "core/publish/VersionFacts.h"

#include <cmath>

#include "core/text/Numbers.h"

namespace tessaly::publish {
namespace {

bool known(const std::optional<movies::MovieInfo>& info) {
    return info && !info->error && info->hasVideo && info->width > 0 && info->height > 0 &&
           info->bitRate > 0 && info->frameRate > 0 && !info->codecString.empty();
}

std::string attribute(std::string_view name, const std::string& value) {
    return " data-" + std::string(name) + "=\"" + value + "\"";
}

// What the viewer weighs to choose a version.
std::array<std::string, 3> sizeAttributes(const SlotInfos& infos) {
    std::array<std::string, 3> out;
    int filled = 0, read = 0;
    for (const auto& info : infos) {
        filled += info ? 1 : 0;
        read += known(info) ? 1 : 0;
    }
    if (read < 2 || read != filled) return out;
    for (std::size_t i = 0; i < infos.size(); ++i) {
        if (!known(infos[i])) continue;
        const movies::MovieInfo& info = *infos[i];
        out[i] = attribute("width", text::formatInteger(info.width)) +
                 attribute("height", text::formatInteger(info.height)) +
                 attribute("fps", text::formatPlain(std::round(info.frameRate * 1000) / 1000)) +
                 attribute("bitrate", text::formatInteger(info.bitRate)) +
                 attribute("codecs", info.codecString);
    }
    return out;
}

}  // namespace

std::array<std::string, 3> versionAttributes(const SlotInfos& infos) {
    std::array<std::string, 3> out = sizeAttributes(infos);
    for (std::size_t i = 0; i < infos.size(); ++i) {
        if (!infos[i] || infos[i]->error) continue;
        const std::string_view audio = movies::spatialAudioName(infos[i]->spatialAudio);
        if (!audio.empty()) out[i] += attribute("audio", std::string(audio));
    }
    return out;
}

}  // namespace tessaly::publish
