#include "app/mdlMain.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Names the data folder: ~/.local/share/pick3-tallymoor holds the game library.
    QCoreApplication::setApplicationName(QStringLiteral("pick3-tallymoor"));
    pick3::Main();
    return QApplication::exec();
}
