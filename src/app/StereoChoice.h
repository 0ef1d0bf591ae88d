#pragma once

// "Stereo and field" under the options: how the movie's picture lies on the
// sphere (mono or two stacked eyes; the whole way round or the front half).
// Filled from the movie's marks when a movie is loaded; the person may change
// it. The project keeps it; the preview, the yaw marker and the Hot Spot
// editor follow it.

#include <QComboBox>
#include <functional>

#include "app/Controls.h"
#include "core/movies/MovieFormat.h"

namespace tessaly::app {

class StereoChoice {
public:
    StereoChoice(QWidget* parent, const Used& used);

    movies::MovieFormat format() const;
    // Shows `format`; the follower hears of it as of the person's choice.
    void setFormat(const movies::MovieFormat& format);
    // Called with every change, whoever makes it.
    void setFollower(std::function<void(const movies::MovieFormat&)> follower);

private:
    void changed();

    QComboBox* layout_ = nullptr;
    QComboBox* field_ = nullptr;
    std::function<void(const movies::MovieFormat&)> follower_;
};

}  // namespace tessaly::app
