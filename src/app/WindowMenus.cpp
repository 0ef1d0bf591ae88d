#include "app/WindowMenus.h"

#include <QAction>
#include <QMenuBar>
#include <QShortcut>

#include "app/ControlIds.h"
#include "app/DesktopTexts.h"
#include "app/WindowTexts.h"
#include "ui/Strings.h"

namespace tessaly::app {

WindowMenus buildMenus(QMainWindow* window, bool toolTipsOn, const CommandSink& sink) {
    namespace t = texts;
    const auto item = [window, &sink](QMenu* menu, std::string_view text, int id) {
        QAction* action = menu->addAction(ui::qs(text));
        setControlId(action, id);
        QObject::connect(action, &QAction::triggered, window, [sink, id] { sink(id, codes::kClicked); });
        return action;
    };
    WindowMenus menus;
    QMenuBar* bar = window->menuBar();
    QMenu* file = menus.file = bar->addMenu(ui::qs(t::kMenuFile));
    item(file, t::kMenuLoadMovie, ids::kLoadMovie1);
    item(file, t::kMenuLoadCaptions, ids::kLoadCaptions);
    file->addSeparator();
    item(file, t::kMenuPublish, ids::kPublish);
    file->addSeparator();
    item(file, t::kMenuLoadProject, ids::kLoadProject);
    item(file, t::kMenuSaveProject, ids::kSaveProject);
    item(file, t::kMenuSaveProjectAs, ids::kSaveProjectAs);
    file->addSeparator();
    item(file, t::kMenuExit, ids::kExit);
    // Added after the first items, which keep their places.
    file->addSeparator();
    menus.recent = file->addMenu(ui::qs(t::kMenuRecentProjects));
    setControlId(menus.recent->menuAction(), ids::kRecentProjects);
    for (std::size_t i = 0; i < menus.recentEntries.size(); ++i)
        menus.recentEntries[i] = item(menus.recent, {}, ids::recentProject(static_cast<int>(i) + 1));
    menus.recent->addSeparator();
    item(menus.recent, t::kMenuClearRecentProjects, ids::kClearRecentProjects);
    item(file, t::kMenuPreviewInBrowser, ids::kPreviewInBrowser);
    QMenu* edit = bar->addMenu(ui::qs(t::kMenuEdit));
    menus.undo = item(edit, t::kMenuUndo, ids::kUndo);
    menus.redo = item(edit, t::kMenuRedo, ids::kRedo);
    QMenu* option = bar->addMenu(ui::qs(t::kMenuOption));
    item(option, t::kMenuSelector, ids::kSelector);
    option->addSeparator();
    item(option, t::kMenuOptionsByDefault, ids::kOptionsByDefault);
    item(option, t::kMenuSaveOptions, ids::kSaveOptions);
    option->addSeparator();
    item(option, t::kMenuRemoveAdditional, ids::kRemoveAdditional);
    option->addSeparator();
    menus.toolTips = item(option, t::kMenuToolTips, ids::kToolTipToggle);
    menus.toolTips->setCheckable(true);
    menus.toolTips->setChecked(toolTipsOn);
    option->addSeparator();
    item(option, t::kMenuMakeWebVersions, ids::kMakeWebVersions);
    QMenu* help = bar->addMenu(ui::qs(t::kMenuHelp));
    item(help, t::kMenuShortHelp, ids::kShortHelp);
    item(help, t::kMenuUserGuide, ids::kUserGuide);
    help->addSeparator();
    item(help, t::kMenuAbout, ids::kAbout);
    return menus;
}

void addAccelerators(QWidget* window, const CommandSink& sink) {
    const std::pair<QKeySequence, int> keys[] = {
        {QKeySequence(Qt::Key_F1), ids::kShortHelp},
        {QKeySequence(Qt::CTRL | Qt::Key_L), ids::kLoadMovie1},
        {QKeySequence(Qt::CTRL | Qt::Key_P), ids::kPublish},
        {QKeySequence(Qt::CTRL | Qt::Key_F1), ids::kUserGuide},
        {QKeySequence(Qt::CTRL | Qt::Key_B), ids::kPreviewInBrowser},
        {QKeySequence(Qt::CTRL | Qt::Key_O), ids::kLoadProject},
        {QKeySequence(Qt::CTRL | Qt::Key_S), ids::kSaveProject},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), ids::kSaveProjectAs},
        {QKeySequence(Qt::CTRL | Qt::Key_Z), ids::kUndo},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), ids::kRedo},
        {QKeySequence(Qt::CTRL | Qt::Key_Y), ids::kRedo},
        {QKeySequence(Qt::CTRL | Qt::Key_Q), ids::kExit},
    };
    for (const auto& [key, id] : keys) {
        auto* shortcut = new QShortcut(key, window);
        QObject::connect(shortcut, &QShortcut::activated, window,
                         [sink, command = id] { sink(command, codes::kActivated); });
    }
    // Esc is the dialog's cancel command: it ticks and nothing else.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    QObject::connect(escape, &QShortcut::activated, window, [sink] { sink(ids::kCancel, codes::kClicked); });
}

}  // namespace tessaly::app
