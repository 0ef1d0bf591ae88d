#pragma once

// A Hot Spot: a timed, clickable marker over the published movie, and the fixed
// list of ten user slots (plus the blank record 0).

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tessaly::hotspots {

inline constexpr std::size_t kLinkWidth = 512;
inline constexpr std::size_t kTitleWidth = 40;
inline constexpr int kSlotCount = 10;
inline constexpr double kPitchMin = -90.0;
inline constexpr double kPitchMax = 90.0;

// A pitch kept to the -90..90 range in tenths of a degree; not a number is
// the horizon.
double clampPitch(double degrees);

struct HotSpot {
    // Fixed-width texts: once assigned they are cut or space-filled to their
    // width in characters. A blank record holds empty texts. Read them back
    // through trimmedLink()/trimmedTitle().
    std::string link;
    std::string title;
    std::int32_t yaw = 0;   // slider degrees, -179..180
    double pos = 0.0;       // seconds; > 0 means the slot is in use
    double time = 0.0;      // seconds shown
    std::int32_t self = 0;  // 1: open the link in the same window
    double pitch = 0.0;     // degrees above the horizon, kPitchMin..kPitchMax

    // A record with its texts cut or filled to width, fields in record order.
    static HotSpot make(std::string_view link, std::string_view title, std::int32_t yaw, double pos,
                        double time, std::int32_t self, double pitch = 0.0);

    void setLink(std::string_view text);
    void setTitle(std::string_view text);
    std::string trimmedLink() const;
    std::string trimmedTitle() const;
    bool inUse() const { return pos > 0; }

    bool operator==(const HotSpot&) const = default;
};

// Records 0..10; 1..10 are the user's slots, record 0 stays blank.
class HotSpotList {
public:
    // n in 0..10; anything else throws std::out_of_range.
    HotSpot& at(int n);
    const HotSpot& at(int n) const;
    void clearSlot(int n) { at(n) = HotSpot{}; }
    void clearAll() { records_.fill(HotSpot{}); }
    int countInUse() const;

    bool operator==(const HotSpotList&) const = default;

private:
    std::array<HotSpot, kSlotCount + 1> records_{};
};

// Whether a yaw lies on the movie's picture, which reaches `reach` degrees
// either way (180 for the whole sphere, 90 for the front half).
inline bool yawWithin(int yaw, int reach) { return yaw >= -reach && yaw <= reach; }

// Whether a direction lies on that picture: straight up or down is on every
// picture, whatever the yaw.
inline bool directionWithin(int yaw, double pitch, int reach) {
    return yawWithin(yaw, reach) || pitch <= kPitchMin || pitch >= kPitchMax;
}

// The first slot in use whose direction lies beyond `reach`; 0 when none does.
int slotBeyondReach(const HotSpotList& list, int reach);

}  // namespace tessaly::hotspots
