// The settings file at start and on exit, Save Options, and projects saved and
// loaded through the (scripted) file dialogs.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "WindowHarness.h"
#include "app/ControlIds.h"
#include "app/SettingsBinding.h"
#include "app/ToolTips.h"
#include "app/WorkRecovery.h"
#include "core/hotspots/HotSpotEditor.h"
#include "core/model/ProjectFile.h"
#include "core/model/SettingsFile.h"
#include "core/platform/Files.h"
#include "core/platform/StagedTree.h"
#include "ui/FileDialog.h"
#include "ui/MessageLooks.h"
#include "ui/Strings.h"

namespace tessaly::gui_test {
namespace {

using namespace app::ids;

model::ViewerSettings readSettingsFile(const std::filesystem::path& path) {
    model::ViewerSettings s;
    EXPECT_TRUE(model::loadSettings(path, s, "/nowhere").ok());
    return s;
}

TEST_F(WindowTest, SettingsFileIsAppliedAtStart) {
    model::ViewerSettings stored;
    stored.windowSize = 5;
    stored.audioVolume = 11;
    stored.fullScreen = 1;
    stored.hsIcon = 2;
    stored.viewMode = 1;
    stored.htmlBgColor = 0x0000FF;
    stored.htmlTitle = "My tour";
    stored.toolTipHelp = 0;
    stored.loadDir = "/videos/in";
    stored.saveDir = "/videos/out";
    ASSERT_TRUE(model::saveSettings(settingsPath(), stored, "/m/a.mp4").ok());

    openWindow();
    EXPECT_EQ(control<QComboBox>(kWindowSize)->currentText(), QStringLiteral("05.640x480"));
    EXPECT_EQ(control<QComboBox>(kAudioVolume)->currentText(), QStringLiteral("100%"));
    EXPECT_TRUE(control<QCheckBox>(kFullScreen)->isChecked());
    EXPECT_TRUE(control<QCheckBox>(kIcon2)->isChecked());
    EXPECT_FALSE(control<QCheckBox>(kIcon1)->isChecked());
    EXPECT_TRUE(control<QAbstractButton>(kBlackAreas)->isChecked());
    EXPECT_EQ(control(kBgColorSwatch)->palette().color(QPalette::Window), QColor(255, 0, 0));
    EXPECT_EQ(control<QLineEdit>(kHtmlTitle)->text(), QStringLiteral("My tour"));
    EXPECT_FALSE(menuAction(kToolTipToggle)->isChecked());
    EXPECT_FALSE(window().toolTips().active());
    EXPECT_EQ(window().settings().loadDir(), "/videos/in");
    EXPECT_EQ(window().settings().saveDir(), "/videos/out");
}

// A publish killed in the folder the window last published to left its journal
// and a folder it made; the window puts the folder back at start.
TEST_F(WindowTest, APublishKilledInTheLastPageFolderIsUndoneAtStart) {
    namespace fs = std::filesystem;
    const fs::path site = folder() / "site", journal = platform::journalPath(site);
    fs::create_directories(site);
    writeFile("site/index.html", "old page");
    {
        platform::StagedTree killed;
        ASSERT_TRUE(killed.keepJournal(site).ok());
        ASSERT_TRUE(killed.makeFolder(site / "js" / "ctr").ok());
        // Kept as it is before the tree, dropped, takes it back.
        fs::create_hard_link(journal, folder() / "journal");
    }
    fs::create_directories(site / "js" / "ctr");
    fs::rename(folder() / "journal", journal);
    model::ViewerSettings stored;
    stored.saveDir = site.string();
    ASSERT_TRUE(model::saveSettings(settingsPath(), stored, "/m/a.mp4").ok());

    openWindow();
    EXPECT_FALSE(fs::exists(journal));
    EXPECT_FALSE(fs::exists(site / "js"));
    EXPECT_EQ(platform::readFile(site / "index.html").value(), "old page");
    EXPECT_TRUE(messages().empty());
}

TEST_F(WindowTest, ConfirmedExitWritesTheSettingsOnlyWithAMainMovie) {
    control<QComboBox>(kZoom)->setCurrentIndex(2);
    window().close();  // Discard: no movie in slot 1, nothing written, nothing said
    EXPECT_FALSE(std::filesystem::exists(settingsPath()));
    ASSERT_EQ(messages().size(), 1u);

    openWindow();
    control<QComboBox>(kZoom)->setCurrentIndex(2);
    window().setMoviePath(1, QStringLiteral("/m/a.mp4"));
    ui::QtPrompts::setNextSaveChoice(SaveChoice::Cancel);
    window().close();
    EXPECT_FALSE(std::filesystem::exists(settingsPath())) << "Cancel writes nothing";
    window().close();
    ASSERT_TRUE(std::filesystem::exists(settingsPath()));
    EXPECT_EQ(readSettingsFile(settingsPath()).zoom, 3);
    EXPECT_EQ(messages().size(), 2u) << "only the two questions";
}

TEST_F(WindowTest, SaveOptionsNeedsAMainMovie) {
    sendCommand(window(), kSaveOptions);
    std::vector<Message> shown = messages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "You need to choose any video file, then you can save a parameters");
    EXPECT_EQ(tessaly::ui::lookOf(shown[0].topic).caption, "Information:");
    EXPECT_EQ(tessaly::ui::lookOf(shown[0].topic).icon, QMessageBox::Information);
    EXPECT_FALSE(std::filesystem::exists(settingsPath()));

