#include "app/ToolTips.h"

#include <QApplication>
#include <QBuffer>
#include <QHelpEvent>
#include <QProxyStyle>
#include <QToolTip>
#include <stdexcept>
#include <string>

#include "app/Controls.h"
#include "app/ToolTipTexts.h"

namespace tessaly::app {
namespace {

class ToolTipStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override {
        if (hint == SH_ToolTip_WakeUpDelay) return ToolTips::kShowDelayMs;
        if (hint == SH_ToolTip_FallAsleepDelay) return ToolTips::kShowDelayMs;
        return QProxyStyle::styleHint(hint, option, widget, data);
    }
};

QString informationIcon() {
    static const QString uri = [] {
        const QPixmap pixmap =
            QApplication::style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(16, 16);
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        pixmap.save(&buffer, "PNG");
        return QStringLiteral("data:image/png;base64,") + QString::fromLatin1(png.toBase64());
    }();
    return uri;
}

}  // namespace

ToolTips::ToolTips(QWidget* root) : QObject(root) {
    QHash<int, QWidget*> byId;
    for (QWidget* child : root->findChildren<QWidget*>()) {
        if (const int id = controlId(child)) byId.insert(id, child);
    }
    for (const texts::ToolTipEntry& entry : texts::kToolTips) {
        for (const int id : entry.ids) {
            if (id == 0) continue;
            QWidget* control = byId.value(id);
            // A text for a control the window lacks is a fault of the table.
            if (control == nullptr)
                throw std::logic_error("no control " + std::to_string(id) + " for its tooltip");
            texts_.insert(control, qstr(entry.text));
            control->installEventFilter(this);
        }
    }
}

QString ToolTips::richText(const QString& text) {
    const QStringList lines = text.split(QLatin1Char('\n'));
    const QFontMetrics fm(QToolTip::font());
    int widest = 0;
    for (const QString& line : lines) widest = std::max(widest, fm.horizontalAdvance(line));
    // A tip wraps only where a line is wider than the greatest width; elsewhere
    // spaces keep their number and place.
    const bool wraps = widest > kMaxWidth;
    QStringList body;
    for (const QString& line : lines) {
        QString escaped = line.toHtmlEscaped();
        if (!wraps) escaped.replace(QLatin1Char(' '), QStringLiteral("&nbsp;"));
        body << escaped;
    }
    const QString width = wraps ? QStringLiteral(" width=\"%1\"").arg(kMaxWidth) : QString();
    return QStringLiteral("<table cellspacing=\"0\"") + width + QStringLiteral("><tr><td><img src=\"") +
           informationIcon() + QStringLiteral("\">&nbsp;<b>Information:</b></td></tr><tr><td>") +
           body.join(QStringLiteral("<br>")) + QStringLiteral("</td></tr></table>");
}

void ToolTips::installStyle(QApplication& app) {
    app.setStyle(new ToolTipStyle(app.style()->name()));
    QPalette pal = QToolTip::palette();
    pal.setColor(QPalette::ToolTipText, QColor(255, 255, 0));
    pal.setColor(QPalette::ToolTipBase, QColor(25, 29, 98));
    pal.setColor(QPalette::Inactive, QPalette::ToolTipText, QColor(255, 255, 0));
    pal.setColor(QPalette::Inactive, QPalette::ToolTipBase, QColor(25, 29, 98));
    QToolTip::setPalette(pal);
}

bool ToolTips::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QObject::eventFilter(watched, event);
    auto* widget = static_cast<QWidget*>(watched);
    if (!active_) {
        QToolTip::hideText();
        return true;
    }
    const auto* help = static_cast<QHelpEvent*>(event);
    QToolTip::showText(help->globalPos(), richText(texts_.value(widget)), widget, {}, kHideDelayMs);
    return true;
}

}  // namespace tessaly::app
