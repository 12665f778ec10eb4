#include "app/mdlMain.h"

#include "app/AppInfo.h"
#include "app/frmPick3ZozevidAru.h"

#include <QApplication>
#include <QFontDatabase>
#include <QPointer>

namespace pick3 {

namespace {

QPointer<frmPick3ZozevidAru>& instance() {
    static QPointer<frmPick3ZozevidAru> window;
    return window;
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
        useTahoma();
        instance() = new frmPick3ZozevidAru; // deletes itself when closed
    }
    instance()->show();
}

frmPick3ZozevidAru* mainWindow() {
    return instance().data();
}

} // namespace pick3
