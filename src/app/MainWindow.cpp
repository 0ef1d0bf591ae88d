#include "app/MainWindow.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QLayout>
#include <QLineEdit>
#include <QMediaPlayer>
#include <QMenuBar>
#include <QScreen>
#include <QUndoStack>

#include "app/AboutBox.h"
#include "app/CaptionDisplay.h"
#include "app/ColorChooser.h"
#include "app/DesktopTexts.h"
#include "app/EncodeCommand.h"
#include "app/FileDrops.h"
#include "app/HelpWindow.h"
#include "app/HotSpotPanel.h"
#include "app/JobRunner.h"
#include "app/Launcher.h"
#include "app/MismatchNote.h"
#include "app/MovieRows.h"
#include "app/OptionsArea.h"
#include "app/PreviewInBrowser.h"
#include "app/PreviewLook.h"
#include "app/PublishCommand.h"
#include "app/QtPreviewPlayer.h"
#include "app/RecentProjectsMenu.h"
#include "app/SettingsBinding.h"
#include "app/StereoChoice.h"
#include "app/ToolTips.h"
#include "app/TransportStrip.h"
#include "app/WindowGrowth.h"
#include "app/WindowTexts.h"
#include "app/WorkRecovery.h"
#include "core/hotspots/HotSpotEditor.h"
#include "core/model/RecoveryFile.h"
#include "core/model/SettingsFile.h"
#include "core/movies/Captions.h"
#include "core/platform/BesideProgram.h"
#include "core/publish/Mismatches.h"
#include "core/publish/PublishMessages.h"
#include "core/publish/Publisher.h"
#include "core/text/Text.h"
#include "ui/Fonts.h"
#include "ui/MessageLooks.h"
#include "ui/QtPrompts.h"
#include "ui/Strings.h"
#include "ui/TickSound.h"

static void initAppResources() { Q_INIT_RESOURCE(app); }

