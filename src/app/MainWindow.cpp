#include "app/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

#include "app/AboutBox.h"
#include "app/BrowserPreview.h"
#include "app/ColorChooser.h"
#include "app/ControlIds.h"
#include "app/DesktopTexts.h"
#include "app/EncodeCommand.h"
#include "app/FileDrops.h"
#include "app/HelpWindow.h"
#include "app/HotSpotPanel.h"
#include "app/Launcher.h"
#include "app/OptionsArea.h"
#include "app/PublishCommand.h"
#include "app/QtPreviewPlayer.h"
#include "app/QtScheduler.h"
#include "app/SettingsBinding.h"
#include "app/ToolTips.h"
#include "app/WindowTexts.h"
#include "core/hotspots/HotSpotEditor.h"
#include "core/install/BesideProgram.h"
#include "core/model/SettingsFile.h"
#include "core/model/WorkFiles.h"
#include "core/movies/MovieInfoCache.h"
#include "core/movies/MovieInfo.h"
#include "core/platform/FileSystem.h"
#include "core/publish/MovieTypes.h"
#include "core/publish/PublishMessages.h"
#include "core/publish/Publisher.h"
#include "core/text/Text.h"
#include "media/FfmpegEncoder.h"
#include "media/ModuleMovieTools.h"
#include "ui/Fonts.h"
#include "ui/QtPrompts.h"
#include "ui/Strings.h"
#include "ui/TickSound.h"

static void initAppResources() { Q_INIT_RESOURCE(app); }

