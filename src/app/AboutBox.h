#pragma once

// The About box: the program's name and maker, its build, and links to the
// maker's web site and support mailbox.

#include <QDialog>

namespace tessaly::app {

class Launcher;

class AboutBox : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* kSiteUrl = "https://tessaly.example.org/";
    static constexpr const char* kMailUrl = "mailto:support@tessaly.example.org";

    AboutBox(QWidget* owner, Launcher& launcher);
};

}  // namespace tessaly::app
