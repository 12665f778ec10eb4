// The import window from the hot/cold counter: a file handed in, its preview
// and the choices that change it, "Use these draws" counted at once and undone
// by Ctrl+Z, the back-test naming imported draws by date while the box holds
// them, a file dropped on the draw box, the warning under the box, bad files
// that are told in a message and change nothing, layouts of real histories
// read into the box exactly, draw-time codes corrected, and the window's size.

#include "backtest/DrawStrip.h"
#include "helpers/MainWindowDriver.h"
#include "widgets/FileAccess.h"
#include "widgets/TextBox.h"

#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMimeData>
#include <QScrollBar>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>

using namespace pick3;
using namespace pick3::test;

namespace {
// Two days of a twice-daily game, one row given twice, one line that is no draw.
const QByteArray kHistory = "Date,Draw,Numbers\n"
                            "12/06/2026,Evening,489\n"
                            "12/06/2026,Midday,123\n"
                            "12/05/2026,Evening,555\n"
                            "12/05/2026,Evening,555\n"
                            "12/05/2026,Midday,007\n"
                            "see you tomorrow\n";
const QString kOldText = QStringLiteral("111 222\n333");

QPlainTextEdit* drawBox(const QWidget* counter) {
    return counter->findChild<QPlainTextEdit*>(QStringLiteral("txtDrawnNumber"));
}
QString label(const QWidget* window, const char* name) {
    return window->findChild<QLabel*>(QLatin1String(name))->text();
}
// The preview's rows: "date day time number line" each.
QStringList previewRows(const QWidget* import) {
    return rowsOf(import, "tblImportedDraws");
}
// Runs `act` and reads, then closes, the first modal window named `name` that it opens
// within `ms`, at once or from a worker thread.
QString readModal(const QString& name, const std::function<void()>& act,
                  const std::function<QString(QWidget*)>& read, int ms = 10000) {
    QString seen;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (seen.isEmpty() && modal != nullptr && modal->objectName() == name) {
            seen = read(modal);
            modal->close();
        }
    });
    poll.start(10);
    act();
    (void)QTest::qWaitFor([&seen] { return !seen.isEmpty(); }, ms);
    return seen;
}
// A file of the layout corpus, and the numbers it must give, newest first.
QString layoutPath(const QString& name) {
    return QStringLiteral(PICK3_TEST_DATA_DIR "/layouts/") + name;
}
QString expectedBox(const QString& name) {
    QFile file(layoutPath(QStringLiteral("expected.txt")));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
    const auto at = lines.indexOf("= " + name);
    QString box;
    for (const QString& draw : lines.value(at + 1).mid(6).split(' ')) {
        box += draw.right(3) + '\n';
    }
    return box;
}
void choose(QWidget* import, const char* combo, int index) {
    auto* box = import->findChild<QComboBox*>(QLatin1String(combo));
    box->setCurrentIndex(index);
    Q_EMIT box->activated(index);
}
} // namespace

class ImportDrawsTest : public MainWindowFixture {
    Q_OBJECT
    QTemporaryDir dir;

    QString fileWith(const QByteArray& bytes, const QString& name = QStringLiteral("draws.csv")) {
        QFile file(dir.filePath(name));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()
                   ? file.fileName()
                   : QString();
    }
    // Opens the counter with kOldText in its draw box and runs `operate` in it.
    void inCounter(const std::function<void(QWidget*)>& operate) {
        QVERIFY(inModal(w, QStringLiteral("cmdHotCold"), [&](QWidget* counter) {
            drawBox(counter)->setPlainText(kOldText);
            operate(counter);
            QTest::keyClick(counter, Qt::Key_Escape); // hidden: the count stays in force
        }));
    }
    QString backTestCell(int cell) {
        QString text;
        inModal(w, QStringLiteral("cmdBackTest"), [&](QWidget* backTest) {
            text = backTest->findChild<DrawStrip*>()->describeCell(cell);
        });
        return text;
    }

  private Q_SLOTS:
    void cleanup() { setFileChooser({}); }

