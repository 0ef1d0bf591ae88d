#include "app/ProjectSession.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <deque>

#include "app/DesktopTexts.h"
#include "app/HotSpotPanel.h"
#include "app/JobRunner.h"
#include "app/MovieRows.h"
#include "app/RecentProjectsMenu.h"
#include "app/SettingsBinding.h"
#include "app/WindowTexts.h"
#include "core/Prompts.h"
#include "core/hotspots/HotSpotEditor.h"
#include "core/hotspots/PreviewPlayer.h"
#include "core/model/ProjectFile.h"
#include "core/model/RecoveryFile.h"
#include "core/model/WorkFiles.h"
#include "core/movies/MovieTypes.h"
#include "core/text/Text.h"
#include "ui/Strings.h"

namespace tessaly::app {
namespace {

// Calls `then` once, when `widget` hides or goes; it goes with `owner`.
class HideWatch : public QObject {
public:
    HideWatch(QWidget* widget, QObject* owner, std::function<void()> then)
        : QObject(owner), then_(std::move(then)) {
        widget->installEventFilter(this);
        connect(widget, &QObject::destroyed, this, &HideWatch::fire);
    }

private:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Hide) {
            watched->removeEventFilter(this);
            fire();
        }
        return false;
    }
    void fire() {
        if (then_) std::exchange(then_, {})();
        deleteLater();
    }

    std::function<void()> then_;
};

}  // namespace

std::string currentFolder() { return QDir::currentPath().toStdString(); }

void reportError(Prompts& prompts, const platform::FileError& error) {
    prompts.show(Message{error.message(), Topic::ProjectError});
}

ProjectSession::ProjectSession(Parts parts)
    : p_(std::move(parts)), history_([this] { return work(); }, [this](const Work& w) { showWork(w); }) {
    QObject::connect(&history_, &EditHistory::workChanged, p_.window, [this] { showChanged(); });
    showChanged();
}

std::filesystem::path ProjectSession::workFolder() const {
    const std::filesystem::path movie = text::trimSpaces(ui::utf8(p_.rows.path(1)));
    return project_.empty() ? movie.parent_path() : project_.parent_path();
}

std::filesystem::path ProjectSession::projectFolder() const {
    if (!project_.empty()) return project_.parent_path();
    if (const auto last = p_.recent.entry(1)) {
        std::error_code ec;
        if (std::filesystem::is_directory(last->parent_path(), ec)) return last->parent_path();
    }
    return p_.settings.loadDir();
}

std::optional<std::filesystem::path> ProjectSession::choose(FileChoice::Mode mode, std::string_view title,
                                                            std::string filter, std::string_view initialName,
                                                            const std::filesystem::path& folder) {
    FileChoice choice;
    choice.mode = mode;
    choice.title = std::string(title);
    choice.filter = std::move(filter);
    choice.initialName = std::string(initialName);
    // Unless told otherwise, a dialog starts where the last file was loaded from.
    choice.initialFolder = folder.empty() ? std::filesystem::path(p_.settings.loadDir()) : folder;
    std::optional<std::filesystem::path> chosen = p_.prompts.chooseFile(choice);
    if (chosen) p_.window->repaint();
    return chosen;
}

void ProjectSession::loadProject() {
    const auto chosen = choose(FileChoice::Mode::Open, texts::kProjectOpenTitle, model::projectOpenFilter(),
                               {}, projectFolder());
    if (!chosen || text::trimSpaces(chosen->string()).empty()) return;
    std::error_code ec;
    std::filesystem::path project = std::filesystem::absolute(*chosen, ec);
    if (ec) project = *chosen;
    openProject(project);
}

