#pragma once

// The numeric id every selector control carries, and finding a control by it.

#include <QWidget>

namespace tessaly::selector {

void setControlId(QObject* object, int id);
int controlId(const QObject* object);  // 0 when it has none
QWidget* findControl(const QWidget* root, int id);

}  // namespace tessaly::selector
