// The help window and the web links: the help window's texts at every opening,
// the help document and the download page handed to the desktop, and nothing
// at all when the desktop cannot open them.

#include "app/AppInfo.h"
#include "app/Picture1.h"
#include "app/frmPick3ZozevidAru.h"
#include "app/frmWheelHelp.h"
#include "app/mdlMain.h"
#include "helpers/ModalHelper.h"
#include "helpers/UrlCatcher.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

using namespace pick3;
using pick3::test::child;
using pick3::test::FailingUrlHandler;
using pick3::test::ModalHelper;
using pick3::test::UrlCatcher;

namespace {

const QString kCaption = QStringLiteral("Pick3 Tallymoor V 3.0.0  from Quorvel");
const QString kHelpText = QStringLiteral("Click the button to open the helpfile,\n"
                                         "please make sure you are connected to the internet.");
const QString kDonationText =
    QStringLiteral("Did you won some $$$ using this tool,  and/or want to donate a few $'s for "
                   "the nightly spent hours writing this tool?\n"
                   "https://payments.example/donate, in name of pick3@quorvel.example");

// What a user sees of the help window.
struct HelpSeen {
    QString caption, help, donation, button;
    bool modal = false;
    QPoint closeAt{-1, -1};
    bool hasBanner = true;
};

HelpSeen look(const QWidget* window) {
    HelpSeen seen;
    seen.caption = window->windowTitle();
    seen.help = child<QLabel>(window, "lblhelp")->text();
    seen.donation = child<QLabel>(window, "lblDonation")->text();
    seen.button = child<QPushButton>(window, "cmdHelp")->text();
    seen.modal = window->isModal();
    seen.closeAt = child<QPushButton>(window, "cmdClose")->geometry().topLeft();
    seen.hasBanner = child<QLabel>(window, "lblStateName") != nullptr;
    return seen;
}

void checkHelpTexts(const HelpSeen& seen) {
    QCOMPARE(seen.caption, kCaption);
    QCOMPARE(seen.help, kHelpText);
    QCOMPARE(seen.donation, kDonationText);
    QCOMPARE(seen.button, QStringLiteral("Surf to the Helpfile"));
    QVERIFY(seen.modal);
    QCOMPARE(seen.closeAt, QPoint(0, 0)); // the red Close in the top-left corner
    QVERIFY(!seen.hasBanner);
}

QList<QWidget*> visibleWindows() {
    QList<QWidget*> shown;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible()) {
            shown << w;
        }
    }
    return shown;
}

} // namespace

class HelpTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void aDesktopThatCannotOpenAddressesChangesNothing();
    void pictureOpensTheDownloadPage_data();
    void pictureOpensTheDownloadPage();

    void mainWindowOpensAFreshHelpWindowThatOpensTheHelpDocument();
    void mainWindowPictureOpensTheDownloadPageAndChangesNothing();
    void cleanup();
};

void HelpTest::cleanup() {
    delete mainWindow();
}

void HelpTest::aDesktopThatCannotOpenAddressesChangesNothing() {
    FailingUrlHandler noBrowser;
    // Each of the three requests below reaches the desktop, which fails it.
    for (int request = 0; request < 3; ++request) {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("noSuchMethod")));
    }
    QVERIFY(!QDesktopServices::openUrl(QUrl(QString::fromLatin1(kHelpDocument))));

    frmWheelHelp help;
    help.show();
    QVERIFY(QTest::qWaitForWindowExposed(&help));
    const HelpSeen before = look(&help);
    const QList<QWidget*> shownBefore = visibleWindows();

    QTest::mouseClick(child<QPushButton>(&help, "cmdHelp"), Qt::LeftButton);
    Picture1 picture;
    picture.show();
    QVERIFY(QTest::qWaitForWindowExposed(&picture));
    QTest::mouseClick(&picture, Qt::LeftButton);
    picture.close();
    QTest::qWait(50); // a message box, if one came, would be shown by now

    QVERIFY(help.isVisible());
    QCOMPARE(visibleWindows(), shownBefore);
    checkHelpTexts(look(&help));
    QCOMPARE(look(&help).caption, before.caption);
}

void HelpTest::pictureOpensTheDownloadPage_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("opens");
    QTest::newRow("left click") << "click" << true;
    QTest::newRow("Space") << "space" << true;
    QTest::newRow("Enter") << "enter" << true;
    QTest::newRow("Return") << "return" << true;
    QTest::newRow("right click") << "rightClick" << false;
    QTest::newRow("other key") << "keyA" << false;
    QTest::newRow("pressed, then let go outside") << "dragOut" << false;
}

