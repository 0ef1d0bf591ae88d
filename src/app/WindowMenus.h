#pragma once

// The window's menu bar and accelerators. Every item sends its command id to
// the sink; the items the window changes later are kept by type.

#include <QMainWindow>
#include <array>

#include "app/Controls.h"
#include "core/model/RecentProjects.h"

class QAction;
class QMenu;

namespace tessaly::app {

struct WindowMenus {
    QMenu* file = nullptr;
    QAction* toolTips = nullptr;  // ticked while tooltip help is on
    QAction* undo = nullptr;      // enabled while there is a step to undo
    QAction* redo = nullptr;      // or to redo
    QMenu* recent = nullptr;
    std::array<QAction*, model::kRecentProjectsLimit> recentEntries{};
};

WindowMenus buildMenus(QMainWindow* window, bool toolTipsOn, const CommandSink& sink);
// F1, Ctrl+L, Ctrl+P, Ctrl+F1, Ctrl+B, Ctrl+O, Ctrl+S, Ctrl+Shift+S, Ctrl+Q,
// Ctrl+Z, Ctrl+Shift+Z and Ctrl+Y, and Esc as the dialog's cancel.
void addAccelerators(QWidget* window, const CommandSink& sink);

}  // namespace tessaly::app
