#include "app/WindowGrowth.h"

#include <QDir>
#include <QEvent>
#include <QSettings>
#include <QStandardPaths>
#include <QWidget>
#include <algorithm>

namespace tessaly::app {
namespace {

// A control counts as spanning the preview when it reaches across at least half of it.
bool spans(const QRect& r, const QRect& preview) {
    return r.left() < preview.right() && r.right() >= preview.right() - 2 && 2 * r.width() > preview.width();
}

constexpr auto kGeometryKey = "window/geometry";

}  // namespace

WindowGrowth::WindowGrowth(QWidget* client, QWidget* preview, std::vector<QWidget*> ownPlace,
                           std::function<void()> grown)
    : QObject(client),
      client_(client),
      base_(client->minimumSize()),
      preview_(preview->geometry()),
      grown_(std::move(grown)) {
    for (QWidget* child : client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (std::find(ownPlace.begin(), ownPlace.end(), child) == ownPlace.end())
            laidOut_.emplace_back(child, child->geometry());
    }
    client->installEventFilter(this);
}

bool WindowGrowth::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_ && event->type() == QEvent::Resize) place();
    return QObject::eventFilter(watched, event);
}

void WindowGrowth::place() {
    const int dx = std::max(0, client_->width() - base_.width());
    const int dy = std::max(0, client_->height() - base_.height());
    const QRect& p = preview_;
    for (const auto& [widget, r] : laidOut_) {
        if (widget == nullptr) continue;
        QRect to = r;
        if (r.left() >= p.right()) {
            // The Hot Spot column and what stands above it move as one.
            to.translate(dx, 0);
        } else {
            if (spans(r, p)) {
                to.setWidth(r.width() + dx);
                if (r.top() <= p.top() && r.bottom() >= p.bottom()) to.setHeight(r.height() + dy);
            } else if (r.right() > p.left() && r.bottom() < p.top()) {
                // Above the preview, among the command buttons: keep to the middle.
                to.translate(dx / 2, 0);
            }
            if (r.top() >= p.bottom()) to.translate(0, dy);
        }
        if (widget->geometry() != to) widget->setGeometry(to);
    }
    if (grown_) grown_();
}

QString windowPlaceFile() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))
        .filePath(QStringLiteral("window.ini"));
}

bool restoreWindowPlace(QWidget* window, const QString& file) {
    if (file.isEmpty()) return false;
    const QSettings kept(file, QSettings::IniFormat);
    const QByteArray geometry = kept.value(QLatin1String(kGeometryKey)).toByteArray();
    return !geometry.isEmpty() && window->restoreGeometry(geometry);
}

void keepWindowPlace(const QWidget* window, const QString& file) {
    if (file.isEmpty()) return;
    QSettings kept(file, QSettings::IniFormat);
    kept.setValue(QLatin1String(kGeometryKey), window->saveGeometry());
}

}  // namespace tessaly::app
