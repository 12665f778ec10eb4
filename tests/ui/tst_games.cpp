// A state's game chosen in the import window: a Texas download read with Texas
// Pick 3's schedule (four named draw times a day from 2013-09-09, two before, no
// Sunday missing, the missing draws by draw time, the Fireball digits in their own
// column), the back-test paid by Texas's table of each draw's date until the player
// types other prizes; clock times named by Georgia's schedule and a time it does not
// hold told as such; a player's definition that does not read named in the window.

#include "backtest/frmBackTestWindow.h"
#include "helpers/MainWindowDriver.h"
#include "importdraws/GameCatalog.h"
#include "widgets/FileAccess.h"
#include "widgets/GameClock.h"

#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>

using namespace pick3;
using namespace pick3::test;

namespace {

QString label(const QWidget* window, const QString& name) {
    return window->findChild<QLabel*>(name)->text();
}

// A table's column titles (its rows: rowsOf).
QString titlesOf(const QWidget* window, const char* table) {
    const auto* model = window->findChild<QTableView*>(QLatin1String(table))->model();
    QStringList titles;
    for (int c = 0; c < model->columnCount(); ++c) {
        titles << model->headerData(c, Qt::Horizontal).toString();
    }
    return titles.join('|');
}

void chooseGame(QWidget* import, const QString& title) {
    auto* games = import->findChild<QComboBox*>(QStringLiteral("cboGame"));
    const int at = games->findText(title);
    QVERIFY2(at > 0, qPrintable(title));
    games->setCurrentIndex(at);
}

} // namespace

class GamesTest : public MainWindowFixture {
    Q_OBJECT
    QTemporaryDir dir;

    QString fileWith(const QByteArray& bytes, const QString& name) {
        QFile file(dir.filePath(name));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()
                   ? file.fileName()
                   : QString();
    }
    void inImport(const QString& path, const std::function<void(QWidget*)>& operate) {
        setFileChooser([path](const FileQuestion&) { return path; });
        QVERIFY(inModal(w, QStringLiteral("cmdHotCold"), [&](QWidget* counter) {
            QVERIFY(inModal(counter, QStringLiteral("cmdImportDraws"), [&](QWidget* import) {
                clickButton(import, QStringLiteral("cmdImportFile"));
                operate(import);
            }));
            QTest::keyClick(counter, Qt::Key_Escape);
        }));
    }

