#include "core/hotspots/HotSpotEditor.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

#include "core/hotspots/HotSpotTexts.h"
#include "core/text/Numbers.h"
#include "core/text/Text.h"

namespace tessaly::hotspots {

HotSpotEditor::HotSpotEditor(HotSpotList& list, HotSpotView& view, PreviewPlayer& player, Prompts& prompts)
    : list_(list), view_(view), player_(player), prompts_(prompts) {}

void HotSpotEditor::selectSlot(int n) {
    if (n < 1 || n > kSlotCount) throw std::out_of_range("hot spot slot " + std::to_string(n));
    currentSlot_ = n;
    view_.setSelectedSlot(n);
    showSlot(n);
}

void HotSpotEditor::selectNoSlot() {
    currentSlot_ = 0;
    view_.setSelectedSlot(0);
    showSlot(0);
}

void HotSpotEditor::showSlot(int n) {
    const HotSpot spot = list_.at(n);
    showInEditor(spot);
    if (spot.pos == 0) return;
    if (n >= 1) {
        showRow(n, spot);
        view_.setTimeText(n, text::formatMask(spot.time, texts::kTimeMask));
    }
    view_.holdStillFrame(spot.pos);
}

void HotSpotEditor::showInEditor(const HotSpot& spot) {
    // A project file may hold any yaw; the slider cannot show one outside its
    // range, so the editor must not carry it on to the next "Add Hot Spot".
    currentYaw_ = static_cast<std::int16_t>(std::clamp(spot.yaw, kYawMin, kYawMax));
    view_.setLinkText(spot.trimmedLink());
    view_.setTitleText(spot.trimmedTitle());
    view_.setSelfTicked(spot.self == 1);
    view_.setSliderPosition(currentYaw_);
    view_.showMarkerAt(currentYaw_);
    showPitch(spot.pitch);
}

void HotSpotEditor::showRestoredList() {
    for (int n = 1; n <= kSlotCount; ++n) {
        const HotSpot& spot = list_.at(n);
        if (spot.pos == 0) {
            blankRow(n);
        } else {
            showRow(n, spot);
            view_.setTimeText(n, text::formatMask(spot.time, texts::kTimeMask));
        }
    }
    showInEditor(list_.at(currentSlot_));
}

void HotSpotEditor::addHotSpot() {
    if (currentSlot_ == 0) return;
    storeSlot(currentSlot_);
}

void HotSpotEditor::storeSlot(int n) {
    const std::string link = view_.linkText();
    const std::string title = view_.titleText();
    const std::string timeText = view_.timeText(n);

    if (text::trimSpaces(link).empty()) {
        warn(texts::kLinkEmpty);
        return;
    }
    if (!directionWithin(currentYaw_, currentPitch_, yawReach_)) {
        warn(texts::kYawOffPicture);
        return;
    }
    player_.pause();
    const double pos = player_.position();
    if (!(pos > 0) || !std::isfinite(pos)) {
        warn(texts::kPositionZero);
        return;
    }
    const double time = text::leadingNumber(timeText);
    // An endless time could be neither shown in the row nor written to a file.
    if (!(time > 0) || !std::isfinite(time)) {
        warn(texts::kTimeUndetermined);
        return;
    }

    const HotSpot spot =
        HotSpot::make(link, title, currentYaw_, pos, time, view_.selfTicked() ? 1 : 0, currentPitch_);
    list_.at(n) = spot;
    showRow(n, spot);
}

void HotSpotEditor::clearHotSpot() {
    if (currentSlot_ == 0) {
        clearAll();
    } else {
        clearSlot(currentSlot_);
    }
}

void HotSpotEditor::clearSlot(int n) {
    list_.clearSlot(n);
    blankRow(n);
    resetEditor();
}

void HotSpotEditor::clearAll() {
    list_.clearAll();
    for (int n = 1; n <= kSlotCount; ++n) blankRow(n);
    view_.setSelectedSlot(1);
    currentSlot_ = 1;
    resetEditor();
}

void HotSpotEditor::resetEditor() {
    view_.setLinkText({});
    view_.setTitleText({});
    view_.setSliderPosition(0);
    currentYaw_ = 0;
    view_.showMarkerAt(0);
    showPitch(0.0);
}

void HotSpotEditor::yawSliderMoved(int position) {
    currentYaw_ = static_cast<std::int16_t>(position & 0xFFFF);
    view_.showMarkerAt(currentYaw_);
}

void HotSpotEditor::turnSlot(int n, double yaw, double pitch) {
    if (!std::isfinite(yaw)) return;
    int degrees = static_cast<int>(std::lround(yaw));
    if (degrees <= -180) degrees += 360;
    degrees = std::clamp(degrees, std::max(kYawMin, -yawReach_), std::min(kYawMax, yawReach_));
    if (HotSpot& spot = list_.at(n); spot.inUse()) {
        spot.yaw = degrees;
        spot.pitch = clampPitch(pitch);
        showRow(n, spot);
    }
    if (n == currentSlot_) setDirection(degrees, pitch);
}

void HotSpotEditor::pitchEntered(std::string_view text) { showPitch(text::leadingNumber(text)); }

void HotSpotEditor::setDirection(int yaw, double pitch) {
    currentYaw_ = static_cast<std::int16_t>(std::clamp(yaw, kYawMin, kYawMax));
    view_.setSliderPosition(currentYaw_);
    view_.showMarkerAt(currentYaw_);
    showPitch(pitch);
}

void HotSpotEditor::showPitch(double pitch) {
    currentPitch_ = clampPitch(pitch);
    view_.setPitchText(text::formatMask(currentPitch_, texts::kPitchMask));
}

void HotSpotEditor::showLoadedList() {
    for (int n = 1; n <= kSlotCount; ++n) {
        // Show slot leaves the row of a blank slot alone; blank it so no row
        // keeps values from before the load.
        if (list_.at(n).pos == 0) blankRow(n);
        showSlot(n);
    }
    selectNoSlot();
}

void HotSpotEditor::blankRow(int n) {
    view_.setRowValues(n, {}, {});
    view_.setTimeText(n, std::string(texts::kDefaultTimeText));
}

void HotSpotEditor::showRow(int n, const HotSpot& spot) {
    view_.setRowValues(n, text::formatMask(spot.yaw, texts::kYawMask),
                       text::formatMask(spot.pos, texts::kPosMask));
}

void HotSpotEditor::warn(std::string_view text) { prompts_.show(Message{std::string(text), Topic::Warning}); }

}  // namespace tessaly::hotspots
