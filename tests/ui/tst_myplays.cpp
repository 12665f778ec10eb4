// The player's own plays through the windows: numbers made in the main window kept by
// "Play these..." as tickets for tomorrow's evening draw of New York Numbers (the plays
// offered those the game sells that day, a triple box refused, the cost shown first),
// the draw kept in the library the next day, and "My plays" showing each ticket won or
// lost, why, what it pays, and the totals; tickets typed as printed (a line not read, a
// play not sold, a ticket entered after its draw); Delete and Ctrl+Z, for the whole run,
// the deleted tickets gone for good at its end; the CSV of a year; wins to claim soon,
// those reported for taxes, and the claimed mark kept; a corrected draw's tickets
// checked again and the change said.

#include "helpers/MainWindowDriver.h"
#include "importdraws/GameCatalog.h"
#include "widgets/FileAccess.h"
#include "widgets/GameClock.h"
#include "widgets/LibraryAccess.h"
#include "widgets/PrintDialog.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMessageBox>
#include <QPrinter>
#include <QProcess>
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
// A draw kept in the library as an import keeps it; where the library holds the draw
// already with another number, the new number is taken, as when the player ticks it.
void keepDraw(const std::string& game, const std::string& date, const std::string& time,
              std::uint16_t number) {
    GameLibrary* library = openGameLibrary(nullptr);
    QVERIFY(library != nullptr);
    const auto preview = library->preview(game, {IncomingDraw{date, time, 1, number, {}}});
    QVERIFY(preview.ok());
    std::vector<std::size_t> differing;
    for (std::size_t row = 0; row < preview->rows.size(); ++row) {
        if (preview->rows[row].kind == MergeKind::Differs) {
            differing.push_back(row);
        }
    }
    QVERIFY(library->commit(*preview, differing, "test", "2026-12-10T03:00:00Z").ok());
}
void keepEveningDraw(const std::string& date, std::uint16_t number) {
    keepDraw("new-york-numbers", date, "Evening", number);
}
// A $1 ticket of `game` kept in the library, entered the day before its draw.
std::int64_t keepTicket(const std::string& game, const std::string& number, const std::string& play,
                        const std::string& date, const std::string& time) {
    const CivilDate day = *parseCivilDate(date);
    Ticket ticket;
    ticket.gameId = game;
    ticket.digits = {number[0] - '0', number[1] - '0', number[2] - '0'};
    ticket.playType = play;
    ticket.stakeCents = 100;
    ticket.drawDate = day;
    ticket.drawTime = time;
    ticket.entered = LocalMoment{CivilDate::fromDaysSinceEpoch(day.daysSinceEpoch() - 1), {600}};
    const auto kept = openGameLibrary(nullptr)->keepTickets({ticket});
    return kept.ok() && kept->size() == 1 ? kept->front() : -1;
}
// A game of the player's own: Missouri's prizes, claimed within 30 days (made up).
void writeThirtyDayGame() {
    QFile missouri(shippedGamesFolder() + QStringLiteral("/missouri-pick-3.json"));
    QVERIFY(missouri.open(QIODevice::ReadOnly));
    QJsonObject game = QJsonDocument::fromJson(missouri.readAll()).object();
    game[QStringLiteral("id")] = QStringLiteral("thirty-day-pick-3");
    game[QStringLiteral("state")] = QStringLiteral("Thirty Day");
    game[QStringLiteral("claimPeriod")] =
        QJsonObject{{"amount", 30},
                    {"unit", "days"},
                    {"source", game[QStringLiteral("sources")].toArray().first()}};
    QVERIFY(QDir().mkpath(playerGamesFolder()));
    QFile mine(playerGamesFolder() + QStringLiteral("/thirty-day-pick-3.json"));
    QVERIFY(mine.open(QIODevice::WriteOnly));
    mine.write(QJsonDocument(game).toJson());
}
QTableView* ticketsTable(const QWidget* plays) {
    return plays->findChild<QTableView*>(QStringLiteral("tblTickets"));
}
// Every cell of the table is wide enough for its whole text.
bool everyTextFits(const QTableView* table) {
    for (int column = 0; column < table->model()->columnCount(); ++column) {
        for (int row = 0; row < table->model()->rowCount(); ++row) {
            const int needs = table->sizeHintForIndex(table->model()->index(row, column)).width();
            if (table->columnWidth(column) < needs) {
                qWarning("row %d column %d needs %d, has %d", row, column, needs,
                         table->columnWidth(column));
                return false;
            }
        }
    }
    return true;
}
// The ticket column of the table, top to bottom.
QStringList ticketsShown(const QWidget* plays) {
    QStringList numbers;
    const QAbstractItemModel* model = ticketsTable(plays)->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        numbers << model->index(row, 3).data().toString();
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
        QDir(playerGamesFolder()).removeRecursively();
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
            // Colorado's draw days are not known: no next draw, the date today, the reason said.
            QCOMPARE(combo(slip, "cboPlayGame")->currentText(), "Colorado Pick 3");
            QCOMPARE(slip->findChild<QDateEdit*>(QStringLiteral("dtpPlayDate"))->date(),
                     QDate(2026, 12, 8));
            QCOMPARE(label(slip, "lblPlayCost"), "the draw days of Colorado Pick 3 are not known "
                                                 "to this program: check with your lottery");
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
            QCOMPARE(ticketsTable(plays)->model()->rowCount(), 4);
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
            QTableView* table = ticketsTable(plays);
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
        QVERIFY(inModal(w, QStringLiteral("cmdMyPlays"), [](QWidget* plays) {
            QCOMPARE(ticketsTable(plays)->model()->rowCount(), 3);
        }));
    }

    // A game whose wins are claimed within 30 days: the wins to claim soon (not one past
    // its deadline), the $1 straight's $600 at 600 times its cost reported for taxes and
    // not the $6 combo's; a win marked claimed leaves the list, the mark kept in the
    // library; Alt+M takes it off again.
    void winsToClaimSoonReportedForTaxesAndMarkedClaimed() {
        writeThirtyDayGame();
        setClock(QDate(2026, 12, 10), QTime(9, 0));
        const std::string game = "thirty-day-pick-3";
        const std::string evening = "8:59 pm";
        QVERIFY(keepTicket(game, "123", "straight", "2026-11-01", evening) > 0); // too late
        QVERIFY(keepTicket(game, "123", "straight", "2026-12-01", evening) > 0);
        QVERIFY(keepTicket(game, "321", "combo", "2026-12-01", evening) > 0);
        QVERIFY(keepTicket(game, "456", "straight", "2026-12-01", evening) > 0);
        keepDraw(game, "2026-11-01", evening, 123);
        keepDraw(game, "2026-12-01", evening, 123);
        const QString soon = QStringLiteral("2026-12-01 8:59 pm 123, $600: claim by 2026-12-31\n");
        const QString rest = QStringLiteral(
            "2026-12-01 8:59 pm 321, $600: claim by 2026-12-31\n"
            "2026-11-01 8:59 pm 123, $600: reported by the lottery for taxes: for your records; "
            "not tax advice\n"
            "2026-12-01 8:59 pm 123, $600: reported by the lottery for taxes: for your records; "
            "not tax advice");
        const QString heading = QStringLiteral("To claim within 30 days:\n");
        QVERIFY(inModal(w, QStringLiteral("cmdMyPlays"), [&](QWidget* plays) {
            QCOMPARE(label(plays, "lblClaims"), heading + soon + rest);
            ticketsTable(plays)->selectRow(3); // a ticket that lost
            QCOMPARE(answeringMessages(
                         [plays] { clickButton(plays, QStringLiteral("cmdMarkClaimed")); }),
                     QStringList({"Choose the wins to mark claimed first."}));
            ticketsTable(plays)->selectRow(1);
            clickButton(plays, QStringLiteral("cmdMarkClaimed"));
            QCOMPARE(label(plays, "lblClaims"), heading + rest);
        }));
        closeGameLibrary(); // read afresh from the file
        QVERIFY(inModal(w, QStringLiteral("cmdMyPlays"), [&](QWidget* plays) {
            QCOMPARE(label(plays, "lblClaims"), heading + rest);
            const QStringList rows = rowsOf(plays, "tblTickets");
            QVERIFY2(rows.value(1).endsWith("not tax advice; claimed; check your ticket with "
                                            "the lottery"),
                     qPrintable(rows.value(1)));
            QVERIFY(!rows.value(2).contains("claimed;"));
            QVERIFY(everyTextFits(ticketsTable(plays)));
            QTRY_COMPARE(QApplication::activeWindow(), plays);
            ticketsTable(plays)->selectRow(1);
            QTest::keyClick(plays, Qt::Key_M, Qt::AltModifier); // clicks after a moment
            QTRY_COMPARE(label(plays, "lblClaims"), heading + soon + rest);
        }));
    }

    // A held draw corrected: its tickets checked again, the change said once; the tickets
    // of another draw not named.
    void aCorrectedDrawsTicketsAreCheckedAgain() {
        setClock(QDate(2026, 12, 6), QTime(9, 0));
        for (const char* number : {"123", "456", "124"}) {
            QVERIFY(keepTicket("new-york-numbers", number, "straight", "2026-12-05", "Evening") >
                    0);
        }
        QVERIFY(keepTicket("new-york-numbers", "777", "straight", "2026-12-04", "Evening") > 0);
        keepEveningDraw("2026-12-04", 777);
        keepEveningDraw("2026-12-05", 123);
        const auto corrections = [](const QWidget* plays) {
            const auto* line = plays->findChild<QLabel*>(QStringLiteral("lblCorrections"));
            return line->isHidden() ? QString() : line->text();
        };
        QVERIFY(inModal(w, QStringLiteral("cmdMyPlays"), [&](QWidget* plays) {
            QCOMPARE(corrections(plays), QString());
            QVERIFY(rowsOf(plays, "tblTickets").value(1).contains("123 Straight $1 won $500"));
        }));
        keepEveningDraw("2026-12-04", 777); // the same again: no correction
        keepEveningDraw("2026-12-05", 124);
        QVERIFY(inModal(w, QStringLiteral("cmdMyPlays"), [&](QWidget* plays) {
            QCOMPARE(corrections(plays),
                     "3 tickets checked again after the draw of Sat 2026-12-05 Evening was "
                     "corrected: 123 Straight won $500, now lost; 456 Straight lost, still lost; "
                     "124 Straight lost, now won $500");
            QVERIFY(rowsOf(plays, "tblTickets").value(1).endsWith("123 Straight $1 lost"));
        }));
        QVERIFY(inModal(w, QStringLiteral("cmdMyPlays"),
                        [&](QWidget* plays) { QCOMPARE(corrections(plays), QString()); }));
    }

    // Ctrl+Z brings a deleted ticket back after the window is closed and opened again;
    // the end of the run takes the deleted ones for good, and no other.
    void deletesUndoneDuringTheRunAndForgottenAtItsEnd() {
        const std::int64_t kept =
            keepTicket("new-york-numbers", "456", "straight", "2026-12-09", "Evening");
        const std::int64_t deleted =
            keepTicket("new-york-numbers", "123", "straight", "2026-12-09", "Evening");
        QVERIFY(inModal(w, QStringLiteral("cmdMyPlays"), [](QWidget* plays) {
            ticketsTable(plays)->selectRow(1);
            clickButton(plays, QStringLiteral("cmdDeleteTickets"));
            QCOMPARE(ticketsShown(plays), QStringList({"456"}));
        }));
        QVERIFY(inModal(w, QStringLiteral("cmdMyPlays"), [](QWidget* plays) {
            QTRY_COMPARE(QApplication::activeWindow(), plays);
            QCOMPARE(answeringMessages(
                         [plays] { QTest::keyClick(plays, Qt::Key_Z, Qt::ControlModifier); }),
                     QStringList());
            QCOMPARE(ticketsShown(plays), QStringList({"456", "123"}));
            ticketsTable(plays)->selectRow(1);
            clickButton(plays, QStringLiteral("cmdDeleteTickets"));
        }));
        unloadMainWindow();
        GameLibrary* library = openGameLibrary(nullptr);
        QVERIFY(!library->restoreTickets({deleted}).ok());
        const auto left = library->tickets({});
        QVERIFY(left.ok());
        QCOMPARE(left->size(), std::size_t{1});
        QCOMPARE(left->front().id, kept);
    }

    // A year's plays on paper (a PDF read back with pdftotext): the year's tickets only,
    // each with its prize and claimed mark, then the totals; a file that cannot be written
    // said so.
    void aYearsPlaysPrinted() {
        setClock(QDate(2026, 12, 8), QTime(9, 0));
        QVERIFY(keepTicket("new-york-numbers", "321", "straight", "2025-12-31", "Evening") > 0);
        const std::int64_t won =
            keepTicket("new-york-numbers", "123", "straight", "2026-12-05", "Evening");
        QVERIFY(keepTicket("new-york-numbers", "456", "box", "2026-12-05", "Evening") > 0);
        QVERIFY(keepTicket("new-york-numbers", "789", "straight", "2026-12-09", "Evening") > 0);
        QVERIFY(openGameLibrary(nullptr)->markClaimed({won}, true).ok());
        keepEveningDraw("2025-12-31", 321);
        keepEveningDraw("2026-12-05", 123);
        const QString pdf = dir.filePath(QStringLiteral("plays.pdf"));
        QString printTo = pdf;
        setPrinterSetup([&printTo](QPrinter& printer, QWidget*) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(printTo);
            return true;
        });
        QStringList said;
        QVERIFY(inModal(w, QStringLiteral("cmdMyPlays"), [&](QWidget* plays) {
            plays->findChild<QSpinBox*>(QStringLiteral("spnPlaysYear"))->setValue(2026);
            said =
                answeringMessages([plays] { clickButton(plays, QStringLiteral("cmdPrintPlays")); });
            printTo = dir.filePath(QStringLiteral("missing/plays.pdf"));
            said +=
                answeringMessages([plays] { clickButton(plays, QStringLiteral("cmdPrintPlays")); });
        }));
        setPrinterSetup({});
        QCOMPARE(said, QStringList({"The plays could not be printed on " + printTo + "."}));
        QProcess pdftotext;
        pdftotext.start("pdftotext", {"-layout", pdf, "-"});
        const QString text = pdftotext.waitForFinished()
                                 ? QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified()
                                 : QString();
        if (text.isEmpty()) {
            QSKIP("pdftotext (poppler-utils) is not installed");
        }
        QCOMPARE(text, "My plays of 2026 Date Draw Ticket Play Stake Prize Claimed "
                       "2026-12-05 Evening 123 Straight $1 $500 yes "
                       "2026-12-05 Evening 456 Box $1 $0 no "
                       "2026-12-09 Evening 789 Straight $1 waiting for the draw no "
                       "Staked $2, won $500, net $498; waiting for the draw $1. 1"); // one page
    }
};

QTEST_MAIN(MyPlaysTest)
#include "tst_myplays.moc"
