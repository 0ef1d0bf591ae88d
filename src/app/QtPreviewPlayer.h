#pragma once

// The preview: Qt Multimedia behind the six operations the hot-spot editor and
// the publisher ask of it. Nothing it does is reported to the person.

#include <QImage>
#include <QObject>
#include <QWidget>

#include "core/hotspots/PreviewPlayer.h"

class QAudioOutput;
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
    QVideoSink* sink() const { return sink_; }
    // Frames shown so far; tests wait on it.
    int framesShown() const { return framesShown_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void showFrame(const QVideoFrame& frame);
    QVideoSink* sink_;
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

    QMediaPlayer* mediaPlayer() const { return player_; }
    PreviewPicture* picture() const { return picture_; }

private:
    QMediaPlayer* player_;
    QAudioOutput* audio_;
    PreviewPicture* picture_;
};

}  // namespace tessaly::app
