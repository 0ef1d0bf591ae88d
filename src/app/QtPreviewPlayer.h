#pragma once

// The preview: Qt Multimedia behind the six operations the hot-spot editor and
// the publisher ask of it. A movie it cannot play is said in the picture's
// place, naming the file and the media framework's reason; nothing else it does
// is reported to the person.

#include <QImage>
#include <QMediaPlayer>
#include <QObject>
#include <QTemporaryFile>
#include <QThreadPool>
#include <QTimer>
#include <QWidget>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "core/hotspots/LookAround.h"
#include "core/hotspots/PreviewPlayer.h"
#include "core/movies/MovieFormat.h"
#include "core/movies/MovieTools.h"

class QVideoFrame;
class QVideoSink;

namespace tessaly::app {

class FrameWorker;

// Where the look-around view starts (Home brings it back), how far the page
// lets it turn and the page's mouse speed.
struct LookStart {
    hotspots::LookView view;
    hotspots::ViewReach reach;
    double mouseSpeed = 0.02;
};

// A Hot Spot drawn on the picture.
struct PictureMark {
    int slot = 0;
    hotspots::Direction at;
    bool current = false;
    bool operator==(const PictureMark&) const = default;
};

// The picture of the preview, painted like any other control so that the yaw
// marker can lie over it (a video widget's own window would cover it). Frames
// are scaled to its size on a worker thread; it only draws the result. It
// shows the flat picture, or the movie as a visitor will see it: dragged to
// look around, the wheel to zoom, Home back to the start.
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
    void setField(int field);
    // Pictures painted so far; tests and the benchmark read it.
    int framesShown() const { return framesShown_; }
    // Frames the media back end has handed over so far (empty ones not counted).
    std::uint64_t framesArrived() const { return framesArrived_; }

    bool lookingAround() const;
    void setLookingAround(bool on);
    void setLookStart(std::function<LookStart()> start) { lookStart_ = std::move(start); }
    hotspots::LookView view() const;
    // Kept within what the page allows; the picture is drawn again.
    void setView(const hotspots::LookView& view);
    void backToStart();
    // The direction under a point of the widget, in either view; nothing off the picture.
    std::optional<hotspots::Direction> directionAt(QPointF point) const;
    // Where a direction lies on the widget; nothing when it is not in sight.
    std::optional<QPointF> pointOf(hotspots::Direction direction) const;
    // The Hot Spots shown now, drawn over the picture.
    void setMarks(std::vector<PictureMark> marks);
    // A double-click on the picture asks for the current slot to face there;
    // a drawn Hot Spot dragged follows the pointer, `done` once it is let go.
    void setPlacing(std::function<void(int slot, hotspots::Direction at, bool done)> place) {
        place_ = std::move(place);
    }

signals:
    void lookingAroundChanged(bool on);
    // A new picture (or none) is about to be painted.
    void pictureChanged();
    // A frame came in a pixel format the preview cannot read.
    void frameUnreadable();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void showFocusMark(bool on);
    void frameArrived(const QVideoFrame& frame);
    void offerFrame(const QVideoFrame& frame);
    void takePicture();
    // The frame shown now, drawn again for the present view.
    void redraw();
    // What the page leaves the view of the movie open now; lookMutex_ held.
    hotspots::ViewReach reach() const;
    // Where the flat picture lies in the widget.
    QRectF flatRect() const;
    int markAt(QPointF point) const;
    void paintMarks(QPainter& p) const;

    QVideoSink* sink_ = nullptr;
    std::unique_ptr<FrameWorker> worker_;
    // Read where frames arrive, which need not be this widget's thread.
    std::atomic<std::uint64_t> movie_{0};
    std::atomic<std::uint64_t> framesArrived_{0};
    std::atomic<int> targetWidth_{0};
    std::atomic<int> targetHeight_{0};
    std::atomic<movies::StereoLayout> layout_{movies::StereoLayout::Mono};
    // The view, read where frames arrive too.
    mutable std::mutex lookMutex_;
    bool looking_ = false;
    hotspots::LookView view_;
    int field_ = movies::kFullField;
    QSize eye_;  // of the last frame: the shape of the picture
    LookStart start_;
    std::function<LookStart()> lookStart_;
    std::vector<PictureMark> marks_;
    std::function<void(int, hotspots::Direction, bool)> place_;
    // A drag under way: of the view, or of a Hot Spot (its slot).
    std::optional<QPointF> dragFrom_;
    hotspots::LookView dragView_;
    int draggedSlot_ = 0;
    QImage image_;
    bool fresh_ = false;         // image_ not painted yet
    bool shownOfMovie_ = false;  // a picture of the movie now open was taken
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
    // The same, or nothing before the first movie.
    QMediaPlayer* madeMediaPlayer() const { return player_; }
    PreviewPicture* picture() const { return picture_; }
    // Goes to `ms`; a paused player is made to arrive there.
    void seek(qint64 ms);

    // Writes the first channel of a movie's sound as a WAV file to `fd`, on a
    // worker thread; see movies::MovieTools::writeFirstChannel.
    using ChannelWriter = std::function<Result<void>(int fd, const std::atomic<bool>* stop)>;
    // Plays the first channel of `movie`'s sound alone to both ears in place
    // of its own sound, once `write` has made it: the W of ambisonic sound,
    // the sound from all around, where a mix of its four channels would
    // colour it by direction. Only while `movie` is the one open.
    void playFirstChannel(const std::string& movie, ChannelWriter write);
    // The player of the first channel, while it plays in place of the movie's sound.
    QMediaPlayer* firstChannelPlayer() const { return channel_; }

signals:
    // A movie (or none) was opened: mediaPlayer() exists from here on.
    void opened();

private:
    static constexpr qint64 kLandingSlackMs = 20;
    static constexpr int kLandingTries = 3;
    static constexpr std::chrono::seconds kOpenLimit{10};

    void cannotPlay(const QString& reason);
    void checkLanding();
    // Qt's GStreamer back end gives the window's thread 300 ms to take each
    // frame and then drops it. A paused movie gets one frame per seek, so a
    // window busy at that moment keeps the old picture, or none; the seek is
    // made again, a millisecond apart so that it is not refused as a repeat,
    // until a frame comes, waiting longer each time so that a slow decoder
    // is not cut short for good.
    void watchForFrame(qint64 ms);
    void frameOverdue();
    void mediaStatusChanged(QMediaPlayer::MediaStatus status);
    void startFirstChannel(std::shared_ptr<QTemporaryFile> file);
    void followMovie();
    void dropFirstChannel();

    QMediaPlayer* player_ = nullptr;
    PreviewPicture* picture_;
    QString path_;                   // the movie opened last, for messages
    std::optional<qint64> landing_;  // where the last seek goes, until it is there or play moves on
    int landingTries_ = 0;
    static constexpr std::chrono::milliseconds kFrameWait{500};
    static constexpr int kFrameTries = 4;
    QTimer frameWatch_;   // runs from a paused seek until its frame comes
    qint64 frameAt_ = 0;  // where that seek went
    std::uint64_t framesBefore_ = 0;
    int frameTries_ = 0;
    QTimer opening_;     // runs while the movie opens
    QString notOpened_;  // the message shown when it did not

    // How far the first channel may drift from the picture before it is moved.
    static constexpr qint64 kChannelSlackMs = 250;
    QMediaPlayer* channel_ = nullptr;
    std::shared_ptr<QTemporaryFile> channelFile_;
    std::shared_ptr<std::atomic<bool>> channelStop_;  // set when the channel being made is no longer wanted
    QThreadPool channelWriter_;
};

}  // namespace tessaly::app
