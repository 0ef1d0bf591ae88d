// Every menu item, button and accelerator reaching its operation, with the
// click tick, commands turned off together and the exit confirmation.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <thread>

#include "WindowHarness.h"
#include "app/AboutBox.h"
#include "app/ColorChooser.h"
#include "app/ControlIds.h"
#include "app/HelpWindow.h"
#include "app/JobRunner.h"
#include "app/ProgressWindow.h"
#include "app/SettingsBinding.h"
#include "app/ToolTips.h"
#include "ui/FileDialog.h"
#include "ui/MessageLooks.h"
#include "ui/TickSound.h"

namespace tessaly::gui_test {
namespace {

using namespace app::ids;

// What each command is seen to do, from a fresh window. Returns a description
// of what happened, so one table checks menu items, buttons and keys alike.
class CommandEffects : public WindowTest {
protected:
    // The observable effect of the command just sent.
    std::string effect(const std::function<void()>& send) {
        launcher_.started.clear();
        launcher_.opened.clear();
        launcher_.activations = 0;
        window().setMoviePath(2, QStringLiteral("/m/two.webm"));
        control<QCheckBox>(kIcon1)->setChecked(true);
        // Saved, so that no command asks about these changes first.
        ui::FileDialog::setNextAnswer(QString::fromStdString((folder() / "effects.hs5").string()));
        sendCommand(window(), kSaveProject);
        ui::FileDialog::setScripted(true);  // forget earlier requests
        messages();
        const QString modal = closeModal(send);
        if (!modal.isEmpty()) return "window " + modal.toStdString();
        if (const auto request = ui::FileDialog::lastRequest())
            return "dialog " + request->title.toStdString();
        const std::vector<Message> shown = messages();
        if (!shown.empty()) return "message " + shown.front().text;
        if (!launcher_.opened.empty()) return "open " + launcher_.opened.front().fileName().toStdString();
        if (launcher_.activations > 0) return "selector";
        if (window().moviePath(2).isEmpty()) return "movie paths emptied";
        if (!window().toolTips().active()) return "tooltips off";
        return "nothing";
    }
};

TEST_F(CommandEffects, EveryMenuItemReachesItsOperation) {
    // The exit question is answered Cancel so the window stays.
    const std::vector<std::pair<int, std::string>> table = {
        {kLoadMovie1, "dialog Load a Web Movie"},
        {kPublish, "message Movie file does not selected !\nFirts movie file must be selected !"},
        {kLoadProject, "dialog Load a Project"},
        // Once saved, the project's own file is written again without a dialog.
        {kSaveProject, "nothing"},
        {kSaveProjectAs, "dialog Save the Project"},
        {kExit, "message Are you sure?"},
        {kSelector, "selector"},
        {kOptionsByDefault, "movie paths emptied"},
        {kSaveOptions, "message You need to choose any video file, then you can save a parameters"},
        {kRemoveAdditional, "movie paths emptied"},
        {kToolTipToggle, "tooltips off"},
        {kShortHelp, "window Help"},
        {kUserGuide, "open publisher.pdf"},
        {kAbout, "window About"},
        {kPreviewInBrowser, "message Movie file does not selected !\nFirts movie file must be selected !"},
        {kClearRecentProjects, "nothing"},
    };
    for (const auto& [id, expected] : table) {
        QAction* action = menuAction(id);
        ASSERT_NE(action, nullptr) << id;
        ui::QtPrompts::setNextAnswer(false);
        EXPECT_EQ(effect([action] { action->trigger(); }), expected)
            << "menu " << action->text().toStdString();
        ui::QtPrompts::setScripted(true);
        if (id == kToolTipToggle) sendCommand(window(), kToolTipToggle);  // back on
    }
}

TEST_F(CommandEffects, EveryButtonReachesItsOperation) {
    window().show();
    const std::vector<std::pair<int, std::string>> table = {
        {kLoadMovie1, "dialog Load a Web Movie"},
        {kLoadMovie2, "dialog Load a Web Movie"},
        {kLoadMovie3, "dialog Load a Web Movie"},
        {kPublish, "message Movie file does not selected !\nFirts movie file must be selected !"},
        {kOptionsByDefault, "movie paths emptied"},
        {kSaveOptions, "message You need to choose any video file, then you can save a parameters"},
        {kAbout, "window About"},
        {kExit, "message Are you sure?"},
        {kAddHotSpot, "message The link of Hot Spot is empty"},
    };
    for (const auto& [id, expected] : table) {
        QWidget* button = control(id);
        ui::QtPrompts::setNextAnswer(false);
        EXPECT_EQ(effect([button] { QTest::mouseClick(button, Qt::LeftButton); }), expected)
            << "button " << id;
        ui::QtPrompts::setScripted(true);
    }
}

TEST_F(CommandEffects, EveryAcceleratorReachesItsOperation) {
    window().show();
    QApplication::setActiveWindow(&window());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        std::string expected;
    } table[] = {
        {Qt::Key_F1, Qt::NoModifier, "window Help"},
        {Qt::Key_L, Qt::ControlModifier, "dialog Load a Web Movie"},
        {Qt::Key_P, Qt::ControlModifier,
         "message Movie file does not selected !\nFirts movie file must be selected !"},
        {Qt::Key_F1, Qt::ControlModifier, "open publisher.pdf"},
        {Qt::Key_B, Qt::ControlModifier,
         "message Movie file does not selected !\nFirts movie file must be selected !"},
        {Qt::Key_O, Qt::ControlModifier, "dialog Load a Project"},
        {Qt::Key_S, Qt::ControlModifier, "nothing"},
        {Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier, "dialog Save the Project"},
        {Qt::Key_Q, Qt::ControlModifier, "message Are you sure?"},
    };
    for (const auto& k : table) {
        // A closed modal window may leave no window active.
        QApplication::setActiveWindow(&window());
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
        ui::QtPrompts::setNextAnswer(false);  // the window stays
        EXPECT_EQ(effect([&] { QTest::keyClick(&window(), k.key, k.modifiers); }), k.expected) << k.expected;
        ui::QtPrompts::setScripted(true);
    }
}

TEST_F(WindowTest, TickForEveryCommandButNotForTextChanges) {
    window().show();
    QApplication::setActiveWindow(&window());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    ui::TickSound& tick = window().tick();
    int before = tick.playCount();
    QTest::keyClicks(control(kHtmlTitle), QStringLiteral("abc"));
    EXPECT_EQ(tick.playCount(), before) << "typing is no command";

    auto* list = control<QComboBox>(kZoom);
    emit list->activated(2);
    EXPECT_EQ(tick.playCount(), before + 1) << "a list choice ticks";

    QTest::keyClick(&window(), Qt::Key_Escape);
    EXPECT_EQ(tick.playCount(), before + 2) << "Esc ticks";
    EXPECT_TRUE(window().isVisible()) << "and nothing else";

    QTest::mouseClick(control(kWindowSizeLabel), Qt::LeftButton);
    EXPECT_EQ(tick.playCount(), before + 3) << "a notifying label ticks";

    // The title box never scrolls: typing stops when it is full.
    auto* title = control<QLineEdit>(kHtmlTitle);
    title->clear();
    QTest::keyClicks(title, QString(300, QLatin1Char('W')));
    EXPECT_GT(title->text().size(), 10);
    EXPECT_LT(title->text().size(), 300);
    EXPECT_LE(title->fontMetrics().horizontalAdvance(title->text()), title->width());

    before = tick.playCount();
    ui::FileDialog::setNextAnswer(std::nullopt);
    sendCommand(window(), kLoadProject);
    EXPECT_EQ(tick.playCount(), before + 2) << "Load Project ticks twice";
}

TEST_F(WindowTest, CommandsTurnOffTogetherAndComeBackAsTheyWere) {
    window().setCommandsEnabled(false);
    const int ticks = window().tick().playCount();
    menuAction(kPublish)->trigger();
    QTest::mouseClick(control(kPublish), Qt::LeftButton);
    EXPECT_TRUE(messages().empty()) << "neither the item nor its button publishes";
    EXPECT_EQ(window().tick().playCount(), ticks);
    window().setCommandsEnabled(true);
    EXPECT_TRUE(menuAction(kPublish)->isEnabled());
    EXPECT_FALSE(menuAction(kUndo)->isEnabled()) << "nothing to undo yet";
    control<QLineEdit>(kHtmlTitle)->setText(QStringLiteral("Tour"));
    EXPECT_TRUE(menuAction(kUndo)->isEnabled()) << "the typing is undone as a step";
}

TEST_F(WindowTest, IconBoxesActAsOneChoice) {
    auto* icon1 = control<QCheckBox>(kIcon1);
    auto* icon2 = control<QCheckBox>(kIcon2);
    QTest::mouseClick(icon2, Qt::LeftButton);
    EXPECT_FALSE(icon1->isChecked());
    EXPECT_TRUE(icon2->isChecked());
    QTest::mouseClick(icon2, Qt::LeftButton);
    EXPECT_TRUE(icon2->isChecked()) << "clicking the ticked one keeps it ticked";
    QTest::mouseClick(icon1, Qt::LeftButton);
    EXPECT_TRUE(icon1->isChecked());
    EXPECT_FALSE(icon2->isChecked());
    EXPECT_EQ(window().settings().read().hsIcon, 1);
}

TEST_F(WindowTest, ColourChoosersSetTheirColourAndCancelKeepsIt) {
    app::ColorChooser::setNextAnswer(QColor(255, 0, 0));
    sendCommand(window(), kBgColorChoose);
    EXPECT_EQ(window().settings().read().htmlBgColor, 0x0000FFu) << "red in the low byte";
    EXPECT_EQ(control(kBgColorSwatch)->palette().color(QPalette::Window), QColor(255, 0, 0));
    app::ColorChooser::setNextAnswer(std::nullopt);
    sendCommand(window(), kBgColorChoose);
    EXPECT_EQ(window().settings().read().htmlBgColor, 0x0000FFu) << "cancel keeps the colour";

    app::ColorChooser::setNextAnswer(QColor(0x12, 0x34, 0x56));
    sendCommand(window(), kBlackAreaChoose);
    EXPECT_EQ(window().settings().read().blackAreaColor, 0x563412u);
    EXPECT_EQ(control(kBlackAreaSwatch)->palette().color(QPalette::Window), QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(window().settings().read().htmlBgColor, 0x0000FFu);
}

TEST_F(WindowTest, SelectorIsBroughtForwardOrStartedFromTheProgramFolder) {
    launcher_.selectorRunning = true;
    sendCommand(window(), kSelector);
    EXPECT_TRUE(launcher_.started.empty()) << "a running copy comes forward";
    launcher_.selectorRunning = false;
    sendCommand(window(), kSelector);
    ASSERT_EQ(launcher_.started.size(), 1u);
    EXPECT_EQ(launcher_.started[0].toStdString(), (folder() / "bin" / "selector").string());
    sendCommand(window(), kUserGuide);
    ASSERT_EQ(launcher_.opened.size(), 1u);
    EXPECT_EQ(launcher_.opened[0].toLocalFile().toStdString(), (folder() / "bin" / "publisher.pdf").string());
}

TEST_F(WindowTest, ToolTipToggleSwitchesMenuTickAndTips) {
    QAction* item = menuAction(kToolTipToggle);
    item->trigger();
    EXPECT_FALSE(item->isChecked());
    EXPECT_FALSE(window().toolTips().active());
    EXPECT_EQ(window().settings().toolTipHelp(), 0);
    item->trigger();
    EXPECT_TRUE(item->isChecked());
    EXPECT_TRUE(window().toolTips().active());
    EXPECT_EQ(window().settings().toolTipHelp(), 1);
}

TEST_F(WindowTest, ExitAsksAndStaysOnCancel) {
    window().show();
    ui::QtPrompts::setNextAnswer(false);
    sendCommand(window(), kExit);
    std::vector<Message> shown = messages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "Are you sure?");
    EXPECT_EQ(tessaly::ui::lookOf(shown[0].topic).caption, "Exit IDE");
    EXPECT_EQ(tessaly::ui::lookOf(shown[0].topic).icon, QMessageBox::Warning);
    EXPECT_TRUE(window().isVisible());
    // The title bar's close asks the same, without a tick.
    const int ticks = window().tick().playCount();
    window().close();
    EXPECT_FALSE(window().isVisible()) << "OK closes";
    EXPECT_EQ(window().tick().playCount(), ticks);
    EXPECT_EQ(messages().size(), 1u);
}

TEST_F(WindowTest, OptionsByDefaultResetsOptionsAndMoviesButKeepsTheRest) {
    control<QComboBox>(kWindowSize)->setCurrentIndex(0);
    control<QCheckBox>(kStat)->setChecked(true);
    control<QLineEdit>(kHtmlTitle)->setText(QStringLiteral("Tour"));
    control<QLineEdit>(kCustomWidth)->setText(QStringLiteral("640"));
    app::ColorChooser::setNextAnswer(QColor(1, 2, 3));
    sendCommand(window(), kBgColorChoose);
    sendCommand(window(), kToolTipToggle);
    for (int slot = 1; slot <= 3; ++slot) window().setMoviePath(slot, QStringLiteral("/m/a.mp4"));
    window().hotSpots().at(2).pos = 3.5;

    sendCommand(window(), kOptionsByDefault);
    const model::ViewerSettings s = window().settings().read();
    EXPECT_EQ(s.windowSize, 3);
    EXPECT_EQ(s.stat, 0);
    EXPECT_EQ(s.htmlTitle, "");
    EXPECT_EQ(s.htmlBgColor, 0u);
    EXPECT_EQ(s.customWidth, "640") << "custom size kept";
    EXPECT_EQ(s.toolTipHelp, 0) << "tooltip switch kept";
    for (int slot = 1; slot <= 3; ++slot) EXPECT_TRUE(window().moviePath(slot).isEmpty());
    EXPECT_EQ(window().hotSpots().at(2).pos, 3.5) << "hot spots kept";
    EXPECT_FALSE(settingsPath().empty());
    EXPECT_FALSE(std::filesystem::exists(settingsPath())) << "nothing written";
}

TEST_F(WindowTest, AboutLinksOpenTheBrowserAndTheMailProgram) {
    app::AboutBox about(&window(), launcher_);
    about.show();
    QTest::mouseClick(ui::findControl(&about, 2004), Qt::LeftButton);
    QTest::mouseClick(ui::findControl(&about, 2002), Qt::LeftButton);
    ASSERT_EQ(launcher_.opened.size(), 2u);
    EXPECT_EQ(launcher_.opened[0].scheme(), QStringLiteral("https"));
    EXPECT_EQ(launcher_.opened[1].scheme(), QStringLiteral("mailto"));
    EXPECT_EQ(qobject_cast<QLabel*>(ui::findControl(&about, 101))->text(), QStringLiteral(" Build 010.01"));
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About"));
    EXPECT_TRUE(about.isVisible()) << "the links leave the box open";
}

TEST_F(WindowTest, ShortHelpClosesWithItsButtonAndATick) {
    int ticks = 0;
    app::HelpWindow help(&window(), [&ticks] { ++ticks; });
    help.show();
    // 710 by 528 at least: taller where this platform's font needs it.
    EXPECT_EQ(help.width(), 710);
    EXPECT_GE(help.height(), 528);
    EXPECT_EQ(qobject_cast<QLabel*>(ui::findControl(&help, 100))->text(), QStringLiteral("  Instruction:"));
    const QRect exit = ui::findControl(&help, 108)->geometry();
    EXPECT_EQ(exit.right(), 694);
    EXPECT_TRUE(ui::findControl(&help, 314)->geometry().contains(exit)) << "in the output files box";
    QTest::mouseClick(ui::findControl(&help, 108), Qt::LeftButton);
    EXPECT_EQ(ticks, 1);
    EXPECT_FALSE(help.isVisible());
    help.show();
    help.close();
    EXPECT_EQ(ticks, 1) << "the title bar's close is silent";
}

// Answers questions in order and keeps what was asked.
class AnsweringPrompts : public Prompts {
public:
    std::vector<bool> answers;
    std::vector<std::string> asked;