void ProjectSession::openProject(const std::filesystem::path& project) {
    model::ViewerSettings s = p_.settings.read();
    // The project's own LOADDIR, if any, is read after the dialog's folder.
    s.loadDir = project.parent_path().string();
    Result<model::OpenedProject> opened = model::openProject(project, s, currentFolder());
    if (opened.failed()) {
        p_.settings.setLoadDir(project.parent_path().string());
        reportError(p_.prompts, opened.failure());
        return;
    }
    // Read first: a project that cannot be read asks nothing.
    const bool wasChanged = changed();
    if (!settleChanges()) return;
    // Saving the changes may have written this very file: it opens as it is now.
    std::error_code ec;
    if (wasChanged && !history_.changed() && std::filesystem::equivalent(project_, opened->file, ec)) {
        opened = model::openProject(project, s, currentFolder());
        if (opened.failed()) {
            reportError(p_.prompts, opened.failure());
            return;
        }
    }
    project_ = opened->file;
    p_.recent.remember(project_);
    showOpened(opened.value());
    history_.restart();
}

void ProjectSession::openRecovered(const model::RecoveredWork& recovered) {
    project_ = recovered.project;
    showOpened(recovered.work);
    history_.restart(false);
}

void ProjectSession::showOpened(const model::OpenedProject& opened) {
    p_.settings.write(opened.settings);
    for (int slot = 1; slot <= MovieRows::kCount; ++slot)
        p_.rows.setPath(slot, ui::qs(opened.movies[static_cast<std::size_t>(slot - 1)]));
    p_.hotSpots = opened.hotSpots;
    p_.editor.showLoadedList();
    // Showing the slots began still frames; the main movie plays instead.
    p_.panel.dropStillFrame();
    p_.window->repaint();
    p_.player.open(opened.movies[0]);
    p_.player.play();
}

bool ProjectSession::saveProject() {
    if (project_.empty()) return saveProjectAs();
    return writeProject(project_);
}

bool ProjectSession::saveProjectAs() {
    const auto chosen = choose(FileChoice::Mode::Save, texts::kProjectSaveTitle, model::projectSaveFilter(),
                               namePattern(model::kProjectExtension));
    if (!chosen) return false;
    const std::string name = model::projectSaveName(chosen->string());
    if (name.empty()) return false;
    p_.settings.setSaveDir(chosen->parent_path().string());
    std::error_code ec;
    std::filesystem::path file = std::filesystem::absolute(name, ec);
    if (ec) file = name;
    // The save dialog itself never asks; the project's own file is no other file.
    const bool own = !project_.empty() && std::filesystem::equivalent(file, project_, ec);
    if (!own && std::filesystem::exists(std::filesystem::symlink_status(file, ec))) {
        const Message question{ui::utf8(ui::qs(texts::kReplaceQuestion).arg(ui::qpath(file))),
                               Topic::ProjectSave};
        if (!p_.prompts.ask(question, texts::kReplace)) return false;
    }
    return writeProject(file);
}

bool ProjectSession::writeProject(const std::filesystem::path& file) {
    // A field still being typed in is part of what is saved.
    history_.record();
    const Result<void> saved =
        model::saveProject(file, p_.settings.read(), p_.rows.movieSlots(), p_.hotSpots);
    if (saved.failed()) {
        reportError(p_.prompts, saved.failure());
        return false;
    }
    project_ = file;
    p_.recent.remember(project_);
    history_.markSaved();
    return true;
}

void ProjectSession::loadMovie(int slot) {
    const auto chosen = choose(FileChoice::Mode::Open, texts::kMovieDialogTitle, movies::movieDialogFilter());
    if (!chosen || text::trimSpaces(chosen->string()).empty()) return;
    openMovie(slot, *chosen);
}

void ProjectSession::openMovie(int slot, const std::filesystem::path& movie) {
    // The next dialog starts where this one was confirmed.
    p_.settings.setLoadDir(movie.parent_path().string());
    // The main movie's marks say how its picture lies on the sphere.
    std::function<void(const movies::MovieInfo&)> adoptFormat;
    if (slot == 1) {
        adoptFormat = [this](const movies::MovieInfo& info) {
            if (info.error) return;
            p_.settings.setMovieFormat(info.format);
            history_.recordIntoLast();
            if (p_.mainMovieReplaced) p_.mainMovieReplaced(info);
        };
    }
    p_.rows.setPath(slot, ui::qpath(movie), std::move(adoptFormat));
    history_.record();
    p_.player.open(movie.string());
    p_.player.play();
}

