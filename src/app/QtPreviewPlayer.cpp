#include "app/QtPreviewPlayer.h"

#include <QAudioOutput>
#include <QDir>
#include <QFrame>
#include <QMediaPlayer>
#include <QMouseEvent>
#include <QPainter>
#include <QTextOption>
#include <QUrl>
#include <QVBoxLayout>
#include <QVideoFrame>
#include <QVideoSink>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

#include "app/FrameScaler.h"
#include "app/FrameWorker.h"
#include "app/TransportStrip.h"
#include "app/WindowTexts.h"
#include "core/platform/Files.h"
#include "ui/Strings.h"

namespace tessaly::app {
namespace {

// Degrees of field of view for one notch of the wheel.
constexpr double kWheelStep = 5;
// Pixels around a drawn Hot Spot that still grab it.
constexpr double kMarkReach = 10;
constexpr int kMarkRadius = 8;

}  // namespace

PreviewPicture::PreviewPicture(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    // A click gives the preview its keys; Tab reaches it too.
    setFocusPolicy(Qt::StrongFocus);
}

void PreviewPicture::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    showFocusMark(true);
}

void PreviewPicture::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    showFocusMark(false);
}

void PreviewPicture::showFocusMark(bool on) {
    // On the frame around the picture (its line colour), never over the movie.
    if (auto* frame = qobject_cast<QFrame*>(parentWidget()))
        frame->setFrameShadow(on ? QFrame::Plain : QFrame::Sunken);
}

PreviewPicture::~PreviewPicture() {
    // No frame may reach a worker that is going.
    if (sink_ != nullptr) disconnect(sink_, nullptr, this, nullptr);
}

QVideoSink* PreviewPicture::sink() {
    if (sink_ == nullptr) {
        worker_ = std::make_unique<FrameWorker>(
            [this] { QMetaObject::invokeMethod(this, &PreviewPicture::takePicture, Qt::QueuedConnection); });
        sink_ = new QVideoSink(this);
        // The GStreamer back end hands each frame over on this thread and waits
        // until it is taken, so here it is only passed to the worker. Direct,
        // so that a back end delivering on a thread of its own is not queued
        // behind the window's work either.
        connect(sink_, &QVideoSink::videoFrameChanged, this, &PreviewPicture::frameArrived,
                Qt::DirectConnection);
    }
    return sink_;
}

void PreviewPicture::startMovie() {
    ++movie_;
    shownOfMovie_ = false;
    image_ = QImage();
    fresh_ = false;
    message_.clear();
    update();
}

void PreviewPicture::clearMessage() {
    message_.clear();
    update();
}

void PreviewPicture::showMessage(const QString& text) {
    message_ = text;
    image_ = QImage();
    fresh_ = false;
    update();
}

void PreviewPicture::resizeEvent(QResizeEvent*) {
    const QSize pixels = size() * devicePixelRatioF();
    targetWidth_ = pixels.width();
    targetHeight_ = pixels.height();
    // A paused movie is not left scaled up from its old size.
    redraw();
}

void PreviewPicture::frameArrived(const QVideoFrame& frame) {
    if (frame.isValid()) ++framesArrived_;
    offerFrame(frame);
}

void PreviewPicture::offerFrame(const QVideoFrame& frame) {
    const movies::StereoLayout layout = layout_;
    const movies::EyeSize eye = movies::eyeSize(layout, frame.width(), frame.height());
    const QSize area(targetWidth_, targetHeight_);
    const QSize target = fittedSize(QSize(eye.width, eye.height), area);
    if (frame.isValid() && target.isEmpty()) return;
    std::optional<LookAt> look;
    {
        const std::lock_guard lock(lookMutex_);
        if (frame.isValid() && QSize(eye.width, eye.height) != eye_) {
            // A wider picture may be a cylinder, which narrows the view's reach.
            eye_ = QSize(eye.width, eye.height);
            if (looking_)
                view_ = hotspots::keptWithin(view_, reach(),
                                             static_cast<double>(area.width()) / std::max(1, area.height()));
        }
        // The whole picture about as sharp as the view needs it, no sharper
        // than the frame, and reading no more lines than twice the flat picture's.
        if (looking_) {
            const double across =
                2 * std::atan(static_cast<double>(area.width()) / std::max(1, area.height()) *
                              std::tan(view_.fov * std::numbers::pi / 360));
            const double wide = area.width() * (field_ * std::numbers::pi / 180) / std::max(across, 0.1);
            const double high = area.height() * 180 / std::max(view_.fov, 1.0);
            const QSize source(std::min({eye.width, 4 * target.width(), static_cast<int>(wide)}),
                               std::min({eye.height, 2 * target.height(), static_cast<int>(high)}));
            look = LookAt{view_, source.expandedTo(QSize(2, 2)), field_};
        }
    }
    worker_->offer(frame, look ? area : target, movie_, layout, look);
}

