#include "app/mdlMain.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    pick3::Main();
    return QApplication::exec();
}
