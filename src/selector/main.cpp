// selector: writes the redirect page that sends WebGL browsers to the Html5
// video and all others to the Flash one. One copy runs at a time: a second
// start brings the first to the front and ends.

#include <QApplication>

#include "selector/SelectorWindow.h"
#include "ui/SingleInstance.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("example.tessaly.Selector"));
    if (tessaly::ui::activateRunning(tessaly::ui::selectorChannel())) return 0;

    tessaly::selector::SelectorWindow window;
    const tessaly::ui::SingleInstanceServer server(tessaly::ui::selectorChannel(),
                                                   [&window](const QByteArray&) { window.bringForward(); });
    window.show();
    return QApplication::exec();
}
