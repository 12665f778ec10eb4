// The numbers taken away: saved as shown and as CSV (a file name handed in for
// the dialog), printed to a PDF read back with pdftotext; no number, a full
// disk and a missing folder say so. On a small screen only the filter lists scroll.

#include "app/PlayListPrinter.h"
#include "engine/Messages.h"
#include "helpers/MainWindowDriver.h"
#include "widgets/FileAccess.h"
#include "widgets/Look.h"
#include "widgets/PrintDialog.h"

#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QSet>
#include <QTemporaryDir>
#include <array>
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

    // The printed text of `name`, or why not; `options` as pdftotext takes them.
    QString pdfText(const char* name, const QStringList& options) const {
        QProcess pdftotext;
        pdftotext.start("pdftotext", options + QStringList{path(name), "-"});
        return pdftotext.waitForFinished() ? QString::fromUtf8(pdftotext.readAllStandardOutput())
                                           : QString();
    }

    // The heading with the conditions one list a line, then the numbers of the
    // box under "Singles", "Doubles" and "Triples", each group in the box's order.
    void printedToPdf() {
        doSteps(w, {"optPositionDigit(1)", "lstDigitsWheelPos1(0)+", "lstDigitsWheelPos1(1)+",
                    "lstDigitsWheelPos1(2)+", "lstSumDigits:0", "lstRoot:12", "cmdProduce"});
        QCOMPARE(takeAway("cmdPrint", "list.pdf"), QString());
        const QString text = pdfText("list.pdf", {"-layout"}).simplified();
        if (text.isEmpty()) {
            QSKIP("pdftotext (poppler-utils) is not installed");
        }
        const QString head = "Pick3 Tallymoor: numbers to play Printed " +
                             QLocale().toString(QDate::currentDate(), QLocale::LongFormat) +
                             " Mode: Positional: straight numbers Conditions in force: Root: 1, "
                             "2 Sumdigits: 0 Count: ";
        QVERIFY2(text.startsWith(head), qPrintable(text.left(400)));
        std::array<QStringList, 3> groups{QStringList{"Singles"}, {"Doubles"}, {"Triples"}};
        for (const QString& n : numbersIn(resultsText(w))) {
            const auto distinct = QSet<QChar>{n[0], n[1], n[2]}.size();
            groups[static_cast<std::size_t>(3 - distinct)] << n;
        }
        static const QRegularExpression word(QStringLiteral("\\b(\\d{3}|[STD][a-z]+les)\\b"));
        QStringList printed;
        for (auto it = word.globalMatch(text.mid(text.indexOf("Singles"))); it.hasNext();) {
            printed << it.next().captured();
        }
        QCOMPARE(printed, groups[0] + groups[1] + groups[2]);
        static const QRegularExpression pages(QStringLiteral("Page 1 of (\\d+)"));
        const QString total = pages.match(text).captured(1);
        QVERIFY2(total.toInt() > 1 && text.endsWith("Page " + total + " of " + total),
                 qPrintable(text.right(100)));
    }

    // 100 numbers on one page in 16 point type, every word at least 12.7 mm
    // (36 points) from the edges of the paper.
    void printedPageLeavesMargins() {
        doSteps(w, {"optPositionDigit(1)", "lstDigitsWheelPos1(0):01234",
                    "lstDigitsWheelPos1(1):01234", "lstDigitsWheelPos1(2):0123", "cmdProduce"});
        QCOMPARE(numbersIn(resultsText(w)).size(), 100);
        QCOMPARE(takeAway("cmdPrint", "page.pdf"), QString());
        const QString boxes = pdfText("page.pdf", {"-bbox"});
        static const QRegularExpression pageSize(
            QStringLiteral("<page width=\"([\\d.]+)\" height=\"([\\d.]+)\">"));
        const QRegularExpressionMatch size = pageSize.match(boxes);
        QVERIFY2(size.hasMatch(), "pdftotext gave no page");
        QCOMPARE(boxes.count("<page "), 1);
        const QRectF inside = QRectF(0, 0, size.captured(1).toDouble(), size.captured(2).toDouble())
                                  .adjusted(36, 36, -36, -36);
        static const QRegularExpression word(
            QStringLiteral("xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                           "yMax=\"([\\d.]+)\">([^<]*)<"));
        int numbers = 0;
        QString previous;
        for (auto it = word.globalMatch(boxes); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            const QRectF box(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                             QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()));
            QVERIFY2(inside.contains(box), qPrintable(m.captured(5)));
            if (m.captured(5).size() == 3 && m.captured(5)[0].isDigit() && previous != "Count:") {
                ++numbers;
                QVERIFY2(box.height() >= 17.0, qPrintable(m.captured(5))); // 16 points high
            } else {
                QVERIFY2(box.height() >= 12.0, qPrintable(m.captured(5))); // 11 points at least
            }
            previous = m.captured(5);
        }
        QCOMPARE(numbers, 100);
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