void HelpTest::pictureOpensTheDownloadPage() {
    QFETCH(QString, action);
    QFETCH(bool, opens);
    UrlCatcher catcher;
    Picture1 picture;
    QCOMPARE(picture.objectName(), QStringLiteral("Picture1"));
    QVERIFY(!picture.accessibleName().isEmpty());
    picture.show();
    QVERIFY(QTest::qWaitForWindowExposed(&picture));
    picture.setFocus();
    const QPoint middle = picture.rect().center();
    if (action == "click") {
        QTest::mouseClick(&picture, Qt::LeftButton, {}, middle);
    } else if (action == "space") {
        QTest::keyClick(&picture, Qt::Key_Space);
    } else if (action == "enter") {
        QTest::keyClick(&picture, Qt::Key_Enter);
    } else if (action == "return") {
        QTest::keyClick(&picture, Qt::Key_Return);
    } else if (action == "rightClick") {
        QTest::mouseClick(&picture, Qt::RightButton, {}, middle);
    } else if (action == "keyA") {
        QTest::keyClick(&picture, Qt::Key_A);
    } else {
        QTest::mousePress(&picture, Qt::LeftButton, {}, middle);
        QTest::mouseRelease(&picture, Qt::LeftButton, {}, QPoint(picture.width() + 20, -20));
    }
    const QList<QUrl> expected =
        opens ? QList<QUrl>{QUrl(QString::fromLatin1(kDownloadPage))} : QList<QUrl>{};
    QCOMPARE(catcher.urls(), expected);
}

void HelpTest::mainWindowOpensAFreshHelpWindowThatOpensTheHelpDocument() {
    Main();
    QWidget* main = mainWindow();
    QVERIFY(main);
    QVERIFY(QTest::qWaitForWindowExposed(main));
    auto* open = child<QPushButton>(main, "cmdHelp");
    QCOMPARE(open->text(), QStringLiteral("Wheel-help"));

    UrlCatcher catcher;
    QList<QPointer<QWidget>> windows;
    for (int opening = 1; opening <= 2; ++opening) {
        ModalHelper helper;
        HelpSeen seen;
        bool blocksMain = false;
        bool stayedOpen = false;
        helper.expect([&](QWidget* modal) {
            windows << modal;
            seen = look(modal);
            QTest::mouseClick(child<QPushButton>(modal, "cmdHelp"), Qt::LeftButton);
            stayedOpen = modal->isVisible();
            // While it is open the main window takes no input.
            blocksMain = QApplication::activeModalWidget() == modal && modal->isModal();
            // The first time by "&Close", the second by Esc: both discard it.
            if (opening == 1) {
                QTest::mouseClick(child<QPushButton>(modal, "cmdClose"), Qt::LeftButton);
            } else {
                QTest::keyClick(modal, Qt::Key_Escape);
            }
        });
        QTest::mouseClick(open, Qt::LeftButton);
        QVERIFY(helper.ran());
        QCOMPARE(windows.back()->objectName(), QStringLiteral("frmWheelHelp"));
        checkHelpTexts(seen);
        QVERIFY(blocksMain);
        QVERIFY(stayedOpen);
        QCOMPARE(catcher.urls().size(), opening);
        QCOMPARE(catcher.urls().back(), QUrl(QString::fromLatin1(kHelpDocument)));
        // Closed, the window is discarded: the next opening makes a new one.
        QTRY_VERIFY(windows.back().isNull());
    }
}

void HelpTest::mainWindowPictureOpensTheDownloadPageAndChangesNothing() {
    UrlCatcher catcher;
    Main();
    QWidget* main = mainWindow();
    QVERIFY(main);
    QVERIFY(QTest::qWaitForWindowExposed(main));
    auto* results = child<QPlainTextEdit>(main, "txtResults");
    const QString textBefore = results->toPlainText();
    const QString captionBefore = main->windowTitle();
    const QList<QWidget*> shownBefore = visibleWindows();

    auto* picture = child<Picture1>(main, "Picture1");
    QVERIFY(picture);
    QVERIFY(picture->isVisible());
    QTest::mouseClick(picture, Qt::LeftButton, {}, picture->rect().center());

    QCOMPARE(catcher.urls(), QList<QUrl>{QUrl(QString::fromLatin1(kDownloadPage))});
    QCOMPARE(results->toPlainText(), textBefore);
    QCOMPARE(main->windowTitle(), captionBefore);
    QCOMPARE(visibleWindows(), shownBefore);
}

QTEST_MAIN(HelpTest)
#include "tst_help.moc"
