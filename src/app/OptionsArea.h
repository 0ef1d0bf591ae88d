#pragma once

// The " Options " frame and every option control inside it, with their start
// values. The settings binding reads and writes them afterwards.

#include <QColor>
#include <array>
#include <cstdint>

#include "app/Controls.h"
#include "core/model/ViewerSettings.h"

namespace tessaly::app {

class CaptionDisplay;
class StereoChoice;

// The list control that edits each list field.
int listControlId(model::ListField field);

// 0x00BBGGRR as a colour, and back.
QColor fromColorRef(std::uint32_t value);
std::uint32_t toColorRef(const QColor& colour);

inline constexpr int kListFieldCount = static_cast<int>(model::ListField::Quality) + 1;

// The controls the settings binding reads and writes, and the buttons the window wires.
struct OptionControls {
    std::array<QComboBox*, kListFieldCount> lists{};  // by ListField
    QCheckBox* fullScreen = nullptr;
    QCheckBox* showControls = nullptr;
    QCheckBox* stat = nullptr;
    QCheckBox* customSize = nullptr;
    QCheckBox* icon1 = nullptr;
    QCheckBox* icon2 = nullptr;
    QLineEdit* manualTilt = nullptr;
    QLineEdit* customWidth = nullptr;
    QLineEdit* customHeight = nullptr;
    QLineEdit* htmlTitle = nullptr;
    QRadioButton* classic = nullptr;
    QRadioButton* blackAreas = nullptr;
    ClickLabel* bgColorSwatch = nullptr;
    ClickLabel* blackAreaSwatch = nullptr;
    QPushButton* bgColorChoose = nullptr;
    QPushButton* blackAreaChoose = nullptr;
    StereoChoice* stereo = nullptr;      // a part of its own, which the window builds
    CaptionDisplay* captions = nullptr;  // the same; it holds the chosen captions

    QComboBox* list(model::ListField field) const { return lists[static_cast<std::size_t>(field)]; }
};

// Every control but the colour buttons and the icon boxes, which the window
// wires to their commands, tells `used` when the person uses it.
OptionControls buildOptionsArea(QWidget* parent, const model::ViewerSettings& start, const Used& used);

}  // namespace tessaly::app
