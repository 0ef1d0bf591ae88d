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
#include <chrono>
#include <cmath>
#include <optional>
#include <utility>

#include "app/QtPreviewPlayer.h"
#include "app/WindowTexts.h"
#include "ui/Strings.h"

namespace tessaly::app {
namespace {

constexpr qint64 kJumpMs = 5000;
constexpr double kFallbackRate = 30;
constexpr int kTickReach = 2;  // pixels either side of a bar that still hit it
constexpr int kLeastBar = 3;   // a slot shown for no time still has a bar
// The longest a drag waits for a seek's frame before it seeks again.
constexpr std::chrono::milliseconds kDragSeekWait{300};

}  // namespace

QString clockText(qint64 ms, bool tenths) {
    ms = std::max<qint64>(ms, 0);
    const qint64 seconds = ms / 1000;
    QString text = QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
    if (tenths) text += QStringLiteral(".%1").arg((ms % 1000) / 100);
    return text;
}

SeekSlider::SeekSlider(QWidget* parent) : QSlider(Qt::Horizontal, parent) { setRange(0, 0); }

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

void SeekSlider::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || maximum() <= 0) return QSlider::mousePressEvent(event);
    event->accept();
    setFocus(Qt::MouseFocusReason);
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

SlotLane::SlotLane(QWidget* parent, const SeekSlider& slider) : QWidget(parent), slider_(slider) {
    QFont numbers = font();
    numbers.setPixelSize(11);
    numbers.setBold(true);
    setFont(numbers);
    setFixedHeight(QFontMetrics(numbers).height() + 2);
}

QColor SlotLane::barColour(bool current) {
    // Both light enough for black numbers on them and to stand out on the black strip.
    return current ? QColor(255, 215, 0) : QColor(120, 180, 255);
}

void SlotLane::setSpans(std::vector<SlotSpan> spans, int currentSlot) {
    spans_ = std::move(spans);
    currentSlot_ = currentSlot;
    update();
}

int SlotLane::xOf(qint64 ms) const { return slider_.xOf(ms) + slider_.x() - x(); }

QRect SlotLane::barOf(const SlotSpan& span) const {
    const int left = xOf(span.startMs);
    const int right = std::max(xOf(std::min<qint64>(span.endMs, slider_.maximum())), left + kLeastBar);
    return {left, 0, right - left, height()};
}

int SlotLane::slotAt(int x) const {
    if (slider_.maximum() <= 0) return 0;
    const auto hit = [&](const SlotSpan& s) {
        const QRect bar = barOf(s);
        return x >= bar.left() - kTickReach && x <= bar.right() + kTickReach;
    };
    for (const SlotSpan& s : spans_) {
        if (s.slot == currentSlot_ && hit(s)) return s.slot;
    }
    for (auto s = spans_.rbegin(); s != spans_.rend(); ++s) {
        if (hit(*s)) return s->slot;
    }
    return 0;
}

void SlotLane::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    event->accept();
    if (const int slot = slotAt(event->position().toPoint().x())) emit slotClicked(slot);
}

void SlotLane::paintEvent(QPaintEvent*) {
    if (slider_.maximum() <= 0) return;
    QPainter p(this);
    const QFontMetrics metrics(font());
    // The current slot's bar last, over any it overlaps; then every number on
    // a tab of its bar's colour at the bar's start, so none is covered.
    const auto inOrder = [this](const auto& draw) {
        for (const bool last : {false, true}) {
            for (const SlotSpan& s : spans_) {
                if ((s.slot == currentSlot_) == last) draw(s, last);
            }
        }
    };
    inOrder([&](const SlotSpan& s, bool current) {
        const QRect bar = barOf(s);
        p.fillRect(bar, barColour(current));
        if (current) {
            p.setPen(Qt::white);
            p.drawRect(bar.adjusted(0, 0, -1, -1));
        }
    });
    inOrder([&](const SlotSpan& s, bool current) {
        const QString number = QString::number(s.slot);
        const QRect tab(barOf(s).left(), 0, metrics.horizontalAdvance(number) + 4, height());
        p.fillRect(tab, barColour(current));
        p.setPen(numberColour());
        p.drawText(tab, Qt::AlignCenter, number);
    });
}

