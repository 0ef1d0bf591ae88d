#include "app/HotSpotPanel.h"

#include <QPainter>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QTimer>
#include <algorithm>
#include <utility>

#include "app/ControlIds.h"
#include "app/WindowTexts.h"
#include "core/hotspots/HotSpot.h"
#include "core/hotspots/HotSpotEditor.h"
#include "core/hotspots/HotSpotTexts.h"
#include "core/hotspots/PreviewPlayer.h"
#include "core/text/Numbers.h"
#include "ui/Strings.h"

namespace tessaly::app {
namespace {

const QColor kCyan(0, 255, 255);
const QColor kCaptionBlue(88, 121, 219);
const QColor kBoxBlue(68, 101, 199);
const QColor kValueGrey(192, 192, 192);
constexpr int kMarkerY = 198;

QString expandTabs(const QString& text, int stop) {
    QString out;
    for (const QChar c : text) {
        if (c == QLatin1Char('\t')) {
            do out += QLatin1Char(' ');
            while (out.size() % stop != 0);
        } else {
            out += c;
        }
    }
    return out;
}

QString rowSelectorCaption(int n) {
    return QStringLiteral("Hot Spot ") + QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

// The scale's blanks were counted for a narrow font; in any other the line
// would not fit, so its words are drawn under the slider's ends and middle.
class ScaleLabel : public QLabel {
public:
    ScaleLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setPen(palette().color(QPalette::WindowText));
        const QStringList words = text().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const Qt::Alignment places[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
        for (qsizetype i = 0; i < words.size() && i < 3; ++i) {
            p.drawText(rect(), places[i] | Qt::AlignTop, words[i]);
        }
    }
};

}  // namespace

QString scaleText() { return expandTabs(QStringLiteral("-179\t 0\t179"), 68); }

int markerX(int yaw, int field, const QRect& preview, int pictureHeight) {
    // A 2:1 picture fills the preview's width unless the window grew wider
    // than tall; a 1:1 one its height.
    const int middle = preview.x() + preview.width() / 2 - 1;
    if (field == 180) return middle + text::roundHalfEven(preview.height() / 2.0 * yaw / 92.5);
    const int half = std::min(preview.width() / 2, pictureHeight + 2);
    return middle + text::roundHalfEven(half * yaw / 185.0);
}

HotSpotPanel::HotSpotPanel(QWidget* p, hotspots::PreviewPlayer& player, const Used& used,
                           std::function<void(int)> yawMoved)
    : player_(player) {
    using namespace ids;
    namespace t = texts;
    stillFrame_.setSingleShot(true);
    stillFrame_.setInterval(kStillFrameDelay);
    QObject::connect(&stillFrame_, &QTimer::timeout, &stillFrame_, [this] {
        player_.setPosition(stillPos_);
        player_.pause();
        // The frame just painted may cover the marker.
        showMarkerAt(markerYaw_);
    });
    auto* scale = new ScaleLabel(scaleText(), p);
    setControlId(scale, kScaleLabel);
    scale->setGeometry(250, 497, 448, 22);
    applyColours(scale, {Qt::black, std::nullopt});

    slider_ = new QSlider(Qt::Horizontal, p);
    setControlId(slider_, kYawSlider);
    slider_->setGeometry(250, 510, 448, 22);
    slider_->setRange(hotspots::kYawMin, hotspots::kYawMax);
    slider_->setPageStep(1);
    slider_->setSingleStep(1);
    slider_->setTickInterval(30);
    slider_->setTickPosition(QSlider::TicksBelow);
    slider_->setValue(0);
    applyColours(slider_, {Qt::black, QColor(88, 88, 88)});
    QObject::connect(slider_, &QSlider::valueChanged, slider_, [yawMoved](int value) { yawMoved(value); });

    marker_ = addLabel(p, kYawMarker, {}, {kMarkerStartX, kMarkerY, 2, 294},
                       {QColor(0, 255, 0), QColor(0, 255, 0)}, Qt::AlignLeft, Edge::None, false);

    addLabel(p, kLinkLabel, t::kLinkLabel, {250, 535, 90, 19}, {kCyan, kCaptionBlue},
             Qt::AlignLeft | Qt::AlignVCenter, Edge::Sunken, true, used);
    link_ = addEdit(p, kLink, {342, 535, 355, 19}, {QColor(0, 0, 255), kValueGrey}, false, false);
    addLabel(p, kHsTitleLabel, t::kHsTitleLabel, {250, 555, 90, 19}, {kCyan, kCaptionBlue},
             Qt::AlignLeft | Qt::AlignVCenter, Edge::Sunken, true, used);
    title_ = addEdit(p, kHsTitle, {342, 555, 355, 19}, {QColor(0, 0, 255), kValueGrey}, false, false);
    const auto button = [&](int id, std::string_view text, int x, void (HotSpotPanel::*clicked)()) {
        auto* b = addGradient(p, id, text, {x, 576, 110, 22}, ui::GradientButton::Face::Blue);
        connect(b, &QAbstractButton::clicked, this, clicked);
    };
    button(kAddHotSpot, t::kAddHotSpot, 250, &HotSpotPanel::addClicked);
    button(kClearHotSpot, t::kClearHotSpot, 361, &HotSpotPanel::clearClicked);
    button(kClearAllHotSpots, t::kClearAllHotSpots, 472, &HotSpotPanel::clearAllClicked);
    self_ = addCheck(p, kSelfMode, t::kSelfMode, {586, 576, 110, 22}, {kCyan, kBoxBlue}, false, Edge::Static,
                     used);
    self_->setChecked(true);
    addFrame(p, kHotSpotFrame, t::kHotSpotFrame, {710, 179, 192, 460});
    // Under the options, right-aligned with the link and title boxes: every
    // place beside the slider is taken.
    addLabel(p, kPitchCaption, t::kPitchCaption, {552, 642, 90, 19}, {kCyan, kCaptionBlue},
             Qt::AlignLeft | Qt::AlignVCenter, Edge::Sunken, true, used);
    pitch_ = addEdit(p, kHotSpotPitch, {644, 642, 53, 19}, {QColor(0, 0, 255), kValueGrey}, false, true);
    pitch_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral(R"(-?\d{0,2}(\.\d?)?)")), pitch_));
    pitch_->setText(ui::qs(text::formatMask(0, hotspots::texts::kPitchMask)));

    const auto caption = [&](int id, std::string_view text, const QRect& r) {
        addLabel(p, id, text, r, {kCyan, kCaptionBlue}, Qt::AlignCenter, Edge::None, true, used);
    };
    const auto value = [&](int id, const QRect& r) {
        return addLabel(p, id, {}, r, {QColor(0, 0, 255), kValueGrey}, Qt::AlignCenter, Edge::Border, true,
                        used);
    };
    for (int n = 1; n <= hotspots::kSlotCount; ++n) {
        const int d = 44 * (n - 1);
        Row& r = row(n);
        r.selector =
            addCheck(p, slotSelector(n), {}, {718, 200 + d, 83, 17}, {kCyan, kBoxBlue}, false, Edge::None);
        connect(r.selector, &QAbstractButton::clicked, this, [this, n] { emit slotClicked(n); });
        r.selector->setText(rowSelectorCaption(n));
        caption(rowYawCaption(n), t::kRowYaw, {808, 200 + d, 40, 17});
        r.yaw = value(rowYaw(n), {851, 200 + d, 40, 17});
        caption(rowPosCaption(n), t::kRowPos, {718, 219 + d, 20, 17});
        r.pos = value(rowPos(n), {741, 219 + d, 60, 17});
        caption(rowTimeCaption(n), t::kRowTime, {808, 219 + d, 40, 17});
        r.time = addEdit(p, rowTime(n), {851, 219 + d, 40, 17}, {Qt::black, Qt::white}, true, true);
        r.time->setText(ui::qs(hotspots::texts::kDefaultTimeText));
    }
}

