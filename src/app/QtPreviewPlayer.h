#pragma once

// The preview: Qt Multimedia behind the six operations the hot-spot editor and
// the publisher ask of it. A movie it cannot play is said in the picture's
// place, naming the file and the media framework's reason; nothing else it does
// is reported to the person.

#include <QImage>
#include <QMediaPlayer>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>

#include "core/hotspots/PreviewPlayer.h"
#include "core/movies/MovieFormat.h"

class QVideoFrame;
class QVideoSink;

namespace tessaly::app {

class FrameWorker;

// The picture of the preview, painted like any other control so that the yaw
// marker can lie over it (a video widget's own window would cover it). Frames
// are scaled to its size on a worker thread; it only draws the result.
class PreviewPicture : public QWidget {
    Q_OBJECT
public:
    explicit PreviewPicture(QWidget* parent);
    ~PreviewPicture() override;
    // Made when first asked for: it starts the media back end.
    QVideoSink* sink();
    // A new movie: the old one's picture and any message go, and frames of the
    // old one still on their way are never shown.
    void startMovie();
    // Shown instead of a picture until the next movie starts.
    void showMessage(const QString& text);
    void clearMessage();
    QString message() const { return message_; }
    // The picture last handed to the screen (the movie frame at the picture's
    // size, without the black bands); null when there is none.
    QImage picture() const { return image_; }
    // Which eye of a stereo movie is shown: the first (top, or left); from the
    // next frame on.
    void setStereoLayout(movies::StereoLayout layout) { layout_ = layout; }
    // Pictures painted so far; tests and the benchmark read it.
    int framesShown() const { return framesShown_; }

signals:
    // A new picture (or none) is about to be painted.
    void pictureChanged();
    // A frame came in a pixel format the preview cannot read.
    void frameUnreadable();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void showFocusMark(bool on);
    void offerFrame(const QVideoFrame& frame);
    void takePicture();

    QVideoSink* sink_ = nullptr;
    std::unique_ptr<FrameWorker> worker_;
    // Read where frames arrive, which need not be this widget's thread.
    std::atomic<std::uint64_t> movie_{0};
    std::atomic<int> targetWidth_{0};
    std::atomic<int> targetHeight_{0};
    std::atomic<movies::StereoLayout> layout_{movies::StereoLayout::Mono};
    QImage image_;
    bool fresh_ = false;  // image_ not painted yet
    QString message_;
    int framesShown_ = 0;
};

class QtPreviewPlayer : public QObject, public hotspots::PreviewPlayer {
    Q_OBJECT
public:
    // Shows the picture inside `host`, filling it.
    explicit QtPreviewPlayer(QWidget* host);
    ~QtPreviewPlayer() override;

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
    // Goes to `ms`; a paused player is made to arrive there.
    void seek(qint64 ms);

signals:
    // A movie (or none) was opened: mediaPlayer() exists from here on.
    void opened();

private:
    static constexpr qint64 kLandingSlackMs = 20;
    static constexpr int kLandingTries = 3;
    static constexpr std::chrono::seconds kOpenLimit{10};

    void cannotPlay(const QString& reason);
    void checkLanding();
    void mediaStatusChanged(QMediaPlayer::MediaStatus status);

    QMediaPlayer* player_ = nullptr;
    PreviewPicture* picture_;
    QString path_;                   // the movie opened last, for messages
    std::optional<qint64> landing_;  // where the last seek goes, until it is there or play moves on
    int landingTries_ = 0;
    QTimer opening_;     // runs while the movie opens
    QString notOpened_;  // the message shown when it did not
};

}  // namespace tessaly::app
