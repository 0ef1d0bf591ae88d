// The window as it opens: every control at its place with its caption and
// colours, the menus with their exact texts, and the start value of every control.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QToolTip>
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "WindowHarness.h"
#include "app/ControlIds.h"
#include "app/FrameScaler.h"
#include "app/HotSpotPanel.h"
#include "app/QtPreviewPlayer.h"
#include "app/ToolTipTexts.h"
#include "app/ToolTips.h"
#include "app/TransportStrip.h"
#include "ui/GradientButton.h"

namespace tessaly::gui_test {
namespace {

using namespace app::ids;

struct Placed {
    int id;
    QRect rect;
    const char* caption;  // nullptr: not checked
};

QString captionOf(const QWidget* w) {
    if (const auto* b = qobject_cast<const QAbstractButton*>(w)) return b->text();
    if (const auto* l = qobject_cast<const QLabel*>(w)) return l->text();
    if (const auto* f = qobject_cast<const app::FrameBox*>(w)) return f->caption();
    return {};
}

TEST_F(WindowTest, EveryControlStandsAtItsPlaceWithItsCaption) {
    const Placed table[] = {
        {kTitleShadow, {76, 11, 780, 65}, "Tessaly"},
        {kTitle, {75, 10, 780, 65}, "Tessaly"},
        {kBuild, {842, 60, 70, 20}, " Build 010.01"},
        {kPreview, {250, 195, 448, 300}, nullptr},
        {kLoadMovie1, {5, 77, 99, 22}, "Load Web Movie1"},
        {kLoadMovie2, {5, 99, 99, 22}, "Load Web Movie2"},
        {kLoadMovie3, {5, 121, 99, 22}, "Load Web Movie3"},
        {kMoviePath1, {105, 77, 799, 20}, ""},
        {kMoviePath2, {105, 99, 799, 20}, ""},
        {kMoviePath3, {105, 121, 799, 20}, ""},
        {kPublish, {5, 150, 139, 25}, "Publish Web Movie"},
        {kOptionsByDefault, {145, 150, 139, 25}, "Options by default"},
        {kSaveOptions, {711, 150, 190, 25}, "Save Options"},
        {kAbout, {425, 150, 139, 25}, "About"},
        {kExit, {565, 150, 139, 25}, "Exit"},
        {kOptionsFrame, {5, 180, 700, 459}, " Options "},
        {kWindowSizeLabel, {12, 200, 110, 19}, "  Window Size"},
        {kFullScreen, {12, 220, 110, 19}, " Full Screen mode"},
        {kShowControls, {12, 240, 110, 19}, " Show control"},
        {kZoomLabel, {12, 260, 110, 19}, "  Zoom value "},
        {kYawLabel, {12, 280, 110, 19}, "  Yaw value "},
        {kPitchLabel, {12, 300, 110, 20}, "  Pitch value"},
        {kTiltLabel, {12, 320, 110, 20}, "  Vertical angle limit"},
        {kManualTilt, {206, 320, 20, 19}, nullptr},
        {kQualityLabel, {12, 340, 110, 20}, "  Segment Quality"},
        {kMaxFpsLabel, {12, 360, 110, 20}, "  Max FPS for stream"},
        {kMouseSpeedLabel, {12, 380, 110, 20}, "  Mouse pan speed"},
        {kStat, {12, 400, 110, 19}, " Stat ctrl On/Off"},
        {kWinPosXLabel, {12, 420, 110, 20}, "  Window X-position"},
        {kWinPosYLabel, {12, 440, 110, 20}, "  Window Y-position"},
        {kAudioLabel, {12, 460, 110, 19}, "  Audio Volume "},
        {kCustomSize, {12, 480, 110, 19}, " Html custom size"},
        {kCustomWidth, {124, 480, 29, 19}, nullptr},
        {kCustomX, {155, 484, 92, 19}, "x           pixels"},
        {kCustomHeight, {162, 480, 29, 19}, nullptr},
        {kBgColorLabel, {12, 500, 110, 19}, "  Html BGColor"},
        {kBgColorSwatch, {124, 500, 30, 18}, ""},
        {kBgColorChoose, {156, 500, 75, 18}, "Choose Color"},
        {kHtmlTitleLabel, {10, 610, 110, 19}, "  Html <TITLE>"},
        {kHtmlTitle, {124, 610, 573, 19}, nullptr},
        {kViewModeFrame, {10, 521, 110, 86}, "  Viewing mode:"},
        {kClassic, {17, 542, 96, 19}, "\"Classic\""},
        {kBlackAreas, {17, 562, 96, 19}, "\"Black Areas\""},
        {kBlackAreaSwatch, {17, 582, 20, 18}, ""},
        {kBlackAreaChoose, {38, 582, 75, 18}, "Choose Color"},
        {kIconFrame, {124, 521, 121, 86}, "  Hot Spot icon:"},
        {kIcon1, {133, 587, 50, 16}, "icon1"},
        {kIcon2, {188, 587, 50, 16}, "icon2"},
        {kYawSlider, {250, 510, 448, 22}, nullptr},
        {kYawMarker, {474, 198, 2, 220}, ""},  // over the picture, not the strip
        {kLinkLabel, {250, 535, 90, 19}, "  Hot Spot Link:"},
        {kLink, {342, 535, 355, 19}, nullptr},
        {kHsTitleLabel, {250, 555, 90, 19}, "  Hot Spot Title:"},
        {kHsTitle, {342, 555, 355, 19}, nullptr},
        {kAddHotSpot, {250, 576, 110, 22}, "Add Hot Spot"},
        {kClearHotSpot, {361, 576, 110, 22}, "Clear Hot Spot"},
        {kClearAllHotSpots, {472, 576, 110, 22}, "Clear All Hot Spots"},
        {kSelfMode, {586, 576, 110, 22}, "self HS mode"},
        {kHotSpotFrame, {710, 179, 192, 460}, " Hot Spots "},
        {slotSelector(1), {718, 200, 83, 17}, "Hot Spot 01"},
        {rowYawCaption(1), {808, 200, 40, 17}, "Yaw:"},
        {rowYaw(1), {851, 200, 40, 17}, ""},
        {rowPosCaption(1), {718, 219, 20, 17}, "Pos:"},
        {rowPos(1), {741, 219, 60, 17}, ""},
        {rowTimeCaption(1), {808, 219, 40, 17}, "Time:"},
        {rowTime(10), {851, 615, 40, 17}, nullptr},
        {slotSelector(10), {718, 596, 83, 17}, "Hot Spot 10"},
    };
    for (const Placed& p : table) {
        const QWidget* w = control(p.id);
        ASSERT_NE(w, nullptr) << "control " << p.id;
        EXPECT_EQ(w->geometry(), p.rect) << "control " << p.id;
        if (p.caption != nullptr) {
            EXPECT_EQ(captionOf(w), QString::fromUtf8(p.caption)) << "control " << p.id;
        }
    }
    // Lists: the closed box at the given x, y and width.
    for (const int id : {kWindowSize, kZoom, kControlBar, kStartYaw, kPitch, kTilt, kQuality, kMaxFps,
                         kMouseSpeed, kWinPosX, kWinPosY, kAudioVolume}) {
        ASSERT_NE(control<QComboBox>(id), nullptr) << id;
    }
    EXPECT_EQ(control(kWindowSize)->geometry().topLeft(), QPoint(124, 199));
    EXPECT_EQ(control(kWindowSize)->width(), 100);
    EXPECT_EQ(control(kAudioVolume)->geometry().topLeft(), QPoint(124, 459));
}

TEST_F(WindowTest, WindowTitleAndSize) {
    window().show();
    EXPECT_EQ(window().windowTitle(), QStringLiteral("Tessaly"));
    EXPECT_EQ(window().centralWidget()->size(), QSize(910, 665));
    EXPECT_EQ(window().centralWidget()->palette().color(QPalette::Window), QColor(135, 135, 135));
}

// Larger, the preview takes the room and the columns keep their size and
// order; back at its first size every control stands where it did. The next
// window opens at the size the last one closed at.
TEST_F(WindowTest, TheWindowGrowsAroundThePreviewAndKeepsItsSize) {
    window().show();
    std::vector<std::pair<int, QRect>> first;
    for (QWidget* w : window().centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        // The marker stands where its yaw puts it.
        if (const int id = ui::controlId(w); id != 0 && id != kYawMarker)
            first.emplace_back(id, w->geometry());
    }
    const auto movieArea = [&] {
        const QSize shown = app::fittedSize(QSize(2, 1), window().player().picture()->size());
        return shown.width() * shown.height();
    };
    const int area = movieArea();
    const QRect hotSpots = control(kHotSpotFrame)->geometry();
    const QRect zoom = control(kZoom)->geometry();

    window().resize(1600, 1000);
    ASSERT_TRUE(waitFor([&] { return movieArea() >= 2 * area; }, 2000)) << movieArea() << " from " << area;
    EXPECT_EQ(control(kHotSpotFrame)->size(), hotSpots.size());
    EXPECT_GT(control(kHotSpotFrame)->x(), control(kPreview)->geometry().right());
    EXPECT_EQ(control(kZoom)->geometry(), zoom);
    EXPECT_LE(control(kLink)->geometry().top(), control(kHsTitle)->geometry().top());

    window().close();  // the exit question is answered OK
    openWindow().show();
    EXPECT_EQ(window().size(), QSize(1600, 1000));
    window().resize(window().minimumSize());
    ASSERT_TRUE(waitFor([&] { return movieArea() == area; }, 2000));
    for (const auto& [id, rect] : first) EXPECT_EQ(control(id)->geometry(), rect) << id;
}

// Readable at a glance: at least 4.5:1 between a bar's number and the bar, and
// between the bar and the strip around it.
TEST_F(WindowTest, TheStripsBarsAndNumbersStandOut) {
    const auto luminance = [](const QColor& c) {
        const auto linear = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const auto contrast = [&](const QColor& a, const QColor& b) {
        const double la = luminance(a);
        const double lb = luminance(b);
        return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
    };
    const QColor strip = window().transportStrip().palette().color(QPalette::Window);
    for (const bool current : {false, true}) {
        const QColor bar = app::SlotLane::barColour(current);
        EXPECT_GE(contrast(bar, app::SlotLane::numberColour()), 4.5) << current;
        EXPECT_GE(contrast(bar, strip), 4.5) << current;
    }
    EXPECT_NE(app::SlotLane::barColour(true), app::SlotLane::barColour(false));
}

TEST_F(WindowTest, ColoursOfTheStyledControls) {
    const auto text = [&](int id) { return control(id)->palette().color(QPalette::WindowText); };
    const auto back = [&](int id) { return control(id)->palette().color(QPalette::Window); };
    EXPECT_EQ(text(kTitle), QColor(255, 255, 255));
    EXPECT_EQ(text(kTitleShadow), QColor(0, 0, 0));
    EXPECT_EQ(text(kTitleHtml5), QColor(0, 191, 255));
    EXPECT_EQ(text(kBuild), QColor(0, 0, 255));
    EXPECT_EQ(back(kWindowSizeLabel), QColor(85, 85, 85));
    EXPECT_EQ(text(kWindowSizeLabel), QColor(255, 255, 255));
    EXPECT_EQ(back(kMoviePath1), QColor(199, 199, 199));
    EXPECT_EQ(back(kYawMarker), QColor(0, 255, 0));
    EXPECT_EQ(back(kLinkLabel), QColor(88, 121, 219));
    EXPECT_EQ(text(kLinkLabel), QColor(0, 255, 255));
    EXPECT_EQ(back(slotSelector(3)), QColor(68, 101, 199));
    EXPECT_EQ(back(rowYaw(3)), QColor(192, 192, 192));
    EXPECT_EQ(text(rowYaw(3)), QColor(0, 0, 255));
    EXPECT_EQ(control(kLink)->palette().color(QPalette::Text), QColor(0, 0, 255));
    const auto face = [&](int id) { return qobject_cast<ui::GradientButton*>(control(id))->face(); };
    using Face = ui::GradientButton::Face;
    EXPECT_EQ(face(kLoadMovie1), Face::Green);
    EXPECT_EQ(face(kLoadMovie2), Face::Grey);
    EXPECT_EQ(face(kLoadMovie3), Face::Grey);
    EXPECT_EQ(face(kExit), Face::Red);
    EXPECT_EQ(face(kPublish), Face::Teal);
    for (const int id :
         {kOptionsByDefault, kSaveOptions, kAbout, kAddHotSpot, kClearHotSpot, kClearAllHotSpots}) {
        EXPECT_EQ(face(id), Face::Blue) << id;
    }
}

TEST_F(WindowTest, MenusHaveTheirExactTextsOrderAndIds) {
    struct Item {
        const char* text;  // nullptr: separator
        int id;
    };
    const std::vector<std::pair<const char*, std::vector<Item>>> menus = {
        {"&File ",
         {{"&Load Web Movie\tCtrl+L", kLoadMovie1},
          {"Load Captions...", kLoadCaptions},
          {nullptr, 0},
          {"Publish Web Movie\tCtrl+P", kPublish},
          {nullptr, 0},
          {"Load Project	Ctrl+O", kLoadProject},
          {"Save Project	Ctrl+S", kSaveProject},
          {"Save Project As...	Ctrl+Shift+S", kSaveProjectAs},
          {nullptr, 0},
          {"&Exit\tCtrl+Q", kExit},
          {nullptr, 0},
          {"Recent Projects", kRecentProjects},
          {"Preview in Browser\tCtrl+B", kPreviewInBrowser}}},
        {"&Edit", {{"&Undo\tCtrl+Z", kUndo}, {"&Redo\tCtrl+Shift+Z", kRedo}}},
        {"&Option",
         {{"Flash/Html5 redirect utility", kSelector},
          {nullptr, 0},
          {"Options by default", kOptionsByDefault},
          {"Save Options", kSaveOptions},
          {nullptr, 0},
          {"Remove the path of addition video", kRemoveAdditional},
          {nullptr, 0},
          {" Show/Hide ToolTip popup help", kToolTipToggle},
          {nullptr, 0},
          {"Make Web Versions...", kMakeWebVersions}}},
        {"&Help",
         {{"&Short Help\tF1", kShortHelp},
          {"&User's guide\tCtrl+F1", kUserGuide},
          {nullptr, 0},
          {"&About", kAbout}}},
    };
    const QList<QAction*> bar = window().menuBar()->actions();
    ASSERT_EQ(static_cast<std::size_t>(bar.size()), menus.size());
    for (qsizetype m = 0; m < bar.size(); ++m) {
        EXPECT_EQ(bar[m]->text(), QString::fromUtf8(menus[static_cast<std::size_t>(m)].first));
        const QList<QAction*> items = bar[m]->menu()->actions();
        const auto& expected = menus[static_cast<std::size_t>(m)].second;
        ASSERT_EQ(static_cast<std::size_t>(items.size()), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            const QAction* action = items[static_cast<qsizetype>(i)];
            if (expected[i].text == nullptr) {
                EXPECT_TRUE(action->isSeparator());
                continue;
            }
            EXPECT_EQ(action->text(), QString::fromUtf8(expected[i].text));
            EXPECT_EQ(menuAction(expected[i].id), action);
        }
    }
    EXPECT_TRUE(menuAction(kToolTipToggle)->isChecked());
}

TEST_F(WindowTest, StartValuesOfEveryControl) {
    const auto list = [&](int id) { return control<QComboBox>(id); };
    struct ListStart {
        int id;
        int count;
        int entry;  // 1-based
        const char* text;
    };
    for (const ListStart& l : {ListStart{kWindowSize, 12, 3, "03.550x400"}, ListStart{kZoom, 10, 9, "120"},
                               ListStart{kControlBar, 2, 1, "Auto"}, ListStart{kStartYaw, 13, 1, " auto"},
                               ListStart{kPitch, 8, 1, " auto"}, ListStart{kTilt, 13, 1, " auto"},
                               ListStart{kQuality, 7, 1, " auto"}, ListStart{kMaxFps, 8, 1, " auto"},
                               ListStart{kMouseSpeed, 8, 1, " auto"}, ListStart{kWinPosX, 4, 1, " auto"},
                               ListStart{kWinPosY, 4, 1, " auto"}, ListStart{kAudioVolume, 11, 6, "50%"}}) {
        EXPECT_EQ(list(l.id)->count(), l.count) << l.id;
        EXPECT_EQ(list(l.id)->currentIndex() + 1, l.entry) << l.id;
        EXPECT_EQ(list(l.id)->currentText(), QString::fromUtf8(l.text)) << l.id;
    }
    EXPECT_EQ(list(kZoom)->itemText(0), QStringLiteral("40"));
    EXPECT_EQ(list(kZoom)->itemText(9), QStringLiteral("130"));
    EXPECT_EQ(list(kWindowSize)->itemText(11), QStringLiteral("12.1024x768"));
    EXPECT_EQ(list(kStartYaw)->itemText(12), QStringLiteral(" 330 degree"));
    EXPECT_EQ(list(kMaxFps)->itemText(1), QStringLiteral("  7"));

    const auto ticked = [&](int id) { return control<QAbstractButton>(id)->isChecked(); };
    EXPECT_FALSE(ticked(kFullScreen));
    EXPECT_TRUE(ticked(kShowControls));
    EXPECT_FALSE(ticked(kStat));
    EXPECT_FALSE(ticked(kCustomSize));
    EXPECT_TRUE(ticked(kClassic));
    EXPECT_FALSE(ticked(kBlackAreas));
    EXPECT_TRUE(ticked(kIcon1));
    EXPECT_FALSE(ticked(kIcon2));
    EXPECT_TRUE(ticked(kSelfMode));
    EXPECT_TRUE(ticked(slotSelector(1)));
    for (int n = 2; n <= 10; ++n) EXPECT_FALSE(ticked(slotSelector(n))) << n;
    for (int n = 1; n <= 10; ++n) {
        EXPECT_EQ(control<QLineEdit>(rowTime(n))->text(), QStringLiteral("5.0"));
        EXPECT_EQ(control<QLabel>(rowYaw(n))->text(), QString());
        EXPECT_EQ(control<QLabel>(rowPos(n))->text(), QString());
    }
    for (const int id : {kHtmlTitle, kManualTilt, kCustomWidth, kCustomHeight, kLink, kHsTitle}) {
        EXPECT_TRUE(control<QLineEdit>(id)->text().isEmpty()) << id;
    }
    for (int slot = 1; slot <= 3; ++slot) EXPECT_TRUE(window().moviePath(slot).isEmpty());
    EXPECT_EQ(control(kBgColorSwatch)->palette().color(QPalette::Window), QColor(0, 0, 0));
    EXPECT_EQ(control(kBlackAreaSwatch)->palette().color(QPalette::Window), QColor(0, 0, 0));
    const auto* slider = control<QSlider>(kYawSlider);
    EXPECT_EQ(slider->minimum(), -179);
    EXPECT_EQ(slider->maximum(), 180);
    EXPECT_EQ(slider->value(), 0);
    EXPECT_EQ(slider->tickInterval(), 30);
    EXPECT_EQ(slider->pageStep(), 1);
    EXPECT_EQ(control<QLabel>(kScaleLabel)->text(), QStringLiteral("-179") + QString(64, QLatin1Char(' ')) +
                                                        QStringLiteral(" 0") + QString(66, QLatin1Char(' ')) +
                                                        QStringLiteral("179"));
    EXPECT_EQ(control(kYawMarker)->x(), 474);
    EXPECT_TRUE(window().toolTips().active());
}

TEST_F(WindowTest, ToolTipsExplainTheOptionControlsOnly) {
    const app::ToolTips& tips = window().toolTips();
    EXPECT_EQ(tips.textOf(control(kWindowSize)), QStringLiteral("Choose the size of Html5 viewer window"));
    EXPECT_EQ(tips.textOf(control(kWindowSizeLabel)), tips.textOf(control(kWindowSize)));
    EXPECT_EQ(tips.textOf(control(kShowControls)),
              QStringLiteral(
                  "Show / Hide controls:\nShow / Hide control panel, buttons, etc.\non the viewer window."));
    EXPECT_EQ(tips.textOf(control(kBgColorChoose)),
              QStringLiteral("Choose any background color\nfor your Html web page."));
    EXPECT_EQ(tips.textOf(control(kCustomHeight)),
              QStringLiteral("Choose a custom size of the html window\nfor the html5 Player. "));
    for (const int id : {kPublish, kLoadMovie1, kYawSlider, kLink, slotSelector(1), kMoviePath1}) {
        EXPECT_TRUE(tips.textOf(control(id)).isEmpty()) << id;
    }
    const QString rich = app::ToolTips::richText(tips.textOf(control(kShowControls)));
    EXPECT_TRUE(rich.contains(QStringLiteral("<b>Information:</b>")));
    EXPECT_EQ(rich.count(QStringLiteral("<br>")), 2) << "one line per line break";
    const QString longTip = app::ToolTips::richText(tips.textOf(control(kClassic)));
    EXPECT_TRUE(longTip.contains(QStringLiteral("width=\"300\""))) << "long lines wrap at 300 pixels";
}

TEST(ToolTipTable, AControlOfTheTableMissingUnderTheRootIsAnError) {
    QWidget root;
    EXPECT_THROW(app::ToolTips{&root}, std::logic_error);
    // Every control but the last of the table: still one missing.
    const auto& last = std::end(app::texts::kToolTips)[-1];
    for (const auto& entry : app::texts::kToolTips) {
        for (const int id : entry.ids) {
            if (id != 0 && &entry != &last) app::setControlId(new QWidget(&root), id);
        }
    }
    EXPECT_THROW(app::ToolTips{&root}, std::logic_error);
    for (const int id : last.ids) {
        if (id != 0) app::setControlId(new QWidget(&root), id);
    }
    EXPECT_NO_THROW(app::ToolTips{&root});
}

TEST_F(WindowTest, HoveringShowsTheTipOnlyWhileTipsAreOn) {
    window().show();
    QApplication::setActiveWindow(&window());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    QWidget* label = control(kZoomLabel);
    const auto hover = [&] {
        QToolTip::hideText();
        waitFor([] { return !QToolTip::isVisible(); }, 2000);
        QTest::mouseMove(control(kOptionsFrame), QPoint(300, 300));
        QTest::mouseMove(label, QPoint(20, 8));
        return waitFor([] { return QToolTip::isVisible(); }, 2000);
    };
    ASSERT_TRUE(hover());
    EXPECT_TRUE(QToolTip::text().contains(QStringLiteral("Information:")));
    EXPECT_TRUE(QToolTip::text().contains(QStringLiteral("By&nbsp;default&nbsp;value&nbsp;70.")));
    EXPECT_EQ(QToolTip::palette().color(QPalette::ToolTipText), QColor(255, 255, 0));
    EXPECT_EQ(QToolTip::palette().color(QPalette::ToolTipBase), QColor(25, 29, 98));
    sendCommand(window(), kToolTipToggle);
    EXPECT_FALSE(hover()) << "tips off: nothing shows";
}

}  // namespace
}  // namespace tessaly::gui_test
