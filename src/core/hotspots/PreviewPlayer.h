#pragma once

#include <string>

namespace tessaly::hotspots {

// What the hot-spot editor and the publisher ask of the preview.
class PreviewPlayer {
public:
    virtual ~PreviewPlayer() = default;
    virtual void open(const std::string& path) = 0;
    virtual void play() = 0;
    virtual void pause() = 0;
    virtual void stop() = 0;
    virtual double position() const = 0;  // seconds; 0 when nothing is loaded
    virtual void setPosition(double seconds) = 0;
};

}  // namespace tessaly::hotspots