std::string HotSpotPanel::linkText() const { return ui::utf8(link_->text()); }

std::string HotSpotPanel::titleText() const { return ui::utf8(title_->text()); }

std::string HotSpotPanel::timeText(int n) const { return ui::utf8(row(n).time->text()); }

bool HotSpotPanel::selfTicked() const { return self_->isChecked(); }

void HotSpotPanel::setLinkText(const std::string& text) { link_->setText(ui::qs(text)); }

void HotSpotPanel::setTitleText(const std::string& text) { title_->setText(ui::qs(text)); }

void HotSpotPanel::setSelfTicked(bool ticked) { self_->setChecked(ticked); }

void HotSpotPanel::setSelectedSlot(int slot) {
    for (int n = 1; n <= hotspots::kSlotCount; ++n) row(n).selector->setChecked(n == slot);
}

void HotSpotPanel::setRowValues(int n, const std::string& yaw, const std::string& pos) {
    row(n).yaw->setText(ui::qs(yaw));
    row(n).pos->setText(ui::qs(pos));
}

void HotSpotPanel::setTimeText(int n, const std::string& text) { row(n).time->setText(ui::qs(text)); }

void HotSpotPanel::setSliderPosition(int yaw) {
    // The program moving the slider is not the person moving it.
    const QSignalBlocker blocker(slider_);
    slider_->setValue(yaw);
}

void HotSpotPanel::setPitchText(const std::string& text) { pitch_->setText(ui::qs(text)); }

void HotSpotPanel::onPitchEntered(std::function<void(const std::string&)> entered) {
    QObject::connect(pitch_, &QLineEdit::editingFinished, pitch_,
                     [this, entered = std::move(entered)] { entered(ui::utf8(pitch_->text())); });
}

void HotSpotPanel::showMarkerAt(int yaw) {
    markerYaw_ = yaw;
    marker_->move(markerX(yaw, field_, preview_, marker_->height() + 2),
                  preview_.y() + kMarkerY - kPreviewFrame.y());
    marker_->update();
}

void HotSpotPanel::setField(int field) {
    if (std::exchange(field_, field) != field) showMarkerAt(markerYaw_);
}

void HotSpotPanel::setPictureFrame(const QRect& preview, int pictureBottom) {
    const bool moved = std::exchange(preview_, preview) != preview;
    const int top = preview.y() + kMarkerY - kPreviewFrame.y();
    marker_->resize(marker_->width(), pictureBottom - 1 - top);
    if (moved) showMarkerAt(markerYaw_);
}

void HotSpotPanel::holdStillFrame(double pos) {
    // Playing briefly makes the player decode and show the frame at `pos`;
    // the second half runs later so the window keeps responding meanwhile.
    player_.setPosition(pos);
    player_.play();
    stillPos_ = pos;
    stillFrame_.start();
}

}  // namespace tessaly::app