void PreviewPicture::redraw() {
    // The sink keeps the old movie's last frame until the new one's first.
    if (sink_ != nullptr && shownOfMovie_ && sink_->videoFrame().isValid()) offerFrame(sink_->videoFrame());
    update();
}

void PreviewPicture::setField(int field) {
    {
        const std::lock_guard lock(lookMutex_);
        field_ = field;
        if (looking_)
            view_ =
                hotspots::keptWithin(view_, reach(), static_cast<double>(width()) / std::max(1, height()));
    }
    redraw();
}

bool PreviewPicture::lookingAround() const {
    const std::lock_guard lock(lookMutex_);
    return looking_;
}

hotspots::LookView PreviewPicture::view() const {
    const std::lock_guard lock(lookMutex_);
    return view_;
}

void PreviewPicture::setLookingAround(bool on) {
    if (on == lookingAround()) return;
    {
        const std::lock_guard lock(lookMutex_);
        looking_ = on;
    }
    if (on) {
        backToStart();
    } else {
        redraw();
    }
    emit lookingAroundChanged(on);
}

void PreviewPicture::backToStart() {
    LookStart start = lookStart_ ? lookStart_() : LookStart{};
    {
        // The frames' thread reads the reach.
        const std::lock_guard lock(lookMutex_);
        if (lookStart_) start_ = start;
        start = start_;
    }
    setView(start.view);
}

hotspots::ViewReach PreviewPicture::reach() const {
    return {start_.reach.vertmax, start_.reach.freeMode, field_,
            hotspots::shapeOf(eye_.width(), eye_.height(), field_)};
}

void PreviewPicture::setView(const hotspots::LookView& view) {
    {
        const std::lock_guard lock(lookMutex_);
        view_ = hotspots::keptWithin(view, reach(), static_cast<double>(width()) / std::max(1, height()));
    }
    redraw();
}

QRectF PreviewPicture::flatRect() const {
    if (image_.isNull()) return {};
    const QSizeF size = image_.deviceIndependentSize().scaled(QSizeF(this->size()), Qt::KeepAspectRatio);
    return {QPointF((width() - size.width()) / 2, (height() - size.height()) / 2), size};
}

std::optional<hotspots::Direction> PreviewPicture::directionAt(QPointF point) const {
    const std::lock_guard lock(lookMutex_);
    if (looking_) return hotspots::directionAt(view_, width(), height(), point.x(), point.y());
    const QRectF flat = flatRect();
    if (!flat.contains(point)) return std::nullopt;
    return hotspots::flatDirection(point.x() - flat.x(), point.y() - flat.y(), static_cast<int>(flat.width()),
                                   static_cast<int>(flat.height()), field_);
}

std::optional<QPointF> PreviewPicture::pointOf(hotspots::Direction direction) const {
    const std::lock_guard lock(lookMutex_);
    if (looking_) {
        const auto at = hotspots::pointOf(view_, width(), height(), direction);
        if (!at) return std::nullopt;
        return QPointF(at->x, at->y);
    }
    const QRectF flat = flatRect();
    if (flat.isEmpty() || std::abs(direction.yaw) > field_ / 2.0) return std::nullopt;
    const hotspots::ViewPoint at = hotspots::flatPoint(direction, static_cast<int>(flat.width()),
                                                       static_cast<int>(flat.height()), field_);
    return QPointF(flat.x() + at.x, flat.y() + at.y);
}

