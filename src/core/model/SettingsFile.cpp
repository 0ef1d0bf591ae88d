#include "core/model/SettingsFile.h"

#include <algorithm>
#include <system_error>

#include "core/text/Numbers.h"
#include "core/text/Text.h"

namespace tessaly::model {
namespace {

constexpr std::string_view kViewModeClosing = "</VIEWMODE>  //   0 - classic, 1 - black areas";
constexpr int kDashCount = 48;

// The line grows the text once and is copied into it piece by piece: eight
// appends, each checking the room left, were a tenth of a save.
void tagLine(std::string& out, std::string_view tag, std::string_view value) {
    const std::size_t at = out.size();
    out.resize(at + 2 * tag.size() + value.size() + 5 + kLineEnd.size());
    char* to = out.data() + at;
    *to++ = '<';
    to = std::copy(tag.begin(), tag.end(), to);
    *to++ = '>';
    to = std::copy(value.begin(), value.end(), to);
    *to++ = '<';
    *to++ = '/';
    to = std::copy(tag.begin(), tag.end(), to);
    *to++ = '>';
    std::copy(kLineEnd.begin(), kLineEnd.end(), to);
}

void tagLine(std::string& out, std::string_view tag, long long value) {
    tagLine(out, tag, text::formatInteger(value));
}

// A check box reads 1 when ticked, whatever number was put into it.
int checkState(int value) { return value != 0 ? 1 : 0; }

}  // namespace

Message noMovieMessage() { return Message{std::string(kNoMovieText), Topic::Note}; }

std::string settingsText(const ViewerSettings& settings) {
    std::string out;
    appendSettingsText(out, settings);
    return out;
}

void appendSettingsText(std::string& out, const ViewerSettings& s) {
    // Room for the fixed text and the longest numbers, and for the free texts,
    // so that the text is made at its final size, not grown on the way.
    out.reserve(out.size() + 1024 + s.htmlTitle.size() + s.loadDir.size() + s.saveDir.size());
    out.append(kFileHeader).append(kLineEnd);
    out.append(kDashCount, '-').append(kLineEnd);
    tagLine(out, "WINDOW", s.position(ListField::WindowSize));
    tagLine(out, "CONTROLS", checkState(s.showControls));
    tagLine(out, "ZOOM", s.position(ListField::Zoom));
    tagLine(out, "CONTROLBAR", s.position(ListField::ControlBar));
    tagLine(out, "YAW", s.position(ListField::StartYaw));
    tagLine(out, "PITCH", s.position(ListField::Pitch));
    tagLine(out, "TILT", s.position(ListField::Tilt));
    tagLine(out, "AUDIO", s.position(ListField::AudioVolume));
    tagLine(out, "WIN_POS_X", s.position(ListField::WinPosX));
    tagLine(out, "WIN_POS_Y", s.position(ListField::WinPosY));
    tagLine(out, "MOUSESPEED", s.position(ListField::MouseSpeed));
    tagLine(out, "MAXFPS", s.position(ListField::MaxFps));
    tagLine(out, "QUAL", s.position(ListField::Quality));
    tagLine(out, "FULLSCREEN", checkState(s.fullScreen));
    tagLine(out, "HTMLBGCOLOR", text::formatColorBgr(s.htmlBgColor));
    tagLine(out, "HTMLTITLE", s.htmlTitle);
    tagLine(out, "STAT", checkState(s.stat));
    out.append(s.hsIcon == 1 ? "<HS_ICON>1</HS_ICON>" : "<HS_ICON>2</HS_ICON>").append(kLineEnd);
    tagLine(out, "BORDER", ViewerSettings::border);
    out.append("<VIEWMODE>").append(text::formatInteger(s.viewMode == 0 ? 0 : 1));
    out.append(kViewModeClosing).append(kLineEnd);
    tagLine(out, "BLACKAREACOLOR", text::formatColorBgr(s.blackAreaColor));
    tagLine(out, "TOOLTIPHELP", s.toolTipHelp);
    tagLine(out, "BALANCE", ViewerSettings::balance);
    tagLine(out, "ZOOMMAX", s.zoomMax);
    tagLine(out, "LOADDIR", text::trimmedSpaces(s.loadDir));
    tagLine(out, "SAVEDIR", text::trimmedSpaces(s.saveDir));
}

void applySettings(const TagText& tags, ViewerSettings& s, const std::string& currentFolder) {
    s.setPosition(ListField::WindowSize, tags.integer("WINDOW"));
    s.setCheck(s.showControls, tags.integer("CONTROLS"));
    s.setPosition(ListField::Zoom, tags.integer("ZOOM"));
    s.setPosition(ListField::ControlBar, tags.integer("CONTROLBAR"));
    s.setPosition(ListField::StartYaw, tags.integer("YAW"));
    s.setPosition(ListField::Pitch, tags.integer("PITCH"));
    s.setPosition(ListField::Tilt, tags.integer("TILT"));
    s.setPosition(ListField::AudioVolume, tags.integer("AUDIO"));
    s.htmlBgColor = text::readColor(tags.raw("HTMLBGCOLOR"));
    s.htmlTitle.assign(text::trimmedSpaces(tags.raw("HTMLTITLE")));
    // BORDER is stored but has no editor: nothing to apply.
    s.setCheck(s.stat, tags.integer("STAT"));
    const int icon = tags.integer("HS_ICON");
    s.setHsIcon(icon == 0 ? 1 : icon);
    s.setPosition(ListField::WinPosX, tags.integer("WIN_POS_X"));
    s.setPosition(ListField::WinPosY, tags.integer("WIN_POS_Y"));
    s.setPosition(ListField::MouseSpeed, tags.integer("MOUSESPEED"));
    s.setPosition(ListField::MaxFps, tags.integer("MAXFPS"));
    s.setPosition(ListField::Quality, tags.integer("QUAL"));
    s.setCheck(s.fullScreen, tags.integer("FULLSCREEN"));
    s.setViewMode(tags.integer("VIEWMODE"));
    s.blackAreaColor = text::readColor(tags.raw("BLACKAREACOLOR"));
    s.toolTipHelp = tags.integer("TOOLTIPHELP");
    // BALANCE likewise.
    const int zoomMax = tags.integer("ZOOMMAX");
    s.zoomMax = zoomMax > 0 ? zoomMax : kDefaultZoomMax;
    s.loadDir.assign(text::trimmedSpaces(tags.raw("LOADDIR")));
    if (s.loadDir.empty()) s.loadDir = currentFolder;
    s.saveDir.assign(text::trimmedSpaces(tags.raw("SAVEDIR")));
    if (s.saveDir.empty()) s.saveDir = currentFolder;
}

Result<void> saveSettings(const std::filesystem::path& path, const ViewerSettings& settings,
                          std::string_view movie1SlotText) {
    if (text::trimSpaces(movie1SlotText).empty()) return refusal(std::string(kNoMovieText));
    // The user's configuration folder does not exist before the first save there.
    if (path.has_parent_path()) {
        std::error_code ec;
        std::filesystem::create_directories(path.parent_path(), ec);
        if (ec) return platform::FileError{path.parent_path(), "create folder", ec.message()};
    }
    return platform::writeFileAtomic(path, settingsText(settings));
}

Result<void> loadSettings(const std::filesystem::path& path, ViewerSettings& settings,
                          const std::string& currentFolder) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec) && !ec) return success();
    const Result<std::string> file = platform::readFile(path, kMaxFileBytes);
    if (file.failed()) return file.failure();
    readSettings(file.value(), settings, currentFolder);
    return success();
}

void readSettings(std::string_view bytes, ViewerSettings& settings, const std::string& currentFolder) {
    applySettings(TagText(text::decodeText(bytes)), settings, currentFolder);
}

}  // namespace tessaly::model