    void previewChoicesUseAndUndo() {
        doSteps(w, {QStringLiteral("lstDigitsWheel:0123456789")}); // every draw a hit
        const QString path = fileWith(kHistory);
        setFileChooser([path](const FileQuestion& q) {
            return q.filter.contains("*.csv") && q.filter.contains("*.tsv") ? path : QString();
        });
        inCounter([&](QWidget* counter) {
            QVERIFY(inModal(counter, QStringLiteral("cmdImportDraws"), [](QWidget* import) {
                clickButton(import, QStringLiteral("cmdImportFile"));
                QCOMPARE(label(import, "lblImportSummary"),
                         "4 draws on 2 dates, 2026-12-05 to 2026-12-06; 1 line not read; 1 row "
                         "twice");
                QCOMPARE(
                    previewRows(import),
                    QStringList({"2026-12-06 Sun Evening 489 2", "2026-12-06 Sun Midday 123 3",
                                 "2026-12-05 Sat Evening 555 4", "2026-12-05 Sat Midday 007 6"}));
                clickButton(import, QStringLiteral("chkDrawTime(0)")); // Midday out
                clickButton(import, QStringLiteral("optImportNewest(1)"));
                QCOMPARE(previewRows(import), QStringList({"2026-12-05 Sat Evening 555 4",
                                                           "2026-12-06 Sun Evening 489 2"}));
                choose(import, "cboDateOrder", 2); // day/month/year: 12 May and 12 June
                QCOMPARE(previewRows(import).first(), "2026-05-12 Tue Evening 555 4");
                choose(import, "cboDateOrder", 1); // month/day/year again
                QCOMPARE(previewRows(import).size(), 2);
                clickButton(import, QStringLiteral("cmdUseDraws"));
            }));
            QCOMPARE(drawBox(counter)->toPlainText(), "555\n489\n");
            const auto* ranked = counter->findChild<QListWidget*>(QStringLiteral("lstPos1"));
            QCOMPARE(ranked->item(0)->text().left(1), "4"); // counted: 4 and 5 once each
            QVERIFY(ranked->isEnabled());
        });
        QCOMPARE(backTestCell(1), "Draw 2, Sun 2026-12-06 Evening, 489: hit");
        // Edited and counted again, the box no longer holds the import's draws.
        inCounter([](QWidget* counter) {
            drawBox(counter)->setPlainText("555 489");
            clickButton(counter, QStringLiteral("cmdGo"));
        });
        QCOMPARE(backTestCell(1), "Draw 2, 489: hit");
    }

