#include "selector/AboutBox.h"

#include <QDesktopServices>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>

#include "selector/SelectorTexts.h"
#include "ui/ControlId.h"
#include "ui/Fonts.h"
#include "ui/Strings.h"

namespace tessaly::selector {
namespace {

const QColor kDeepBlue(20, 50, 195);
const QColor kKhaki(180, 170, 95);
const QColor kNavy(0, 0, 85);
const QColor kNoticeYellow(200, 210, 95);
const QColor kLinkText(220, 210, 120);
const QColor kLinkBack(0, 0, 127);

// Dialog units of the 8-point dialog font: a quarter of its 6-pixel average
// character width across, an eighth of its 13-pixel height down.
int dluX(int units) { return (units * 6 + 2) / 4; }
int dluY(int units) { return (units * 13 + 4) / 8; }
QRect dlu(int x, int y, int w, int h) { return {dluX(x), dluY(y), dluX(w), dluY(h)}; }

AboutBox::UrlOpener& urlOpener() {
    static AboutBox::UrlOpener opener;
    return opener;
}

void colour(QWidget* widget, const QColor& text, const QColor* background) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, text);
    if (background) {
        palette.setColor(QPalette::Window, *background);
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(palette);
}

class LinkLabel : public QLabel {
public:
    LinkLabel(const QString& text, QUrl url, QWidget* parent) : QLabel(text, parent), url_(std::move(url)) {
        setCursor(Qt::PointingHandCursor);
        setAlignment(Qt::AlignCenter);
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
    }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        QLabel::mouseReleaseEvent(event);
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
            AboutBox::openLink(url_);
        }
    }

private:
    QUrl url_;
};

QLabel* place(QLabel* label, int id, const QRect& geometry) {
    ui::setControlId(label, id);
    label->setGeometry(geometry);
    return label;
}

}  // namespace

AboutBox::AboutBox(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint) {
    setWindowTitle(ui::qs(texts::kAboutTitle));
    setWindowIcon(QIcon(QStringLiteral(":/selector/VIDEO.png")));
    setFixedSize(dluX(210), dluY(180));
    setFont(ui::controlFont());
    colour(this, Qt::white, &kDeepBlue);

    auto* icon = new QLabel(this);
    icon->setPixmap(QPixmap(QStringLiteral(":/selector/VIDEO.png")));
    icon->move(dluX(10), dluY(5));
    icon->adjustSize();

    name_ = place(new QLabel(ui::qs(texts::kAboutName), this), aboutIds::kName, dlu(45, 5, 140, 30));
    name_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    colour(name_, kKhaki, &kDeepBlue);

    auto* notice = new QLabel(this);
    notice->setPixmap(QPixmap(QStringLiteral(":/selector/notice.png")));
    notice->move(dluX(5), dluY(40));
    notice->adjustSize();

    auto* line = new QFrame(this);
    line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    line->setGeometry(dlu(10, 35, 190, 2));

    build_ = place(new QLabel(ui::qs(texts::kBuild), this), aboutIds::kBuild, dlu(150, 38, 50, 10));
    colour(build_, kNavy, nullptr);
    notice_ = place(new QLabel(ui::qs(texts::kAboutNotice), this), aboutIds::kNotice, dlu(106, 47, 98, 28));
    colour(notice_, kNoticeYellow, nullptr);

    const QUrl mail(QStringLiteral("mailto:") + ui::qs(texts::kSupportMail));
    const QUrl site(ui::qs(texts::kWebSite));
    mail_ = place(new LinkLabel(ui::qs(texts::kMailLabel), mail, this), aboutIds::kMail, dlu(0, 169, 70, 11));
    colour(mail_, kLinkText, &kLinkBack);
    webSite_ =
        place(new LinkLabel(ui::qs(texts::kWebSite), site, this), aboutIds::kWebSite, dlu(70, 169, 140, 11));
    colour(webSite_, kLinkText, &kLinkBack);
}

void AboutBox::setUrlOpener(UrlOpener opener) { urlOpener() = std::move(opener); }

void AboutBox::openLink(const QUrl& url) {
    // Nothing is reported when no browser or mail program answers.
    if (urlOpener()) {
        urlOpener()(url);
    } else {
        QDesktopServices::openUrl(url);
    }
}

}  // namespace tessaly::selector
