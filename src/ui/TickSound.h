#pragma once

// The click tick: a short wave compiled into the program, played without
// blocking; a new tick cuts off one still playing. The wave is read once, on
// this thread, and played by an audio sink from memory: no loader thread is
// left reading it when the program ends. Without a sound device ticks are
// silent.

#include <QAudioFormat>
#include <QByteArray>
#include <QObject>

class QAudioSink;
class QBuffer;

namespace tessaly::ui {

class TickSound : public QObject {
    Q_OBJECT
public:
    explicit TickSound(QObject* parent = nullptr);
    ~TickSound() override;

    void play();
    // How many ticks were started; the window's tests count them.
    int playCount() const { return playCount_; }
    // Whether the wave was read (from the first tick on), with or without a
    // sound device to play it.
    bool hasWave() const { return !wave_.isEmpty(); }

private:
    void prepare();

    bool prepared_ = false;  // at the first tick: start-up stays quick
    QByteArray wave_;        // the samples, without the file's header
    QBuffer* reader_ = nullptr;
    QAudioSink* sink_ = nullptr;
    int playCount_ = 0;
};

}  // namespace tessaly::ui
