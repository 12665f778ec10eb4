#include "app/mdlMain.h"

#include "app/frmPick3ZozevidAru.h"
#include "widgets/AppInfo.h"
#include "widgets/FileAccess.h"

#include <QApplication>
#include <QFontDatabase>
#include <QIcon>
#include <QPointer>

namespace pick3 {

namespace {

QPointer<frmPick3ZozevidAru>& instance() {
    static QPointer<frmPick3ZozevidAru> window;
    return window;
}

// The icon of every window, and the desktop entry that a desktop ties the running program to.
void useOwnIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/example.quorvel.Pick3Tallymoor-%1.png").arg(size));
    }
    QApplication::setWindowIcon(icon);
    QGuiApplication::setDesktopFileName(QStringLiteral("example.quorvel.Pick3Tallymoor"));
}

// Tahoma where installed; otherwise the system's own sans-serif stays.
void useTahoma() {
    if (QFontDatabase::families().contains(QStringLiteral("Tahoma"))) {
        QFont font = QApplication::font();
        font.setFamily(QStringLiteral("Tahoma"));
        QApplication::setFont(font);
    }
}

} // namespace

void Main() {
    (void)sVersion();
    if (instance().isNull()) {
        (void)keepSettingsForTheRunOnly(); // before any file dialog reads or writes them

        useTahoma();
        useOwnIcon();
        instance() = new frmPick3ZozevidAru; // deletes itself when closed
    }
    instance()->show();
}

frmPick3ZozevidAru* mainWindow() {
    return instance().data();
}

} // namespace pick3
