#include "app/SettingsBinding.h"

#include "app/ControlIds.h"
#include "app/Controls.h"
#include "app/OptionsArea.h"
#include "ui/Strings.h"

namespace tessaly::app {
namespace {

using model::ListField;

constexpr ListField kLists[] = {
    ListField::WindowSize, ListField::Zoom,       ListField::ControlBar,  ListField::StartYaw,
    ListField::Pitch,      ListField::Tilt,       ListField::AudioVolume, ListField::WinPosX,
    ListField::WinPosY,    ListField::MouseSpeed, ListField::MaxFps,      ListField::Quality,
};

int checkValue(const QWidget* root, int id) { return control<QCheckBox>(root, id)->isChecked() ? 1 : 0; }

void setCheck(const QWidget* root, int id, int value) {
    control<QCheckBox>(root, id)->setChecked(value != 0);
}

std::string editText(const QWidget* root, int id) { return ui::utf8(control<QLineEdit>(root, id)->text()); }

void setEditText(const QWidget* root, int id, const std::string& text) {
    control<QLineEdit>(root, id)->setText(ui::qs(text));
}

void paintSwatch(const QWidget* root, int id, std::uint32_t colour) {
    QWidget* swatch = findControl(root, id);
    const QColor c = fromColorRef(colour);
    applyColours(swatch, {c, c});
    swatch->update();
}

}  // namespace

SettingsBinding::SettingsBinding(QWidget* root, const model::ViewerSettings& start,
                                 std::function<void(bool)> showToolTipHelp)
    : root_(root), vars_(start), showToolTipHelp_(std::move(showToolTipHelp)) {}

model::ViewerSettings SettingsBinding::read() const {
    model::ViewerSettings s = vars_;
    for (const ListField field : kLists) {
        s.setPosition(field, control<QComboBox>(root_, listControlId(field))->currentIndex() + 1);
    }
    s.showControls = checkValue(root_, ids::kShowControls);
    s.fullScreen = checkValue(root_, ids::kFullScreen);
    s.stat = checkValue(root_, ids::kStat);
    s.customSize = checkValue(root_, ids::kCustomSize);
    s.hsIcon = checkValue(root_, ids::kIcon1) == 1 ? 1 : 2;
    s.viewMode = control<QRadioButton>(root_, ids::kBlackAreas)->isChecked() ? 1 : 0;
    s.htmlTitle = editText(root_, ids::kHtmlTitle);
    s.manualTilt = editText(root_, ids::kManualTilt);
    s.customWidth = editText(root_, ids::kCustomWidth);
    s.customHeight = editText(root_, ids::kCustomHeight);
    return s;
}

void SettingsBinding::write(const model::ViewerSettings& s) {
    for (const ListField field : kLists) {
        QComboBox* box = control<QComboBox>(root_, listControlId(field));
        const int value = s.position(field);
        box->setCurrentIndex(value >= 1 && value <= box->count() ? value - 1 : -1);
    }
    setCheck(root_, ids::kShowControls, s.showControls);
    setCheck(root_, ids::kFullScreen, s.fullScreen);
    setCheck(root_, ids::kStat, s.stat);
    setCheck(root_, ids::kCustomSize, s.customSize);
    setHotSpotIcon(s.hsIcon);
    control<QRadioButton>(root_, s.viewMode == 0 ? ids::kClassic : ids::kBlackAreas)->setChecked(true);
    setEditText(root_, ids::kHtmlTitle, s.htmlTitle);
    setEditText(root_, ids::kManualTilt, s.manualTilt);
    setEditText(root_, ids::kCustomWidth, s.customWidth);
    setEditText(root_, ids::kCustomHeight, s.customHeight);
    setHtmlBgColor(s.htmlBgColor);
    setBlackAreaColor(s.blackAreaColor);
    setToolTipHelp(s.toolTipHelp);
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
    setCheck(root_, ids::kIcon1, icon == 1 ? 1 : 0);
    setCheck(root_, ids::kIcon2, icon == 1 ? 0 : 1);
}

void SettingsBinding::setHtmlBgColor(std::uint32_t colour) {
    vars_.htmlBgColor = colour;
    paintSwatch(root_, ids::kBgColorSwatch, colour);
}

void SettingsBinding::setBlackAreaColor(std::uint32_t colour) {
    vars_.blackAreaColor = colour;
    paintSwatch(root_, ids::kBlackAreaSwatch, colour);
}

void SettingsBinding::setToolTipHelp(int value) {
    vars_.toolTipHelp = value;
    if (showToolTipHelp_) showToolTipHelp_(value == 1);
}

}  // namespace tessaly::app
