#pragma once

// The hot-spot controls under the preview and the " Hot Spots " frame with its
// ten rows; what the core hot-spot editor reads and shows goes through here,
// the yaw marker's place and the still frame's timing included.

#include <QLineEdit>
#include <QObject>
#include <QRect>
#include <QSlider>
#include <QTimer>
#include <array>
#include <chrono>
#include <functional>

#include "app/Controls.h"
#include "core/hotspots/HotSpot.h"
#include "core/hotspots/HotSpotView.h"

namespace tessaly::hotspots {
class PreviewPlayer;
}

namespace tessaly::app {

// Where the window creates the yaw marker, before any yaw is shown.
inline constexpr int kMarkerStartX = 474;
// How long the preview plays to decode the frame it then holds.
inline constexpr std::chrono::milliseconds kStillFrameDelay{100};

// The preview's frame where the window lays it out first.
inline constexpr QRect kPreviewFrame{250, 195, 448, 300};

// Left edge of the yaw marker for `yaw`: the slider range spread over the
// preview picture (`pictureHeight` high in the frame `preview`), rounded
// halves to even. A 180-degree movie's eye is a square picture in the middle
// of the preview, spanning -90 to 90.
int markerX(int yaw, int field = 360, const QRect& preview = kPreviewFrame, int pictureHeight = 222);

class HotSpotPanel : public QObject, public hotspots::HotSpotView {
    Q_OBJECT
public:
    // `yawMoved` is the slider's own handler: it runs for every move the person makes.
    // `used` hears of clicks on the panel's captions, values and Self box.
    HotSpotPanel(QWidget* parent, hotspots::PreviewPlayer& player, const Used& used,
                 std::function<void(int)> yawMoved);

    std::string linkText() const override;
    std::string titleText() const override;
    std::string timeText(int row) const override;
    bool selfTicked() const override;

    void setLinkText(const std::string& text) override;
    void setTitleText(const std::string& text) override;
    void setSelfTicked(bool ticked) override;
    void setSelectedSlot(int slot) override;
    void setRowValues(int row, const std::string& yaw, const std::string& pos) override;
    void setTimeText(int row, const std::string& text) override;
    void setSliderPosition(int yaw) override;
    void setPitchText(const std::string& text) override;
    // `entered` runs when the person has typed a pitch and leaves the field or presses Enter.
    void onPitchEntered(std::function<void(const std::string&)> entered);
    void showMarkerAt(int yaw) override;
    void holdStillFrame(double pos) override;
    // The preview's frame, and where its picture ends above the strip: the
    // marker spans the picture, never the strip.
    void setPictureFrame(const QRect& preview, int pictureBottom);
    QWidget* marker() const { return marker_; }
    // The movie's field in degrees: where the marker stands for a yaw.
    void setField(int field);
    // A still frame not yet held is let go: the player goes on as it was told
    // since (a project's movie plays).
    void dropStillFrame() { stillFrame_.stop(); }

signals:
    void addClicked();
    void clearClicked();
    void clearAllClicked();
    // Slot 1..10's selector was clicked.
    void slotClicked(int slot);

private:
    struct Row {
        QCheckBox* selector = nullptr;
        ClickLabel* yaw = nullptr;
        ClickLabel* pos = nullptr;
        QLineEdit* time = nullptr;
    };
    Row& row(int n) { return rows_[static_cast<std::size_t>(n - 1)]; }
    const Row& row(int n) const { return rows_[static_cast<std::size_t>(n - 1)]; }

    hotspots::PreviewPlayer& player_;
    QSlider* slider_ = nullptr;
    QWidget* marker_ = nullptr;
    QLineEdit* link_ = nullptr;
    QLineEdit* title_ = nullptr;
    QCheckBox* self_ = nullptr;
    QLineEdit* pitch_ = nullptr;
    std::array<Row, hotspots::kSlotCount> rows_{};
    int markerYaw_ = 0;
    QRect preview_ = kPreviewFrame;
    int field_ = 360;
    // Ends the still frame begun last; stopped with the panel.
    QTimer stillFrame_;
    double stillPos_ = 0;
};

// "-179", " 0" and "179" spread under the slider: tabs expanded to stops every 68 columns.
QString scaleText();

}  // namespace tessaly::app