namespace tessaly::app {

MainWindow::MainWindow(const WindowSetup& setup, Launcher& launcher, MediaTools tools, QWidget* parent)
    : QMainWindow(parent),
      setup_(setup),
      launcher_(launcher),
      client_(new QWidget(this)),
      tick_(std::make_unique<ui::TickSound>()),
      prompts_(std::make_unique<ui::QtPrompts>(this)),
      jobs_(std::make_unique<JobRunner>(this, *prompts_, [this] { closeForGood(); })) {
    initAppResources();
    setWindowTitle(ui::qs(texts::kWindowTitle));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowIcon(QIcon(QStringLiteral(":/tessaly/about.png")));
    setFont(ui::controlFont());

    client_->setMinimumSize(kClientWidth, kClientHeight);
    QPalette pal = client_->palette();
    pal.setColor(QPalette::Window, QColor(135, 135, 135));
    client_->setPalette(pal);
    client_->setAutoFillBackground(true);
    setCentralWidget(client_);

    buildParts(tools);
    new WindowGrowth(client_, header_.previewHost, {panel_->marker()}, [this] {
        panel_->setPictureFrame(header_.previewHost->geometry(), pictureBottom(header_));
    });
    resize(layout()->minimumSize());
    placeRestored_ = restoreWindowPlace(this, setup_.placeFile);
    applySettingsFile();
    // A publish killed in the folder last published to is finished or undone
    // before anything else, as the next publish there would.
    if (const auto finished = publish::finishInterruptedPublish(settings_->saveDir()); finished.failed())
        reportError(*prompts_, finished.failure());
    toolTips_ = new ToolTips(client_);
    showToolTipHelp(settings_->toolTipHelp() == 1);
    ColorChooser::resetCustomColours();
    recent_ = std::make_unique<RecentProjectsMenu>(menus_, setup_.settingsPath);
    session_ = std::make_unique<ProjectSession>(ProjectSession::Parts{
        this, *prompts_, *settings_, *rows_, *recent_, hotSpots_, *editor_, *panel_, *header_.player, *jobs_,
        [this](const movies::MovieInfo& main) { noteMismatches(main); }});
    watchEdits();
    wireCommands(settings_->controls());
    drops_ = new FileDrops(
        this, [this](const QPoint& point) { return rows_->rowAt(client_->mapFrom(this, point)); },
        [this] { return !busy(); },
        [this](const FileDrops::Target& target) {
            if (target.request.kind == model::WorkKind::Project) {
                session_->openProject(target.request.file);
            } else {
                session_->openMovie(target.slot, target.request.file);
            }
        });
}

void MainWindow::buildParts(MediaTools tools) {
    // A click on a control with no command of its own ticks and may change the work.
    const Used used = step({});
    menus_ = buildMenus(this, setup_.start.toolTipHelp != 0);
    header_ = buildHeader(client_);
    rows_ = std::make_unique<MovieRows>(client_, tools.movies);
    rows_->whenRead(
        [this, &movieTools = tools.movies](int slot, const QString& path, const movies::MovieInfo& info) {
            if (slot == 1) previewSound(movieTools, path, info);
        });
    buttons_ = buildCommandButtons(client_);
    captions_ = std::make_unique<CaptionDisplay>(client_);
    rows_->onMainMovie([this](const QString& path) { captions_->setMainMovie(path); });
    OptionControls options = buildOptionsArea(client_, setup_.start, used);
    options.captions = captions_.get();
    stereo_ = std::make_unique<StereoChoice>(client_, used);
    options.stereo = stereo_.get();
    panel_ = std::make_unique<HotSpotPanel>(client_, *header_.player, used,
                                            [this](int value) { editor_->yawSliderMoved(value); });
    panel_->setPictureFrame(header_.previewHost->geometry(), pictureBottom(header_));
    editor_ = std::make_unique<hotspots::HotSpotEditor>(hotSpots_, *panel_, *header_.player, *prompts_);
    panel_->onPitchEntered([this](const std::string& text) { editor_->pitchEntered(text); });
    publish_ = std::make_unique<PublishCommand>(this, *prompts_, *header_.player, *tick_, tools.movies,
                                                launcher_, *jobs_);
    browser_ = std::make_unique<PreviewInBrowser>(this, *prompts_, launcher_);
    encode_ = std::make_unique<EncodeCommand>(this, *prompts_, tools.movies, tools.encoder, *jobs_);
    connect(jobs_.get(), &JobRunner::runningChanged, this,
            [this](bool running) { setCommandsEnabled(!running); });
    settings_ =
        std::make_unique<SettingsBinding>(options, setup_.start, [this](bool on) { showToolTipHelp(on); });
    panel_->setSelectedSlot(editor_->currentSlot());
    stereo_->setFollower([this](const movies::MovieFormat& format) {
        header_.player->picture()->setStereoLayout(format.layout);
        header_.player->picture()->setField(format.field);
        panel_->setField(format.field);
        editor_->setYawReach(movies::yawReach(format.field));
    });
    connect(header_.player, &QtPreviewPlayer::opened, this, [this] {
        showSlots();
        connect(header_.player->mediaPlayer(), &QMediaPlayer::positionChanged, this, &MainWindow::showSlots,
                Qt::UniqueConnection);
    });
    PreviewPicture* picture = header_.player->picture();
    picture->setLookStart([this] { return lookStartOf(settings_->read()); });
    // The marker stands for a column of the flat picture only.
    connect(picture, &PreviewPicture::lookingAroundChanged, this,
            [this](bool on) { panel_->marker()->setVisible(!on); });
    // A double-click turns the current slot; a drawn Hot Spot goes where it is dragged.
    // A drag is one step when the button is let go, as a typed field is when it is left.
    picture->setPlacing([this](int slot, hotspots::Direction at, bool done) {
        editor_->turnSlot(slot == 0 ? editor_->currentSlot() : slot, at.yaw, at.pitch);
        if (done)
            session_->history().record();
        else
            session_->history().typed();
        showSlots();
    });
}

MainWindow::~MainWindow() {
    // A job still running stops before the parts it works with go.
    jobs_.reset();
    // The editor's view and player go with the controls; drop it first.
    editor_.reset();
    // The player going down moves its position one last time: not to this window's parts.
    if (QMediaPlayer* media = header_.player->madeMediaPlayer()) media->disconnect(this);
}

void MainWindow::watchEdits() {
    EditHistory& history = session_->history();
    recovery_ = std::make_unique<WorkRecovery>(
        setup_.recoveryFolder,
        WorkRecovery::Parts{*prompts_, [this] { return session_->recoveryText(); },
                            [this] { return settings_->read(); },
                            [this](const model::RecoveredWork& work) { session_->openRecovered(work); }});
    connect(&history, &EditHistory::workChanged, this,
            [this](bool changed) { recovery_->workChanged(changed); });
    // Typing not yet recorded is undone as a step of its own.
    const auto showSteps = [this, &history] {
        menus_.undo->setEnabled(history.canUndo());
        menus_.redo->setEnabled(history.stack().canRedo());
    };
    connect(&history, &EditHistory::workChanged, this, showSteps);
    showSteps();
    // A typed field is one step once it is left.
    const OptionControls& options = settings_->controls();
    for (QLineEdit* field :
         {options.htmlTitle, options.manualTilt, options.customWidth, options.customHeight}) {
        connect(field, &QLineEdit::textChanged, this, [this] {
            if (!jobs_->running()) session_->history().typed();
        });
        connect(field, &QLineEdit::editingFinished, this, [this] { session_->history().record(); });
    }
}

void MainWindow::wireCommands(const OptionControls& options) {
    const auto on = [this](QAction* action, std::function<void()> work) {
        connect(action, &QAction::triggered, this, step(std::move(work)));
    };
    for (int slot = 1; slot <= MovieRows::kCount; ++slot) {
        QAction* load = menus_.loadMovie[static_cast<std::size_t>(slot - 1)];
        on(load, [this, slot] { session_->loadMovie(slot); });
    }
    connect(rows_.get(), &MovieRows::loadClicked, this,
            [this](int slot) { menus_.loadMovie[static_cast<std::size_t>(slot - 1)]->trigger(); });
    on(menus_.loadCaptions, [this] { loadCaptions(); });
    // The job runner shows the busy pointer while movies are copied.
    on(menus_.publish, [this] { publishWebMovie(); });
    // Loading and saving a project tick once more as they begin.
    on(menus_.loadProject, [this] {
        tick_->play();
        session_->loadProject();
    });
    on(menus_.saveProject, [this] {
        tick_->play();
        session_->saveProject();
    });
    on(menus_.saveProjectAs, [this] { session_->saveProjectAs(); });
    on(menus_.exit, [this] { close(); });
    for (int n = 1; n <= static_cast<int>(menus_.recentEntries.size()); ++n) {
        on(menus_.recentEntries[static_cast<std::size_t>(n - 1)], [this, n] {
            if (const auto project = recent_->entry(n)) session_->openProject(*project);
        });
    }
    on(menus_.clearRecent, [this] { recent_->clear(); });
    on(menus_.previewInBrowser, [this] { previewInBrowser(); });
    on(menus_.undo, [this] { session_->history().undo(); });
    on(menus_.redo, [this] { session_->history().redo(); });
    on(menus_.selector, [this] { startSelector(); });
    on(menus_.optionsByDefault, [this] { optionsByDefault(); });
    on(menus_.saveOptions, [this] { saveOptions(); });
    on(menus_.removeAdditional, [this] { removeAdditionalMovies(); });
    on(menus_.toolTips, [this] { settings_->setToolTipHelp(settings_->toolTipHelp() == 0 ? 1 : 0); });
    // The tick follows the switch, not Qt's own toggling of the item.
    connect(menus_.toolTips, &QAction::triggered, this,
            [this] { menus_.toolTips->setChecked(settings_->toolTipHelp() == 1); });
    on(menus_.makeWebVersions, [this] { makeWebVersions(); });
    on(menus_.shortHelp, [this] { shortHelp(); });
    on(menus_.userGuide, [this] { userGuide(); });
    on(menus_.about, [this] { about(); });
    on(menus_.cancel, {});
    // The buttons under the movie rows are their menu items' twins.
    const std::pair<QAbstractButton*, QAction*> twins[] = {
        {buttons_.publish, menus_.publish},
        {buttons_.optionsByDefault, menus_.optionsByDefault},
        {buttons_.saveOptions, menus_.saveOptions},
        {buttons_.about, menus_.about},
        {buttons_.exit, menus_.exit},
    };
    for (const auto& [button, action] : twins)
        connect(button, &QAbstractButton::clicked, action, &QAction::trigger);

    connect(options.icon1, &QAbstractButton::clicked, this, step([this] { settings_->setHotSpotIcon(1); }));
    connect(options.icon2, &QAbstractButton::clicked, this, step([this] { settings_->setHotSpotIcon(2); }));
    // The colour dialog comes first, the tick after it has closed.
    connect(options.bgColorChoose, &QAbstractButton::clicked, this,
            [this] { run([this] { chooseColour(true); }, true); });
    connect(options.blackAreaChoose, &QAbstractButton::clicked, this,
            [this] { run([this] { chooseColour(false); }, true); });
    connect(captions_.get(), &CaptionDisplay::removeAsked, this,
            [this](int n) { run([this, n] { captions_->remove(n); }); });

    connect(panel_.get(), &HotSpotPanel::addClicked, this, step([this] { editor_->addHotSpot(); }));
    connect(panel_.get(), &HotSpotPanel::clearClicked, this, step([this] { editor_->clearHotSpot(); }));
    connect(panel_.get(), &HotSpotPanel::clearAllClicked, this, step([this] { editor_->clearAll(); }));
    const auto selectSlot = [this](int slot) { run([this, slot] { editor_->selectSlot(slot); }); };
    connect(panel_.get(), &HotSpotPanel::slotClicked, this, selectSlot);
    // A bar does what its slot's selector does; a loaded project brings its bars.
    connect(header_.strip->lane(), &SlotLane::slotClicked, this, selectSlot);
}

void MainWindow::setCommandsEnabled(bool enabled) {
    // Boxes and fields that are no command of their own go off with the client area.
    client_->setEnabled(enabled);
    menuBar()->setEnabled(enabled);
    menus_.commands->setEnabled(enabled);
}

void MainWindow::run(const std::function<void()>& work, bool tickAfter) {
    // A publish or an encoding under way has the last word until it ends.
    if (jobs_->running()) return;
    EditHistory& history = session_->history();
    history.record();
    if (!tickAfter) tick_->play();
    if (work) work();
    if (tickAfter) tick_->play();
    commandDone();
}

void MainWindow::commandDone() {
    session_->history().record();
    showSlots();
}

void MainWindow::noteMismatches(const movies::MovieInfo& main) {
    // Slots 2 and 3 were read before slot 1's new movie: the rows read in turn.
    const movies::InspectedSlots inspected{main, rows_->info(2), rows_->info(3)};
    const std::string note =
        publish::replacedMovieNote(publish::findMismatches(rows_->movieSlots(), inspected, hotSpots_));
    if (note.empty() && mismatchNote_ == nullptr) return;
    if (mismatchNote_ == nullptr) mismatchNote_ = new MismatchNote(this);
    mismatchNote_->showNote(ui::qs(note));
}

void MainWindow::previewSound(movies::MovieTools& tools, const QString& path, const movies::MovieInfo& info) {
    if (info.spatialAudio != movies::SpatialAudio::Ambix &&
        info.spatialAudio != movies::SpatialAudio::AmbixStereo)
        return;
    const std::filesystem::path movie = ui::utf8(path);
    header_.player->playFirstChannel(movie.string(), [&tools, movie](int fd, const std::atomic<bool>* stop) {
        return tools.writeFirstChannel(movie, fd, movie, stop);
    });
}

void MainWindow::offerRecovery() { recovery_->offer(); }

void MainWindow::showSlots() {
    header_.strip->showSlots(hotSpots_, editor_->currentSlot());
    header_.player->picture()->setMarks(
        marksAt(hotSpots_, header_.player->position(), editor_->currentSlot()));
}

QString MainWindow::moviePath(int slot) const { return rows_->path(slot); }

void MainWindow::setMoviePath(int slot, const QString& path) { rows_->setPath(slot, path); }

void MainWindow::openFiles(const std::vector<std::filesystem::path>& files) { session_->openFiles(files); }

void MainWindow::showToolTipHelp(bool on) {
    menus_.toolTips->setChecked(on);
    if (toolTips_ != nullptr) toolTips_->setActive(on);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (std::exchange(placeRestored_, false)) return;
    if (const QScreen* screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
    }
}

void MainWindow::applySettingsFile() {
    model::ViewerSettings s = settings_->read();
    if (const auto loaded = model::loadSettings(setup_.settingsPath, s, currentFolder()); loaded.failed()) {
        reportError(*prompts_, loaded.failure());
        return;
    }
    settings_->write(s);
}

bool MainWindow::confirmExit() {
    // Changed work asks whether to save it instead of whether to exit.
    if (session_->changed()) {
        if (!session_->settleChanges()) return false;
    } else {
        const Message question{std::string(texts::kExitQuestion), Topic::Exit};
        if (!prompts_->confirm(question)) return false;
    }
    keepOptionsOnExit();
    return true;
}

void MainWindow::keepOptionsOnExit() {
    // Silently, and only once a main movie is chosen: the window is going,
    // and nothing the person could do about a failure is left.
    static_cast<void>(model::saveSettings(setup_.settingsPath, settings_->read(), ui::utf8(moviePath(1))));
}

void MainWindow::closeForGood() {
    // The stopped job has put its files back; changed work is still asked about.
    if (!session_->settleChanges()) return;
    exiting_ = true;
    keepOptionsOnExit();
    close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // A long job stops first and puts its files back; the window closes after it.
    if (jobs_->holdClose()) {
        event->ignore();
        return;
    }
    if (exiting_ || confirmExit()) {
        exiting_ = true;
        // The preview's server stops and its folder goes with the window.
        browser_->stop();
        keepWindowPlace(this, setup_.placeFile);
        event->accept();
    } else {
        event->ignore();
    }
}

bool MainWindow::publishing() const { return publish_ && publish_->running(); }

bool MainWindow::encoding() const { return encode_ && encode_->running(); }

bool MainWindow::busy() const { return jobs_->running() || QApplication::activeModalWidget() != nullptr; }

void MainWindow::publishWebMovie() {
    recovery_->keepNow();
    // The save folder and a rejected custom size come back changed.
    publish_->run(rows_->movieSlots(), settings_->read(), hotSpots_, session_->project(),
                  [this](const model::ViewerSettings& s) {
                      settings_->write(s);
                      commandDone();
                  });
}

void MainWindow::makeWebVersions() {
    recovery_->keepNow();
    encode_->run(rows_->movieSlots(), session_->workFolder(),
                 [this](const std::vector<std::filesystem::path>& versions) {
                     if (versions.empty()) return;
                     // Largest first: a browser takes the first source it can play, and the
                     // viewer moves on from one too large for the device.
                     setMoviePath(2, ui::qpath(versions[0]));
                     setMoviePath(3, versions.size() > 1 ? ui::qpath(versions[1]) : QString());
                     commandDone();
                 });
}

void MainWindow::previewInBrowser() {
    const model::MovieSlots movies = rows_->movieSlots();
    if (const Result<void> checked = publish::checkMainMovie(movies); checked.failed()) {
        prompts_->show(publish::publishMessage(checked.failure()));
        return;
    }
    const std::optional<std::filesystem::path> page = browser_->newPage();
    if (!page) return;
    header_.player->pause();
    recovery_->keepNow();
    // Published as Publish Web Movie would, but the save folder stays as it is.
    publish_->publishTo(*page, movies, settings_->read(), hotSpots_, session_->project(), false,
                        [this](const publish::PublishResult& result, const model::ViewerSettings& s) {
                            settings_->write(s);
                            browser_->show(result);
                            commandDone();
                        });
}

void MainWindow::loadCaptions() {
    FileChoice choice;
    choice.mode = FileChoice::Mode::Open;
    choice.title = ui::utf8(ui::captionOf(Topic::CaptionsQuestion));
    choice.filter = std::string(texts::kCaptionsFilter);
    // Caption files mostly lie beside the movie they belong to.
    const std::filesystem::path movie = text::trimSpaces(ui::utf8(moviePath(1)));
    choice.initialFolder = movie.empty() ? std::filesystem::path(settings_->loadDir()) : movie.parent_path();
    const std::optional<std::filesystem::path> file = prompts_->chooseFile(choice);
    if (!file || file->empty()) return;
    const std::string name = file->filename().string();
    const auto refuse = [this](std::string_view words, const std::string& value) {
        prompts_->show(Message{ui::utf8(ui::qs(words).arg(ui::qs(value))), Topic::CaptionsWarning});
    };
    if (!movies::captionFormatOf(name)) return refuse(texts::kNotCaptions, name);
    const Message question{ui::utf8(ui::qs(texts::kCaptionsLanguageQuestion).arg(ui::qs(name))),
                           Topic::CaptionsQuestion};
    const std::optional<std::string> typed = prompts_->askText(question, movies::languageOfName(name));
    if (!typed) return;
    const std::string language = text::trimSpaces(*typed);
    if (!movies::isLanguageTag(language)) return refuse(texts::kNotALanguageTag, language);
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(*file, ec);
    if (!captions_->choose({(ec ? *file : absolute).string(), language}))
        prompts_->show(Message{std::string(texts::kTooManyCaptions), Topic::CaptionsWarning});
}

void MainWindow::about() {
    AboutBox box(this, launcher_);
    box.exec();
}

void MainWindow::shortHelp() {
    HelpWindow help(this, [this] { tick_->play(); });
    help.exec();
}

void MainWindow::optionsByDefault() {
    if (!session_->settleChanges()) return;
    settings_->resetToDefaults();
    for (int slot = 1; slot <= MovieRows::kCount; ++slot) setMoviePath(slot, {});
    // No movie is left to show.
    header_.player->open({});
}

void MainWindow::saveOptions() {
    const Result<void> saved =
        model::saveSettings(setup_.settingsPath, settings_->read(), ui::utf8(moviePath(1)));
    if (saved.ok()) return;
    if (saved.kind() == FailureKind::Refused) {
        prompts_->show(model::noMovieMessage());
    } else {
        reportError(*prompts_, saved.failure());
    }
}

void MainWindow::userGuide() {
    // Beside the program in the build tree; under share/ in a /usr install.
    const auto guide = platform::findBesideProgram(setup_.programFolder, "publisher.pdf");
    launcher_.openUrl(QUrl::fromLocalFile(ui::qpath(guide.value_or(setup_.programFolder / "publisher.pdf"))));
}

void MainWindow::startSelector() {
    if (launcher_.activateSelector()) return;
    launcher_.startProgram(ui::qpath(setup_.programFolder / "selector"));
}

void MainWindow::chooseColour(bool background) {
    bool& busy = colourBusy_[background ? 0 : 1];
    if (busy) return;
    busy = true;
    // Cancelling keeps the colour the swatch shows.
    if (const std::optional<QColor> colour = ColorChooser::choose(this)) {
        if (background) {
            settings_->setHtmlBgColor(toColorRef(*colour));
        } else {
            settings_->setBlackAreaColor(toColorRef(*colour));
        }
    }
    busy = false;
}

void MainWindow::removeAdditionalMovies() {
    setMoviePath(2, {});
    setMoviePath(3, {});
}

}  // namespace tessaly::app
