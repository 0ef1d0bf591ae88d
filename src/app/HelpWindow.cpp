#include "app/HelpWindow.h"

#include <QFont>

#include "app/Controls.h"
#include "ui/Fonts.h"

namespace tessaly::app {
namespace {

const QColor kDarkGrey(85, 85, 85);
const QColor kLightGrey(192, 192, 192);

QFont serif(int points, bool italic) { return ui::serifFont(points, true, italic); }

}  // namespace

HelpWindow::HelpWindow(QWidget* owner, std::function<void()> tick) : QDialog(owner) {
    setWindowTitle(QStringLiteral("Help"));
    setFixedSize(710, 528);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(167, 167, 167));
    setPalette(pal);
    setAutoFillBackground(true);

    const CommandSink none = [](int, int) {};
    const auto label = [&](int id, std::string_view text, const QRect& r, const Colours& c, Edge edge) {
        return addLabel(this, id, text, r, c, Qt::AlignLeft | Qt::AlignVCenter, edge, false, none);
    };
    const auto row = [&](int captionId, std::string_view caption, int textId, std::string_view text, int y,
                         int h, Edge edge) {
        label(captionId, caption, {10, y, 110, h}, {Qt::white, kDarkGrey}, edge);
        label(textId, text, {123, y, 580, 19}, {Qt::black, kLightGrey}, Edge::None);
    };

    label(100, "  Instruction:", {0, 0, 710, 38}, {Qt::black, Qt::white}, Edge::None)
        ->setFont(serif(20, true));
    label(101,
          " 1. Select any Web Movie \n 2. Choose necessary options \n 3. Add any text and URL \n"
          " 4. Press the button \"Publish Web Movie\"\n 5. Set all output files to your Web page",
          {10, 45, 300, 72}, {Qt::black, std::nullopt}, Edge::None);
    label(102, " Common options:", {10, 120, 300, 24}, {Qt::black, kLightGrey}, Edge::None)
        ->setFont(serif(15, false));
    row(109, "  Window Size", 303,
        " The size of html5 viewer window: 640x320, 640x400, 640x480, 700x300, 700x480, 800x400, 800x600, "
        "960x480 "
        "pixels.",
        150, 19, Edge::Sunken);
    row(110, "  Segment Quality", 304, " Use the \"Segment Quality\" for better quality of 360 video stream.",
        170, 19, Edge::Static);
    row(111, "  Show Control", 305,
        " Show or Hide the Control's Panel (buttons, controls, etc.) in the \"popup\" mode ", 190, 19,
        Edge::Static);
    row(117, "  Zoom value ", 306, " ZOOM value for determine of Zoom control", 210, 19, Edge::Sunken);
    row(119, "  Yaw value ", 307,
        " YAW value for determine of start rotation angle: 0 to 330 (360 degree), 30 degree step", 230, 19,
        Edge::Sunken);
    row(125, "  Audio Volume ", 308, " Audio Volume, 0 to 100%,  100% is maximum value", 290, 19,
        Edge::Sunken);
    row(141, "  Pitch value", 309,
        "Position of vertical viewing: 30 to -30 degrees, 0 degree by default. Use the \"auto\" mode for "
        "common "
        "case.",
        250, 20, Edge::Sunken);
    row(139, "  Vertical angle limit", 310,
        "Limit of vertical angle: top: 50 to 90 degrees. bottom -50 to -90 degrees. Use the \"auto\" mode "
        "for "
        "cylindrical format.",
        270, 19, Edge::Sunken);
    row(127, "  Html BGColor", 311, " Choose any background color for Html web page", 310, 19, Edge::Sunken);
    row(130, "  Html <TITLE>", 312, " Add any Html title for output web page", 330, 19, Edge::Sunken);
    row(186, "  Max FPS for stream", 313,
        " The value of Max rendering update for video stream in the Internet.", 350, 19, Edge::Sunken);
    label(103, " Output files:", {10, 376, 300, 24}, {Qt::black, kLightGrey}, Edge::None)
        ->setFont(serif(15, false));
    label(314,
          "\n  1. Html Web Page\n  2. /Images/ folder\n  3. /JS/ folder\n  4. Web movie/movies\n"
          "  _____________________________________________\n  Set all output files to your Web page",
          {10, 405, 694, 114}, {Qt::white, QColor(128, 128, 128)}, Edge::Sunken);
    QPushButton* exit = addPush(this, 108, "Exit Help", {645, 490, 50, 20}, none);
    connect(exit, &QPushButton::clicked, this, [this, tick] {
        if (tick) tick();
        accept();
    });
}

}  // namespace tessaly::app
