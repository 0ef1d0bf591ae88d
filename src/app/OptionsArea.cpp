#include "app/OptionsArea.h"

#include <QPixmap>

#include "app/ControlIds.h"
#include "app/WindowTexts.h"

namespace tessaly::app {
namespace {

using model::ListField;

const QColor kOptionGrey(85, 85, 85);
const QColor kListGrey(192, 192, 192);

void optionLabel(QWidget* parent, int id, std::string_view text, const QRect& rect, const Used& used) {
    addLabel(parent, id, text, rect, {Qt::white, kOptionGrey}, Qt::AlignLeft | Qt::AlignVCenter, Edge::Sunken,
             true, used);
}

QCheckBox* optionBox(QWidget* parent, int id, std::string_view text, const QRect& rect, bool ticked,
                     const Used& used) {
    QCheckBox* box = addCheck(parent, id, text, rect, {Qt::white, kOptionGrey}, true, Edge::Static, used);
    box->setChecked(ticked);
    return box;
}

ClickLabel* swatch(QWidget* parent, int id, const QRect& rect, std::uint32_t colour, bool notifies,
                   const Used& used) {
    const QColor c = fromColorRef(colour);
    ClickLabel* label = addLabel(parent, id, {}, rect, {c, c}, Qt::AlignLeft, Edge::Sunken, notifies, used);
    return label;
}

void picture(QWidget* parent, int id, const QString& resource, const QPoint& at) {
    auto* label = new QLabel(parent);
    setControlId(label, id);
    const QPixmap pixmap(resource);
    label->setPixmap(pixmap);
    label->setGeometry(QRect(at, pixmap.isNull() ? QSize(0, 0) : pixmap.size()));
}

}  // namespace

int listControlId(ListField field) {
    switch (field) {
        case ListField::WindowSize:
            return ids::kWindowSize;
        case ListField::Zoom:
            return ids::kZoom;
        case ListField::ControlBar:
            return ids::kControlBar;
        case ListField::StartYaw:
            return ids::kStartYaw;
        case ListField::Pitch:
            return ids::kPitch;
        case ListField::Tilt:
            return ids::kTilt;
        case ListField::AudioVolume:
            return ids::kAudioVolume;
        case ListField::WinPosX:
            return ids::kWinPosX;
        case ListField::WinPosY:
            return ids::kWinPosY;
        case ListField::MouseSpeed:
            return ids::kMouseSpeed;
        case ListField::MaxFps:
            return ids::kMaxFps;
        case ListField::Quality:
            return ids::kQuality;
    }
    return 0;
}

QColor fromColorRef(std::uint32_t value) {
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

std::uint32_t toColorRef(const QColor& colour) {
    return static_cast<std::uint32_t>(colour.red()) | (static_cast<std::uint32_t>(colour.green()) << 8) |
           (static_cast<std::uint32_t>(colour.blue()) << 16);
}

OptionControls buildOptionsArea(QWidget* p, const model::ViewerSettings& s, const Used& used) {
    using namespace ids;
    namespace t = texts;
    OptionControls o;
    const auto list = [&](ListField field, const QRect& rect) {
        QComboBox* box = addList(p, listControlId(field), rect, s.items(field), used);
        const int value = s.position(field);
        box->setCurrentIndex(value >= 1 && value <= box->count() ? value - 1 : -1);
        o.lists[static_cast<std::size_t>(field)] = box;
    };
    addFrame(p, kOptionsFrame, t::kOptionsFrame, {5, 180, 700, 459});
    optionLabel(p, kWindowSizeLabel, t::kWindowSize, {12, 200, 110, 19}, used);
    list(ListField::WindowSize, {124, 199, 100, 290});
    o.list(ListField::WindowSize)->setMaxVisibleItems(12);
    o.fullScreen = optionBox(p, kFullScreen, t::kFullScreen, {12, 220, 110, 19}, s.fullScreen != 0, used);
    o.showControls =
        optionBox(p, kShowControls, t::kShowControls, {12, 240, 110, 19}, s.showControls != 0, used);
    list(ListField::ControlBar, {124, 239, 80, 90});
    optionLabel(p, kZoomLabel, t::kZoom, {12, 260, 110, 19}, used);
    list(ListField::Zoom, {124, 259, 80, 90});
    optionLabel(p, kYawLabel, t::kYaw, {12, 280, 110, 19}, used);
    list(ListField::StartYaw, {124, 279, 80, 90});
    optionLabel(p, kPitchLabel, t::kPitch, {12, 300, 110, 20}, used);
    list(ListField::Pitch, {124, 299, 80, 90});
    optionLabel(p, kTiltLabel, t::kTilt, {12, 320, 110, 20}, used);
    list(ListField::Tilt, {124, 319, 80, 90});
    o.manualTilt = addEdit(p, kManualTilt, {206, 320, 20, 19}, {Qt::black, kListGrey}, true, false);
    o.manualTilt->setText(qstr(s.manualTilt));
    optionLabel(p, kQualityLabel, t::kQuality, {12, 340, 110, 20}, used);
    list(ListField::Quality, {124, 339, 80, 90});
    optionLabel(p, kMaxFpsLabel, t::kMaxFps, {12, 360, 110, 20}, used);
    list(ListField::MaxFps, {124, 359, 80, 90});
    optionLabel(p, kMouseSpeedLabel, t::kMouseSpeed, {12, 380, 110, 20}, used);
    list(ListField::MouseSpeed, {124, 379, 80, 90});
    o.stat = optionBox(p, kStat, t::kStat, {12, 400, 110, 19}, s.stat != 0, used);
    optionLabel(p, kWinPosXLabel, t::kWinPosX, {12, 420, 110, 20}, used);
    list(ListField::WinPosX, {124, 419, 80, 90});
    optionLabel(p, kWinPosYLabel, t::kWinPosY, {12, 440, 110, 20}, used);
    list(ListField::WinPosY, {124, 439, 80, 90});
    optionLabel(p, kAudioLabel, t::kAudio, {12, 460, 110, 19}, used);
    list(ListField::AudioVolume, {124, 459, 80, 90});
    o.customSize = optionBox(p, kCustomSize, t::kCustomSize, {12, 480, 110, 19}, s.customSize != 0, used);
    o.customWidth = addEdit(p, kCustomWidth, {124, 480, 29, 19}, {Qt::black, Qt::white}, true, true);
    o.customWidth->setText(qstr(s.customWidth));
    addLabel(p, kCustomX, t::kCustomX, {155, 484, 92, 19}, {Qt::black, std::nullopt},
             Qt::AlignLeft | Qt::AlignTop, Edge::None, false, used);
    o.customHeight = addEdit(p, kCustomHeight, {162, 480, 29, 19}, {Qt::black, Qt::white}, true, true);
    o.customHeight->setText(qstr(s.customHeight));
    optionLabel(p, kBgColorLabel, t::kBgColor, {12, 500, 110, 19}, used);
    o.bgColorSwatch = swatch(p, kBgColorSwatch, {124, 500, 30, 18}, s.htmlBgColor, false, used);
    o.bgColorChoose = addPush(p, kBgColorChoose, t::kChooseColor, {156, 500, 75, 18});
    optionLabel(p, kHtmlTitleLabel, t::kHtmlTitle, {10, 610, 110, 19}, used);
    o.htmlTitle = addEdit(p, kHtmlTitle, {124, 610, 573, 19}, {Qt::black, kListGrey}, false, false);
    o.htmlTitle->setText(qstr(s.htmlTitle));
    stopTypingWhenFull(o.htmlTitle);
    addFrame(p, kViewModeFrame, t::kViewModeFrame, {10, 521, 110, 86});
    o.classic = addRadio(p, kClassic, t::kClassic, {17, 542, 96, 19}, {Qt::black, kListGrey}, used);
    o.classic->setChecked(s.viewMode == 0);
    o.blackAreas = addRadio(p, kBlackAreas, t::kBlackAreas, {17, 562, 96, 19}, {Qt::black, kListGrey}, used);
    o.blackAreas->setChecked(s.viewMode != 0);
    o.blackAreaSwatch = swatch(p, kBlackAreaSwatch, {17, 582, 20, 18}, s.blackAreaColor, true, used);
    o.blackAreaChoose = addPush(p, kBlackAreaChoose, t::kChooseColor, {38, 582, 75, 18});
    addFrame(p, kIconFrame, t::kIconFrame, {124, 521, 121, 86});
    picture(p, kIconBluePicture, QStringLiteral(":/tessaly/hs_blue.gif"), {133, 538});
    picture(p, kIconRedPicture, QStringLiteral(":/tessaly/hs_red.gif"), {188, 538});
    o.icon1 = addCheck(p, kIcon1, t::kIcon1, {133, 587, 50, 16}, {Qt::black, kOptionGrey}, false, Edge::None);
    o.icon1->setChecked(s.hsIcon == 1);
    o.icon2 = addCheck(p, kIcon2, t::kIcon2, {188, 587, 50, 16}, {Qt::black, kOptionGrey}, false, Edge::None);
    o.icon2->setChecked(s.hsIcon != 1);
    return o;
}

}  // namespace tessaly::app
