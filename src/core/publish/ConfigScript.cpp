#include "core/publish/ConfigScript.h"

#include <charconv>
#include <cstddef>
#include <system_error>
#include <tuple>
#include <utility>

#include "core/publish/JsString.h"
#include "core/publish/PublishMessages.h"
#include "core/text/Numbers.h"
#include "core/text/Text.h"

namespace tessaly::publish {
namespace {

using model::ListField;

constexpr int kMinCustomWidth = 320;
constexpr int kMinCustomHeight = 100;

// The chosen item's text. A list left without a selection (a damaged settings
// or project file) reads as the list's start value, so the script never gets a
// bare "var fov = ;" that would stop the whole viewer.
std::string chosenText(const model::ViewerSettings& settings, ListField field) {
    std::string chosen = settings.selectedText(field);
    if (!chosen.empty()) return chosen;
    model::ViewerSettings start;
    start.zoomItems = settings.zoomItems;
    return start.selectedText(field);
}

// The number an item stands for: the number its text starts with (" 30 degree"
// is 30, " auto" and " manual" are 0).
double itemNumber(const model::ViewerSettings& settings, ListField field) {
    return text::leadingNumber(settings.selectedText(field));
}

std::string wholeNumber(double value) { return text::formatInteger(text::roundHalfEven(value)); }

bool allDigits(std::string_view s) {
    if (s.empty()) return false;
    for (char c : s) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

// A size box accepted when it holds digits only and reaches `minimum`; the
// digits without leading zeros, which JavaScript would read as octal.
std::optional<std::string> acceptedSize(std::string_view box, int minimum) {
    std::string digits = text::trimSpaces(box);
    if (!allDigits(digits)) return std::nullopt;
    const std::size_t first = digits.find_first_not_of('0');
    digits = first == std::string::npos ? "0" : digits.substr(first);
    int value = 0;
    const auto parsed = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    // Too many digits for an int is far above any minimum.
    if (parsed.ec == std::errc() && value < minimum) return std::nullopt;
    return digits;
}

std::string windowPosition(const model::ViewerSettings& settings, ListField field,
                           std::string_view automatic) {
    std::string position = text::trimSpaces(settings.selectedText(field));
    if (position.empty() || position == "auto") return std::string(automatic);
    return position;
}

std::string vertmax(const model::ViewerSettings& settings) {
    const int tilt = text::roundHalfEven(itemNumber(settings, ListField::Tilt));
    if (tilt != 0) return text::formatInteger(tilt);
    // " auto" and " manual": the angle typed beside the list, 30 to 90.
    if (text::trimSpaces(settings.manualTilt).empty()) return "90";
    const int manual = text::roundHalfEven(text::leadingNumber(settings.manualTilt));
    return text::formatInteger(manual < 30 || manual > 90 ? 90 : manual);
}

// "03.550x400" -> 550, 400.
std::pair<std::string, std::string> windowSizePair(std::string_view item) {
    const std::size_t dot = item.find('.');
    const std::size_t x = item.find('x', dot == std::string_view::npos ? 0 : dot);
    if (dot == std::string_view::npos || x == std::string_view::npos) return {"550", "400"};
    return {std::string(item.substr(dot + 1, x - dot - 1)), std::string(item.substr(x + 1))};
}

std::string hotSpotLine(std::string_view array, int k, std::string_view pad, std::string_view value) {
    return std::string(array) + "[" + text::formatInteger(k) + "]" + std::string(pad) + "= " +
           std::string(value) + ";\r\n";
}

std::string jsQuoted(std::string_view s) { return "\"" + escapeJsString(s, '"') + "\""; }

// Slider yaw to the viewer's direction: the slider's 0 faces the viewer's -180.
int viewerYaw(int yaw) { return yaw >= 0 ? yaw - 180 : yaw + 180; }

// The pitch of every slot in one array, or nothing when all lie on the horizon,
// so a script without pitch stays as it always was.
std::string pitchLine(const hotspots::HotSpotList& hotSpots) {
    std::string values;
    bool any = false;
    for (int n = 1; n <= hotspots::kSlotCount; ++n) {
        const hotspots::HotSpot& hs = hotSpots.at(n);
        const double pitch = hs.inUse() ? hotspots::clampPitch(hs.pitch) : 0.0;
        any = any || pitch != 0;
        values += (n > 1 ? "," : "") + text::formatPlain(pitch);
    }
    return any ? "   var HotSpotItem_pitch = [" + values + "];\r\n" : std::string();
}

}  // namespace

CollectedConfig collectConfig(model::ViewerSettings& settings) {
    CollectedConfig result;
    ConfigValues& v = result.values;

    v.fov = chosenText(settings, ListField::Zoom);
    const double fps = itemNumber(settings, ListField::MaxFps);
    v.fps = fps == 0 ? "15" : wholeNumber(fps);
    const double segments = itemNumber(settings, ListField::Quality);
    v.segments = segments == 0 ? "128" : wholeNumber(segments);
    v.vertmax = vertmax(settings);
    v.lon = wholeNumber(itemNumber(settings, ListField::StartYaw));
    v.lat = wholeNumber(itemNumber(settings, ListField::Pitch));

    std::tie(v.renderX, v.renderY) = windowSizePair(chosenText(settings, ListField::WindowSize));
    if (settings.customSize != 0) {
        const auto width = acceptedSize(settings.customWidth, kMinCustomWidth);
        const auto height = acceptedSize(settings.customHeight, kMinCustomHeight);
        if (width && height) {
            v.renderX = *width;
            v.renderY = *height;
        } else {
            settings.customWidth = "320";
            settings.customHeight = "100";
            result.customSizeMessage =
                tessaly::Message{std::string(messages::kMinimalCustomSize), tessaly::Topic::Note};
        }
    }

    v.volume = text::formatMask(itemNumber(settings, ListField::AudioVolume) / 100.0, "0.00");
    v.stat = settings.stat != 0 ? "1" : "0";
    v.mode = settings.viewMode != 0 ? "1" : "0";
    v.color = text::formatColorRgb(settings.blackAreaColor);
    const double speed = itemNumber(settings, ListField::MouseSpeed);
    v.mouseSpeed = text::formatMask(speed == 0 ? 0.02 : speed, "0.000");
    v.controlBar = settings.showControls != 0 ? "1" : "0";
    v.winPosW = windowPosition(settings, ListField::WinPosX, "left");
    v.winPosH = windowPosition(settings, ListField::WinPosY, "top");
    v.fullScreen = settings.fullScreen != 0 ? "1" : "0";
    const movies::MovieFormat& format = settings.movieFormat;
    if (format.layout != movies::StereoLayout::Mono) v.stereo = movies::layoutName(format.layout);
    if (format.field != movies::kFullField) v.field = text::formatInteger(format.field);
    return result;
}

std::string configScript(const ConfigValues& v, const hotspots::HotSpotList& hotSpots) {
    std::string s;
    s.reserve(8192);
    const auto line = [&s](std::string_view text) {
        s += text;
        s += "\r\n";
    };
    line("   var fov = " + v.fov + ";");
    line("   var OS_FPS = " + v.fps + ";");
    line("   var nSegmentsWidth = " + v.segments + "; ");
    line("   var nSegmentsHeight = " + v.segments + "; ");
    line("   var vertmax = " + v.vertmax + ";");
    line("   var lon = " + v.lon + ";");
    line("   var lat = " + v.lat + ";");
    line("   var RENDER_X = " + v.renderX + ";");
    line("   var RENDER_Y = " + v.renderY + ";");
    line("   var OS_VOLUME  = " + v.volume + ";");
    line("   var OS_STAT  = " + v.stat + ";");
    line("   var OS_MODE  = " + v.mode + "; ");
    line("   var OS_COLOR = '#" + v.color + "';");
    line("   var mousespeed = " + v.mouseSpeed + "; ");
    line("   var control_bar = " + v.controlBar + "; ");
    line("   var OS_CONTROL = 0; ");
    line("   var OS_WIN_POS_W = " + jsQuoted(v.winPosW) + ";");
    line("   var OS_WIN_POS_H = " + jsQuoted(v.winPosH) + ";");
    line("   var OS_FULL_SCREEN = " + v.fullScreen + "; ");
    line("   if (OS_FULL_SCREEN == 1){");
    line("       RENDER_X = window.innerWidth;");
    line("       RENDER_Y = window.innerHeight;");
    line("       posY = 46;");
    line("   };");
    line("   if (RENDER_X < 550){");
    line("            OS_CONTROL = 1;");
    line("   };");
    line("   var OS_HOTSPOTS = " + text::formatInteger(hotSpots.countInUse()) + ";");

    for (int n = 1; n <= hotspots::kSlotCount; ++n) {
        const hotspots::HotSpot& hs = hotSpots.at(n);
        const int k = n - 1;
        if (hs.inUse()) {
            const std::string link = hs.trimmedLink();
            std::string title = hs.trimmedTitle();
            if (title.empty()) title = link;
            s += hotSpotLine("HotSpotItem_pos", k, "   ", text::formatPlain(hs.pos));
            s += hotSpotLine("HotSpotItem_time", k, "  ", text::formatPlain(hs.time));
            s += hotSpotLine("HotSpotItem_yaw", k, "   ", text::formatMask(viewerYaw(hs.yaw), "####"));
            s += hotSpotLine("HotSpotItem_title", k, " ", jsQuoted(title));
            s += hotSpotLine("HotSpotItem_link", k, "  ", jsQuoted(link));
            s += hotSpotLine("HotSpotItem_self", k, "  ", hs.self != 0 ? "true" : "false");
        } else {
            s += hotSpotLine("HotSpotItem_pos", k, "   ", "0");
            s += hotSpotLine("HotSpotItem_time", k, "  ", "0");
            s += hotSpotLine("HotSpotItem_yaw", k, "   ", "0");
            s += hotSpotLine("HotSpotItem_title", k, " ", "\"\"");
            s += hotSpotLine("HotSpotItem_link", k, "  ", "\"\"");
            s += hotSpotLine("HotSpotItem_self", k, "  ", "false");
        }
    }
    s += pitchLine(hotSpots);
    if (!v.stereo.empty()) line("   var stereo = " + jsQuoted(v.stereo) + ";");
    if (!v.field.empty()) line("   var field = " + v.field + ";");
    return s;
}

Result<void> writeConfigScript(const std::filesystem::path& path, const ConfigValues& values,
                               const hotspots::HotSpotList& hotSpots) {
    return platform::writeFileAtomic(path, configScript(values, hotSpots));
}

}  // namespace tessaly::publish
