#pragma once

// The rules of the Hot Spot editor: choosing a slot, filling it from the link
// and title boxes, the yaw slider and the preview position, clearing slots, and
// showing a slot in the editor and its row. The editor's yaw and pitch are
// what the next "Add Hot Spot" stores. Everything runs on the caller's
// thread.

#include <cstdint>
#include <string_view>

#include "core/Prompts.h"
#include "core/hotspots/HotSpot.h"
#include "core/hotspots/HotSpotView.h"
#include "core/hotspots/PreviewPlayer.h"

namespace tessaly::hotspots {

inline constexpr int kYawMin = -179;
inline constexpr int kYawMax = 180;

class HotSpotEditor {
public:
    // Every reference must outlive the editor.
    HotSpotEditor(HotSpotList& list, HotSpotView& view, PreviewPlayer& player, Prompts& prompts);

    int currentSlot() const { return currentSlot_; }
    std::int16_t currentYaw() const { return currentYaw_; }
    double currentPitch() const { return currentPitch_; }

    // Selector box n (1..10) clicked; clicking the selected one seeks again.
    void selectSlot(int n);
    // No selector ticked and the editor blank; "Add Hot Spot" then does nothing.
    void selectNoSlot();
    // Shows record n (0..10) in the editor; row and preview only for a slot with a position.
    void showSlot(int n);
    // "Add Hot Spot": stores the editor into the current slot, if any.
    void addHotSpot();
    // "Clear Hot Spot": the current slot, or every slot when none is selected.
    void clearHotSpot();
    // "Clear All Hot Spots": every slot, then slot 1 is selected.
    void clearAll();
    // Link, title, slider, current yaw and marker back to blank.
    void resetEditor();
    // A slider notification; only the low 16 bits of `position` count.
    void yawSliderMoved(int position);
    // The pitch field's text committed: its leading number, clamped, shown back.
    void pitchEntered(std::string_view text);
    // Yaw and pitch chosen together (a point picked in the picture), each
    // clamped to its range; slider, marker and pitch field follow.
    void setDirection(int yaw, double pitch);
    // Slot n turned to face `yaw` and `pitch` on the picture, kept within the
    // reach: a slot in use keeps them, and the current slot's editor follows.
    void turnSlot(int n, double yaw, double pitch);
    // After a project has filled the list: show every slot, then select none.
    void showLoadedList();
    // After the list was put back (undo, redo): every row shows its slot, the
    // selected slot stays and the editor shows it; the preview is left alone.
    void showRestoredList();
    // How far either way a new Hot Spot's yaw may lie: 180, or 90 for a movie
    // of the front half only.
    void setYawReach(int reach) { yawReach_ = reach; }

private:
    void storeSlot(int n);
    void clearSlot(int n);
    void blankRow(int n);
    void showRow(int n, const HotSpot& spot);
    void showPitch(double pitch);
    void showInEditor(const HotSpot& spot);
    void warn(std::string_view text);

    HotSpotList& list_;
    HotSpotView& view_;
    PreviewPlayer& player_;
    Prompts& prompts_;
    int currentSlot_ = 1;
    std::int16_t currentYaw_ = 0;
    double currentPitch_ = 0.0;
    int yawReach_ = kYawMax;
};

}  // namespace tessaly::hotspots
