#include "app/SettingsBinding.h"

#include "app/CaptionDisplay.h"
#include "app/StereoChoice.h"
#include "ui/Strings.h"

namespace tessaly::app {
namespace {

using model::ListField;

constexpr ListField kLists[] = {
    ListField::WindowSize, ListField::Zoom,       ListField::ControlBar,  ListField::StartYaw,
    ListField::Pitch,      ListField::Tilt,       ListField::AudioVolume, ListField::WinPosX,
    ListField::WinPosY,    ListField::MouseSpeed, ListField::MaxFps,      ListField::Quality,
};

int checkValue(const QCheckBox* box) { return box->isChecked() ? 1 : 0; }

std::string editText(const QLineEdit* edit) { return ui::utf8(edit->text()); }

void paintSwatch(QWidget* swatch, std::uint32_t colour) {
    const QColor c = fromColorRef(colour);
    applyColours(swatch, {c, c});
    swatch->update();
}

}  // namespace

SettingsBinding::SettingsBinding(const OptionControls& controls, const model::ViewerSettings& start,
                                 std::function<void(bool)> showToolTipHelp)
    : c_(controls), vars_(start), showToolTipHelp_(std::move(showToolTipHelp)) {}

model::ViewerSettings SettingsBinding::read() const {
    model::ViewerSettings s = vars_;
    for (const ListField field : kLists) {
        s.setPosition(field, c_.list(field)->currentIndex() + 1);
    }
    s.showControls = checkValue(c_.showControls);
    s.fullScreen = checkValue(c_.fullScreen);
    s.stat = checkValue(c_.stat);
    s.customSize = checkValue(c_.customSize);
    s.hsIcon = c_.icon1->isChecked() ? 1 : 2;
    s.viewMode = c_.blackAreas->isChecked() ? 1 : 0;
    s.htmlTitle = editText(c_.htmlTitle);
    s.manualTilt = editText(c_.manualTilt);
    s.customWidth = editText(c_.customWidth);
    s.customHeight = editText(c_.customHeight);
    if (c_.stereo != nullptr) s.movieFormat = c_.stereo->format();
    if (c_.captions != nullptr) s.captions = c_.captions->chosen();
    return s;
}

void SettingsBinding::write(const model::ViewerSettings& s) {
    for (const ListField field : kLists) {
        QComboBox* box = c_.list(field);
        const int value = s.position(field);
        box->setCurrentIndex(value >= 1 && value <= box->count() ? value - 1 : -1);
    }
    c_.showControls->setChecked(s.showControls != 0);
    c_.fullScreen->setChecked(s.fullScreen != 0);
    c_.stat->setChecked(s.stat != 0);
    c_.customSize->setChecked(s.customSize != 0);
    setHotSpotIcon(s.hsIcon);
    (s.viewMode == 0 ? c_.classic : c_.blackAreas)->setChecked(true);
    c_.htmlTitle->setText(ui::qs(s.htmlTitle));
    c_.manualTilt->setText(ui::qs(s.manualTilt));
    c_.customWidth->setText(ui::qs(s.customWidth));
    c_.customHeight->setText(ui::qs(s.customHeight));
    setHtmlBgColor(s.htmlBgColor);
    setBlackAreaColor(s.blackAreaColor);
    setToolTipHelp(s.toolTipHelp);
    if (c_.stereo != nullptr) c_.stereo->setFormat(s.movieFormat);
    if (c_.captions != nullptr) c_.captions->setChosen(s.captions);
    vars_.zoomMax = s.zoomMax;
    vars_.loadDir = s.loadDir;
    vars_.saveDir = s.saveDir;
}

void SettingsBinding::resetToDefaults() {
    model::ViewerSettings s = read();
    s.resetToDefaults();
    write(s);
}

void SettingsBinding::setHotSpotIcon(int icon) {
    c_.icon1->setChecked(icon == 1);
    c_.icon2->setChecked(icon != 1);
}

void SettingsBinding::setHtmlBgColor(std::uint32_t colour) {
    vars_.htmlBgColor = colour;
    paintSwatch(c_.bgColorSwatch, colour);
}

void SettingsBinding::setBlackAreaColor(std::uint32_t colour) {
    vars_.blackAreaColor = colour;
    paintSwatch(c_.blackAreaSwatch, colour);
}

void SettingsBinding::setMovieFormat(const movies::MovieFormat& format) {
    if (c_.stereo != nullptr) c_.stereo->setFormat(format);
}

void SettingsBinding::setToolTipHelp(int value) {
    vars_.toolTipHelp = value;
    if (showToolTipHelp_) showToolTipHelp_(value == 1);
}

}  // namespace tessaly::app
