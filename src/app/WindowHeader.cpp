#include "app/WindowHeader.h"

#include <QFrame>
#include <QLayout>

#include "app/ControlIds.h"
#include "app/QtPreviewPlayer.h"
#include "app/TransportStrip.h"
#include "app/WindowTexts.h"
#include "ui/Fonts.h"
#include "ui/Strings.h"

namespace tessaly::app {
namespace {

using Face = ui::GradientButton::Face;

QFrame* previewHost(QWidget* p) {
    auto* host = new QFrame(p);
    setControlId(host, ids::kPreview);
    host->setGeometry(250, 195, 448, 300);
    host->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    host->setLineWidth(1);
    QPalette black = host->palette();
    black.setColor(QPalette::Window, Qt::black);
    // The frame's line while the preview has the keys.
    black.setColor(QPalette::WindowText, QColor(255, 215, 0));
    host->setPalette(black);
    host->setAutoFillBackground(true);
    return host;
}

}  // namespace

WindowHeader buildHeader(QWidget* p) {
    using namespace ids;
    namespace t = texts;
    WindowHeader h;
    const QFont font = ui::serifFont(25, true, true);
    const auto title = [&](int id, std::string_view text, const QRect& rect, const QColor& colour,
                           Qt::Alignment align) {
        ClickLabel* label =
            addLabel(p, id, text, rect, {colour, std::nullopt}, align | Qt::AlignTop, Edge::None, false);
        label->setFont(font);
        return label;
    };
    h.titleShadow = title(kTitleShadow, t::kWindowTitle, {76, 11, 780, 65}, Qt::black, Qt::AlignHCenter);
    h.title = title(kTitle, t::kWindowTitle, {75, 10, 780, 65}, Qt::white, Qt::AlignHCenter);
    // "Html5" reads after the centred title, in the title's own font.
    const QFontMetrics fm(font);
    const int titleRight = 75 + (780 + fm.horizontalAdvance(ui::qs(t::kWindowTitle))) / 2;
    h.html5 = title(kTitleHtml5, t::kHtml5, {titleRight + fm.horizontalAdvance(QLatin1Char(' ')), 10, 90, 65},
                    QColor(0, 191, 255), Qt::AlignLeft);
    h.build = addLabel(p, kBuild, t::kBuild, {842, 60, 70, 20}, {QColor(0, 0, 255), std::nullopt},
                       Qt::AlignLeft | Qt::AlignTop, Edge::None, false);

    h.previewHost = previewHost(p);
    h.player = new QtPreviewPlayer(h.previewHost);
    // The picture keeps its 2:1 area; the strip takes the rest of the frame.
    h.strip = new TransportStrip(h.previewHost, *h.player);
    const QRect inside = h.previewHost->contentsRect();
    const int pictureHeight = (inside.width() - 2) / 2;
    h.strip->setFixedHeight(inside.height() - 2 - pictureHeight);
    h.previewHost->layout()->setSpacing(0);
    h.previewHost->layout()->addWidget(h.strip);
    return h;
}

int pictureBottom(const WindowHeader& h) {
    const QRect inside = h.previewHost->contentsRect();
    return h.previewHost->y() + inside.y() + inside.height() - 1 - h.strip->maximumHeight();
}

CommandButtons buildCommandButtons(QWidget* p) {
    using namespace ids;
    namespace t = texts;
    CommandButtons h;
    h.publish = addGradient(p, kPublish, t::kPublish, {5, 150, 139, 25}, Face::Teal);
    h.optionsByDefault =
        addGradient(p, kOptionsByDefault, t::kOptionsByDefault, {145, 150, 139, 25}, Face::Blue);
    h.saveOptions = addGradient(p, kSaveOptions, t::kSaveOptions, {711, 150, 190, 25}, Face::Blue);
    h.about = addGradient(p, kAbout, t::kAbout, {425, 150, 139, 25}, Face::Blue);
    h.exit = addGradient(p, kExit, t::kExit, {565, 150, 139, 25}, Face::Red);
    return h;
}

}  // namespace tessaly::app
