#pragma once

// Long work from the window: it runs on a worker thread while the window takes
// no input and the GUI thread looks in at a steady pace (progress, Cancel).

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>
#include <functional>

namespace tessaly::app {

// Keeps mouse, keys and accelerators away from the window while a worker
// publishes or encodes; other windows (the progress dialog) still take them.
class InputBlock : public QObject {
public:
    explicit InputBlock(QWidget* window) : window_(window) { qApp->installEventFilter(this); }
    ~InputBlock() override { qApp->removeEventFilter(this); }
    InputBlock(const InputBlock&) = delete;
    InputBlock& operator=(const InputBlock&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::Shortcut:
            case QEvent::ShortcutOverride:
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::Wheel:
            case QEvent::KeyPress:
            case QEvent::KeyRelease:
            case QEvent::ContextMenu:
            case QEvent::TouchBegin:
                return inWindow(watched);
            default:
                return false;
        }
    }

private:
    // A widget of the window, or an accelerator or menu item it owns.
    bool inWindow(QObject* object) const {
        for (; object != nullptr; object = object->parent()) {
            if (object->isWidgetType()) return static_cast<QWidget*>(object)->window() == window_;
        }
        return false;
    }

    QWidget* window_;
};

// Runs `work` on a worker thread while `window` takes no input, and calls
// `look` on the GUI thread every `intervalMs` until the work has ended.
void runInBackground(QWidget* window, const std::function<void()>& work, const std::function<void()>& look,
                     int intervalMs);

}  // namespace tessaly::app
