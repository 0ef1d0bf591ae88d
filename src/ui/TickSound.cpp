#include "ui/TickSound.h"

#include <QSoundEffect>
#include <QUrl>

static void initUiResources() { Q_INIT_RESOURCE(ui); }

namespace tessaly::ui {

TickSound::TickSound(QObject* parent) : QObject(parent) { initUiResources(); }

TickSound::~TickSound() = default;

void TickSound::play() {
    ++playCount_;
    if (effect_ == nullptr) {
        effect_ = new QSoundEffect(this);
        effect_->setSource(QUrl(QStringLiteral("qrc:/tessaly/tick.wav")));
    }
    effect_->stop();
    effect_->play();
}

}  // namespace tessaly::ui