    window().setMoviePath(1, QStringLiteral("  /m/a.mp4 "));
    control<QLineEdit>(kHtmlTitle)->setText(QStringLiteral(" spaced "));
    sendCommand(window(), kSaveOptions);
    EXPECT_TRUE(messages().empty());
    const auto bytes = platform::readFile(settingsPath()).value();
    EXPECT_NE(bytes.find("<HTMLTITLE> spaced </HTMLTITLE>\r\n"), std::string::npos);
}

// Slot by slot as the files and the page read them (a blank text may be held
// empty or space-filled).
void expectSameSpots(const hotspots::HotSpotList& actual, const hotspots::HotSpotList& expected) {
    for (int n = 1; n <= 10; ++n) {
        const hotspots::HotSpot& a = actual.at(n);
        const hotspots::HotSpot& b = expected.at(n);
        EXPECT_EQ(a.trimmedLink(), b.trimmedLink()) << n;
        EXPECT_EQ(a.trimmedTitle(), b.trimmedTitle()) << n;
        EXPECT_EQ(a.yaw, b.yaw) << n;
        EXPECT_EQ(a.pos, b.pos) << n;
        EXPECT_EQ(a.time, b.time) << n;
        EXPECT_EQ(a.self, b.self) << n;
    }
}

// The page title a saved project holds.
std::string savedTitle(const std::filesystem::path& project) {
    model::ViewerSettings written;
    model::MovieSlots movies;
    hotspots::HotSpotList spots;
    EXPECT_TRUE(model::loadProject(project, written, movies, spots, "/nowhere").ok());
    return written.htmlTitle;
}

class ProjectTest : public WindowTest {
protected:
    // Fills slot `n` through the editor's own rules, with a position as if read from the preview.
    void putHotSpot(int n, const char* link, int yaw, double pos) {
        hotspots::HotSpot& spot = window().hotSpots().at(n);
        spot.setLink(link);
        spot.setTitle("Title " + std::to_string(n));
        spot.yaw = yaw;
        spot.pos = pos;
        spot.time = 5;
        spot.self = 1;
    }
};

TEST_F(ProjectTest, SaveAndLoadThroughTheDialogs) {
    control<QComboBox>(kStartYaw)->setCurrentIndex(4);
    control<QLineEdit>(kHtmlTitle)->setText(QStringLiteral("Harbour"));
    window().setMoviePath(1, QStringLiteral("/m/harbour.mp4"));
    window().setMoviePath(2, QStringLiteral("/m/harbour.webm"));
    putHotSpot(1, "page2.html", -45, 12.5);
    putHotSpot(7, "https://example.org/", 90, 3.7);
    const hotspots::HotSpotList saved = window().hotSpots();

    const std::filesystem::path chosen = folder() / "projects" / "trip";
    std::filesystem::create_directories(chosen.parent_path());
    ui::FileDialog::setNextAnswer(QString::fromStdString(chosen.string()));
    sendCommand(window(), kSaveProject);
    const auto request = ui::FileDialog::lastRequest();
    ASSERT_TRUE(request);
    EXPECT_EQ(request->mode, ui::FileDialogRequest::Mode::Save);
    EXPECT_EQ(request->title, QStringLiteral("Save the Project"));
    EXPECT_EQ(request->filter, QStringLiteral("Project file (*.hs5)|*.hs5|"));
    EXPECT_EQ(request->initialName, QStringLiteral("*.hs5"));
    EXPECT_EQ(request->initialFolder.toStdString(), folder().string());
    const std::filesystem::path file = folder() / "projects" / "trip.hs5";
    ASSERT_TRUE(std::filesystem::exists(file)) << "\".hs5\" appended";
    EXPECT_EQ(window().settings().saveDir(), (folder() / "projects").string());
    EXPECT_TRUE(messages().empty());

    openWindow();
    ui::FileDialog::setNextAnswer(QString::fromStdString(file.string()));
    sendCommand(window(), kLoadProject);
    const auto load = ui::FileDialog::lastRequest();
    ASSERT_TRUE(load);
    EXPECT_EQ(load->mode, ui::FileDialogRequest::Mode::Open);
    EXPECT_EQ(load->title, QStringLiteral("Load a Project"));
    EXPECT_EQ(load->initialName, QString());
    EXPECT_EQ(load->initialFolder.toStdString(), (folder() / "projects").string())
        << "beside the last project, not in the load folder";
    // The project's own LOADDIR is read after the dialog's folder.
    EXPECT_EQ(window().settings().loadDir(), folder().string());

    EXPECT_EQ(control<QComboBox>(kStartYaw)->currentIndex(), 4);
    EXPECT_EQ(control<QLineEdit>(kHtmlTitle)->text(), QStringLiteral("Harbour"));
    EXPECT_EQ(window().moviePath(1), QStringLiteral("/m/harbour.mp4"));
    EXPECT_EQ(window().moviePath(2), QStringLiteral("/m/harbour.webm"));
    EXPECT_EQ(window().moviePath(3), QString());
    expectSameSpots(window().hotSpots(), saved);
    EXPECT_EQ(control<QLabel>(rowYaw(1))->text(), QStringLiteral("-45"));
    EXPECT_EQ(control<QLabel>(rowPos(1))->text(), QStringLiteral("12.5"));
    EXPECT_EQ(control<QLabel>(rowPos(7))->text(), QStringLiteral("3.7"));
    EXPECT_EQ(control<QLineEdit>(rowTime(7))->text(), QStringLiteral("5.0"));
    for (int n = 1; n <= 10; ++n) EXPECT_FALSE(control<QCheckBox>(slotSelector(n))->isChecked()) << n;
    EXPECT_EQ(window().editor().currentSlot(), 0);
    EXPECT_FALSE(control<QCheckBox>(kSelfMode)->isChecked());
    EXPECT_TRUE(control<QLineEdit>(kLink)->text().isEmpty());

    // With no slot selected "Add Hot Spot" does nothing, "Clear Hot Spot" clears every slot.
    control<QLineEdit>(kLink)->setText(QStringLiteral("x.html"));
    sendCommand(window(), kAddHotSpot);
    EXPECT_TRUE(messages().empty());
    expectSameSpots(window().hotSpots(), saved);
    sendCommand(window(), kClearHotSpot);
    EXPECT_EQ(window().hotSpots(), hotspots::HotSpotList{});
    EXPECT_TRUE(control<QCheckBox>(slotSelector(1))->isChecked());
    auto* pitch = control<QLineEdit>(kHotSpotPitch);
    pitch->setText(QStringLiteral("-95"));
    emit pitch->editingFinished();
    EXPECT_EQ(window().editor().currentPitch(), -90.0);
    EXPECT_EQ(pitch->text(), QStringLiteral("-90.0"));
}

TEST_F(ProjectTest, AnUnreadableProjectChangesNothingAndSaysWhy) {
    window().setMoviePath(1, QStringLiteral("/m/keep.mp4"));
    putHotSpot(3, "keep.html", 10, 2);
    const hotspots::HotSpotList before = window().hotSpots();
    const std::filesystem::path folderAsFile = folder() / "not-a-file.hs5";
    std::filesystem::create_directories(folderAsFile);
    ui::FileDialog::setNextAnswer(QString::fromStdString(folderAsFile.string()));
    sendCommand(window(), kLoadProject);
    const std::vector<Message> shown = messages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_NE(shown[0].text.find(folderAsFile.string()), std::string::npos) << shown[0].text;
    EXPECT_EQ(tessaly::ui::lookOf(shown[0].topic).icon, QMessageBox::Critical);
    EXPECT_EQ(window().moviePath(1), QStringLiteral("/m/keep.mp4"));
    EXPECT_EQ(window().hotSpots(), before);
}

TEST_F(ProjectTest, AFileThatIsNoProjectChangesNothingAndSaysWhy) {
    control<QComboBox>(kStartYaw)->setCurrentIndex(4);
    window().setMoviePath(1, QStringLiteral("/m/keep.mp4"));
    window().setMoviePath(3, QStringLiteral("/m/keep.ogv"));
    putHotSpot(3, "keep.html", 10, 2);
    const hotspots::HotSpotList before = window().hotSpots();
    const model::ViewerSettings options = window().settings().read();
    ASSERT_TRUE(window().toolTips().active());

    std::string noise;
    for (int i = 0; i < 3000; ++i) noise += static_cast<char>((i * 131 + 7) % 256);
    for (const auto& [name, bytes] :
         {std::pair<const char*, std::string>{"noise.hs5", noise}, {"empty.hs5", ""}}) {
        SCOPED_TRACE(name);
        const std::filesystem::path file = folder() / name;
        ASSERT_TRUE(platform::writeFileAtomic(file, bytes).ok());
        ui::FileDialog::setNextAnswer(QString::fromStdString(file.string()));
        sendCommand(window(), kLoadProject);
        const std::vector<Message> shown = messages();
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_NE(shown[0].text.find(file.string()), std::string::npos) << shown[0].text;
        EXPECT_NE(shown[0].text.find("Not a project file"), std::string::npos) << shown[0].text;
        EXPECT_EQ(tessaly::ui::lookOf(shown[0].topic).icon, QMessageBox::Critical);
        model::ViewerSettings now = window().settings().read();
        now.loadDir = options.loadDir;  // the folder the dialog was confirmed in, as for any load
        EXPECT_EQ(now, options);
        EXPECT_EQ(window().moviePath(1), QStringLiteral("/m/keep.mp4"));
        EXPECT_EQ(window().moviePath(3), QStringLiteral("/m/keep.ogv"));
        EXPECT_EQ(window().hotSpots(), before);
        EXPECT_TRUE(window().toolTips().active());
    }
}

TEST_F(ProjectTest, ChangedWorkIsAskedAboutBeforeItIsReplaced) {
    const std::filesystem::path other = folder() / "other.hs5";
    model::ViewerSettings otherSettings;
    otherSettings.htmlTitle = "Other";
    ASSERT_TRUE(model::saveProject(other, otherSettings, {"/m/other.mp4", "", ""}, {}).ok());
    const auto title = [this] { return control<QLineEdit>(kHtmlTitle)->text(); };

    sendCommand(window(), kOptionsByDefault);
    window().openFiles({other});
    EXPECT_TRUE(messages().empty()) << "nothing changed, nothing asked";
    EXPECT_EQ(window().windowTitle(), QStringLiteral("other.hs5 - Tessaly"));
    ui::QtPrompts::setNextAnswer(false);
    window().close();
    ASSERT_EQ(messages().size(), 1u);  // the exit's own question

    control<QLineEdit>(kHtmlTitle)->setText(QStringLiteral("Mine"));
    EXPECT_EQ(window().windowTitle(), QStringLiteral("other.hs5* - Tessaly"));
    const auto cancelled = [&](const std::function<void()>& command, SaveChoice choice = SaveChoice::Cancel) {
        ui::QtPrompts::setNextSaveChoice(choice);
        command();
        const std::vector<Message> asked = messages();
        ASSERT_EQ(asked.size(), 1u);
        EXPECT_EQ(asked[0].text, "Save the changes to the project?");
        EXPECT_EQ(title(), QStringLiteral("Mine")) << "Cancel leaves the work as it was";
        EXPECT_EQ(window().moviePath(1), QStringLiteral("/m/other.mp4"));
    };
    cancelled([&] { sendCommand(window(), kOptionsByDefault); });
    cancelled([&] {
        ui::FileDialog::setNextAnswer(QString::fromStdString(other.string()));
        sendCommand(window(), kLoadProject);
    });
    cancelled([&] { window().openFiles({other}); });
    cancelled([&] { window().close(); });
    // Cancel in the save dialog cancels the whole command.
    // Save writes the project's own file without a dialog, then the command goes on.
    ui::FileDialog::setScripted(true);
    ui::QtPrompts::setNextSaveChoice(SaveChoice::Save);
    window().openFiles({other});
    EXPECT_EQ(messages().size(), 1u);
    EXPECT_FALSE(ui::FileDialog::lastRequest());
    EXPECT_EQ(title(), QStringLiteral("Mine")) << "opened again from the file just written";
    EXPECT_EQ(window().windowTitle(), QStringLiteral("other.hs5 - Tessaly"));

    // Discard goes on without writing; the new state is changed from the project.
    control<QLineEdit>(kHtmlTitle)->setText(QStringLiteral("Lost"));
    sendCommand(window(), kOptionsByDefault);
    EXPECT_EQ(messages().size(), 1u);
    EXPECT_EQ(window().moviePath(1), QString());
    EXPECT_EQ(window().windowTitle(), QStringLiteral("other.hs5* - Tessaly"));
    EXPECT_EQ(savedTitle(other), "Mine");

    // Work never saved asks for a file; Cancel there cancels the whole command.
    openWindow();
    control<QLineEdit>(kHtmlTitle)->setText(QStringLiteral("New"));
    ui::QtPrompts::setNextSaveChoice(SaveChoice::Save);
    ui::FileDialog::setNextAnswer(std::nullopt);
    window().openFiles({other});
    EXPECT_EQ(messages().size(), 1u);
    EXPECT_TRUE(ui::FileDialog::lastRequest());
    EXPECT_EQ(title(), QStringLiteral("New"));
}

// Save writes the project's own file without a dialog; Save As always asks,
// and asks again before it replaces another file.
TEST_F(ProjectTest, SaveWritesItsOwnFileAndSaveAsAsksBeforeReplacingAnother) {
    const std::filesystem::path tour = folder() / "tour.hs5", other = writeFile("other.hs5", "keep");
    ASSERT_TRUE(model::saveProject(tour, {}, {"/m/tour.mp4", "", ""}, {}).ok());
    window().openFiles({tour});
    control<QLineEdit>(kHtmlTitle)->setText(QStringLiteral("Harbour"));
    sendCommand(window(), kSaveProject);
    EXPECT_FALSE(ui::FileDialog::lastRequest());
    EXPECT_EQ(window().windowTitle(), QStringLiteral("tour.hs5 - Tessaly"));
    EXPECT_EQ(savedTitle(tour), "Harbour");

    for (const bool replace : {false, true}) {
        ui::FileDialog::setNextAnswer(QString::fromStdString((folder() / "other").string()));
        ui::QtPrompts::setNextAnswer(replace);
        sendCommand(window(), kSaveProjectAs);
        const std::vector<Message> shown = messages();
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].text, other.string() + " already exists.\nReplace it?");
    }
    EXPECT_EQ(savedTitle(other), "Harbour");
    EXPECT_EQ(window().windowTitle(), QStringLiteral("other.hs5 - Tessaly"));
    ui::FileDialog::setNextAnswer(QString::fromStdString(other.string()));
    sendCommand(window(), kSaveProjectAs);
    EXPECT_TRUE(messages().empty()) << "its own file is no other file";
}

