#include "selector/Controls.h"

namespace tessaly::selector {
namespace {
// The publisher's windows use the same property.
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

}  // namespace tessaly::selector
