#include "app/AboutBox.h"

#include <QFontMetrics>
#include <QPixmap>
#include <QPushButton>
#include <QUrl>
#include <algorithm>

#include "app/Controls.h"
#include "app/Launcher.h"
#include "ui/Strings.h"

namespace tessaly::app {
namespace {

const QColor kAboutBlue(20, 50, 195);

constexpr char kName[] = "Tessaly publisher";
constexpr char kVersion[] = "Version " TESSALY_VERSION;
constexpr char kLicence[] = "Licence: " TESSALY_LICENSE;
constexpr char kSiteUrl[] = TESSALY_HOMEPAGE;
constexpr char kMailUrl[] = "mailto:dev@tessaly.example";

// The home page's address as a person types it.
QString siteName() {
    const QUrl url(QString::fromLatin1(kSiteUrl));
    return url.host() + (url.path() == QStringLiteral("/") ? QString() : url.path());
}

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

    auto* icon = new QLabel(this);
    const QPixmap iconPixmap(QStringLiteral(":/tessaly/about.png"));
    icon->setPixmap(iconPixmap.scaled(32, 32, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    icon->setGeometry(QRect(dialogUnits(fm, 10, 5, 0, 0).topLeft(), QSize(32, 32)));

    addLabel(this, 2001, "Tessaly\r\nby the Tessaly developers", dialogUnits(fm, 45, 5, 140, 30),
             {QColor(180, 170, 95), kAboutBlue}, Qt::AlignHCenter | Qt::AlignTop, Edge::None, false);
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
             false);

    const Colours link{QColor(220, 210, 120), QColor(0, 0, 127)};
    ClickLabel* site =
        addLabel(this, 2004, ui::utf8(siteName()), dialogUnits(fm, 70, 169, 141, 11).intersected(rect()),
                 link, Qt::AlignCenter, Edge::Sunken, true);
    ClickLabel* mail = addLabel(this, 2002, "email: Tessaly", dialogUnits(fm, 0, 169, 70, 11), link,
                                Qt::AlignCenter, Edge::Sunken, true);
    site->setCursor(Qt::PointingHandCursor);
    mail->setCursor(Qt::PointingHandCursor);
    connect(site, &ClickLabel::clicked, this,
            [&launcher] { launcher.openUrl(QUrl(QString::fromLatin1(kSiteUrl))); });
    connect(mail, &ClickLabel::clicked, this,
            [&launcher] { launcher.openUrl(QUrl(QString::fromLatin1(kMailUrl))); });
    addLabel(this, 2005, "(c) The Tessaly authors.\nProvided as is, without warranty.",
             dialogUnits(fm, 106, 47, 98, 28), {QColor(200, 210, 95), kAboutBlue},
             Qt::AlignLeft | Qt::AlignTop, Edge::None, false)
        ->setWordWrap(true);

    // What the program is, below the pictures: name, version and licence.
    const int below = std::max(picture->geometry().bottom(), dialogUnits(fm, 0, 78, 0, 0).top()) + 8;
    const QRect about(dialogUnits(fm, 10, 0, 190, 0).left(), below, dialogUnits(fm, 0, 0, 190, 0).width(),
                      dialogUnits(fm, 0, 165, 0, 0).top() - below);
    QLabel* name = addLabel(this, 2006, kName, QRect(about.topLeft(), QSize(about.width(), fm.height() * 2)),
                            {Qt::white, kAboutBlue}, Qt::AlignHCenter | Qt::AlignTop, Edge::None, false);
    QFont big = name->font();
    big.setPointSizeF(big.pointSizeF() * 1.5);
    big.setBold(true);
    name->setFont(big);
    name->setFixedHeight(QFontMetrics(big).height());
    const int textTop = name->geometry().bottom() + 4;
    addLabel(this, 2007, std::string(kVersion) + "\n" + kLicence,
             QRect(about.left(), textTop, about.width(), about.bottom() - textTop), {Qt::white, kAboutBlue},
             Qt::AlignHCenter | Qt::AlignTop, Edge::None, false)
        ->setWordWrap(true);

    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    const QRect closeArea = dialogUnits(fm, 80, 186, 50, 14);
    close->setGeometry(
        closeArea.adjusted(0, 0, 0, std::max(0, close->sizeHint().height() - closeArea.height())));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace tessaly::app