// Each command is one step, a typed field once it is left (the kinds of
// change are in DropTest); the mark follows the point the project was saved at.
TEST_F(ProjectTest, UndoAndRedoStepThroughCommandsAndTheMarkFollowsTheSavedPoint) {
    const std::filesystem::path tour = folder() / "tour.hs5";
    ASSERT_TRUE(model::saveProject(tour, {}, {"/m/tour.mp4", "", ""}, {}).ok());
    window().openFiles({tour});
    const auto marked = [this] { return window().windowTitle().contains(QLatin1Char('*')); };
    auto* title = control<QLineEdit>(kHtmlTitle);
    title->setText(QStringLiteral("Har"));
    title->setText(QStringLiteral("Harbour"));
    emit title->editingFinished();
    putHotSpot(1, "page2.html", -45, 12.5);
    const hotspots::HotSpotList spots = window().hotSpots();
    sendCommand(window(), kClearAllHotSpots);
    sendCommand(window(), kUndo);
    expectSameSpots(window().hotSpots(), spots);
    EXPECT_EQ(control<QLabel>(rowYaw(1))->text(), QStringLiteral("-45"));
    sendCommand(window(), kUndo);  // the slot filled
    EXPECT_EQ(title->text(), QStringLiteral("Harbour"));
    sendCommand(window(), kUndo);
    EXPECT_EQ(title->text(), QString()) << "the typing was one step";
    EXPECT_FALSE(marked()) << "back where it was saved";
    EXPECT_FALSE(menuAction(kUndo)->isEnabled());

    sendCommand(window(), kRedo);
    EXPECT_EQ(title->text(), QStringLiteral("Harbour"));
    sendCommand(window(), kSaveProject);
    sendCommand(window(), kUndo);
    EXPECT_TRUE(marked()) << "away from the saved point";
    sendCommand(window(), kRedo);
    EXPECT_FALSE(marked());
}

