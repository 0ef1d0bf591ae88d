#include "app/AboutBox.h"

#include <QFontMetrics>
#include <QPixmap>
#include <algorithm>

#include "app/Controls.h"
#include "app/Launcher.h"

namespace tessaly::app {
namespace {

const QColor kAboutBlue(20, 50, 195);

// Dialog units of the control font: a quarter of the average character width
// across, an eighth of the character height down.
QRect dialogUnits(const QFontMetrics& fm, int x, int y, int w, int h) {
    const double cx = fm.averageCharWidth() / 4.0;
    const double cy = fm.height() / 8.0;
    return QRect(qRound(x * cx), qRound(y * cy), qRound(w * cx), qRound(h * cy));
}

}  // namespace

AboutBox::AboutBox(QWidget* owner, Launcher& launcher) : QDialog(owner) {
    setWindowTitle(QStringLiteral("About"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    const QFontMetrics fm(font());
    setFixedSize(dialogUnits(fm, 0, 0, 210, 220).size());
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kAboutBlue);
    setPalette(pal);
    setAutoFillBackground(true);

    const CommandSink none = [](int, int) {};
    auto* icon = new QLabel(this);
    const QPixmap iconPixmap(QStringLiteral(":/tessaly/about.png"));
    icon->setPixmap(iconPixmap.scaled(32, 32, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    icon->setGeometry(QRect(dialogUnits(fm, 10, 5, 0, 0).topLeft(), QSize(32, 32)));

    addLabel(this, 2001, "Tessaly\r\nby the Tessaly authors", dialogUnits(fm, 45, 5, 140, 30),
             {QColor(180, 170, 95), kAboutBlue}, Qt::AlignHCenter | Qt::AlignTop, Edge::None, false, none);
    auto* picture = new QLabel(this);
    const QPixmap banner(QStringLiteral(":/tessaly/about.png"));
    picture->setPixmap(banner);
    picture->setGeometry(QRect(dialogUnits(fm, 5, 40, 0, 0).topLeft(), banner.size()));
    auto* line = new QFrame(this);
    line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    line->setGeometry(dialogUnits(fm, 10, 35, 190, 2));
    // Digits run wider than the average character the units come from: the
    // build number grows to the left, its right edge where it was.
    const QString build = QStringLiteral(" Build 010.01");
    QRect buildRect = dialogUnits(fm, 150, 38, 50, 10);
    buildRect.setLeft(std::min(buildRect.left(), buildRect.right() + 1 - fm.horizontalAdvance(build)));
    buildRect.setHeight(std::max(buildRect.height(), fm.height()));
    addLabel(this, 101, build.toStdString(), buildRect, {Qt::black, std::nullopt}, Qt::AlignLeft, Edge::None,
             false, none);

    const Colours link{QColor(220, 210, 120), QColor(0, 0, 127)};
    ClickLabel* site =
        addLabel(this, 2004, "tessaly.example.org", dialogUnits(fm, 70, 169, 141, 11).intersected(rect()),
                 link, Qt::AlignCenter, Edge::Sunken, true, none);
    ClickLabel* mail = addLabel(this, 2002, "email: Tessaly", dialogUnits(fm, 0, 169, 70, 11), link,
                                Qt::AlignCenter, Edge::Sunken, true, none);
    site->setCursor(Qt::PointingHandCursor);
    mail->setCursor(Qt::PointingHandCursor);
    connect(site, &ClickLabel::clicked, this,
            [&launcher] { launcher.openUrl(QUrl(QString::fromLatin1(kSiteUrl))); });
    connect(mail, &ClickLabel::clicked, this,
            [&launcher] { launcher.openUrl(QUrl(QString::fromLatin1(kMailUrl))); });
    addLabel(this, 2005, "(c) The Tessaly authors.\nProvided as is, without warranty.",
             dialogUnits(fm, 106, 47, 98, 28), {QColor(200, 210, 95), kAboutBlue},
             Qt::AlignLeft | Qt::AlignTop, Edge::None, false, none)
        ->setWordWrap(true);
}

}  // namespace tessaly::app
