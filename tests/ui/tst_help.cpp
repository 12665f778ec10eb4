// The help window and the web links: the same texts at every opening, the help
// document and the download page handed to the desktop, and nothing shown when
// the desktop cannot open them.

#include "helpers/MainWindowDriver.h"

#include <QApplication>
#include <QDesktopServices>
#include <QRegularExpression>

using namespace pick3;
using namespace pick3::test;

class HelpTest : public MainWindowFixture {
    Q_OBJECT

  private Q_SLOTS:

    void helpWindowOpensTheHelpDocument() {
        for (const bool browser : {true, false}) {
            UrlCatcher catcher;
            if (!browser) { // a handler without that method fails the address, as no browser does
                QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "noSuchMethod");
                QTest::ignoreMessage(QtWarningMsg,
                                     QRegularExpression(QStringLiteral("noSuchMethod")));
            }
            QStringList seen;
            QPointer<QWidget> help;
            QVERIFY(inModal(w, QStringLiteral("cmdHelp"), [&](QWidget* modal) {
                help = modal;
                seen << modal->windowTitle()
                     << modal->findChild<QLabel*>(QStringLiteral("lblhelp"))->text()
                     << modal->findChild<QLabel*>(QStringLiteral("lblDonation"))->text();
                clickButton(modal, QStringLiteral("cmdHelp")); // "Surf to the Helpfile"
                QVERIFY(modal->isVisible() && QApplication::activeModalWidget() == modal);
                QCOMPARE(modal->findChild<QWidget*>(QStringLiteral("cmdClose"))->pos(), QPoint());
                if (browser) {
                    clickButton(modal, QStringLiteral("cmdClose"));
                } else {
                    QTest::keyClick(modal, Qt::Key_Escape);
                }
            }));
            QCOMPARE(seen, QStringList({"Pick3 Tallymoor V 3.0.0  from Quorvel",
                                        "Click the button to open the helpfile,\n"
                                        "please make sure you are connected to the internet.",
                                        "Did you won some $$$ using this tool,  and/or want to "
                                        "donate a few $'s for the nightly spent hours writing this "
                                        "tool?\nhttps://payments.example/donate, in name of "
                                        "pick3@quorvel.example"}));
            QTRY_VERIFY(help.isNull()); // discarded: the next opening makes a new one
            const QList<QUrl> helpDocument{
                QUrl(QStringLiteral("https://www.quorvel.example/help/pick3-tallymoor.pdf"))};
            QCOMPARE(catcher.urls(), browser ? helpDocument : QList<QUrl>());
        }
    }

    // A left click, Space or Enter on the picture opens the download page and
    // changes nothing else; a right click opens nothing.
    void pictureOpensTheDownloadPage() {
        UrlCatcher catcher;
        const QString before = resultsText(w) + w->windowTitle();
        QWidget* picture = w->findChild<QWidget*>(QStringLiteral("Picture1"));
        QTest::mouseClick(picture, Qt::RightButton, {}, picture->rect().center());
        QVERIFY(catcher.urls().isEmpty());
        QTest::mouseClick(picture, Qt::LeftButton, {}, picture->rect().center());
        picture->setFocus();
        QTest::keyClick(picture, Qt::Key_Space);
        QTest::keyClick(picture, Qt::Key_Return);
        const QUrl page(QStringLiteral("https://www.quorvel.example/download/pick3-tallymoor.html"));
        QCOMPARE(catcher.urls(), QList<QUrl>({page, page, page}));
        QCOMPARE(resultsText(w) + w->windowTitle(), before);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }
};

QTEST_MAIN(HelpTest)
#include "tst_help.moc"
