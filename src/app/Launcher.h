#pragma once

// What the window starts outside itself: the selector program, the user's guide
// and the About box links. Tests replace it to see what would be started.

#include <QString>
#include <QUrl>

namespace tessaly::app {

class Launcher {
public:
    virtual ~Launcher() = default;
    // Asks a running selector to come forward; false when none answers.
    virtual bool activateSelector() = 0;
    // Starts a program without waiting for it; false when it cannot start.
    virtual bool startProgram(const QString& path) = 0;
    // The desktop's browser, mail program or document viewer.
    virtual bool openUrl(const QUrl& url) = 0;
};

class DesktopLauncher : public Launcher {
public:
    bool activateSelector() override;
    bool startProgram(const QString& path) override;
    bool openUrl(const QUrl& url) override;
};

}  // namespace tessaly::app
