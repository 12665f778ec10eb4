#include "widgets/AppInfo.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QPointer>
#include <QUrl>

namespace pick3 {

const QString& sVersion() {
    static const QString version = QStringLiteral("V %1.%2.%3")
                                       .arg(PICK3_VERSION_MAJOR)
                                       .arg(PICK3_VERSION_MINOR)
                                       .arg(PICK3_VERSION_REVISION);
    return version;
}

const QString& sAppTitle() {
    static const QString title = QStringLiteral("Free Pick3 Tallymoor from Quorvel");
    return title;
}

void showMessage(QWidget* parent, const QString& title, const QString& text) {
    // On the heap: a window discarded while its message is up takes the message with it,
    // which a box on this stack would not survive.
    QPointer<QMessageBox> box =
        new QMessageBox(QMessageBox::Information, title, text, QMessageBox::Ok, parent);
    box->setObjectName(QStringLiteral("messageBox"));
    box->exec();
    delete box.data();
}

void sbOpenWebPage(const QString& address, QWidget* owner) {
    Q_UNUSED(owner); // the desktop places the browser itself
    (void)QDesktopServices::openUrl(QUrl(address));
}

} // namespace pick3
