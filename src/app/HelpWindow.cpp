#include "app/HelpWindow.h"

#include <QFont>
#include <QFontMetrics>
#include <QPushButton>
#include <QStyle>
#include <algorithm>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "app/Controls.h"
#include "core/model/ViewerSettings.h"
#include "core/text/Numbers.h"
#include "ui/Fonts.h"

namespace tessaly::app {
namespace {

const QColor kDarkGrey(85, 85, 85);
const QColor kLightGrey(192, 192, 192);

QFont serif(int points, bool italic) { return ui::serifFont(points, true, italic); }

// One option row: a caption on dark grey and its description beside it.
struct Row {
    int captionId;
    std::string_view caption;
    int textId;
    std::string_view text;
    int y;       // where the window was drawn at its first platform's font
    int height;  // of the caption
    Edge edge;
};

// In the order they are created (Audio Volume before the two rows above it).
constexpr Row kRows[] = {
    {109, "  Window Size", 303, {}, 150, 19, Edge::Sunken},  // windowSizesText()
    {110, "  Segment Quality", 304, " Use the \"Segment Quality\" for better quality of 360 video stream.",
     170, 19, Edge::Static},
    {111, "  Show Control", 305,
     " Show or Hide the Control's Panel (buttons, controls, etc.) in the \"popup\" mode ", 190, 19,
     Edge::Static},
    {117, "  Zoom value ", 306, " ZOOM value for determine of Zoom control", 210, 19, Edge::Sunken},
    {119, "  Yaw value ", 307,
     " YAW value for determine of start rotation angle: 0 to 330 (360 degree), 30 degree step", 230, 19,
     Edge::Sunken},
    {125, "  Audio Volume ", 308, " Audio Volume, 0 to 100%,  100% is maximum value", 290, 19, Edge::Sunken},
    {141, "  Pitch value", 309,
     "Position of vertical viewing: 30 to -30 degrees, 0 degree by default. Use the \"auto\" mode for common "
     "case.",
     250, 20, Edge::Sunken},
    {139, "  Vertical angle limit", 310, {}, 270, 19, Edge::Sunken},  // tiltText()
    {127, "  Html BGColor", 311, " Choose any background color for Html web page", 310, 19, Edge::Sunken},
    {130, "  Html <TITLE>", 312, " Add any Html title for output web page", 330, 19, Edge::Sunken},
    {186, "  Max FPS for stream", 313, " The value of Max rendering update for video stream in the Internet.",
     350, 19, Edge::Sunken},
};

// The sizes the Window Size list offers ("320x240, ..."), as it numbers them.
std::string windowSizesText() {
    std::string sizes;
    for (const std::string& item : model::fixedItems(model::ListField::WindowSize)) {
        if (!sizes.empty()) sizes += ", ";
        sizes += item.substr(item.find('.') + 1);
    }
    return " The size of html5 viewer window: " + sizes + " pixels, or a custom size.";
}

// The smallest and largest limit the Vertical angle limit list offers.
std::string tiltText() {
    std::vector<long long> degrees;
    for (const std::string& item : model::fixedItems(model::ListField::Tilt)) {
        if (item.find(" degree") != std::string::npos)
            degrees.push_back(static_cast<long long>(text::leadingNumber(item)));
    }
    const auto [low, high] = std::minmax_element(degrees.begin(), degrees.end());
    const std::string from = low == degrees.end() ? std::string() : text::formatInteger(*low);
    const std::string to = high == degrees.end() ? std::string() : text::formatInteger(*high);
    return "Limit of vertical angle: top: " + from + " to " + to + " degrees. bottom -" + from + " to -" +
           to + " degrees, or a manual value. Use the \"auto\" mode for cylindrical format.";
}

QString rowText(const Row& row) {
    if (row.textId == 303) return QString::fromStdString(windowSizesText());
    if (row.textId == 310) return QString::fromStdString(tiltText());
    return QString::fromUtf8(row.text.data(), qsizetype(row.text.size()));
}

constexpr int kWidth = 710;
constexpr int kHeight = 528;
constexpr int kCaptionX = 10;
constexpr int kCaptionWidth = 110;
constexpr int kTextGap = 3;
constexpr int kRowGap = 1;
constexpr int kFrame = 1;    // the sunken edge of a caption, each side
constexpr int kPadding = 4;  // beside a caption's text, so it never touches the edge
constexpr int kRightMargin = 7;

// The drawn layout, grown where this platform's font needs more room: the
// caption column as wide as its widest caption, each description wrapped to
// the column and its row as tall as the wrapped text. Rows keep their order
// down the window, and everything below them moves down by what they grew.
struct Layout {
    int captionWidth = kCaptionWidth;
    int textX = kCaptionX + kCaptionWidth + kTextGap;
    int textWidth = kWidth - kTextGap - kCaptionX - kCaptionWidth - kRightMargin;
    int rowY[std::size(kRows)] = {};
    int rowHeight[std::size(kRows)] = {};
    int grown = 0;  // extra height of the rows together
};

Layout layoutFor(const QFontMetrics& fm) {
    Layout layout;
    for (const Row& row : kRows) {
        layout.captionWidth = std::max(
            layout.captionWidth,
            fm.horizontalAdvance(QString::fromUtf8(row.caption.data(), qsizetype(row.caption.size()))) +
                2 * (kFrame + kPadding));
    }
    layout.textX = kCaptionX + layout.captionWidth + kTextGap;
    layout.textWidth = kWidth - layout.textX - kRightMargin;

    std::size_t order[std::size(kRows)];
    for (std::size_t i = 0; i < std::size(kRows); ++i) order[i] = i;
    std::sort(std::begin(order), std::end(order),
              [](std::size_t a, std::size_t b) { return kRows[a].y < kRows[b].y; });
    int y = kRows[order[0]].y;
    for (const std::size_t i : order) {
        const Row& row = kRows[i];
        const QString text = rowText(row);
        const int wrapped =
            fm.boundingRect(QRect(0, 0, layout.textWidth, 10000), Qt::TextWordWrap, text).height();
        const int height = std::max({row.height, wrapped, fm.height() + 2 * kFrame});
        layout.rowY[i] = y;
        layout.rowHeight[i] = height;
        y += height + kRowGap;
    }
    const Row& last = kRows[order[std::size(kRows) - 1]];
    layout.grown = std::max(0, y - (last.y + last.height + kRowGap));
    return layout;
}

// A label tall enough for its lines at its own font (the text keeps its top).
void fitLines(QLabel* label) {
    const QFontMetrics fm(label->font());
    const int lines = int(label->text().count(QLatin1Char('\n'))) + 1;
    const int frame = label->frameWidth();
    QRect r = label->geometry();
    r.setHeight(std::max(r.height(), lines * fm.height() + 2 * frame));
    label->setGeometry(r);
}

}  // namespace

HelpWindow::HelpWindow(QWidget* owner, std::function<void()> tick) : QDialog(owner) {
    setWindowTitle(QStringLiteral("Help"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(167, 167, 167));
    setPalette(pal);
    setAutoFillBackground(true);

    const auto label = [&](int id, std::string_view text, const QRect& r, const Colours& c, Edge edge) {
        return addLabel(this, id, text, r, c, Qt::AlignLeft | Qt::AlignVCenter, edge, false);
    };

    const QFontMetrics fm(font());
    const Layout layout = layoutFor(fm);
    label(100, "  Instruction:", {0, 0, kWidth, 38}, {Qt::black, Qt::white}, Edge::None)
        ->setFont(serif(20, true));
    QLabel* steps =
        label(101,
              " 1. Select any Web Movie \n 2. Choose necessary options \n 3. Add any text and URL \n"
              " 4. Press the button \"Publish Web Movie\"\n 5. Set all output files to your Web page",
              {10, 45, 300, 72}, {Qt::black, std::nullopt}, Edge::None);
    fitLines(steps);
    // The section heading and the rows start below the steps, however tall they came out.
    const int stepsGrown = std::max(0, steps->geometry().bottom() + 1 - 117);
    label(102, " Common options:", {10, 120 + stepsGrown, 300, 24}, {Qt::black, kLightGrey}, Edge::None)
        ->setFont(serif(15, false));
    for (std::size_t i = 0; i < std::size(kRows); ++i) {
        const Row& row = kRows[i];
        const int y = layout.rowY[i] + stepsGrown;
        label(row.captionId, row.caption, {kCaptionX, y, layout.captionWidth, layout.rowHeight[i]},
              {Qt::white, kDarkGrey}, row.edge);
        label(row.textId, rowText(row).toStdString(),
              {layout.textX, y, layout.textWidth, layout.rowHeight[i]}, {Qt::black, kLightGrey}, Edge::None)
            ->setWordWrap(true);
    }
    const int down = stepsGrown + layout.grown;
    label(103, " Output files:", {10, 376 + down, 300, 24}, {Qt::black, kLightGrey}, Edge::None)
        ->setFont(serif(15, false));
    QLabel* files =
        label(314,
              "\n  1. Html Web Page\n  2. /Images/ folder\n  3. /JS/ folder\n  4. Web movie/movies\n"
              "  _____________________________________________\n  Set all output files to your Web page",
              {10, 405 + down, 694, 114}, {Qt::white, QColor(128, 128, 128)}, Edge::Sunken);
    fitLines(files);

    // The button keeps its place at the box's lower right, as wide as its text needs.
    const QString exitText = QStringLiteral("Exit Help");
    const int exitWidth = std::max(50, fm.horizontalAdvance(exitText) +
                                           2 * style()->pixelMetric(QStyle::PM_ButtonMargin) + 2 * kPadding);
    const int exitHeight = std::max(20, fm.height() + 2 * kFrame);
    const int boxBottom = files->geometry().bottom() + 1;
    QPushButton* exit =
        addPush(this, 108, "Exit Help", {695 - exitWidth, boxBottom - 9 - exitHeight, exitWidth, exitHeight});
    connect(exit, &QPushButton::clicked, this, [this, tick] {
        if (tick) tick();
        accept();
    });
    setFixedSize(kWidth, std::max(kHeight, boxBottom + (kHeight - 519)));
}

}  // namespace tessaly::app
