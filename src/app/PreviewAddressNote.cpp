#include "app/PreviewAddressNote.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/DesktopTexts.h"
#include "ui/MessageLooks.h"
#include "ui/Strings.h"

namespace tessaly::app {

PreviewAddressNote::PreviewAddressNote(QWidget* window) : QDialog(window), address_(new QLineEdit(this)) {
    setWindowTitle(ui::captionOf(Topic::Preview));
    setModal(false);
    address_->setReadOnly(true);
    address_->setMinimumWidth(address_->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 40);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* copyButton = buttons->addButton(ui::qs(texts::kCopyAddress), QDialogButtonBox::ActionRole);
    connect(copyButton, &QPushButton::clicked, this, &PreviewAddressNote::copy);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::hide);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(ui::qs(texts::kPreviewServedAt), this));
    layout->addWidget(address_);
    layout->addWidget(buttons);
}

void PreviewAddressNote::showAddress(const QString& address) {
    address_->setText(address);
    address_->selectAll();
    show();
    raise();
}

QString PreviewAddressNote::address() const { return address_->text(); }

void PreviewAddressNote::copy() {
    if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setText(address_->text());
}

}  // namespace tessaly::app
