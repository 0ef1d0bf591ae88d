#pragma once

// What the hot-spot editor reads from and shows in the window: the link and
// title boxes, the "self HS mode" tick, the ten slot rows, the yaw slider, the
// pitch field, the yaw marker and the preview's still frame. Rows are numbered 1 to 10. Where
// the marker stands and how long a still frame takes are the view's business.

#include <string>

namespace tessaly::hotspots {

class HotSpotView {
public:
    virtual ~HotSpotView() = default;

    virtual std::string linkText() const = 0;
    virtual std::string titleText() const = 0;
    virtual std::string timeText(int row) const = 0;
    virtual bool selfTicked() const = 0;

    virtual void setLinkText(const std::string& text) = 0;
    virtual void setTitleText(const std::string& text) = 0;
    virtual void setSelfTicked(bool ticked) = 0;
    // Ticks the selector box of `slot` and unticks the others; 0 unticks all.
    virtual void setSelectedSlot(int slot) = 0;
    virtual void setRowValues(int row, const std::string& yaw, const std::string& pos) = 0;
    virtual void setTimeText(int row, const std::string& text) = 0;
    virtual void setSliderPosition(int yaw) = 0;
    virtual void setPitchText(const std::string& text) = 0;
    // The yaw marker over the preview at `yaw`, repainted.
    virtual void showMarkerAt(int yaw) = 0;
    // The preview stopped on the frame at `pos` seconds.
    virtual void holdStillFrame(double pos) = 0;
};

}  // namespace tessaly::hotspots