void PreviewPicture::setMarks(std::vector<PictureMark> marks) {
    if (marks == marks_) return;
    marks_ = std::move(marks);
    update();
}

int PreviewPicture::markAt(QPointF point) const {
    for (auto m = marks_.rbegin(); m != marks_.rend(); ++m) {
        const std::optional<QPointF> at = pointOf(m->at);
        if (at && QLineF(*at, point).length() <= kMarkReach) return m->slot;
    }
    return 0;
}

void PreviewPicture::paintMarks(QPainter& p) const {
    p.setRenderHint(QPainter::Antialiasing);
    QFont numbers = font();
    numbers.setPixelSize(11);
    numbers.setBold(true);
    p.setFont(numbers);
    // The current slot's last, over the others; in the strip's colours.
    for (const bool last : {false, true}) {
        for (const PictureMark& m : marks_) {
            const std::optional<QPointF> at = m.current == last ? pointOf(m.at) : std::nullopt;
            if (!at) continue;
            const QRectF disc(*at - QPointF(kMarkRadius, kMarkRadius),
                              QSizeF(2 * kMarkRadius, 2 * kMarkRadius));
            p.setPen(QPen(m.current ? QColor(Qt::white) : QColor(Qt::black), m.current ? 3 : 1.5));
            p.setBrush(SlotLane::barColour(m.current));
            p.drawEllipse(disc);
            p.setPen(SlotLane::numberColour());
            p.drawText(disc, Qt::AlignCenter, QString::number(m.slot));
        }
    }
}

void PreviewPicture::mousePressEvent(QMouseEvent* event) {
    QWidget::mousePressEvent(event);
    if (event->button() != Qt::LeftButton) return;
    dragFrom_ = event->position();
    dragView_ = view();
    draggedSlot_ = markAt(event->position());
}

void PreviewPicture::mouseMoveEvent(QMouseEvent* event) {
    if (!dragFrom_) return;
    if (draggedSlot_ != 0) {
        if (const auto at = directionAt(event->position()); at && place_) place_(draggedSlot_, *at, false);
        return;
    }
    if (!lookingAround()) return;
    const QPointF moved = event->position() - *dragFrom_;
    setView(hotspots::dragged(dragView_, moved.x(), moved.y(), start_.mouseSpeed));
}

void PreviewPicture::mouseReleaseEvent(QMouseEvent* event) {
    QWidget::mouseReleaseEvent(event);
    if (draggedSlot_ != 0 && place_) {
        if (const auto at = directionAt(event->position())) place_(draggedSlot_, *at, true);
    }
    dragFrom_.reset();
    draggedSlot_ = 0;
}

void PreviewPicture::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mouseDoubleClickEvent(event);
    if (const auto at = directionAt(event->position()); at && place_) place_(0, *at, true);
}

void PreviewPicture::wheelEvent(QWheelEvent* event) {
    if (!lookingAround()) return QWidget::wheelEvent(event);
    hotspots::LookView v = view();
    // Down widens the view, as on the page.
    v.fov -= kWheelStep * event->angleDelta().y() / 120.0;
    setView(v);
    event->accept();
}

void PreviewPicture::takePicture() {
    std::optional<FrameWorker::Picture> taken = worker_->take();
    if (!taken || taken->movie != movie_ || !message_.isEmpty()) return;
    if (taken->unreadable) {
        emit frameUnreadable();
        return;
    }
    image_ = std::move(taken->image);
    image_.setDevicePixelRatio(devicePixelRatioF());
    shownOfMovie_ = true;
    fresh_ = !image_.isNull();
    emit pictureChanged();
    repaint();
}

void PreviewPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    if (!message_.isEmpty()) {
        p.setPen(Qt::white);
        QTextOption wrap(Qt::AlignCenter);
        wrap.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        p.drawText(QRectF(rect().adjusted(12, 12, -12, -12)), message_, wrap);
        return;
    }
    if (image_.isNull()) return;
    // The picture was made at this size; after a resize it is drawn scaled
    // until the next frame.
    const QSize size = image_.size().scaled(this->size(), Qt::KeepAspectRatio);
    const QRect target(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
    p.drawImage(target, image_);
    if (std::exchange(fresh_, false)) ++framesShown_;
    paintMarks(p);
}

