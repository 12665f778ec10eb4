// The program's whole start-up as a process: load its libraries, build and show
// the main window, and quit as soon as the event loop has run once. Timed from
// outside against bare_qt_window, a shown QWidget and nothing else.
#include "app/mdlMain.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    pick3::Main();
    QTimer::singleShot(0, &app, &QApplication::quit);
    return QApplication::exec();
}
