#pragma once

// The " Options " frame and every option control inside it, with their start
// values. The settings binding reads and writes them afterwards.

#include <QColor>
#include <cstdint>

#include "app/Controls.h"
#include "core/model/ViewerSettings.h"

namespace tessaly::app {

// The list control that edits each list field.
int listControlId(model::ListField field);

// 0x00BBGGRR as a colour, and back.
QColor fromColorRef(std::uint32_t value);
std::uint32_t toColorRef(const QColor& colour);

void buildOptionsArea(QWidget* parent, const model::ViewerSettings& start, const CommandSink& sink);

}  // namespace tessaly::app
