#include "ui/ControlId.h"

#include <QVariant>

namespace tessaly::ui {
namespace {
const char kIdProperty[] = "tessalyId";
}  // namespace

void setControlId(QObject* object, int id) { object->setProperty(kIdProperty, id); }

int controlId(const QObject* object) { return object->property(kIdProperty).toInt(); }

QWidget* findControl(const QWidget* root, int id) {
    const auto children = root->findChildren<QWidget*>();
    for (QWidget* child : children) {
        if (controlId(child) == id) return child;
    }
    return nullptr;
}

}  // namespace tessaly::ui
