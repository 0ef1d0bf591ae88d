#pragma once

// The colour dialog of the two "Choose Color" buttons: white preselected, the
// 16 custom colours kept for the run. Tests script the answer.

#include <QColor>
#include <optional>

class QWidget;

namespace tessaly::app {

class ColorChooser {
public:
    // The chosen colour, or nothing when the person cancelled.
    static std::optional<QColor> choose(QWidget* owner);
    // The custom colours start black for the run.
    static void resetCustomColours();

    // Test hooks: while scripted no dialog is shown; each call takes the next
    // answer (nothing = cancel), or cancels when none is left.
    static void setScripted(bool scripted);
    static void setNextAnswer(std::optional<QColor> answer);
};

}  // namespace tessaly::app