TransportStrip::TransportStrip(QWidget* parent, QtPreviewPlayer& player)
    : QWidget(parent),
      player_(player),
      slider_(new SeekSlider(this)),
      lane_(new SlotLane(this, *slider_)),
      play_(new QToolButton(this)),
      loop_(new QToolButton(this)),
      look_(new QToolButton(this)),
      time_(new QLabel(this)) {
    play_->setText(ui::qs(texts::kStripPlay));
    loop_->setText(ui::qs(texts::kStripLoop));
    loop_->setCheckable(true);
    look_->setText(ui::qs(texts::kStripLookAround));
    look_->setCheckable(true);
    for (QWidget* control : {static_cast<QWidget*>(play_), static_cast<QWidget*>(slider_),
                             static_cast<QWidget*>(loop_), static_cast<QWidget*>(look_)}) {
        control->setFocusPolicy(Qt::StrongFocus);
        control->installEventFilter(this);
    }
    time_->setTextInteractionFlags(Qt::NoTextInteraction);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(play_);
    buttons->addWidget(loop_);
    buttons->addWidget(look_);
    buttons->addStretch();
    buttons->addWidget(time_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(0);
    layout->addWidget(lane_);
    layout->addWidget(slider_);
    layout->addLayout(buttons);
    QPalette light = palette();
    light.setColor(QPalette::WindowText, Qt::white);
    time_->setPalette(light);
    showTime();

    player.picture()->installEventFilter(this);
    PreviewPicture* picture = player.picture();
    connect(look_, &QToolButton::toggled, picture, &PreviewPicture::setLookingAround);
    connect(picture, &PreviewPicture::lookingAroundChanged, look_, &QToolButton::setChecked);
    connect(play_, &QToolButton::clicked, this, &TransportStrip::togglePlay);
    connect(slider_, &QSlider::sliderPressed, this, [this] {
        if (media_ == nullptr) return;
        resumeAfterDrag_ = media_->playbackState() == QMediaPlayer::PlayingState;
        player_.pause();
    });
    dragSeek_.setSingleShot(true);
    dragSeek_.setInterval(kDragSeekWait);
    connect(&dragSeek_, &QTimer::timeout, this, &TransportStrip::dragSeekDone);
    connect(picture, &PreviewPicture::pictureChanged, this, [this] {
        if (dragSeek_.isActive()) dragSeekDone();
    });
    connect(slider_, &QSlider::sliderMoved, this, [this](int ms) { dragTo(ms); });
    connect(slider_, &QSlider::sliderReleased, this, [this] {
        if (const std::optional<qint64> wanted = std::exchange(dragWanted_, std::nullopt)) seekTo(*wanted);
        dragSeek_.stop();
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

void TransportStrip::dragTo(qint64 ms) {
    if (dragSeek_.isActive()) {
        dragWanted_ = ms;
        return;
    }
    dragWanted_.reset();
    seekTo(ms);
    dragSeek_.start();
}

void TransportStrip::dragSeekDone() {
    dragSeek_.stop();
    if (const std::optional<qint64> wanted = std::exchange(dragWanted_, std::nullopt)) dragTo(*wanted);
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

void TransportStrip::showSlots(const hotspots::HotSpotList& hotSpots, int currentSlot) {
    std::vector<SlotSpan> spans;
    for (int n = 1; n <= hotspots::kSlotCount; ++n) {
        if (const hotspots::HotSpot& h = hotSpots.at(n); h.inUse()) {
            const double end = h.pos + std::max(0.0, h.time);
            spans.push_back({n, std::llround(h.pos * 1000.0), std::llround(std::min(end, 1e9) * 1000.0)});
        }
    }
    lane_->setSpans(std::move(spans), currentSlot);
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
    PreviewPicture* picture = player_.picture();
    if (key == Qt::Key_V) {
        picture->setLookingAround(!picture->lookingAround());
        return true;
    }
    // Looking around, Home turns back to where the visitor starts.
    if (key == Qt::Key_Home && picture->lookingAround()) {
        picture->backToStart();
        return true;
    }
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