void ProjectSession::openFiles(const std::vector<std::filesystem::path>& files) {
    if (files.empty()) return;
    waitingFiles_.push_back(files);
    openWaitingFiles();
}

void ProjectSession::openWaitingFiles() {
    // Files handed over under a dialog that opening asked are taken by the loop below once it returns.
    if (opening_) return;
    while (!waitingFiles_.empty()) {
        if (p_.jobs.running() || QApplication::activeModalWidget() != nullptr) {
            waitUntilFree();
            return;
        }
        const std::vector<std::filesystem::path> files = std::move(waitingFiles_.front());
        waitingFiles_.pop_front();
        opening_ = true;
        openNow(files);
        opening_ = false;
    }
}

void ProjectSession::waitUntilFree() {
    if (std::exchange(waiting_, true)) return;
    const auto resume = [this] {
        waiting_ = false;
        openWaitingFiles();
    };
    if (p_.jobs.running()) {
        QObject::connect(&p_.jobs, &JobRunner::ended, p_.window, resume, Qt::SingleShotConnection);
    } else {
        // Once the dialog has hidden, on a later pass of the event loop: the code that closed it goes on
        // first.
        new HideWatch(QApplication::activeModalWidget(), p_.window,
                      [window = p_.window, resume] { QTimer::singleShot(0, window, resume); });
    }
}

void ProjectSession::openNow(const std::vector<std::filesystem::path>& files) {
    const Result<model::OpenRequest> request = model::openRequest(files);
    if (request.failed()) {
        p_.prompts.show(Message{request.failure().message(), Topic::Warning});
        return;
    }
    const model::OpenRequest& open = request.value();
    if (open.kind == model::WorkKind::Project) {
        openProject(open.file);
    } else {
        openMovie(1, open.file);
    }
}

Work ProjectSession::work() const {
    Work w{p_.settings.read(), p_.rows.movieSlots(), p_.hotSpots};
    w.settings.loadDir.clear();
    w.settings.saveDir.clear();
    w.settings.toolTipHelp = 1;
    return w;
}

void ProjectSession::showWork(const Work& w) {
    model::ViewerSettings s = w.settings;
    s.loadDir = p_.settings.loadDir();
    s.saveDir = p_.settings.saveDir();
    s.toolTipHelp = p_.settings.toolTipHelp();
    p_.settings.write(s);
    const model::MovieSlots shown = p_.rows.movieSlots();
    for (int slot = 1; slot <= MovieRows::kCount; ++slot) {
        const std::string& movie = w.movies[static_cast<std::size_t>(slot - 1)];
        if (movie != shown[static_cast<std::size_t>(slot - 1)]) p_.rows.setPath(slot, ui::qs(movie));
    }
    p_.hotSpots = w.hotSpots;
    p_.editor.showRestoredList();
    if (w.movies[0] != shown[0]) p_.player.open(w.movies[0]);
}

std::string ProjectSession::recoveryText() const {
    return model::recoveryText(p_.settings.read(), p_.rows.movieSlots(), p_.hotSpots, project_);
}

bool ProjectSession::settleChanges() {
    if (!changed()) return true;
    const Message question{std::string(texts::kSaveChangesQuestion), Topic::SaveChanges};
    switch (p_.prompts.askToSave(question)) {
        case SaveChoice::Save:
            return saveProject();
        case SaveChoice::Discard:
            return true;
        case SaveChoice::Cancel:
            break;
    }
    return false;
}

void ProjectSession::showChanged() {
    const QString mark = history_.changed() ? ui::qs(texts::kChangedMark) : QString();
    const QString program = ui::qs(texts::kWindowTitle);
    p_.window->setWindowTitle(project_.empty()
                                  ? program + mark
                                  : ui::qpath(project_.filename()) + mark + QStringLiteral(" - ") + program);
}

}  // namespace tessaly::app
