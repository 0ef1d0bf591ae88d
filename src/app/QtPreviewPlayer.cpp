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

PreviewPicture::PreviewPicture(QWidget* parent) : QWidget(parent), sink_(new QVideoSink(this)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(sink_, &QVideoSink::videoFrameChanged, this, &PreviewPicture::showFrame);
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

QtPreviewPlayer::QtPreviewPlayer(QWidget* host)
    : QObject(host),
      player_(new QMediaPlayer(this)),
      audio_(new QAudioOutput(this)),
      picture_(new PreviewPicture(host)) {
    auto* layout = new QVBoxLayout(host);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(picture_);
    player_->setAudioOutput(audio_);
    player_->setVideoSink(picture_->sink());
}

void QtPreviewPlayer::open(const std::string& path) {
    player_->setSource(path.empty() ? QUrl() : QUrl::fromLocalFile(ui::qs(path)));
}

void QtPreviewPlayer::play() { player_->play(); }

void QtPreviewPlayer::pause() { player_->pause(); }

void QtPreviewPlayer::stop() { player_->stop(); }

double QtPreviewPlayer::position() const {
    if (player_->source().isEmpty()) return 0.0;
    return static_cast<double>(player_->position()) / 1000.0;
}

void QtPreviewPlayer::setPosition(double seconds) {
    if (!std::isfinite(seconds) || seconds < 0) return;
    player_->setPosition(static_cast<qint64>(std::llround(seconds * 1000.0)));
}

}  // namespace tessaly::app
