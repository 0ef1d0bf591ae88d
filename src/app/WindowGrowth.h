#pragma once

// The client area laid out at its smallest size grows with the window: the
// preview takes the extra room; what lies right of it moves along, what lies
// under it moves down, and what spans it widens with it. The option and Hot
// Spot columns keep their size and order. The window's size and state are
// kept between runs apart from the options.

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>
#include <functional>
#include <utility>
#include <vector>

class QWidget;

namespace tessaly::app {

class WindowGrowth : public QObject {
public:
    // The children of `client` are taken where they stand now, as laid out
    // for its smallest size; `ownPlace` are placed by `grown`, which runs after
    // every change of size.
    WindowGrowth(QWidget* client, QWidget* preview, std::vector<QWidget*> ownPlace,
                 std::function<void()> grown);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place();

    QWidget* client_;
    QSize base_;
    QRect preview_;
    std::vector<std::pair<QPointer<QWidget>, QRect>> laidOut_;
    std::function<void()> grown_;
};

// Where the window's place is kept, in the user's configuration folder.
QString windowPlaceFile();
// Puts a window back where it was at its last close, as kept in `file`;
// false when nothing was kept (or `file` is empty).
bool restoreWindowPlace(QWidget* window, const QString& file);
// Keeps a window's place in `file`; nothing when it is empty.
void keepWindowPlace(const QWidget* window, const QString& file);

}  // namespace tessaly::app
