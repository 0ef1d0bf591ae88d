#pragma once

// The top of the client area and its command buttons: the title with its
// shadow and "Html5", the build label, the preview's frame with the player in
// it, and the row of command buttons under the movie rows.

#include "app/Controls.h"

class QFrame;

namespace tessaly::app {

class QtPreviewPlayer;
class TransportStrip;

struct WindowHeader {
    ClickLabel* titleShadow = nullptr;
    ClickLabel* title = nullptr;
    ClickLabel* html5 = nullptr;
    ClickLabel* build = nullptr;
    QFrame* previewHost = nullptr;
    QtPreviewPlayer* player = nullptr;  // owned by its host
    TransportStrip* strip = nullptr;    // under the picture, in the host
};

// Where the strip begins, in the header's parent, at the host's present size.
int pictureBottom(const WindowHeader& header);

// Under the movie rows.
struct CommandButtons {
    ui::GradientButton* publish = nullptr;
    ui::GradientButton* optionsByDefault = nullptr;
    ui::GradientButton* saveOptions = nullptr;
    ui::GradientButton* about = nullptr;
    ui::GradientButton* exit = nullptr;
};

WindowHeader buildHeader(QWidget* parent);
// The window wires each to its command.
CommandButtons buildCommandButtons(QWidget* parent);

}  // namespace tessaly::app