    void undoRestoresTheOldText() {
        setFileChooser([path = fileWith(kHistory)](const FileQuestion&) { return path; });
        inCounter([](QWidget* counter) {
            QVERIFY(inModal(counter, QStringLiteral("cmdImportDraws"), [](QWidget* import) {
                clickButton(import, QStringLiteral("cmdImportFile"));
                clickButton(import, QStringLiteral("cmdUseDraws"));
            }));
            QCOMPARE(drawBox(counter)->toPlainText(), "489\n123\n555\n007\n");
            QTest::keyClick(drawBox(counter), Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(drawBox(counter)->toPlainText(), kOldText);
        });
    }

    // A long history goes into the box a few dozen lines to a paragraph: it reads back
    // line for line, scrolls its whole length at once, and Ctrl+Z still undoes it.
    void aLongHistoryReadsBackLineForLine() {
        QCOMPARE(inParagraphs(QStringLiteral("1\r2\r\n3\n4\n"), 2), QStringLiteral("1\u2028"
                                                                                   "2\n3\u2028"
                                                                                   "4\n"));
        // 600 draws, the newest first as a results page gives them.
        QByteArray csv = "Date,Draw,Numbers\n";
        QString expected;
        for (int day = 299; day >= 0; --day) {
            for (const int evening : {1, 0}) {
                const QString number =
                    QStringLiteral("%1").arg((day * 37 + evening * 500) % 1000, 3, 10, QChar('0'));
                csv += QDate(2026, 1, 1).addDays(day).toString(u"MM/dd/yyyy").toLatin1() +
                       (evening ? ",Evening," : ",Midday,") + number.toLatin1() + '\n';
                expected += number + '\n';
            }
        }
        setFileChooser([path = fileWith(csv)](const FileQuestion&) { return path; });
        inCounter([&](QWidget* counter) {
            QVERIFY(inModal(counter, QStringLiteral("cmdImportDraws"), [](QWidget* import) {
                clickButton(import, QStringLiteral("cmdImportFile"));
                clickButton(import, QStringLiteral("cmdUseDraws"));
            }));
            QPlainTextEdit* box = drawBox(counter);
            QCOMPARE(box->toPlainText(), expected);
            QVERIFY(box->blockCount() < 60);
            // The scroll range of the same text typed in line by line, at the same size.
            QPlainTextEdit typed;
            typed.setFont(box->font());
            typed.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            typed.resize(box->size());
            typed.setPlainText(expected);
            typed.show();
            QVERIFY(QTest::qWaitForWindowExposed(&typed));
            QCOMPARE(box->verticalScrollBar()->maximum(), typed.verticalScrollBar()->maximum());
            QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(box->toPlainText(), kOldText);
        });
    }

    void layoutsThroughTheWindow_data() {
        QTest::addColumn<QString>("file");
        QTest::newRow("records side by side from a PDF") << "pdf-columns.txt";
        QTest::newRow("page furniture among date blocks") << "page-furniture.txt";
    }
    void layoutsThroughTheWindow() {
        QFETCH(QString, file);
        const QString box = expectedBox(file);
        QVERIFY(box.size() > 40);
        setFileChooser([path = layoutPath(file)](const FileQuestion&) { return path; });
        inCounter([&](QWidget* counter) {
            QVERIFY(inModal(counter, QStringLiteral("cmdImportDraws"), [](QWidget* import) {
                clickButton(import, QStringLiteral("cmdImportFile"));
                clickButton(import, QStringLiteral("cmdUseDraws"));
            }));
            QCOMPARE(drawBox(counter)->toPlainText(), box);
            QVERIFY(counter->findChild<QListWidget*>(QStringLiteral("lstPos1"))->isEnabled());
        });
    }

    void drawTimeCodesShownAndCorrected() {
        setFileChooser([path = fileWith("12/06/2026 E 489\n12/06/2026 M 123\n12/05/2026 E "
                                        "555\n")](const FileQuestion&) { return path; });
        inCounter([&](QWidget* counter) {
            QVERIFY(inModal(counter, QStringLiteral("cmdImportDraws"), [](QWidget* import) {
                clickButton(import, QStringLiteral("cmdImportFile"));
                QVERIFY(label(import, "lblDateReading")
                            .contains("Draw times: M = Midday, E = Evening."));
                QCOMPARE(previewRows(import).first(), "2026-12-06 Sun Evening 489 1");
                auto* codes = import->findChild<QLineEdit*>(QStringLiteral("txtTimeCodes"));
                codes->setFocus();
                codes->selectAll();
                QTest::keyClicks(codes, "E = Day, M = Night");
                QTest::keyClick(codes, Qt::Key_Return);
                QCOMPARE(previewRows(import).first(), "2026-12-06 Sun Night 123 2");
                clickButton(import, QStringLiteral("cmdUseDraws"));
            }));
            QCOMPARE(drawBox(counter)->toPlainText(), "123\n489\n555\n");
        });
    }

    // A conflict shows both numbers with their lines, and the choice, without
    // its drop-down opened; picking one puts it into the draws to use.
    void conflictsShowBothNumbers() {
        setFileChooser(
            [path = fileWith("12/06/2026,Evening,489\n12/06/2026,Evening,123\n"
                             "12/05/2026,Evening,555\n")](const FileQuestion&) { return path; });
        inCounter([&](QWidget* counter) {
            QVERIFY(inModal(counter, QStringLiteral("cmdImportDraws"), [](QWidget* import) {
                clickButton(import, QStringLiteral("cmdImportFile"));
                const auto* table =
                    import->findChild<QTableWidget*>(QStringLiteral("tblConflicts"));
                QCOMPARE(table->rowCount(), 1);
                QCOMPARE(table->item(0, 2)->text(), "489 (line 1), 123 (line 2)");
                auto* pick = import->findChild<QComboBox*>(QStringLiteral("cboConflict(0)"));
                QCOMPARE(pick->currentText(), "leave out");
                QVERIFY(table->columnWidth(3) >= pick->sizeHint().width());
                QCOMPARE(previewRows(import).size(), 1);
                pick->setCurrentIndex(2);
                QCOMPARE(previewRows(import).first(), "2026-12-06 Sun Evening 123 2");
            }));
        });
    }

    // The shorthand reads digits as it reads letters.
    void drawTimeDigitsNamed() {
        setFileChooser([path = fileWith("11/27/26 2 9-8-7\n11/27/26 1 6-5-3\n")](
                           const FileQuestion&) { return path; });
        inCounter([&](QWidget* counter) {
            QVERIFY(inModal(counter, QStringLiteral("cmdImportDraws"), [](QWidget* import) {
                clickButton(import, QStringLiteral("cmdImportFile"));
                QCOMPARE(previewRows(import).first(), "2026-11-27 Fri Draw 2 987 1");
                auto* codes = import->findChild<QLineEdit*>(QStringLiteral("txtTimeCodes"));
                codes->setFocus();
                codes->selectAll();
                QTest::keyClicks(codes, "1 = Midday, 2 = Evening");
                QTest::keyClick(codes, Qt::Key_Return);
                QCOMPARE(previewRows(import).first(), "2026-11-27 Fri Evening 987 1");
            }));
        });
    }

    void drops_data() {
        QTest::addColumn<bool>("file");
        QTest::addColumn<QString>("summary"); // of the import window; none for text
        QTest::addColumn<QString>("box");
        QTest::newRow("a file opens the import window") << true << "4 draws on 2 dates" << kOldText;
        QTest::newRow("text goes in as before") << false << ""
                                                << "345" + kOldText;
    }
    void drops() {
        QFETCH(bool, file);
        QFETCH(QString, summary);
        QFETCH(QString, box);
        QMimeData mime;
        file ? mime.setUrls({QUrl::fromLocalFile(fileWith(kHistory))})
             : mime.setText(QStringLiteral("345"));
        inCounter([&](QWidget* counter) {
            QWidget* target = drawBox(counter)->viewport();
            const auto dropped = [&] {
                QDragEnterEvent enter({5, 5}, Qt::CopyAction, &mime, Qt::LeftButton, {});
                QCoreApplication::sendEvent(target, &enter);
                QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, {});
                QCoreApplication::sendEvent(target, &drop);
            };
            const QString shown = readModal(
                "frmImportDraws", dropped,
                [](QWidget* import) { return label(import, "lblImportSummary") + '.'; }, 300);
            QCOMPARE(shown.isEmpty(), !file);
            QCOMPARE(shown.left(summary.size()), summary);
            QCOMPARE(drawBox(counter)->toPlainText(), box);
        });
    }

