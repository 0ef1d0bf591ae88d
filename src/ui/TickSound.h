#pragma once

// The click tick: a short wave compiled into the program, played without
// blocking; a new tick cuts off one still playing.

#include <QObject>

class QSoundEffect;

namespace tessaly::ui {

class TickSound : public QObject {
    Q_OBJECT
public:
    explicit TickSound(QObject* parent = nullptr);
    ~TickSound() override;

    void play();
    // How many ticks were started; the window's tests count them.
    int playCount() const { return playCount_; }

private:
    QSoundEffect* effect_ = nullptr;  // made at the first tick: start-up stays quick
    int playCount_ = 0;
};

}  // namespace tessaly::ui
