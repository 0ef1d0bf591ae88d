#pragma once

// The About box: the program's name and maker, its version, build and
// licence, links to its home page and the developers' mailbox, and Close.

#include <QDialog>

namespace tessaly::app {

class Launcher;

class AboutBox : public QDialog {
    Q_OBJECT
public:
    AboutBox(QWidget* owner, Launcher& launcher);
};

}  // namespace tessaly::app
