#include "app/QtPreviewPlayer.h"

#include <QAudioOutput>
#include <QFrame>
#include <QMediaPlayer>
#include <QPainter>
#include <QTextOption>
#include <QUrl>
#include <QVBoxLayout>
#include <QVideoFrame>
#include <QVideoSink>
#include <cmath>
#include <utility>

#include "app/FrameScaler.h"
#include "app/FrameWorker.h"
#include "app/WindowTexts.h"
#include "core/platform/Files.h"
#include "ui/Strings.h"

namespace tessaly::app {

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
        connect(sink_, &QVideoSink::videoFrameChanged, this, &PreviewPicture::offerFrame,
                Qt::DirectConnection);
    }
    return sink_;
}

void PreviewPicture::startMovie() {
    ++movie_;
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
}

void PreviewPicture::offerFrame(const QVideoFrame& frame) {
    const movies::StereoLayout layout = layout_;
    const movies::EyeSize eye = movies::eyeSize(layout, frame.width(), frame.height());
    const QSize target = fittedSize(QSize(eye.width, eye.height), QSize(targetWidth_, targetHeight_));
    if (frame.isValid() && target.isEmpty()) return;
    worker_->offer(frame, target, movie_, layout);
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
    auto* layout = new QVBoxLayout(host);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(picture_);
}

QtPreviewPlayer::~QtPreviewPlayer() {
    // The media pipeline's threads hand frames to the picture: the pipeline
    // goes down, its threads joined, before the picture and its worker go,
    // whatever order the window's children are deleted in.
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
    }
    return player_;
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
    path_ = ui::qs(path);
    picture_->startMovie();
    notOpened_.clear();
    opening_.stop();
    if (!path.empty()) opening_.start();
    mediaPlayer()->setSource(path.empty() ? QUrl() : QUrl::fromLocalFile(path_));
    emit opened();
}

void QtPreviewPlayer::play() {
    landing_.reset();
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
    checkLanding();
}

}  // namespace tessaly::app
