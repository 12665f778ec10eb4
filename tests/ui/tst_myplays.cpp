// The player's own plays through the windows: numbers made in the main window kept by
// "Play these..." as tickets for tomorrow's evening draw of New York Numbers (the plays
// offered those the game sells that day, a triple box refused, the cost shown first),
// the draw kept in the library the next day, and "My plays" showing each ticket won or
// lost, why, what it pays, and the totals; tickets typed as printed (a line not read, a
// play not sold, a ticket entered after its draw); Delete and Ctrl+Z; the CSV of a year.

#include "helpers/MainWindowDriver.h"
#include "widgets/FileAccess.h"
#include "widgets/GameClock.h"
#include "widgets/LibraryAccess.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

using namespace pick3;
using namespace pick3::test;

namespace {

// 2026-12-08 at `time` on New York's clock.
void setClock(const QDate& date, const QTime& time) {
    GameClock::set(QDateTime(date, time, QTimeZone("America/New_York")));
}

QString label(const QWidget* window, const char* name) {
    return window->findChild<QLabel*>(QLatin1String(name))->text();
}
QComboBox* combo(const QWidget* window, const char* name) {
    return window->findChild<QComboBox*>(QLatin1String(name));
}
QStringList itemsOf(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i) {
        items << box->itemText(i);
    }
    return items;
}
void chooseText(const QWidget* window, const char* name, const QString& text) {
    QComboBox* box = combo(window, name);
    const int at = box->findText(text);
    QVERIFY2(at >= 0, qPrintable(text));
    box->setCurrentIndex(at);
}
// Answers every message box shown while `act` runs; gives their texts.
QStringList answeringMessages(const std::function<void()>& act) {
    QStringList texts;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box != nullptr && box->isVisible()) {
            texts << box->text();
            box->accept();
        }
    });
    poll.start(10);
    act();
    return texts;
}
// The draw of `date` Evening kept in New York Numbers, as an import keeps it.
void keepEveningDraw(const std::string& date, std::uint16_t number) {
    GameLibrary* library = openGameLibrary(nullptr);
    QVERIFY(library != nullptr);
    const auto preview =
        library->preview("new-york-numbers", {IncomingDraw{date, "Evening", 1, number, {}}});
    QVERIFY(preview.ok());
    QVERIFY(library->commit(*preview, {}, "test", "2026-12-10T03:00:00Z").ok());
}
QTableWidget* ticketsTable(const QWidget* plays) {
    return plays->findChild<QTableWidget*>(QStringLiteral("tblTickets"));
}
// The ticket column of the table, top to bottom.
QStringList ticketsShown(const QWidget* plays) {
    QStringList numbers;
    for (int row = 0; row < ticketsTable(plays)->rowCount(); ++row) {
        numbers << ticketsTable(plays)->item(row, 3)->text();
    }
    return numbers;
}

} // namespace

class MyPlaysTest : public MainWindowFixture {
    Q_OBJECT
    QTemporaryDir dir;

  private Q_SLOTS:
    void init() {
        closeGameLibrary();
        QDir(libraryFolder()).removeRecursively();
        setClock(QDate(2026, 12, 8), QTime(15, 0));
        w = qobject_cast<frmPick3ZozevidAru*>(startMainWindow());
    }
    void cleanup() {
        setFileChooser({});
        unloadMainWindow();
        GameClock::set(std::nullopt);
    }

