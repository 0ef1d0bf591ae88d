#pragma once

// The preview: Qt Multimedia behind the six operations the hot-spot editor and
// the publisher ask of it. Nothing it does is reported to the person.

#include <QImage>
#include <QObject>
#include <QWidget>

#include "core/hotspots/PreviewPlayer.h"

class QMediaPlayer;
class QVideoFrame;
class QVideoSink;

namespace tessaly::app {

// The picture of the preview, painted like any other control so that the yaw
// marker can lie over it (a video widget's own window would cover it).
class PreviewPicture : public QWidget {
    Q_OBJECT
public:
    explicit PreviewPicture(QWidget* parent);
    // Made when first asked for: it starts the media back end.
    QVideoSink* sink();
    // Frames shown so far; tests wait on it.
    int framesShown() const { return framesShown_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void showFrame(const QVideoFrame& frame);
    QVideoSink* sink_ = nullptr;
    QImage image_;
    int framesShown_ = 0;
};

class QtPreviewPlayer : public QObject, public hotspots::PreviewPlayer {
    Q_OBJECT
public:
    // Shows the picture inside `host`, filling it.
    explicit QtPreviewPlayer(QWidget* host);

    void open(const std::string& path) override;
    void play() override;
    void pause() override;
    void stop() override;
    double position() const override;
    void setPosition(double seconds) override;

    // Made at the first movie: the media back end takes long to start, and the
    // window should not wait for it.
    QMediaPlayer* mediaPlayer();
    PreviewPicture* picture() const { return picture_; }

private:
    QMediaPlayer* player_ = nullptr;
    PreviewPicture* picture_;
};

}  // namespace tessaly::app
