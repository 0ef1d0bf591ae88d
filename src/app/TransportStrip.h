#pragma once

// The preview's transport strip, under its picture: Play/Pause, a seek slider
// over the whole movie with a tick for each used Hot Spot slot, the time, and
// a loop switch; and the preview's keys while the picture or the strip has
// the focus. The end of the movie stops on its last frame.

#include <QSlider>
#include <QWidget>
#include <vector>

#include "core/hotspots/HotSpot.h"

class QLabel;
class QMediaPlayer;
class QToolButton;

namespace tessaly::app {

class QtPreviewPlayer;

// A slot's moment on the slider.
struct SlotTick {
    int slot = 0;
    qint64 ms = 0;
};

class SeekSlider : public QSlider {
    Q_OBJECT
public:
    explicit SeekSlider(QWidget* parent);
    // The current slot's tick stands out.
    void setTicks(std::vector<SlotTick> ticks, int currentSlot);
    // Where a moment lies on the slider, and back.
    int xOf(qint64 ms) const;
    qint64 valueAt(int x) const;
    // The slot whose tick is under `x`, or 0.
    int tickAt(int x) const;

signals:
    void tickClicked(int slot);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Where the handle's centre can go: from `start`, `span` pixels.
    struct Track {
        int start = 0;
        int span = 0;
    };
    Track track() const;

    std::vector<SlotTick> ticks_;
    int currentSlot_ = 0;
};

class TransportStrip : public QWidget {
    Q_OBJECT
public:
    TransportStrip(QWidget* parent, QtPreviewPlayer& player);

    SeekSlider* slider() const { return slider_; }
    // A tick for each slot in use, at its time; `currentSlot`'s stands out.
    void showTicks(const hotspots::HotSpotList& hotSpots, int currentSlot);
    QToolButton* playButton() const { return play_; }
    QToolButton* loopButton() const { return loop_; }
    QString timeText() const;

    // Play, or pause while playing; at the end Play starts from the start.
    void togglePlay();
    // To `ms`, kept within the movie (its last frame at most).
    void seekTo(qint64 ms);
    // Frame by frame, pausing.
    void step(int frames);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void attach(QMediaPlayer* player);
    void showTime();
    void ended();
    qint64 frameMs() const;
    qint64 lastFrameMs() const;
    bool handleKey(int key);

    QtPreviewPlayer& player_;
    QMediaPlayer* media_ = nullptr;  // once a movie was opened
    SeekSlider* slider_;
    QToolButton* play_;
    QToolButton* loop_;
    QLabel* time_;
    bool ended_ = false;  // stopped on the last frame by the end
    bool resumeAfterDrag_ = false;
};

// "m:ss.d" with tenths, "m:ss" without.
QString clockText(qint64 ms, bool tenths);

}  // namespace tessaly::app