QtPreviewPlayer::QtPreviewPlayer(QWidget* host) : QObject(host), picture_(new PreviewPicture(host)) {
    // GStreamer now and then never finishes opening a movie it cannot read
    // (a truncated one): no picture and no error. That is said, not left black.
    opening_.setSingleShot(true);
    opening_.setInterval(kOpenLimit);
    connect(&opening_, &QTimer::timeout, this, [this] {
        cannotPlay(ui::qs(texts::kPreviewNotOpened));
        notOpened_ = picture_->message();
    });
    frameWatch_.setSingleShot(true);
    connect(&frameWatch_, &QTimer::timeout, this, &QtPreviewPlayer::frameOverdue);
    auto* layout = new QVBoxLayout(host);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(picture_);
}

QtPreviewPlayer::~QtPreviewPlayer() {
    // The media pipeline's threads hand frames to the picture: the pipeline
    // goes down, its threads joined, before the picture and its worker go,
    // whatever order the window's children are deleted in.
    dropFirstChannel();
    channelWriter_.waitForDone();
    if (player_ != nullptr) {
        player_->stop();
        delete std::exchange(player_, nullptr);
    }
}

QMediaPlayer* QtPreviewPlayer::mediaPlayer() {
    if (player_ == nullptr) {
        player_ = new QMediaPlayer(this);
        player_->setAudioOutput(new QAudioOutput(player_));
        player_->setVideoSink(picture_->sink());
        connect(player_, &QMediaPlayer::errorOccurred, this,
                [this](QMediaPlayer::Error error, const QString& reason) {
                    if (error != QMediaPlayer::NoError) cannotPlay(reason);
                });
        connect(picture_, &PreviewPicture::frameUnreadable, this,
                [this] { cannotPlay(ui::qs(texts::kPreviewUnreadableFrames)); });
        connect(player_, &QMediaPlayer::playbackStateChanged, this, [this] { checkLanding(); });
        connect(player_, &QMediaPlayer::mediaStatusChanged, this, &QtPreviewPlayer::mediaStatusChanged);
        connect(player_, &QMediaPlayer::positionChanged, this, [this] { checkLanding(); });
        connect(player_, &QMediaPlayer::playbackStateChanged, this, &QtPreviewPlayer::followMovie);
        connect(player_, &QMediaPlayer::positionChanged, this, &QtPreviewPlayer::followMovie);
    }
    return player_;
}

void QtPreviewPlayer::playFirstChannel(const std::string& movie, ChannelWriter write) {
    if (ui::qs(movie) != path_) return;
    dropFirstChannel();
    auto file = std::make_shared<QTemporaryFile>(QDir::tempPath() + QStringLiteral("/tessaly-XXXXXX.wav"));
    // Without it the movie plays with its own sound.
    if (!file->open()) return;
    auto stop = std::make_shared<std::atomic<bool>>(false);
    channelStop_ = stop;
    channelWriter_.start([this, file, stop, write = std::move(write)] {
        if (write(file->handle(), stop.get()).failed()) return;
        // The destructor waits for this worker after setting `stop`.
        QMetaObject::invokeMethod(this, [this, file, stop] {
            if (!stop->load()) startFirstChannel(file);
        });
    });
}

void QtPreviewPlayer::startFirstChannel(std::shared_ptr<QTemporaryFile> file) {
    channelFile_ = std::move(file);
    channel_ = new QMediaPlayer(this);
    channel_->setAudioOutput(new QAudioOutput(channel_));
    channel_->setSource(QUrl::fromLocalFile(channelFile_->fileName()));
    mediaPlayer()->audioOutput()->setMuted(true);
    followMovie();
}

void QtPreviewPlayer::followMovie() {
    if (channel_ == nullptr || player_ == nullptr) return;
    if (std::abs(channel_->position() - player_->position()) > kChannelSlackMs)
        channel_->setPosition(player_->position());
    if (channel_->playbackState() == player_->playbackState()) return;
    switch (player_->playbackState()) {
        case QMediaPlayer::PlayingState:
            channel_->play();
            break;
        case QMediaPlayer::PausedState:
            channel_->pause();
            break;
        case QMediaPlayer::StoppedState:
            channel_->stop();
            break;
    }
}