  private Q_SLOTS:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QDir(playerGamesFolder()).removeRecursively();
        QVERIFY(QDir().mkpath(playerGamesFolder()));
        // A player's own definition that does not read: named, and the others still load.
        QFile bad(playerGamesFolder() + QStringLiteral("/my-game.json"));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write(R"({"format": "pick3-tallymoor game", "version": 1, "id": "my-game"})");
        // Noon on 2013-09-10 in Texas (17:00 UTC, Central daylight time).
        GameClock::set(
            QDateTime(QDate(2013, 9, 10), QTime(17, 0), QTimeZone(QByteArrayLiteral("UTC"))));
    }
    void cleanupTestCase() {
        QDir(playerGamesFolder()).removeRecursively();
        GameClock::set(std::nullopt);
    }
    void cleanup() { setFileChooser({}); }

    // The whole path: a Texas download imported as Texas Pick 3, then back-tested.
    void texasDownloadImportedAndBackTested() {
        doSteps(w, {QStringLiteral("lstDigitsWheel:0123456789")}); // every draw a hit
        inImport(
            QStringLiteral(PICK3_TEST_DATA_DIR "/layouts/texas-pick-3.csv"), [](QWidget* import) {
                auto* games = import->findChild<QComboBox*>(QStringLiteral("cboGame"));
                QCOMPARE(games->itemText(0), "None");
                QVERIFY(games->findText("New York Numbers") > 0);
                QVERIFY(label(import, "lblGameNote").contains("my-game.json"));
                // None reads as found: the reading's own names, no add-on column.
                QCOMPARE(rowsOf(import, "tblImportedDraws").last(), "2013-09-05 Thu Midday 314 4");
                chooseGame(import, "Texas Pick 3");
                QCOMPARE(titlesOf(import, "tblImportedDraws"),
                         "Date|Day|Draw time|Number|Fireball|Line");
                const QStringList rows = rowsOf(import, "tblImportedDraws");
                QCOMPARE(
                    rows.mid(0, 4),
                    QStringList({"2013-09-11 Wed Night 045 8 16", "2013-09-11 Wed Evening 258 9 11",
                                 "2013-09-11 Wed Day 726 5 9", "2013-09-11 Wed Morning 839 2 3"}));
                QCOMPARE(rows.mid(11),
                         QStringList({"2013-09-07 Sat Night 530  13", "2013-09-07 Sat Day 608  6",
                                      "2013-09-06 Fri Night 119  12", "2013-09-06 Fri Day 277  5",
                                      "2013-09-05 Thu Day 314  4"}));
                // Sunday holds no draw; Thursday's Night and Tuesday's Evening are missing.
                QCOMPARE(rowsOf(import, "tblMissingDates"),
                         QStringList({"2013-09-05 Thu Night", "2013-09-10 Tue Evening"}));
                auto* tabs = import->findChild<QTabWidget*>(QStringLiteral("tabImportPreview"));
                QCOMPARE(tabs->tabText(4), "Missin&g draws (2)");
                QVERIFY(label(import, "lblGameNote")
                            .startsWith("Draw times in America/Chicago time; it is 2013-09-10 "
                                        "12:00 there now."));
                clickButton(import, QStringLiteral("cmdUseDraws"));
            });
        QVERIFY(inModal(w, QStringLiteral("cmdBackTest"), [](QWidget* window) {
            QCOMPARE(label(window, "lblPrizesFrom"),
                     "Prizes: Texas Pick 3's table of each draw's date; a triple at the "
                     "straight prize: whether Texas Pick 3 sells a triple box is not known");
            // 220 boxed combinations a draw on 16 draws; 11 six-way hits at 80, 4 three-way
            // at 160 and 444 straight at 500.
            QCOMPARE(label(window, "lblSummary(8)"),
                     "played 3,520.00, won 2,020.00, net -1,500.00");
            auto* stake = window->findChild<QDoubleSpinBox*>(QStringLiteral("spnStake"));
            QCOMPARE(stake->value(), 1.0);
            stake->setValue(2.0);
            QCOMPARE(label(window, "lblPrizesFrom"), "Prizes: typed");
            QCOMPARE(label(window, "lblSummary(8)"),
                     "played 7,040.00, won 4,040.00, net -3,000.00");
        }));
    }

    // New Jersey writes its Fireball as a fourth digit from 2017-03-10: chosen, the game's
    // files give their draws and the Fireball apart; not chosen, "1234" is no Pick 3 draw.
    void newJerseysFourthDigitIsItsFireball() {
        const QString path = fileWith("Date,Draw,Numbers\n03/10/2017,Evening,1234\n"
                                      "03/09/2017,Evening,567\n",
                                      QStringLiteral("new-jersey.csv"));
        inImport(path, [](QWidget* import) {
            QCOMPARE(rowsOf(import, "tblImportedDraws").size(), 1);
            chooseGame(import, "New Jersey Pick 3");
            QCOMPARE(titlesOf(import, "tblImportedDraws"),
                     "Date|Day|Draw time|Number|Fireball|Line");
            QCOMPARE(
                rowsOf(import, "tblImportedDraws"),
                QStringList({"2017-03-10 Fri Evening 123 4 2", "2017-03-09 Thu Evening 567  3"}));
        });
    }

    // Georgia's clock times are named by its schedule; 1:00 PM is none of its draw times.
    void clockTimesNamedByTheSchedule() {
        const QString path = fileWith("Date,Time,Number\n05/01/2024,12:29 PM,123\n"
                                      "05/01/2024,6:59 PM,456\n05/02/2024,1:00 PM,789\n",
                                      QStringLiteral("georgia.csv"));
        inImport(path, [](QWidget* import) {
            chooseGame(import, "Georgia Cash 3");
            QCOMPARE(rowsOf(import, "tblImportedDraws"),
                     QStringList({"2024-05-01 Wed Evening 456 3", "2024-05-01 Wed Midday 123 2"}));
            QCOMPARE(rowsOf(import, "tblUnreadLines"),
                     QStringList({"4 not a draw time of Georgia Cash 3 on 2024-05-02: 13:00 "
                                  "2024-05-02 789"}));
            // Georgia's days are not known: its missing draws cannot be told.
            QCOMPARE(label(import, "lblGameNote"),
                     "Draw times in America/New_York time; it is 2013-09-10 13:00 there now. "
                     "Missing draws: the draw days of Georgia Cash 3 are not known to this "
                     "program: check with your lottery. Not read: my-game.json: \"state\" is "
                     "missing");
            clickButton(import, QStringLiteral("cmdUseDraws"));
        });
        QVERIFY(inModal(w, QStringLiteral("cmdBackTest"), [](QWidget* window) {
            QCOMPARE(label(window, "lblPrizesFrom"),
                     "Prizes: typed; the Straight prizes of a $1 play of Georgia Cash 3 are not "
                     "known to this program: check with your lottery");
        }));
    }
};

QTEST_MAIN(GamesTest)
#include "tst_games.moc"
