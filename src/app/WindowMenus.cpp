#include "app/WindowMenus.h"

#include <QAction>
#include <QActionGroup>
#include <QMenuBar>

#include "app/ControlIds.h"
#include "app/DesktopTexts.h"
#include "app/WindowTexts.h"
#include "ui/ControlId.h"
#include "ui/Strings.h"

namespace tessaly::app {

WindowMenus buildMenus(QMainWindow* window, bool toolTipsOn) {
    namespace t = texts;
    WindowMenus menus;
    menus.commands = new QActionGroup(window);
    menus.commands->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
    // The items' texts show their keys after a tab already; Qt adds none of its own.
    const auto command = [&menus](QObject* owner, std::string_view text, int id,
                                  QList<QKeySequence> keys = {}) {
        auto* action = new QAction(ui::qs(text), owner);
        ui::setControlId(action, id);
        action->setShortcuts(keys);
        menus.commands->addAction(action);
        return action;
    };
    const auto item = [&command](QMenu* menu, std::string_view text, int id, QList<QKeySequence> keys = {}) {
        QAction* action = command(menu, text, id, std::move(keys));
        menu->addAction(action);
        return action;
    };
    QMenuBar* bar = window->menuBar();
    QMenu* file = menus.file = bar->addMenu(ui::qs(t::kMenuFile));
    menus.loadMovie[0] = item(file, t::kMenuLoadMovie, ids::kLoadMovie1, {Qt::CTRL | Qt::Key_L});
    menus.loadMovie[1] = command(window, {}, ids::kLoadMovie2);
    menus.loadMovie[2] = command(window, {}, ids::kLoadMovie3);
    menus.loadCaptions = item(file, t::kMenuLoadCaptions, ids::kLoadCaptions);
    file->addSeparator();
    menus.publish = item(file, t::kMenuPublish, ids::kPublish, {Qt::CTRL | Qt::Key_P});
    file->addSeparator();
    menus.loadProject = item(file, t::kMenuLoadProject, ids::kLoadProject, {Qt::CTRL | Qt::Key_O});
    menus.saveProject = item(file, t::kMenuSaveProject, ids::kSaveProject, {Qt::CTRL | Qt::Key_S});
    menus.saveProjectAs =
        item(file, t::kMenuSaveProjectAs, ids::kSaveProjectAs, {Qt::CTRL | Qt::SHIFT | Qt::Key_S});
    file->addSeparator();
    menus.exit = item(file, t::kMenuExit, ids::kExit, {Qt::CTRL | Qt::Key_Q});
    // Added after the first items, which keep their places.
    file->addSeparator();
    menus.recent = file->addMenu(ui::qs(t::kMenuRecentProjects));
    ui::setControlId(menus.recent->menuAction(), ids::kRecentProjects);
    for (std::size_t i = 0; i < menus.recentEntries.size(); ++i)
        menus.recentEntries[i] = item(menus.recent, {}, ids::recentProject(static_cast<int>(i) + 1));
    menus.recent->addSeparator();
    menus.clearRecent = item(menus.recent, t::kMenuClearRecentProjects, ids::kClearRecentProjects);
    menus.previewInBrowser =
        item(file, t::kMenuPreviewInBrowser, ids::kPreviewInBrowser, {Qt::CTRL | Qt::Key_B});
    QMenu* edit = bar->addMenu(ui::qs(t::kMenuEdit));
    menus.undo = item(edit, t::kMenuUndo, ids::kUndo, {Qt::CTRL | Qt::Key_Z});
    menus.redo =
        item(edit, t::kMenuRedo, ids::kRedo, {Qt::CTRL | Qt::SHIFT | Qt::Key_Z, Qt::CTRL | Qt::Key_Y});
    QMenu* option = bar->addMenu(ui::qs(t::kMenuOption));
    menus.selector = item(option, t::kMenuSelector, ids::kSelector);
    option->addSeparator();
    menus.optionsByDefault = item(option, t::kMenuOptionsByDefault, ids::kOptionsByDefault);
    menus.saveOptions = item(option, t::kMenuSaveOptions, ids::kSaveOptions);
    option->addSeparator();
    menus.removeAdditional = item(option, t::kMenuRemoveAdditional, ids::kRemoveAdditional);
    option->addSeparator();
    menus.toolTips = item(option, t::kMenuToolTips, ids::kToolTipToggle);
    menus.toolTips->setCheckable(true);
    menus.toolTips->setChecked(toolTipsOn);
    option->addSeparator();
    menus.makeWebVersions = item(option, t::kMenuMakeWebVersions, ids::kMakeWebVersions);
    QMenu* help = bar->addMenu(ui::qs(t::kMenuHelp));
    menus.shortHelp = item(help, t::kMenuShortHelp, ids::kShortHelp, {Qt::Key_F1});
    menus.userGuide = item(help, t::kMenuUserGuide, ids::kUserGuide, {Qt::CTRL | Qt::Key_F1});
    help->addSeparator();
    menus.about = item(help, t::kMenuAbout, ids::kAbout);
    // Keys of actions in no menu work once the window holds them.
    menus.cancel = command(window, {}, ids::kCancel, {Qt::Key_Escape});
    window->addAction(menus.cancel);
    return menus;
}

}  // namespace tessaly::app
