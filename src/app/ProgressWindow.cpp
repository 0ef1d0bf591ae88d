#include "app/ProgressWindow.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "app/WindowTexts.h"
#include "core/movies/MovieInfo.h"
#include "core/movies/MovieTexts.h"
#include "ui/Strings.h"

namespace tessaly::app {
namespace {

constexpr int kSteps = 1000;
constexpr int kMinimumWidth = 360;

bool isKey(QEvent::Type type) {
    switch (type) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
            return true;
        default:
            return false;
    }
}

}  // namespace

// Drops the keys meant for the window and its widgets (its Esc among them)
// while the window does not take keys yet.
class ProgressWindow::EarlyKeys : public QObject {
public:
    explicit EarlyKeys(ProgressWindow* window) : QObject(window), window_(window) {
        window->installEventFilter(this);
        for (QWidget* widget : window->findChildren<QWidget*>()) widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        return isKey(event->type()) && !window_->takesKeys_;
    }

private:
    ProgressWindow* window_;
};

ProgressWindow::ProgressWindow(QWidget* owner, const QString& title, const QString& text,
                               std::function<void()> onCancel)
    : QDialog(owner),
      label_(new QLabel(text, this)),
      bar_(new QProgressBar(this)),
      cancel_(new QPushButton(ui::qs(texts::kCopyCancel), this)),
      earlyKeys_(new EarlyKeys(this)) {
    setWindowTitle(title);
    // Modeless: the window's commands are off while the work runs.
    setWindowModality(Qt::NonModal);
    setMinimumWidth(kMinimumWidth);
    label_->setTextFormat(Qt::PlainText);
    // Busy until the work says how far it is.
    bar_->setRange(0, 0);
    bar_->setTextVisible(false);
    cancel_->setAutoDefault(false);
    cancel_->setDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    layout->addWidget(bar_);
    layout->addLayout(buttons);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    // Esc and closing the window reject it, as Cancel does.
    connect(this, &QDialog::rejected, this, [this, onCancel = std::move(onCancel)] {
        cancelled_ = true;
        hide();
        if (onCancel) onCancel();
    });
}

ProgressWindow::~ProgressWindow() = default;

void ProgressWindow::showNow() {
    // Cancelled work has nothing more to show while it stops.
    if (cancelled_) return;
    show();
    raise();
    activateWindow();
    repaint();
}

void ProgressWindow::setText(const QString& text) {
    if (label_->text() != text) label_->setText(text);
}

QString ProgressWindow::text() const { return label_->text(); }

void ProgressWindow::setDone(double fraction) {
    if (bar_->maximum() != kSteps) bar_->setRange(0, kSteps);
    bar_->setValue(static_cast<int>(std::clamp(fraction, 0.0, 1.0) * kSteps));
}

void ProgressWindow::showProgress(const publish::JobProgress& progress) {
    const QString name = ui::qpath(progress.movie.filename());
    if (progress.step == publish::JobStep::Encoding) {
        if (progress.total <= 0 || progress.done <= 0) return;
        setText(ui::qs(movies::texts::kEncodeProgress)
                    .arg(name, ui::qs(movies::durationText(progress.done)),
                         ui::qs(movies::durationText(progress.total)),
                         ui::qs(progress.timeLeft(movies::TimeLeftStyle::Clock))));
    } else {
        const QLocale locale;
        setText(progress.done <= 0
                    ? ui::qs(texts::kCopyWaiting).arg(name)
                    : ui::qs(texts::kCopyProgress)
                          .arg(name, locale.formattedDataSize(static_cast<qint64>(progress.done)),
                               locale.formattedDataSize(static_cast<qint64>(progress.total)),
                               ui::qs(progress.timeLeft(movies::TimeLeftStyle::Words))));
    }
    setDone(progress.fraction());
}

void ProgressWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    takesKeys_ = false;
    const int showing = ++shown_;
    QTimer::singleShot(kKeysAfterMs, this, [this, showing] {
        if (showing == shown_ && isVisible()) takesKeys_ = true;
    });
}

void ProgressWindow::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    takesKeys_ = false;
    ++shown_;
}

}  // namespace tessaly::app