namespace tessaly::app {
namespace {

using Face = ui::GradientButton::Face;
const char kActionId[] = "tessalyId";

QFont titleFont() { return ui::serifFont(25, true, true); }

int pathLabelId(int slot) {
    return slot == 1 ? ids::kMoviePath1 : slot == 2 ? ids::kMoviePath2 : ids::kMoviePath3;
}

int loadMovieId(int slot) {
    return slot == 1 ? ids::kLoadMovie1 : slot == 2 ? ids::kLoadMovie2 : ids::kLoadMovie3;
}

}  // namespace

std::string currentFolder() { return QDir::currentPath().toStdString(); }

MainWindow::MainWindow(const WindowSetup& setup, Launcher& launcher, QWidget* parent)
    : QMainWindow(parent),
      setup_(setup),
      launcher_(launcher),
      client_(new QWidget(this)),
      tick_(std::make_unique<ui::TickSound>()),
      prompts_(std::make_unique<ui::QtPrompts>(this)),
      scheduler_(std::make_unique<QtScheduler>(this)),
      movieTools_(std::make_unique<movies::MovieInfoCache>(media::moduleMovieTools())) {
    initAppResources();
    // Controls send commands (text changes among them) from the moment they exist.
    dispatcher_ = std::make_unique<CommandDispatcher>(static_cast<CommandOperations&>(*this), *tick_);
    setWindowTitle(ui::qs(texts::kWindowTitle));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowIcon(QIcon(QStringLiteral(":/tessaly/about.png")));
    setFont(ui::controlFont());

    client_->setFixedSize(kClientWidth, kClientHeight);
    QPalette pal = client_->palette();
    pal.setColor(QPalette::Window, QColor(135, 135, 135));
    client_->setPalette(pal);
    client_->setAutoFillBackground(true);
    setCentralWidget(client_);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    const CommandSink sink = [this](int id, int code) { command(id, code); };
    buildMenus();
    buildHeader(sink);
    buildOptionsArea(client_, setup_.start, sink);
    panel_ =
        std::make_unique<HotSpotPanel>(client_, sink, [this](int value) { editor_->yawSliderMoved(value); });
    editor_ = std::make_unique<hotspots::HotSpotEditor>(hotSpots_, *panel_, *player_, *prompts_, *scheduler_);
    publish_ = std::make_unique<PublishCommand>(this, *prompts_, *player_, *tick_, *movieTools_);
    encoder_ = std::make_unique<media::FfmpegEncoder>();
    encode_ = std::make_unique<EncodeCommand>(this, *prompts_, *movieTools_, *encoder_);
    settings_ =
        std::make_unique<SettingsBinding>(client_, setup_.start, [this](bool on) { showToolTipHelp(on); });
    panel_->setSelectedSlot(editor_->currentSlot());

    applySettingsFile();
    toolTips_ = new ToolTips(client_);
    showToolTipHelp(settings_->toolTipHelp() == 1);
    buildAccelerators();
    ColorChooser::resetCustomColours();
    showRecentProjects();
    drops_ = new FileDrops(
        this, [this](const QPoint& point) { return movieRowAt(point); }, [this] { return !busy(); },
        [this](const FileDrops::Target& target) {
            if (target.request.kind == model::WorkKind::Project) {
                openProject(target.request.file);
            } else {
                openMovie(target.slot, target.request.file);
            }
        });
}

MainWindow::~MainWindow() {
    // The editor's view and player go with the controls; drop it first.
    editor_.reset();
}

void MainWindow::buildMenus() {
    namespace t = texts;
    const auto item = [this](QMenu* menu, std::string_view text, int id) {
        QAction* action = menu->addAction(ui::qs(text));
        action->setProperty(kActionId, id);
        connect(action, &QAction::triggered, this, [this, id] { command(id, codes::kClicked); });
        return action;
    };
    QMenuBar* bar = menuBar();
    QMenu* file = bar->addMenu(ui::qs(t::kMenuFile));
    item(file, t::kMenuLoadMovie, ids::kLoadMovie1);
    file->addSeparator();
    item(file, t::kMenuPublish, ids::kPublish);
    file->addSeparator();
    item(file, t::kMenuLoadProject, ids::kLoadProject);
    item(file, t::kMenuSaveProject, ids::kSaveProject);
    file->addSeparator();
    item(file, t::kMenuExit, ids::kExit);
    // Added after the first items, which keep their places.
    file->addSeparator();
    recentMenu_ = file->addMenu(ui::qs(texts::kMenuRecentProjects));
    recentMenu_->menuAction()->setProperty(kActionId, ids::kRecentProjects);
    for (int n = 1; n <= static_cast<int>(model::kRecentProjectsLimit); ++n)
        item(recentMenu_, {}, ids::recentProject(n));
    recentMenu_->addSeparator();
    item(recentMenu_, texts::kMenuClearRecentProjects, ids::kClearRecentProjects);
    item(file, texts::kMenuPreviewInBrowser, ids::kPreviewInBrowser);
    // Another window may have added to the list meanwhile.
    connect(file, &QMenu::aboutToShow, this, [this] { showRecentProjects(); });
    QMenu* option = bar->addMenu(ui::qs(t::kMenuOption));
    item(option, t::kMenuSelector, ids::kSelector);
    option->addSeparator();
    item(option, t::kMenuOptionsByDefault, ids::kOptionsByDefault);
    item(option, t::kMenuSaveOptions, ids::kSaveOptions);
    option->addSeparator();
    item(option, t::kMenuRemoveAdditional, ids::kRemoveAdditional);
    option->addSeparator();
    QAction* tips = item(option, t::kMenuToolTips, ids::kToolTipToggle);
    tips->setCheckable(true);
    tips->setChecked(setup_.start.toolTipHelp != 0);
    // The tick follows the switch, not Qt's own toggling of the item.
    connect(tips, &QAction::triggered, this,
            [this, tips] { tips->setChecked(settings_->toolTipHelp() == 1); });
    option->addSeparator();
    item(option, t::kMenuMakeWebVersions, ids::kMakeWebVersions);
    QMenu* help = bar->addMenu(ui::qs(t::kMenuHelp));
    item(help, t::kMenuShortHelp, ids::kShortHelp);
    item(help, t::kMenuUserGuide, ids::kUserGuide);
    help->addSeparator();
    item(help, t::kMenuAbout, ids::kAbout);
}

void MainWindow::buildAccelerators() {
    const std::pair<QKeySequence, int> keys[] = {
        {QKeySequence(Qt::Key_F1), ids::kShortHelp},
        {QKeySequence(Qt::CTRL | Qt::Key_L), ids::kLoadMovie1},
        {QKeySequence(Qt::CTRL | Qt::Key_P), ids::kPublish},
        {QKeySequence(Qt::CTRL | Qt::Key_F1), ids::kUserGuide},
        {QKeySequence(Qt::CTRL | Qt::Key_B), ids::kPreviewInBrowser},
    };
    for (const auto& [key, id] : keys) {
        auto* shortcut = new QShortcut(key, this);
        const int command = id;
        connect(shortcut, &QShortcut::activated, this,
                [this, command] { this->command(command, codes::kActivated); });
    }
    // Esc is the dialog's cancel command: it ticks and nothing else.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] { command(ids::kCancel, codes::kClicked); });
}

void MainWindow::buildHeader(const CommandSink& sink) {
    using namespace ids;
    namespace t = texts;
    QWidget* p = client_;
    const QFont font = titleFont();
    addLabel(p, kTitleShadow, t::kWindowTitle, {76, 11, 780, 65}, {Qt::black, std::nullopt},
             Qt::AlignHCenter | Qt::AlignTop, Edge::None, false, sink)
        ->setFont(font);
    addLabel(p, kTitle, t::kWindowTitle, {75, 10, 780, 65}, {Qt::white, std::nullopt},
             Qt::AlignHCenter | Qt::AlignTop, Edge::None, false, sink)
        ->setFont(font);
    // "Html5" reads after the centred title, in the title's own font.
    const QFontMetrics fm(font);
    const int titleRight = 75 + (780 + fm.horizontalAdvance(ui::qs(t::kWindowTitle))) / 2;
    ClickLabel* html5 =
        addLabel(p, kTitleHtml5, t::kHtml5, {titleRight + fm.horizontalAdvance(QLatin1Char(' ')), 10, 90, 65},
                 {QColor(0, 191, 255), std::nullopt}, Qt::AlignLeft | Qt::AlignTop, Edge::None, false, sink);
    html5->setFont(font);
    addLabel(p, kBuild, t::kBuild, {842, 60, 70, 20}, {QColor(0, 0, 255), std::nullopt},
             Qt::AlignLeft | Qt::AlignTop, Edge::None, false, sink);

    auto* host = new QFrame(p);
    setControlId(host, kPreview);
    host->setGeometry(250, 195, 448, 300);
    host->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    host->setLineWidth(1);
    QPalette black = host->palette();
    black.setColor(QPalette::Window, Qt::black);
    host->setPalette(black);
    host->setAutoFillBackground(true);
    player_ = new QtPreviewPlayer(host);

    addGradient(p, kLoadMovie1, t::kLoadMovie1, {5, 77, 99, 22}, Face::Green, sink);
    addGradient(p, kLoadMovie2, t::kLoadMovie2, {5, 99, 99, 22}, Face::Grey, sink);
    addGradient(p, kLoadMovie3, t::kLoadMovie3, {5, 121, 99, 22}, Face::Grey, sink);
    for (int slot = 1; slot <= 3; ++slot) {
        auto* path = new PathLabel(p);
        setControlId(path, pathLabelId(slot));
        path->setGeometry(105, 77 + 22 * (slot - 1), 799, 20);
        applyColours(path, {Qt::black, QColor(199, 199, 199)});
        applyEdge(path, Edge::Client);
    }
    addGradient(p, kPublish, t::kPublish, {5, 150, 139, 25}, Face::Teal, sink);
    addGradient(p, kOptionsByDefault, t::kOptionsByDefault, {145, 150, 139, 25}, Face::Blue, sink);
    addGradient(p, kSaveOptions, t::kSaveOptions, {711, 150, 190, 25}, Face::Blue, sink);
    addGradient(p, kAbout, t::kAbout, {425, 150, 139, 25}, Face::Blue, sink);
    addGradient(p, kExit, t::kExit, {565, 150, 139, 25}, Face::Red, sink);
}

QWidget* MainWindow::control(int id) const { return findControl(client_, id); }

QAction* MainWindow::menuAction(int id) const {
    const auto actions = menuBar()->findChildren<QAction*>();
    for (QAction* action : actions) {
        if (action->property(kActionId).toInt() == id) return action;
    }
    return nullptr;
}

void MainWindow::command(int id, int code) {
    // A publish or an encoding under way has the last word until it ends.
    if (publishing() || encoding()) return;
    dispatcher_->dispatch(id, code);
}

int MainWindow::movieRowAt(const QPoint& windowPoint) const {
    const QPoint point = client_->mapFrom(this, windowPoint);
    for (int slot = 1; slot <= 3; ++slot) {
        if (control(loadMovieId(slot))->geometry().united(pathLabel(slot)->geometry()).contains(point))
            return slot;
    }
    return 0;
}

PathLabel* MainWindow::pathLabel(int slot) const { return control<PathLabel>(pathLabelId(slot)); }

QString MainWindow::moviePath(int slot) const { return pathLabel(slot)->path(); }

void MainWindow::setMoviePath(int slot, const QString& path) {
    PathLabel* label = pathLabel(slot);
    label->setPath(path);
    // What the movie holds, where the person looks at it: the row's tooltip.
    if (!path.trimmed().isEmpty())
        label->setToolTip(path + QLatin1Char('\n') +
                          ui::qs(movies::movieSummary(movieTools_->inspect(ui::utf8(path)))));
}

void MainWindow::showToolTipHelp(bool on) {
    if (QAction* item = menuAction(ids::kToolTipToggle)) item->setChecked(on);
    if (toolTips_ != nullptr) toolTips_->setActive(on);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (const QScreen* screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
    }
}

void MainWindow::applySettingsFile() {
    model::ViewerSettings s = settings_->read();
    if (const auto error = model::loadSettings(setup_.settingsPath, s, currentFolder())) {
        reportError(*error);
        return;
    }
    settings_->write(s);
}

model::MovieSlots MainWindow::movieSlots() const {
    return {ui::utf8(moviePath(1)), ui::utf8(moviePath(2)), ui::utf8(moviePath(3))};
}

void MainWindow::reportError(const text::FileError& error) {
    prompts_->show(Message{error.message(), std::string(texts::kErrorCaption), Icon::Error});
}

bool MainWindow::confirmExit() {
    const Message question{std::string(texts::kExitQuestion), std::string(texts::kExitCaption),
                           Icon::Warning};
    if (!prompts_->confirm(question)) return false;
    keepOptionsOnExit();
    return true;
}

void MainWindow::keepOptionsOnExit() {
    // Silently, and only once a main movie is chosen.
    model::saveSettings(setup_.settingsPath, settings_->read(), ui::utf8(moviePath(1)));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (publishing()) {
        // The window closes once the publish has stopped and put the folder back.
        const Message question{std::string(texts::kStopPublishingQuestion), std::string(texts::kExitCaption),
                               Icon::Warning};
        if (prompts_->confirm(question)) {
            closeAfterPublish_ = true;
            publish_->cancel();
        }
        event->ignore();
        return;
    }
    if (encoding()) {
        const Message question{std::string(texts::kStopEncodingQuestion), std::string(texts::kExitCaption),
                               Icon::Warning};
        if (prompts_->confirm(question)) {
            closeAfterEncode_ = true;
            encode_->cancel();
        }
        event->ignore();
        return;
    }
    if (exiting_ || confirmExit()) {
        exiting_ = true;
        // The preview's server stops and its folder goes with the window.
        preview_.reset();
        event->accept();
    } else {
        event->ignore();
    }
}

void MainWindow::requestExit() { close(); }

void MainWindow::publishWebMovie() {
    model::ViewerSettings s = settings_->read();
    publish_->run(movieSlots(), s, hotSpots_, project_);
    // The save folder and a rejected custom size come back changed.
    settings_->write(s);
    closeIfAsked();
}

void MainWindow::closeIfAsked() {
    if (!closeAfterPublish_) return;
    closeAfterPublish_ = false;
    exiting_ = true;
    keepOptionsOnExit();
    close();
}

bool MainWindow::publishing() const { return publish_ && publish_->running(); }

bool MainWindow::encoding() const { return encode_ && encode_->running(); }

void MainWindow::makeWebVersions() {
    // Beside the project; a movie not yet in a project gets them beside itself.
    const std::filesystem::path movie = text::trimSpaces(ui::utf8(moviePath(1)));
    const std::filesystem::path folder = project_.empty() ? movie.parent_path() : project_.parent_path();
    const std::vector<std::filesystem::path> versions = encode_->run(movieSlots(), folder);
    if (!versions.empty()) {
        // Largest first: a browser takes the first source it can play, and the
        // viewer moves on from one too large for the device.
        setMoviePath(2, ui::qpath(versions[0]));
        setMoviePath(3, versions.size() > 1 ? ui::qpath(versions[1]) : QString());
    }
    if (closeAfterEncode_) {
        closeAfterEncode_ = false;
        exiting_ = true;
        keepOptionsOnExit();
        close();
    }
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
    settings_->resetToDefaults();
    for (int slot = 1; slot <= 3; ++slot) setMoviePath(slot, {});
}

void MainWindow::toggleToolTips() { settings_->setToolTipHelp(settings_->toolTipHelp() == 0 ? 1 : 0); }

void MainWindow::saveOptions() {
    const model::SaveResult result =
        model::saveSettings(setup_.settingsPath, settings_->read(), ui::utf8(moviePath(1)));
    if (result.status == model::SaveStatus::NoMovie) {
        prompts_->show(model::noMovieMessage());
    } else if (result.status == model::SaveStatus::Failed && result.error) {
        reportError(*result.error);
    }
}

void MainWindow::userGuide() {
    // Beside the program in the build tree; under share/ in a /usr install.
    const auto guide = install::findBesideProgram(setup_.programFolder, "publisher.pdf");
    launcher_.openUrl(QUrl::fromLocalFile(ui::qpath(guide.value_or(setup_.programFolder / "publisher.pdf"))));
}

void MainWindow::startSelector() {
    if (launcher_.activateSelector()) return;
    launcher_.startProgram(ui::qpath(setup_.programFolder / "selector"));
}

void MainWindow::selectSlot(int n) { editor_->selectSlot(n); }

void MainWindow::addHotSpot() { editor_->addHotSpot(); }

void MainWindow::clearHotSpot() { editor_->clearHotSpot(); }

void MainWindow::clearAllHotSpots() { editor_->clearAll(); }

void MainWindow::chooseIcon(int icon) {
    control<QCheckBox>(ids::kIcon1)->setChecked(icon == 1);
    control<QCheckBox>(ids::kIcon2)->setChecked(icon != 1);
}

void MainWindow::chooseColour(int buttonId) {
    const bool background = buttonId == ids::kBgColorChoose;
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

void MainWindow::loadProject() {
    FileChoice choice;
    choice.mode = FileChoice::Mode::Open;
    choice.title = std::string(texts::kProjectOpenTitle);
    choice.filter = std::string(texts::kProjectOpenFilter);
    choice.initialFolder = settings_->loadDir();
    const std::optional<std::filesystem::path> chosen = prompts_->chooseFile(choice);
    if (!chosen) return;
    repaint();
    if (text::trimSpaces(chosen->string()).empty()) return;
    std::error_code ec;
    std::filesystem::path project = std::filesystem::absolute(*chosen, ec);
    if (ec) project = *chosen;
    openProject(project);
}

void MainWindow::openProject(const std::filesystem::path& project) {
    settings_->setLoadDir(project.parent_path().string());

    model::ViewerSettings s = settings_->read();
    model::MovieSlots movies;
    hotspots::HotSpotList list;
    // A project that cannot be read changes nothing.
    if (const auto error = model::loadProject(project, s, movies, list, currentFolder())) {
        reportError(*error);
        return;
    }
    model::resolveMoviePaths(movies, project);
    project_ = project;
    rememberProject(project);
    settings_->write(s);
    for (int slot = 1; slot <= 3; ++slot)
        setMoviePath(slot, ui::qs(movies[static_cast<std::size_t>(slot - 1)]));
    hotSpots_ = list;
    editor_->showLoadedList();
    repaint();
    player_->open(movies[0]);
    player_->play();
}

void MainWindow::saveProject() {
    FileChoice choice;
    choice.mode = FileChoice::Mode::Save;
    choice.title = std::string(texts::kProjectSaveTitle);
    choice.filter = std::string(texts::kProjectSaveFilter);
    choice.initialName = std::string(texts::kProjectSaveName);
    choice.initialFolder = settings_->loadDir();
    const std::optional<std::filesystem::path> chosen = prompts_->chooseFile(choice);
    if (!chosen) return;
    repaint();
    const std::string name = model::projectSaveName(chosen->string());
    if (name.empty()) return;
    settings_->setSaveDir(chosen->parent_path().string());
    if (const auto error = model::saveProject(name, settings_->read(), movieSlots(), hotSpots_)) {
        reportError(*error);
        return;
    }
    std::error_code ec;
    project_ = std::filesystem::absolute(name, ec);
    rememberProject(project_);
}

void MainWindow::showRecentProjects() {
    recent_ = model::loadRecentProjects(model::recentProjectsPath(setup_.settingsPath));
    for (int n = 1; n <= static_cast<int>(model::kRecentProjectsLimit); ++n) {
        QAction* entry = menuAction(ids::recentProject(n));
        const auto index = static_cast<std::size_t>(n - 1);
        entry->setVisible(index < recent_.size());
        if (index >= recent_.size()) continue;
        QString path = ui::qpath(recent_[index]);
        entry->setText(
            QStringLiteral("&%1 %2").arg(n).arg(path.replace(QLatin1Char('&'), QStringLiteral("&&"))));
        // A project moved or deleted since is shown, greyed.
        entry->setEnabled(platform::fileStatus(recent_[index]).kind == platform::FileKind::Regular);
    }
    recentMenu_->menuAction()->setEnabled(!recent_.empty());
}

void MainWindow::rememberProject(const std::filesystem::path& project) {
    const std::filesystem::path file = model::recentProjectsPath(setup_.settingsPath);
    // A list that cannot be written only costs the menu entry.
    model::saveRecentProjects(file, model::withRecentProject(model::loadRecentProjects(file), project));
    showRecentProjects();
}

void MainWindow::openRecentProject(int n) {
    const auto index = static_cast<std::size_t>(n - 1);
    if (index < recent_.size()) openProject(recent_[index]);
}

void MainWindow::clearRecentProjects() {
    model::saveRecentProjects(model::recentProjectsPath(setup_.settingsPath), {});
    showRecentProjects();
}

void MainWindow::previewInBrowser() {
    const model::MovieSlots movies = movieSlots();
    if (const auto refusal = publish::checkMainMovie(movies)) {
        prompts_->show(*refusal);
        return;
    }
    if (!preview_) preview_ = std::make_unique<BrowserPreview>(QDir::tempPath());
    const auto page = preview_->newPage();
    if (const auto* error = std::get_if<text::FileError>(&page)) {
        reportError(*error);
        return;
    }
    player_->pause();
    // Published as Publish Web Movie would, but the save folder stays as it is.
    model::ViewerSettings s = settings_->read();
    const publish::PublishReport report =
        publish_->publishTo(std::get<std::filesystem::path>(page), movies, s, hotSpots_, project_);
    settings_->write(s);
    if (report.outcome != publish::PublishOutcome::Succeeded) {
        preview_->discard();
        if (!report.message.text.empty()) prompts_->show(report.message);
        closeIfAsked();
        return;
    }
    const auto address = preview_->serve();
    if (const auto* error = std::get_if<text::FileError>(&address)) {
        reportError(*error);
    } else if (const QString url = ui::qs(std::get<std::string>(address)); !launcher_.openUrl(QUrl(url))) {
        prompts_->show(Message{ui::utf8(ui::qs(texts::kNoBrowser).arg(url)),
                               std::string(texts::kPreviewCaption), Icon::Warning});
    }
    closeIfAsked();
}

void MainWindow::removeAdditionalMovies() {
    setMoviePath(2, {});
    setMoviePath(3, {});
}

void MainWindow::loadMovie(int slot) {
    FileChoice choice;
    choice.mode = FileChoice::Mode::Open;
    choice.title = std::string(texts::kMovieDialogTitle);
    choice.filter = publish::movieDialogFilter();
    choice.initialFolder = settings_->loadDir();
    const std::optional<std::filesystem::path> chosen = prompts_->chooseFile(choice);
    if (!chosen) return;
    repaint();
    if (text::trimSpaces(chosen->string()).empty()) return;
    openMovie(slot, *chosen);
}

void MainWindow::openMovie(int slot, const std::filesystem::path& movie) {
    // The next dialog starts where this one was confirmed.
    settings_->setLoadDir(movie.parent_path().string());
    setMoviePath(slot, ui::qpath(movie));
    player_->open(movie.string());
    player_->play();
}

bool MainWindow::busy() const { return publishing() || QApplication::activeModalWidget() != nullptr; }

void MainWindow::openFiles(const std::vector<std::filesystem::path>& files) {
    if (files.empty()) return;
    if (busy()) {
        // The latest files win; they open once the dialog or publish is over.
        waitingFiles_ = files;
        if (waitingTimer_ == nullptr) {
            waitingTimer_ = new QTimer(this);
            waitingTimer_->setInterval(200);
            connect(waitingTimer_, &QTimer::timeout, this, [this] {
                if (busy()) return;
                waitingTimer_->stop();
                openFiles(std::exchange(waitingFiles_, {}));
            });
        }
        waitingTimer_->start();
        return;
    }
    const auto request = model::openRequest(files);
    if (const Message* refusal = std::get_if<Message>(&request)) {
        prompts_->show(*refusal);
        return;
    }
    const auto& open = std::get<model::OpenRequest>(request);
    if (open.kind == model::WorkKind::Project) {
        openProject(open.file);
    } else {
        openMovie(1, open.file);
    }
}

}  // namespace tessaly::app
