#pragma once

// The hot-spot controls under the preview and the " Hot Spots " frame with its
// ten rows; what the core hot-spot editor reads and shows goes through here.

#include <QSlider>
#include <functional>

#include "app/Controls.h"
#include "core/hotspots/HotSpotView.h"

namespace tessaly::app {

class HotSpotPanel : public hotspots::HotSpotView {
public:
    // `yawMoved` is the slider's own handler: it runs for every move the person makes.
    HotSpotPanel(QWidget* parent, const CommandSink& sink, std::function<void(int)> yawMoved);

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
    void setMarkerX(int x) override;

private:
    QWidget* parent_;
    QSlider* slider_ = nullptr;
    QWidget* marker_ = nullptr;
};

// "-179", " 0" and "179" spread under the slider: tabs expanded to stops every 68 columns.
QString scaleText();

}  // namespace tessaly::app
