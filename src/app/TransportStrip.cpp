#include "app/TransportStrip.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMediaMetaData>
#include <QMediaPlayer>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionSlider>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "app/QtPreviewPlayer.h"
#include "app/WindowTexts.h"
#include "ui/Strings.h"

namespace tessaly::app {
namespace {

constexpr qint64 kJumpMs = 5000;
constexpr double kFallbackRate = 30;
constexpr int kTickReach = 4;  // pixels either side of a tick that still hit it

}  // namespace

QString clockText(qint64 ms, bool tenths) {
    ms = std::max<qint64>(ms, 0);
    const qint64 seconds = ms / 1000;
    QString text = QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
    if (tenths) text += QStringLiteral(".%1").arg((ms % 1000) / 100);
    return text;
}

SeekSlider::SeekSlider(QWidget* parent) : QSlider(Qt::Horizontal, parent) { setRange(0, 0); }

void SeekSlider::setTicks(std::vector<SlotTick> ticks, int currentSlot) {
    ticks_ = std::move(ticks);
    currentSlot_ = currentSlot;
    update();
}

SeekSlider::Track SeekSlider::track() const {
    QStyleOptionSlider opt;
    initStyleOption(&opt);
    const QRect groove = style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderGroove, this);
    const int handle =
        style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, this).width();
    return {groove.x() + handle / 2, groove.width() - handle};
}

int SeekSlider::xOf(qint64 ms) const {
    const Track t = track();
    return t.start + QStyle::sliderPositionFromValue(minimum(), maximum(), static_cast<int>(ms), t.span);
}

qint64 SeekSlider::valueAt(int x) const {
    const Track t = track();
    return QStyle::sliderValueFromPosition(minimum(), maximum(), x - t.start, t.span);
}

int SeekSlider::tickAt(int x) const {
    if (maximum() <= 0) return 0;
    for (const SlotTick& tick : ticks_) {
        if (std::abs(xOf(tick.ms) - x) <= kTickReach) return tick.slot;
    }
    return 0;
}

void SeekSlider::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || maximum() <= 0) return QSlider::mousePressEvent(event);
    event->accept();
    setFocus(Qt::MouseFocusReason);
    if (const int slot = tickAt(event->position().toPoint().x())) {
        emit tickClicked(slot);
        return;
    }
    // Anywhere on the slider: the movie goes there and follows the drag.
    setSliderDown(true);
    setSliderPosition(static_cast<int>(valueAt(event->position().toPoint().x())));
}

void SeekSlider::mouseMoveEvent(QMouseEvent* event) {
    if (!isSliderDown()) return QSlider::mouseMoveEvent(event);
    event->accept();
    setSliderPosition(static_cast<int>(valueAt(event->position().toPoint().x())));
}

void SeekSlider::mouseReleaseEvent(QMouseEvent* event) {
    if (!isSliderDown()) return QSlider::mouseReleaseEvent(event);
    event->accept();
    setSliderDown(false);
}

void SeekSlider::paintEvent(QPaintEvent* event) {
    QSlider::paintEvent(event);
    if (maximum() <= 0) return;
    QPainter p(this);
    QFont small = font();
    small.setPixelSize(9);
    p.setFont(small);
    for (const SlotTick& tick : ticks_) {
        const bool current = tick.slot == currentSlot_;
        const int x = xOf(tick.ms);
        const QColor colour = current ? QColor(255, 215, 0) : QColor(0, 90, 200);
        p.fillRect(QRect(x - (current ? 1 : 0), 0, current ? 3 : 1, height()), colour);
        p.setPen(colour);
        p.drawText(QRect(x + 2, 0, 14, 10), Qt::AlignLeft | Qt::AlignTop, QString::number(tick.slot));
    }
}