    void show(const Message&) override {}
    bool confirm(const Message& message) override {
        asked.push_back(message.text);
        const bool answer = answers.front();
        answers.erase(answers.begin());
        return answer;
    }
    SaveChoice askToSave(const Message&) override { return SaveChoice::Cancel; }
    std::optional<std::filesystem::path> chooseFile(const FileChoice&) override { return std::nullopt; }
};

TEST(JobRunner, AStepsReportShowsBeforeItsSequelAndAStoppedJobClosesTheWindowOnceItHasEnded) {
    AnsweringPrompts prompts;
    int closes = 0;
    QWidget window;
    app::JobRunner runner(&window, prompts, [&closes] { ++closes; });
    EXPECT_FALSE(runner.holdClose()) << "nothing runs: the window closes as usual";
    QSignalSpy running(&runner, &app::JobRunner::runningChanged);
    QSignalSpy ended(&runner, &app::JobRunner::ended);
    runner.begin({QStringLiteral("Working"), QStringLiteral("Reading"), "stop working?"});
    EXPECT_TRUE(runner.progress().isVisible());
    QString seen;
    runner.run(
        [&] {
            runner.report({publish::JobStep::Encoding, "tour.mp4", 30, 60, 10});
        },
        [&] {
            seen = runner.progress().text();
            // Runs until it is stopped.
            runner.run(
                [&] {
                    while (!runner.stopFlag()->load()) std::this_thread::yield();
                },
                [&] { runner.end(); });
            prompts.answers = {false, true};
            EXPECT_TRUE(runner.holdClose());
            EXPECT_FALSE(runner.stopFlag()->load()) << "kept on";
            EXPECT_TRUE(runner.holdClose());
        });
    ASSERT_TRUE(ended.wait(10000));
    EXPECT_TRUE(seen.startsWith(QStringLiteral("Encoding tour.mp4\n"))) << seen.toStdString();
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(prompts.asked, (std::vector<std::string>{"stop working?", "stop working?"}));
    ASSERT_EQ(running.size(), 2);
    EXPECT_EQ(running[0][0].toBool(), true);
    EXPECT_EQ(running[1][0].toBool(), false);
    EXPECT_FALSE(runner.running());
    EXPECT_FALSE(runner.holdClose());
}

}  // namespace
}  // namespace tessaly::gui_test