    // Numbers made, played for tomorrow's Evening draw, the draw kept the next day.
    void numbersPlayedThenCheckedAgainstTheDraw() {
        typeResults(w, QStringLiteral("123 321 456 111"));
        QStringList kept;
        QVERIFY(inModal(w, QStringLiteral("cmdPlayThese"), [&kept](QWidget* slip) {
            QCOMPARE(label(slip, "lblPlayNumbers"), "4 numbers: 123 321 456 111");
            // Only what the game sells that day: Florida's 1-Off from 2010-08-23.
            chooseText(slip, "cboPlayGame", QStringLiteral("Florida Pick 3"));
            auto* date = slip->findChild<QDateEdit*>(QStringLiteral("dtpPlayDate"));
            // Florida's draw times are not known: today's draws may be past, tomorrow's is next.
            QCOMPARE(date->date(), QDate(2026, 12, 9));
            QCOMPARE(combo(slip, "cboPlayDrawTime")->currentText(), "Midday");
            QVERIFY(itemsOf(combo(slip, "cboPlayType")).join('|').contains("1-Off"));
            date->setDate(QDate(2010, 8, 22));
            QVERIFY(!itemsOf(combo(slip, "cboPlayType")).join('|').contains("1-Off"));
            QVERIFY(!itemsOf(combo(slip, "cboPlayAddOn")).join('|').contains("Fireball"));

            chooseText(slip, "cboPlayGame", QStringLiteral("New York Numbers"));
            QCOMPARE(date->date(), QDate(2026, 12, 8)); // at 15:00 in New York, Evening is next
            QCOMPARE(combo(slip, "cboPlayDrawTime")->currentText(), "Evening");
            QCOMPARE(itemsOf(combo(slip, "cboPlayType")),
                     QStringList({"Straight", "Box", "Straight/Box", "Front Pair", "Back Pair"}));
            date->setDate(QDate(2026, 12, 9));
            chooseText(slip, "cboPlayDrawTime", QStringLiteral("Evening"));
            chooseText(slip, "cboPlayType", QStringLiteral("Box"));
            chooseText(slip, "cboPlayStake", QStringLiteral("$1"));
            QCOMPARE(label(slip, "lblPlayCost"),
                     "3 tickets, $3 in all.\nNot sold: 111: New York Numbers sells no triple "
                     "Box play");
            slip->findChild<QSpinBox*>(QStringLiteral("spnPlayDraws"))->setValue(2);
            QCOMPARE(label(slip, "lblPlayCost").section('\n', 0, 0), "6 tickets, $6 in all.");
            slip->findChild<QSpinBox*>(QStringLiteral("spnPlayDraws"))->setValue(1);
            chooseText(slip, "cboPlayType", QStringLiteral("Straight"));
            QCOMPARE(label(slip, "lblPlayCost"), "4 tickets, $4 in all.");
            kept = answeringMessages([slip] { clickButton(slip, QStringLiteral("cmdKeepPlays")); });
        }));
        QCOMPARE(kept,
                 QStringList({"Kept 4 tickets of New York Numbers, $4: see them in My plays."}));

        // Before the draw: every ticket waits.
        QVERIFY(inModal(w, QStringLiteral("cmdMyPlays"), [](QWidget* plays) {
            QCOMPARE(ticketsTable(plays)->rowCount(), 4);
            QVERIFY(label(plays, "lblPlayTotals")
                        .startsWith("Waiting for their draw: 4 tickets, $4 staked."));
        }));

        setClock(QDate(2026, 12, 10), QTime(9, 0));
        keepEveningDraw("2026-12-09", 123);
        QVERIFY(inModal(w, QStringLiteral("cmdMyPlays"), [](QWidget* plays) {
            const QStringList rows = rowsOf(plays, "tblTickets");
            QCOMPARE(rows.size(), 4);
            QCOMPARE(rows[0], "2026-12-09 Evening New York Numbers 123 Straight $1 won $500: "
                              "straight: 123 in order; the claim period of New York Numbers is "
                              "not known to this program: check your ticket with the lottery");
            QCOMPARE(rows.mid(1), QStringList({
                                      "2026-12-09 Evening New York Numbers 321 Straight $1 lost",
                                      "2026-12-09 Evening New York Numbers 456 Straight $1 lost",
                                      "2026-12-09 Evening New York Numbers 111 Straight $1 lost",
                                  }));
            QCOMPARE(rowsOf(plays, "tblPlayTotals"),
                     QStringList({"All tickets checked 4 $4 $500 $496", "2026-12 4 $4 $500 $496",
                                  "Straight 4 $4 $500 $496", "New York Numbers 4 $4 $500 $496"}));
            QCOMPARE(label(plays, "lblPlayTotals"),
                     "Waiting for their draw: 0 tickets, $0 staked. The prize tables return "
                     "$0.50 per ticket checked, on average.");
            QVERIFY(label(plays, "lblHelpLine").contains("1-800-GAMBLER"));
        }));
    }

