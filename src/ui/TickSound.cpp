#include "ui/TickSound.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QBuffer>
#include <QFile>
#include <QMediaDevices>
#include <QWaveDecoder>

static void initUiResources() { Q_INIT_RESOURCE(ui); }

namespace tessaly::ui {

TickSound::TickSound(QObject* parent) : QObject(parent) { initUiResources(); }

TickSound::~TickSound() {
    if (sink_ != nullptr) sink_->stop();
}

void TickSound::prepare() {
    prepared_ = true;
    QFile file(QStringLiteral(":/tessaly/tick.wav"));
    QWaveDecoder decoder(&file);
    // A file in memory: the header is read within open().
    if (!file.open(QIODevice::ReadOnly) || !decoder.open(QIODevice::ReadOnly)) return;
    const QAudioFormat format = decoder.audioFormat();
    if (!format.isValid()) return;
    wave_ = decoder.readAll();
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (wave_.isEmpty() || device.isNull() || !device.isFormatSupported(format)) return;
    reader_ = new QBuffer(&wave_, this);
    reader_->open(QIODevice::ReadOnly);
    sink_ = new QAudioSink(device, format, this);
}

void TickSound::play() {
    ++playCount_;
    if (!prepared_) prepare();
    if (sink_ == nullptr) return;
    sink_->stop();
    reader_->seek(0);
    sink_->start(reader_);
}

}  // namespace tessaly::ui
