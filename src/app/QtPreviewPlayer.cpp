#include "app/QtPreviewPlayer.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QPainter>
#include <QUrl>
#include <QVBoxLayout>
#include <QVideoFrame>
#include <QVideoSink>
#include <cmath>

#include "ui/Strings.h"

namespace tessaly::app {

PreviewPicture::PreviewPicture(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

QVideoSink* PreviewPicture::sink() {
    if (sink_ == nullptr) {
        sink_ = new QVideoSink(this);
        connect(sink_, &QVideoSink::videoFrameChanged, this, &PreviewPicture::showFrame);
    }
    return sink_;
}

void PreviewPicture::showFrame(const QVideoFrame& frame) {
    image_ = frame.isValid() ? frame.toImage() : QImage();
    ++framesShown_;
    update();
}

void PreviewPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    if (image_.isNull()) return;
    const QSize size = image_.size().scaled(this->size(), Qt::KeepAspectRatio);
    const QRect target(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(target, image_);
}

QtPreviewPlayer::QtPreviewPlayer(QWidget* host) : QObject(host), picture_(new PreviewPicture(host)) {
    auto* layout = new QVBoxLayout(host);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(picture_);
}

QMediaPlayer* QtPreviewPlayer::mediaPlayer() {
    if (player_ == nullptr) {
        player_ = new QMediaPlayer(this);
        player_->setAudioOutput(new QAudioOutput(player_));
        player_->setVideoSink(picture_->sink());
    }
    return player_;
}

void QtPreviewPlayer::open(const std::string& path) {
    mediaPlayer()->setSource(path.empty() ? QUrl() : QUrl::fromLocalFile(ui::qs(path)));
}

void QtPreviewPlayer::play() {
    if (player_ != nullptr) player_->play();
}

void QtPreviewPlayer::pause() {
    if (player_ != nullptr) player_->pause();
}

void QtPreviewPlayer::stop() {
    if (player_ != nullptr) player_->stop();
}

double QtPreviewPlayer::position() const {
    if (player_ == nullptr || player_->source().isEmpty()) return 0.0;
    return static_cast<double>(player_->position()) / 1000.0;
}

void QtPreviewPlayer::setPosition(double seconds) {
    if (player_ == nullptr || !std::isfinite(seconds) || seconds < 0) return;
    player_->setPosition(static_cast<qint64>(std::llround(seconds * 1000.0)));
}

}  // namespace tessaly::app