    // Tickets typed as printed: kept where read and sold, the other lines left in the box
    // with why; one typed after its draw marked so; Delete and Ctrl+Z; a year as CSV.
    void typedTicketsDeletedBroughtBackAndExported() {
        QVERIFY(inModal(w, QStringLiteral("cmdMyPlays"), [](QWidget* plays) {
            QTRY_COMPARE(QApplication::activeWindow(), plays);
            QCOMPARE(QApplication::focusWidget()->objectName(), "txtTickets");
            chooseText(plays, "cboPlaysGame", QStringLiteral("New York Numbers"));
            auto* box = plays->findChild<QPlainTextEdit*>(QStringLiteral("txtTickets"));
            box->setPlainText(QStringLiteral("321 box $1 Evening 12/09/2026\n"
                                             "4-5-6 box 0.50 Evening\n"
                                             "111 box $1 Evening\n"
                                             "123 straight Evening\n"
                                             "789 straight/box $1 Midday 2026-12-08\n"));
            const QStringList said = answeringMessages(
                [plays] { clickButton(plays, QStringLiteral("cmdKeepTickets")); });
            QCOMPARE(said.size(), 1);
            QVERIFY2(said.value(0).startsWith(
                         "Kept 3 tickets in New York Numbers.\nNot kept (left in the box):\n"
                         "line 3: New York Numbers sells no triple Box play\nline 4: "),
                     qPrintable(said.value(0)));
            QCOMPARE(box->toPlainText(), "111 box $1 Evening\n123 straight Evening");
            QCOMPARE(rowsOf(plays, "tblTickets"),
                     QStringList({"2026-12-08 Evening New York Numbers 456 Box $0.50 waiting for "
                                  "the draw",
                                  "2026-12-08 Midday New York Numbers 789 Straight/Box $1 entered "
                                  "after the draw; waiting for the draw",
                                  "2026-12-09 Evening New York Numbers 321 Box $1 waiting for the "
                                  "draw"}));
        }));
        setClock(QDate(2026, 12, 10), QTime(9, 0));
        keepEveningDraw("2026-12-08", 999);
        keepEveningDraw("2026-12-09", 123);
        const QString csv = dir.filePath(QStringLiteral("plays.csv"));
        setFileChooser([&csv](const FileQuestion&) { return csv; });
        QVERIFY(inModal(w, QStringLiteral("cmdMyPlays"), [&csv](QWidget* plays) {
            const QStringList rows = rowsOf(plays, "tblTickets");
            QCOMPARE(rows.value(0), "2026-12-08 Evening New York Numbers 456 Box $0.50 lost");
            QCOMPARE(rows.value(2), "2026-12-09 Evening New York Numbers 321 Box $1 won $80: boxed "
                                    "6-way: 123 is 321 in another order; the claim period of New "
                                    "York Numbers is not known to this program: check your ticket "
                                    "with the lottery");
            QCOMPARE(rowsOf(plays, "tblPlayTotals").value(0),
                     "All tickets checked 2 $1.50 $80 $78.50");
            QCOMPARE(label(plays, "lblPlayTotals"),
                     "Waiting for their draw: 0 tickets, $0 staked. The prize tables return "
                     "$0.36 per ticket checked, on average. Entered after the draw, counted "
                     "apart: 1 ticket.");

            // Delete the first, then the last; Ctrl+Z brings back the last first.
            QTableWidget* table = ticketsTable(plays);
            table->selectRow(0);
            clickButton(plays, QStringLiteral("cmdDeleteTickets"));
            QCOMPARE(ticketsShown(plays), QStringList({"789", "321"}));
            table->selectRow(1);
            QTRY_COMPARE(QApplication::activeWindow(), plays); // for the window's shortcuts
            table->setFocus();
            QTest::keyClick(table, Qt::Key_Delete);
            QCOMPARE(label(plays, "lblUndoDelete"), "1 ticket deleted: Ctrl+Z brings it back.");
            QCOMPARE(ticketsShown(plays), QStringList({"789"}));
            QTest::keyClick(plays, Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(ticketsShown(plays), QStringList({"789", "321"}));
            QCOMPARE(rowsOf(plays, "tblPlayTotals").value(0), "All tickets checked 1 $1 $80 $79");
            QTest::keyClick(plays, Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(rowsOf(plays, "tblTickets"), rows);

            plays->findChild<QSpinBox*>(QStringLiteral("spnPlaysYear"))->setValue(2026);
            QCOMPARE(answeringMessages(
                         [plays] { clickButton(plays, QStringLiteral("cmdExportPlays")); }),
                     QStringList({"The plays of 2026 are written to plays.csv."}));
            QFile file(csv);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(QString::fromUtf8(file.readAll()).section("\n\n", 0, 0),
                     "date,draw,ticket,play,stake,prize,claimed\n"
                     "2026-12-08,Evening,456,Box,$0.50,$0,no\n"
                     "2026-12-08,Midday,789,Straight/Box,$1,entered after the draw,no\n"
                     "2026-12-09,Evening,321,Box,$1,$80,no");
        }));
        // Kept in the library: the next opening shows them again.
        QVERIFY(inModal(w, QStringLiteral("cmdMyPlays"),
                        [](QWidget* plays) { QCOMPARE(ticketsTable(plays)->rowCount(), 3); }));
    }
};

QTEST_MAIN(MyPlaysTest)
#include "tst_myplays.moc"
