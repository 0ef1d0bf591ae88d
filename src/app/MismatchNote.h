#pragma once

// After slot 1's movie is replaced: a small note beside the work, not in its
// way, naming the Hot Spots that now lie past the movie's end and the slots
// that hold another movie. The question before publishing asks again.

#include <QDialog>

class QLabel;

namespace tessaly::app {

class MismatchNote : public QDialog {
    Q_OBJECT
public:
    explicit MismatchNote(QWidget* window);

    // Shows the note with `text` (or brings it forward); hides it when `text` is empty.
    void showNote(const QString& text);
    QString text() const;

private:
    QLabel* text_;
};

}  // namespace tessaly::app
