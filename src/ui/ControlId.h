#pragma once

// The numeric id every control of both programs carries, so the tests find a
// control by it, as the windows' layouts number them.

#include <QWidget>

namespace tessaly::ui {

void setControlId(QObject* object, int id);
int controlId(const QObject* object);  // 0 when it has none
QWidget* findControl(const QWidget* root, int id);
template <class T>
T* control(const QWidget* root, int id) {
    return qobject_cast<T*>(findControl(root, id));
}

}  // namespace tessaly::ui