    void warningLine_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("warned");
        QTest::newRow("draws in any form") << "489 123-555\n007/250" << false;
        QTest::newRow("a results page") << "12/06/2026 Evening 4-8-9" << true;
        QTest::newRow("a header") << "Date,Draw,Numbers\n489" << true;
    }
    void warningLine() {
        QFETCH(QString, text);
        QFETCH(bool, warned);
        inCounter([&](QWidget* counter) {
            const auto* warning = counter->findChild<QLabel*>(QStringLiteral("lblDatedText"));
            QTRY_VERIFY(!warning->isVisible()); // kOldText: plain draws
            drawBox(counter)->setPlainText(text);
            QTRY_COMPARE(warning->isVisible(), warned);
            QCOMPARE(warning->text().contains("\"Import draws...\""), warned);
        });
    }

    void badFiles_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<qint64>("size"); // grown to this, unread, when not 0
        QTest::addColumn<QString>("told");
        QTest::newRow("empty") << QByteArray() << 0LL << "The text is empty";
        QTest::newRow("a picture")
            << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << 0LL << "does not hold text";
        QTest::newRow("no draw") << QByteArray("Name,Town\nAnn,Oslo\n") << 0LL << "No draw found";
        QTest::newRow("10 MB without a line break")
            << QByteArray(10'000'000, '7') << 0LL << "No draw found";
        QTest::newRow("200 MB") << QByteArray() << 200'000'000LL << "files over 100 MB";
        QTest::newRow("gone") << QByteArray("-") << -1LL << "could not be opened";
    }
    void badFiles() {
        QFETCH(QByteArray, bytes);
        QFETCH(qint64, size);
        QFETCH(QString, told);
        const QString good = fileWith(kHistory);
        QString bad = fileWith(bytes, QStringLiteral("bad.csv"));
        size > 0 ? void(QFile::resize(bad, size)) : size < 0 ? void(QFile::remove(bad)) : void();
        inCounter([&](QWidget* counter) {
            QVERIFY(inModal(counter, QStringLiteral("cmdImportDraws"), [&](QWidget* import) {
                setFileChooser([&good](const FileQuestion&) { return good; });
                clickButton(import, QStringLiteral("cmdImportFile"));
                setFileChooser([&bad](const FileQuestion&) { return bad; });
                const QString seen = readModal(
                    "messageBox", [import] { clickButton(import, "cmdImportFile"); },
                    [](QWidget* box) { return static_cast<QMessageBox*>(box)->text(); });
                QVERIFY2(seen.contains(told), qPrintable(seen));
                QVERIFY(label(import, "lblImportSummary").startsWith("4 draws")); // as it was
            }));
            QCOMPARE(drawBox(counter)->toPlainText(), kOldText);
        });
    }
};

QTEST_MAIN(ImportDrawsTest)
#include "tst_importdraws.moc"
