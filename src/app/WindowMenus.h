#pragma once

// The window's commands as actions, with their keys, and the menu bar that
// shows them. The window connects each action to the part that carries it out.

#include <QMainWindow>
#include <array>

#include "core/model/RecentProjects.h"

class QAction;
class QActionGroup;
class QMenu;

namespace tessaly::app {

struct WindowMenus {
    QMenu* file = nullptr;
    QMenu* recent = nullptr;

    // Every command below; disabling it disables them all and enabling it
    // gives each back the state it has of its own.
    QActionGroup* commands = nullptr;
    // Slot 1's is File > Load Web Movie (Ctrl+L); slots 2 and 3 have only their buttons.
    std::array<QAction*, 3> loadMovie{};
    QAction* loadCaptions = nullptr;
    QAction* publish = nullptr;        // Ctrl+P
    QAction* loadProject = nullptr;    // Ctrl+O
    QAction* saveProject = nullptr;    // Ctrl+S
    QAction* saveProjectAs = nullptr;  // Ctrl+Shift+S
    QAction* exit = nullptr;           // Ctrl+Q
    std::array<QAction*, model::kRecentProjectsLimit> recentEntries{};
    QAction* clearRecent = nullptr;
    QAction* previewInBrowser = nullptr;  // Ctrl+B
    QAction* undo = nullptr;              // Ctrl+Z; enabled while there is a step to undo
    QAction* redo = nullptr;              // Ctrl+Shift+Z and Ctrl+Y; or to redo
    QAction* selector = nullptr;
    QAction* optionsByDefault = nullptr;
    QAction* saveOptions = nullptr;
    QAction* removeAdditional = nullptr;
    QAction* toolTips = nullptr;  // ticked while tooltip help is on
    QAction* makeWebVersions = nullptr;
    QAction* shortHelp = nullptr;  // F1
    QAction* userGuide = nullptr;  // Ctrl+F1
    QAction* about = nullptr;
    QAction* cancel = nullptr;  // Esc, the dialog's cancel: no menu item
};

WindowMenus buildMenus(QMainWindow* window, bool toolTipsOn);

}  // namespace tessaly::app
