#pragma once

// Files dragged onto the publisher window: a movie dropped on a movie row
// loads into that slot, a project dropped anywhere opens. Anything else is
// refused while it is dragged, so the pointer shows that it cannot be dropped.

#include <QObject>
#include <QPoint>
#include <filesystem>
#include <functional>
#include <optional>

#include "core/model/WorkFiles.h"

class QMimeData;
class QWidget;

namespace tessaly::app {

class FileDrops : public QObject {
public:
    struct Target {
        model::OpenRequest request;
        int slot = 0;  // the movie row, 1..3; 0 for a project

        bool operator==(const Target&) const = default;
    };
    // The movie row under a point of the window, 1..3, or 0.
    using RowAt = std::function<int(const QPoint& windowPoint)>;
    // Whether the window takes files now (no dialog open, no publish running).
    using Taking = std::function<bool()>;
    using Open = std::function<void(const Target&)>;

    // Watches `window` and the text boxes in it: a file dragged over a text
    // box is the window's business, not a text to paste.
    FileDrops(QWidget* window, RowAt rowAt, Taking taking, Open open);

    // What dropping `mime` at `windowPoint` would do; nothing when it is refused.
    std::optional<Target> targetOf(const QMimeData* mime, const QPoint& windowPoint);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The one local file `mime` carries, judged once per drag.
    const Result<model::OpenRequest>* fileOf(const QMimeData* mime);
    bool carriesMovie(const QMimeData* mime);

    QWidget* window_;
    RowAt rowAt_;
    Taking taking_;
    Open open_;
    std::filesystem::path judged_;
    Result<model::OpenRequest> judgement_;
};

}  // namespace tessaly::app
