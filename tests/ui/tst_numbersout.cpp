// The numbers taken away: saved as shown and as CSV (a file name handed in for
// the dialog), printed to a PDF read back with pdftotext; no number, a full
// disk and a missing folder say so. On a small screen only the filter lists scroll.

#include "app/PlayListPrinter.h"
#include "engine/Messages.h"
#include "helpers/MainWindowDriver.h"
#include "widgets/FileAccess.h"
#include "widgets/Look.h"

#include <QPrinter>
#include <QProcess>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <csignal>
#include <sys/resource.h>

using namespace pick3;
using namespace pick3::test;

class NumbersOutTest : public MainWindowFixture {
    Q_OBJECT
    QTemporaryDir dir_;
    QString path(const char* name) const { return dir_.filePath(QString::fromUtf8(name)); }
    QByteArray contents(const char* name) const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
    }
    // Saves or prints into `name`, handed in for the dialog; the message shown, if any.
    QString takeAway(const char* button, const char* name) {
        setFileChooser([file = path(name)](const FileQuestion& q) {
            return q.filter.contains("(*.txt)") && q.filter.contains("(*.csv)") ? file : "";
        });
        setPrinterSetup([file = path(name)](QPrinter& printer, QWidget*) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(file);
            return true;
        });
        return messageAfterClicking(w, QString::fromLatin1(button)).text;
    }

  private Q_SLOTS:
    void savedAsShownAndAsCsv() {
        doSteps(w, {"lstDigitsWheel:1234", "cmdProduce"});
        QVERIFY(takeAway("cmdSaveNumbers", "numbers.txt").isEmpty() &&
                takeAway("cmdSaveNumbers", "numbers.csv").isEmpty());
        QCOMPARE(contents("numbers.txt"), resultsText(w).replace("\n", "\r\n").toUtf8() + "\r\n");
        const QList<QByteArray> rows = contents("numbers.csv").split('\n');
        QCOMPARE(rows.size(), 22); // the header, 20 numbers, nothing after the last break
        QCOMPARE(rows[1] + rows[20], "123,single,boxed,LMH\r444,triple,boxed,LLL\r");
    }

    // A name typed without an ending gets the ending of the type chosen in the
    // dialog, and its contents follow that ending; a typed ending stays.
    void typedNameGetsTheChosenType_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("saved");
        QTest::addColumn<bool>("csv");
        const auto row = [](const char* tag, const char* typed, const char* type, const char* saved,
                            bool csv) { QTest::newRow(tag) << typed << type << saved << csv; };
        row("CSV", "evening", "CSV with structure (*.csv)", "evening.csv", true);
        row("text", "evening", "Text, as shown (*.txt)", "evening.txt", false);
        row("all files", "evening", "All files (*)", "evening.txt", false);
        row("typed ending", "evening.csv", "Text, as shown (*.txt)", "evening.csv", true);
    }
    void typedNameGetsTheChosenType() {
        QFETCH(QString, typed);
        QFETCH(QString, type);
        QFETCH(QString, saved);
        QFETCH(bool, csv);
        doSteps(w, {"lstDigitsWheel:1234", "cmdProduce"});
        setFileChooser([&](const FileQuestion&) { return FileAnswer(dir_.filePath(typed), type); });
        QCOMPARE(messageAfterClicking(w, QStringLiteral("cmdSaveNumbers")).text, QString());
        QFile file(dir_.filePath(saved));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(saved));
        const QByteArray first = file.readLine();
        QCOMPARE(first, csv ? "number,structure,play,digit-sort\r\n" : "123, 124, 134, 234\r\n");
        QVERIFY(QFile::remove(dir_.filePath(saved)));
        QVERIFY(!QFile::exists(dir_.filePath(typed)));
    }

    // A full disk (a file size limit here) and a missing folder: a message, the old file whole.
    void failuresSaySoAndKeepTheOldFile() {
        QCOMPARE(takeAway("cmdSaveNumbers", "old.txt") + takeAway("cmdPrint", "old.pdf"),
                 fromEngine(kMsgNoNumbers).repeated(2));
        doSteps(w, {"lstDigitsWheel:0123456789", "cmdProduce"});
        QFile old(path("old.txt"));
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
        old.close();
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit small{100, limit.rlim_max};
        std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &small);
        const QString full = takeAway("cmdSaveNumbers", "old.txt");
        setrlimit(RLIMIT_FSIZE, &limit);
        QVERIFY2(full.contains("could not be saved: ") &&
                     full.endsWith(". The file on disk is as it was."),
                 qPrintable(full));
        QCOMPARE(contents("old.txt"), "old");
        QVERIFY(takeAway("cmdPrint", "gone/list.pdf").contains("could not be written"));
    }

    void printedToPdf() {
        doSteps(w, {"optPositionDigit(1)", "lstDigitsWheelPos1(0)+", "lstDigitsWheelPos1(1)+",
                    "lstDigitsWheelPos1(2)+", "lstSumDigits:0", "cmdProduce"});
        QCOMPARE(takeAway("cmdPrint", "list.pdf"), QString());
        QProcess pdftotext;
        pdftotext.start("pdftotext", {"-layout", path("list.pdf"), "-"});
        if (!pdftotext.waitForFinished()) {
            QSKIP("pdftotext (poppler-utils) is not installed");
        }
        const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
        const QString head = "Pick3 Tallymoor: numbers to play Printed " +
                             QLocale().toString(QDate::currentDate(), QLocale::LongFormat) +
                             " Mode: Positional: straight numbers Conditions in force: Sumdigits "
                             "0 Count: 999 numbers: 720 singles, 270 doubles, 9 triples ";
        QVERIFY2(text.startsWith(head), qPrintable(text));
        // Every number in the order of the box; the footers hold no three-digit number.
        static const QRegularExpression three(QStringLiteral("\\b\\d{3}\\b"));
        QStringList printed;
        for (auto it = three.globalMatch(text.mid(head.size())); it.hasNext();) {
            printed << it.next().captured();
        }
        QCOMPARE(printed, numbersIn(resultsText(w)));
        QVERIFY(text.contains("Page 1 of 2") && text.endsWith("Page 2 of 2"));
    }

    // At the most a window may be high, 640: on a 1280 x 720 screen nothing scrolls; on
    // 1024 x 768 the digits and every command stay in view, the filter lists scroll.
    void roomOnSmallScreens() {
        auto* whole = ctl<QScrollArea>("mainScroll");
        auto* filters = ctl<QScrollArea>("filterScroll");
        for (const char* mode : {"optPositionDigit(0)", "optPositionDigit(1)"}) {
            for (const QSize size : {QSize(1280, 640), QSize(1024, 640)}) {
                doSteps(w, {mode});
                w->resize(size);
                QTRY_COMPARE(w->size(), size);
                QApplication::processEvents();
                const QRect seen(whole->viewport()->mapTo(w, QPoint()), whole->viewport()->size());
                QCOMPARE(whole->horizontalScrollBar()->maximum() +
                             whole->verticalScrollBar()->maximum() +
                             filters->verticalScrollBar()->maximum(),
                         0);
                for (QWidget* c :
                     ctl("commandPanel")->findChildren<QWidget*>() + QList{ctl("digitPanel")}) {
                    QVERIFY2(!c->isVisible() ||
                                 seen.contains(QRect(c->mapTo(w, QPoint()), c->size())),
                             qPrintable(c->objectName()));
                }
                QCOMPARE(filters->horizontalScrollBar()->maximum() > 0, size.width() == 1024);
            }
        }
    }
};

QTEST_MAIN(NumbersOutTest)
#include "tst_numbersout.moc"
