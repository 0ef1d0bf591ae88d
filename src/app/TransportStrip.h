#pragma once

// The preview's transport strip, under its picture: Play/Pause, a seek slider
// over the whole movie with each used Hot Spot slot's time window over it, the
// time, and a loop switch; and the preview's keys while the picture or the
// strip has the focus. The end of the movie stops on its last frame.

#include <QSlider>
#include <QTimer>
#include <QWidget>
#include <optional>
#include <vector>

#include "core/hotspots/HotSpot.h"

class QLabel;
class QMediaPlayer;
class QToolButton;

namespace tessaly::app {

class QtPreviewPlayer;

// A used slot's time window.
struct SlotSpan {
    int slot = 0;
    qint64 startMs = 0;
    qint64 endMs = 0;
};

class SeekSlider : public QSlider {
    Q_OBJECT
public:
    explicit SeekSlider(QWidget* parent);
    // Where a moment lies on the slider, and back.
    int xOf(qint64 ms) const;
    qint64 valueAt(int x) const;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Where the handle's centre can go: from `start`, `span` pixels.
    struct Track {
        int start = 0;
        int span = 0;
    };
    Track track() const;
};

// Right over the seek slider, out of its handle's way: a bar for each used
// slot from its Pos to Pos + Time with its number, the current slot's standing out.
class SlotLane : public QWidget {
    Q_OBJECT
public:
    SlotLane(QWidget* parent, const SeekSlider& slider);
    void setSpans(std::vector<SlotSpan> spans, int currentSlot);
    // Where a moment lies, in the lane, as on the slider.
    int xOf(qint64 ms) const;
    // The slot whose bar is under `x`, the current one first; 0 for none.
    int slotAt(int x) const;
    // The bar's colour and its number's, for the current slot or another.
    static QColor barColour(bool current);
    static QColor numberColour() { return Qt::black; }

signals:
    void slotClicked(int slot);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QRect barOf(const SlotSpan& span) const;

    const SeekSlider& slider_;
    std::vector<SlotSpan> spans_;
    int currentSlot_ = 0;
};

class TransportStrip : public QWidget {
    Q_OBJECT
public:
    TransportStrip(QWidget* parent, QtPreviewPlayer& player);

    SeekSlider* slider() const { return slider_; }
    SlotLane* lane() const { return lane_; }
    // A bar for each slot in use over its time window; `currentSlot`'s stands out.
    void showSlots(const hotspots::HotSpotList& hotSpots, int currentSlot);
    QToolButton* playButton() const { return play_; }
    QToolButton* loopButton() const { return loop_; }
    // Switches the picture between the flat movie and a visitor's view of it.
    QToolButton* lookButton() const { return look_; }
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
    // While the slider is dragged: a seek made before the last one has shown
    // its frame starts the decoding over, so a steady drag back through long
    // groups of pictures would show nothing until it stops. The next seek
    // waits for the last one's frame, then goes to where the slider is by then.
    void dragTo(qint64 ms);
    void dragSeekDone();
    void showTime();
    void ended();
    qint64 frameMs() const;
    qint64 lastFrameMs() const;
    bool handleKey(int key);

    QtPreviewPlayer& player_;
    QMediaPlayer* media_ = nullptr;  // once a movie was opened
    SeekSlider* slider_;
    SlotLane* lane_;
    QToolButton* play_;
    QToolButton* loop_;
    QToolButton* look_;
    QLabel* time_;
    bool ended_ = false;  // stopped on the last frame by the end
    bool resumeAfterDrag_ = false;
    std::optional<qint64> dragWanted_;  // where the slider went while a seek was under way
    QTimer dragSeek_;                   // runs while a drag's seek is under way
};

// "m:ss.d" with tenths, "m:ss" without.
QString clockText(qint64 ms, bool tenths);

}  // namespace tessaly::app
