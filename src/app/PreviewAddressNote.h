#pragma once

// After Preview in Browser: a small note beside the work, not in its way, with
// the served page's address to select or copy, for when the browser did not
// start or another browser is wanted.

#include <QDialog>

class QLineEdit;

namespace tessaly::app {

class PreviewAddressNote : public QDialog {
    Q_OBJECT
public:
    explicit PreviewAddressNote(QWidget* window);

    // Shows the note (or brings it forward) with `address`.
    void showAddress(const QString& address);
    QString address() const;
    // Puts the address on the clipboard, as the Copy button does.
    void copy();

private:
    QLineEdit* address_;
};

}  // namespace tessaly::app