void QtPreviewPlayer::dropFirstChannel() {
    if (channelStop_) channelStop_->store(true);
    channelStop_.reset();
    delete std::exchange(channel_, nullptr);
    channelFile_.reset();
    if (player_ != nullptr && player_->audioOutput() != nullptr) player_->audioOutput()->setMuted(false);
}

void QtPreviewPlayer::checkLanding() {
    // GStreamer now and then loses a seek made while the pipeline changes
    // state (a pause just after a seek while playing) and pauses wherever it
    // got to; a paused seek is reliable, so it is made again.
    if (!landing_ || player_->playbackState() != QMediaPlayer::PausedState) return;
    if (std::abs(player_->position() - *landing_) <= kLandingSlackMs) {
        landing_.reset();
        return;
    }
    if (landingTries_-- <= 0) {
        landing_.reset();
        return;
    }
    player_->setPosition(*landing_);
    watchForFrame(*landing_);
}

void QtPreviewPlayer::watchForFrame(qint64 ms) {
    if (player_->playbackState() != QMediaPlayer::PausedState) return;
    frameAt_ = ms;
    framesBefore_ = picture_->framesArrived();
    frameTries_ = kFrameTries;
    frameWatch_.start(kFrameWait);
}

void QtPreviewPlayer::frameOverdue() {
    if (player_ == nullptr || player_->playbackState() != QMediaPlayer::PausedState ||
        picture_->framesArrived() != framesBefore_ || frameTries_-- <= 0)
        return;
    // Alternately a millisecond on and back: the same frame, a different position.
    player_->setPosition(frameTries_ % 2 == 0 ? frameAt_ : frameAt_ + 1);
    frameWatch_.start(frameWatch_.intervalAsDuration() * 2);
}

void QtPreviewPlayer::cannotPlay(const QString& reason) {
    // The first reason is the telling one; the framework adds general ones after it.
    // (A reason after "did not open" is better than it.)
    const QString shown = picture_->message();
    if ((!shown.isEmpty() && shown != notOpened_) || path_.isEmpty()) return;
    const std::string why = reason.isEmpty() ? std::string(texts::kPreviewNoReason) : reason.toStdString();
    picture_->showMessage(ui::qs(platform::FileError{path_.toStdString(), "play", why}.message()));
}

void QtPreviewPlayer::open(const std::string& path) {
    dropFirstChannel();
    path_ = ui::qs(path);
    picture_->startMovie();
    frameWatch_.stop();
    notOpened_.clear();
    opening_.stop();
    if (!path.empty()) opening_.start();
    mediaPlayer()->setSource(path.empty() ? QUrl() : QUrl::fromLocalFile(path_));
    emit opened();
}

void QtPreviewPlayer::play() {
    landing_.reset();
    frameWatch_.stop();
    if (player_ != nullptr) player_->play();
}

void QtPreviewPlayer::pause() {
    if (player_ != nullptr) player_->pause();
}

void QtPreviewPlayer::stop() {
    if (player_ != nullptr) player_->stop();
}

void QtPreviewPlayer::mediaStatusChanged(QMediaPlayer::MediaStatus status) {
    if (status != QMediaPlayer::LoadingMedia) {
        opening_.stop();
        // Opened after all, after being said not to.
        if (picture_->message() == notOpened_ && status != QMediaPlayer::InvalidMedia)
            picture_->clearMessage();
    }
}

double QtPreviewPlayer::position() const {
    if (player_ == nullptr || player_->source().isEmpty()) return 0.0;
    return static_cast<double>(player_->position()) / 1000.0;
}

void QtPreviewPlayer::setPosition(double seconds) {
    if (player_ == nullptr || !std::isfinite(seconds) || seconds < 0) return;
    seek(static_cast<qint64>(std::llround(seconds * 1000.0)));
}

void QtPreviewPlayer::seek(qint64 ms) {
    if (player_ == nullptr) return;
    landing_ = ms;
    landingTries_ = kLandingTries;
    player_->setPosition(ms);
    watchForFrame(ms);
    checkLanding();
}

}  // namespace tessaly::app
