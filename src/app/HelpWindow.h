#pragma once

// The short help window (F1): what to do, in five steps, and what each option means.

#include <QDialog>
#include <functional>

namespace tessaly::app {

class HelpWindow : public QDialog {
    Q_OBJECT
public:
    // `tick` sounds when "Exit Help" is pressed (the close button stays silent).
    HelpWindow(QWidget* owner, std::function<void()> tick);
};

}  // namespace tessaly::app