// The captions beside slot 1's movie show between the command buttons, over no
// other control. Load Captions chooses a file for a language over the one
// found for it, as one step that Undo takes back; the project keeps it, and
// the display's own menu removes it.
TEST_F(ProjectTest, CaptionsShowUnderTheMovieRowsAndLoadCaptionsIsOneStep) {
    namespace fs = std::filesystem;
    auto* shown = control<QLabel>(kCaptions);
    for (const char* name : {"tour.mp4", "tour.en.vtt", "tour.de.srt"}) writeFile(name);
    window().setMoviePath(1, ui::qpath(folder() / "tour.mp4"));
    EXPECT_EQ(shown->text(), QStringLiteral("Captions: de, en"));
    EXPECT_TRUE(shown->toolTip().contains(ui::qpath(folder() / "tour.de.srt")));
    for (const QWidget* other : window().centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        EXPECT_TRUE(other == shown || !other->geometry().intersects(shown->geometry()))
            << app::controlId(other);

    fs::create_directories(folder() / "subs");
    const fs::path chosen = writeFile("subs/talk.de.srt");
    ui::FileDialog::setNextAnswer(ui::qpath(chosen));
    ui::QtPrompts::setNextText("Deutsch");
    sendCommand(window(), kLoadCaptions);
    EXPECT_NE(messages().back().text.find("is not a language tag"), std::string::npos);
    EXPECT_FALSE(shown->toolTip().contains(ui::qpath(chosen)));
    ui::FileDialog::setNextAnswer(ui::qpath(chosen));
    sendCommand(window(), kLoadCaptions);  // the tag its name carries, as offered
    EXPECT_EQ(ui::FileDialog::lastRequest()->initialFolder.toStdString(), folder().string());
    EXPECT_TRUE(shown->toolTip().contains(ui::qpath(chosen)));
    EXPECT_FALSE(shown->toolTip().contains(ui::qpath(folder() / "tour.de.srt")));
    EXPECT_TRUE(window().windowTitle().contains(QLatin1Char('*')));

    ui::FileDialog::setNextAnswer(ui::qpath(folder() / "tour.hs5"));
    sendCommand(window(), kSaveProject);
    EXPECT_NE(platform::readFile(folder() / "tour.hs5")
                  .value()
                  .find("<CAPTION1>" + chosen.string() + "</CAPTION1>"),
              std::string::npos);
    sendCommand(window(), kUndo);
    EXPECT_TRUE(shown->toolTip().contains(ui::qpath(folder() / "tour.de.srt")));
    sendCommand(window(), kRedo);
    ASSERT_EQ(shown->actions().size(), 1);
    shown->actions().front()->trigger();
    EXPECT_FALSE(shown->toolTip().contains(ui::qpath(chosen)));
    EXPECT_TRUE(window().windowTitle().contains(QLatin1Char('*')));
}

// Changed work is kept in the recovery folder; the next start offers it back,
// naming the project, and Recover brings the change back. A save, a clean end
// or Discard removes the file; a window still running keeps its own.
TEST_F(ProjectTest, UnsavedWorkKeptAgainstACrashIsOfferedAtTheNextStart) {
    namespace fs = std::filesystem;
    const fs::path tour = folder() / "tour.hs5";
    ASSERT_TRUE(model::saveProject(tour, {}, {"/m/tour.mp4", "", ""}, {}).ok());
    window().openFiles({tour});
    control<QLineEdit>(kHtmlTitle)->setText(QStringLiteral("Harbour"));
    const fs::path kept = window().recovery().file();
    window().recovery().keepNow();
    makeWindow()->offerRecovery();
    EXPECT_TRUE(messages().empty());

    // A crash leaves the file behind: a copy outlives the window.
    const fs::path crashed = kept.parent_path() / "1-1.hs5";
    fs::copy_file(kept, crashed);
    openWindow();
    EXPECT_FALSE(fs::exists(kept)) << "a clean end removes it";
    window().offerRecovery();  // answered Recover
    std::vector<Message> shown = messages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_NE(shown[0].text.find("changes to tour.hs5"), std::string::npos) << shown[0].text;
    EXPECT_EQ(control<QLineEdit>(kHtmlTitle)->text(), QStringLiteral("Harbour"));
    EXPECT_EQ(window().windowTitle(), QStringLiteral("tour.hs5* - Tessaly"));
    EXPECT_FALSE(fs::exists(crashed));
    EXPECT_TRUE(fs::exists(window().recovery().file())) << "kept again as this window's own";
    sendCommand(window(), kSaveProject);
    EXPECT_FALSE(fs::exists(window().recovery().file()));
    EXPECT_EQ(savedTitle(tour), "Harbour");

    const fs::path lost = writeFile("recovery/2-2.hs5", "<HTMLTITLE>Lost</HTMLTITLE>");
    ui::QtPrompts::setNextAnswer(false);
    window().offerRecovery();
    EXPECT_EQ(messages().size(), 1u);
    EXPECT_EQ(control<QLineEdit>(kHtmlTitle)->text(), QStringLiteral("Harbour"));
    EXPECT_FALSE(fs::exists(lost));
}

TEST_F(ProjectTest, CancelledOrBlankChoicesDoNothing) {
    ui::FileDialog::setNextAnswer(std::nullopt);
    sendCommand(window(), kSaveProject);
    ui::FileDialog::setNextAnswer(QStringLiteral("   "));
    sendCommand(window(), kSaveProject);
    ui::FileDialog::setNextAnswer(std::nullopt);
    sendCommand(window(), kLoadProject);
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(window().settings().saveDir(), folder().string());
    EXPECT_EQ(window().settings().loadDir(), folder().string());
    EXPECT_EQ(
        std::distance(std::filesystem::directory_iterator(folder()), std::filesystem::directory_iterator()),
        0);
}

}  // namespace
}  // namespace tessaly::gui_test
