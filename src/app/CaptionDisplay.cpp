#include "app/CaptionDisplay.h"

#include <QAction>
#include <filesystem>

#include "app/ControlIds.h"
#include "app/DesktopTexts.h"
#include "core/movies/Captions.h"
#include "ui/Strings.h"

namespace tessaly::app {

CaptionDisplay::CaptionDisplay(QWidget* p)
    : label_(addLabel(p, ids::kCaptions, {}, {286, 150, 138, 25}, {Qt::black, std::nullopt}, Qt::AlignCenter,
                      Edge::None, false)) {
    label_->setContextMenuPolicy(Qt::ActionsContextMenu);
    label_->hide();
}

void CaptionDisplay::setMainMovie(const QString& path) {
    movie_ = path.trimmed();
    show();
}

void CaptionDisplay::setChosen(const movies::ChosenCaptions& chosen) {
    if (chosen == chosen_) return;
    chosen_ = chosen;
    show();
}

bool CaptionDisplay::choose(const movies::ChosenCaption& caption) {
    for (movies::ChosenCaption& held : chosen_) {
        if (!movies::sameLanguage(held.language, caption.language)) continue;
        held = caption;
        show();
        return true;
    }
    if (chosen_.size() >= movies::kChosenCaptionLimit) return false;
    chosen_.push_back(caption);
    show();
    return true;
}

void CaptionDisplay::remove(int n) {
    if (n < 1 || n > static_cast<int>(chosen_.size())) return;
    chosen_.erase(chosen_.begin() + (n - 1));
    show();
}

void CaptionDisplay::show() {
    const std::vector<movies::CaptionFile> captions = movies::movieCaptions(ui::utf8(movie_), chosen_);
    QStringList languages;
    QStringList files;
    for (const movies::CaptionFile& caption : captions) {
        languages << ui::qs(caption.language);
        files << ui::qs(caption.language) + QStringLiteral(": ") + ui::qpath(caption.path) +
                     QStringLiteral(" (") + ui::qs(movies::captionLabel(caption.language)) +
                     (caption.chosen ? ui::qs(texts::kCaptionChosenMark) : QString()) + QLatin1Char(')');
    }
    const QString text = ui::qs(texts::kCaptionsShown) + languages.join(QStringLiteral(", "));
    label_->setText(label_->fontMetrics().elidedText(text, Qt::ElideRight, label_->width()));
    label_->setToolTip(files.join(QLatin1Char('\n')));
    label_->setVisible(!captions.empty());
    for (QAction* action : label_->actions()) {
        label_->removeAction(action);
        action->deleteLater();
    }
    for (std::size_t i = 0; i < chosen_.size(); ++i) {
        const int n = static_cast<int>(i) + 1;
        const QString name = ui::qpath(std::filesystem::path(chosen_[i].path).filename());
        auto* action =
            new QAction(ui::qs(texts::kRemoveCaptions).arg(ui::qs(chosen_[i].language), name), label_);
        setControlId(action, ids::removeCaptions(n));
        connect(action, &QAction::triggered, this, [this, n] { emit removeAsked(n); });
        label_->addAction(action);
    }
}

}  // namespace tessaly::app