TransportStrip::TransportStrip(QWidget* parent, QtPreviewPlayer& player)
    : QWidget(parent),
      player_(player),
      slider_(new SeekSlider(this)),
      play_(new QToolButton(this)),
      loop_(new QToolButton(this)),
      time_(new QLabel(this)) {
    play_->setText(ui::qs(texts::kStripPlay));
    loop_->setText(ui::qs(texts::kStripLoop));
    loop_->setCheckable(true);
    for (QWidget* control :
         {static_cast<QWidget*>(play_), static_cast<QWidget*>(slider_), static_cast<QWidget*>(loop_)}) {
        control->setFocusPolicy(Qt::StrongFocus);
        control->installEventFilter(this);
    }
    time_->setTextInteractionFlags(Qt::NoTextInteraction);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(play_);
    buttons->addWidget(loop_);
    buttons->addStretch();
    buttons->addWidget(time_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(2);
    layout->addWidget(slider_);
    layout->addLayout(buttons);
    QPalette light = palette();
    light.setColor(QPalette::WindowText, Qt::white);
    time_->setPalette(light);
    showTime();

    player.picture()->installEventFilter(this);
    connect(play_, &QToolButton::clicked, this, &TransportStrip::togglePlay);
    connect(slider_, &QSlider::sliderPressed, this, [this] {
        if (media_ == nullptr) return;
        resumeAfterDrag_ = media_->playbackState() == QMediaPlayer::PlayingState;
        player_.pause();
    });
    connect(slider_, &QSlider::sliderMoved, this, [this](int ms) { seekTo(ms); });
    connect(slider_, &QSlider::sliderReleased, this, [this] {
        if (media_ != nullptr && resumeAfterDrag_) player_.play();
    });
    connect(&player, &QtPreviewPlayer::opened, this, [this] {
        ended_ = false;
        attach(player_.mediaPlayer());
    });
}

void TransportStrip::attach(QMediaPlayer* player) {
    if (media_ == player) return;
    media_ = player;
    connect(player, &QMediaPlayer::durationChanged, this, [this](qint64 ms) {
        slider_->setRange(0, static_cast<int>(ms));
        showTime();
    });
    connect(player, &QMediaPlayer::positionChanged, this, [this](qint64 ms) {
        if (!slider_->isSliderDown()) slider_->setValue(static_cast<int>(ms));
        showTime();
    });
    connect(player, &QMediaPlayer::playbackStateChanged, this, [this](QMediaPlayer::PlaybackState state) {
        play_->setText(ui::qs(state == QMediaPlayer::PlayingState ? texts::kStripPause : texts::kStripPlay));
    });
    connect(player, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus status) {
        if (status == QMediaPlayer::EndOfMedia) ended();
    });
}

void TransportStrip::ended() {
    if (loop_->isChecked()) {
        player_.seek(0);
        player_.play();
        return;
    }
    // Stopped on the last frame rather than on nothing.
    ended_ = true;
    player_.pause();
    player_.seek(lastFrameMs());
}

void TransportStrip::showTicks(const hotspots::HotSpotList& hotSpots, int currentSlot) {
    std::vector<SlotTick> ticks;
    for (int n = 1; n <= hotspots::kSlotCount; ++n) {
        if (const hotspots::HotSpot& h = hotSpots.at(n); h.inUse())
            ticks.push_back({n, std::llround(h.pos * 1000.0)});
    }
    slider_->setTicks(std::move(ticks), currentSlot);
}

QString TransportStrip::timeText() const { return time_->text(); }

void TransportStrip::showTime() {
    const qint64 position = media_ != nullptr ? media_->position() : 0;
    const qint64 duration = media_ != nullptr ? media_->duration() : 0;
    time_->setText(clockText(position, true) + QStringLiteral(" / ") + clockText(duration, false));
}

qint64 TransportStrip::frameMs() const {
    double rate = kFallbackRate;
    if (media_ != nullptr) {
        const double stated = media_->metaData().value(QMediaMetaData::VideoFrameRate).toDouble();
        if (stated > 0) rate = stated;
    }
    return std::max<qint64>(1, static_cast<qint64>(1000.0 / rate));
}

qint64 TransportStrip::lastFrameMs() const {
    return media_ != nullptr ? std::max<qint64>(0, media_->duration() - frameMs()) : 0;
}

void TransportStrip::togglePlay() {
    if (media_ == nullptr) return;
    if (media_->playbackState() == QMediaPlayer::PlayingState) {
        player_.pause();
        return;
    }
    if (ended_ || media_->position() >= lastFrameMs()) player_.seek(0);
    ended_ = false;
    player_.play();
}

void TransportStrip::seekTo(qint64 ms) {
    if (media_ == nullptr) return;
    ended_ = false;
    player_.seek(std::clamp<qint64>(ms, 0, lastFrameMs()));
}

void TransportStrip::step(int frames) {
    if (media_ == nullptr) return;
    player_.pause();
    seekTo(media_->position() + frames * frameMs());
}

bool TransportStrip::handleKey(int key) {
    if (media_ == nullptr) return false;
    switch (key) {
        case Qt::Key_Space:
            togglePlay();
            return true;
        case Qt::Key_Left:
            seekTo(media_->position() - kJumpMs);
            return true;
        case Qt::Key_Right:
            seekTo(media_->position() + kJumpMs);
            return true;
        case Qt::Key_Comma:
            step(-1);
            return true;
        case Qt::Key_Period:
            step(1);
            return true;
        case Qt::Key_Home:
            seekTo(0);
            return true;
        case Qt::Key_End:
            player_.pause();
            seekTo(lastFrameMs());
            return true;
        default:
            return false;
    }
}

bool TransportStrip::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier) {
            if (handleKey(key->key())) return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace tessaly::app
