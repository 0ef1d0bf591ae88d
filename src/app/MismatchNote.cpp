#include "app/MismatchNote.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "core/publish/PublishMessages.h"
#include "ui/MessageLooks.h"
#include "ui/Strings.h"

namespace tessaly::app {

MismatchNote::MismatchNote(QWidget* window) : QDialog(window), text_(new QLabel(this)) {
    setWindowTitle(ui::captionOf(Topic::SlotOneReplaced));
    setModal(false);
    // The keyboard stays with the window: the note only tells.
    setAttribute(Qt::WA_ShowWithoutActivating);
    text_->setTextFormat(Qt::PlainText);
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::hide);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addWidget(buttons);
}

void MismatchNote::showNote(const QString& text) {
    text_->setText(text);
    if (text.isEmpty()) {
        hide();
        return;
    }
    adjustSize();
    show();
    raise();
}

QString MismatchNote::text() const { return text_->text(); }

}  // namespace tessaly::app
