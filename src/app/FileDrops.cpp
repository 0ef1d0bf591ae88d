#include "app/FileDrops.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QMetaObject>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

#include "ui/Strings.h"

namespace tessaly::app {

FileDrops::FileDrops(QWidget* window, RowAt rowAt, Taking taking, Open open)
    : QObject(window),
      window_(window),
      rowAt_(std::move(rowAt)),
      taking_(std::move(taking)),
      open_(std::move(open)),
      judgement_(refusal({})) {
    window_->setAcceptDrops(true);
    window_->installEventFilter(this);
    for (QLineEdit* edit : window_->findChildren<QLineEdit*>()) edit->installEventFilter(this);
}

const Result<model::OpenRequest>* FileDrops::fileOf(const QMimeData* mime) {
    if (mime == nullptr || !mime->hasUrls()) return nullptr;
    const QList<QUrl> urls = mime->urls();
    if (urls.size() != 1 || !urls.front().isLocalFile()) return nullptr;
    const std::filesystem::path file = ui::toPath(urls.front().toLocalFile());
    // Asked at every move of the pointer: the file is looked at once.
    if (file != judged_) {
        judged_ = file;
        judgement_ = model::openRequest({file});
    }
    return &judgement_;
}

bool FileDrops::carriesMovie(const QMimeData* mime) {
    const auto* judged = fileOf(mime);
    const auto* request = judged != nullptr && judged->ok() ? &judged->value() : nullptr;
    return request != nullptr && request->kind == model::WorkKind::Movie && taking_();
}

std::optional<FileDrops::Target> FileDrops::targetOf(const QMimeData* mime, const QPoint& windowPoint) {
    if (!taking_()) return std::nullopt;
    const auto* judged = fileOf(mime);
    if (judged == nullptr) return std::nullopt;
    if (judged->failed()) return std::nullopt;
    const model::OpenRequest* request = &judged->value();
    if (request->kind == model::WorkKind::Project) return Target{*request, 0};
    const int row = rowAt_(windowPoint);
    if (row == 0) return std::nullopt;
    return Target{*request, row};
}

bool FileDrops::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) return false;
    auto* drop = static_cast<QDropEvent*>(event);
    if (watched != window_) {
        // A text box passes files on to the window; plain text it takes itself.
        if (type == QEvent::DragEnter && drop->mimeData()->hasUrls()) {
            drop->ignore();
            return true;
        }
        return false;
    }
    const std::optional<Target> target = targetOf(drop->mimeData(), drop->position().toPoint());
    // A movie dragged in away from the rows may still reach one: the window
    // takes the drag and judges each move.
    const bool take = target.has_value() || (type == QEvent::DragEnter && carriesMovie(drop->mimeData()));
    // Copy, never move: the file manager must not take the file away.
    if (!take || !(drop->possibleActions() & Qt::CopyAction)) {
        drop->ignore();
        return true;
    }
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    // Opened once the drop is over: a question asked meanwhile would hold the
    // file manager's drag until it is answered.
    if (type == QEvent::Drop) {
        QMetaObject::invokeMethod(
            window_, [open = open_, opened = *target] { open(opened); }, Qt::QueuedConnection);
    }
    return true;
}

}  // namespace tessaly::app
