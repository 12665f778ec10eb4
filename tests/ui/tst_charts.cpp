// The charts window: opened from "HotCold" on a pasted history and from the
// back-test, every chart holding the engine's series; a dated history telling
// its own newest end; saving PNG and SVG, printing to a PDF.

#include "charts/ChartExport.h"
#include "charts/ChartPage.h"
#include "charts/SkipsPage.h"
#include "charts/SumsPage.h"
#include "charts/frmCharts.h"
#include "engine/backtest/LuckSeries.h"
#include "engine/stats/ChartSeries.h"
#include "helpers/MainWindowDriver.h"
#include "widgets/PrintDialog.h"

#include <QAreaSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QImage>
#include <QLineSeries>
#include <QListWidget>
#include <QPrinter>
#include <QProcess>
#include <QStackedBarSeries>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <random>

using namespace pick3;
using namespace pick3::test;

namespace {

// Newest first: 40 draws of five kinds.
const QString kDraws = QStringLiteral("456 123 321 444 111 ").repeated(8);

ChartPage* showPage(QWidget* window, int index) {
    auto* list = window->findChild<QListWidget*>(QStringLiteral("lstCharts"));
    list->setFocus();
    list->setCurrentRow(index);
    auto* page = static_cast<frmCharts*>(window)->page(index);
    if (!QTest::qWaitFor([page] { return page->isDrawn(); }, 5000)) {
        return nullptr;
    }
    return page;
}

QList<QPointF> linePoints(const QWidget* page, const char* chart, const QString& series) {
    auto* view = page->findChild<QChartView*>(QLatin1String(chart));
    for (QAbstractSeries* s : view->chart()->series()) {
        if (s->objectName() == series) {
            return static_cast<QLineSeries*>(s)->points();
        }
    }
    return {};
}

// The upper or lower edge of the luck chart's band.
QList<QPointF> bandEdge(const QWidget* page, bool upper) {
    auto* view = page->findChild<QChartView*>(QStringLiteral("chtLuck"));
    for (QAbstractSeries* s : view->chart()->series()) {
        if (auto* band = qobject_cast<QAreaSeries*>(s)) {
            return (upper ? band->upperSeries() : band->lowerSeries())->points();
        }
    }
    return {};
}

QList<QPointF> asPoints(const std::vector<double>& y, double shift = 0.0) {
    QList<QPointF> out;
    for (std::size_t i = 0; i < y.size(); ++i) {
        out.append(QPointF(static_cast<double>(i) + shift, y[i]));
    }
    return out;
}

} // namespace

class ChartsTest : public MainWindowFixture {
    Q_OBJECT

  private Q_SLOTS:
    void drawsTheCountOfHotCold() {
        QVERIFY(inModal(w, QStringLiteral("cmdHotCold"), [](QWidget* counter) {
            counter->findChild<QPlainTextEdit*>(QStringLiteral("txtDrawnNumber"))
                ->setPlainText(kDraws);
            clickButton(counter, QStringLiteral("cmdGo"));
            QVERIFY(inModal(counter, QStringLiteral("cmdCharts"), [](QWidget* charts) {
                QVERIFY(charts->findChild<QLabel*>(QStringLiteral("lblChartDraws"))
                            ->text()
                            .startsWith(QStringLiteral("40 draws from the last count")));
                const DrawList oldest =
                    oldestFirst(parseDraws(kDraws.toStdString()), NewestEnd::First);
                checkHeat(charts, oldest);
                checkSums(charts, oldest);
                checkSkips(charts, oldest);
                // A pasted history: the back-test's choice; the newest last reverses every series.
                clickButton(charts, QStringLiteral("optNewest(1)"));
                checkSums(charts, parseDraws(kDraws.toStdString()));
                ChartPage* luck = showPage(charts, 3);
                QVERIFY(luck != nullptr); // drawn: nothing but its note without a back-test
                QVERIFY(charts->findChild<QLabel*>(QStringLiteral("lblLuckNote"))
                            ->text()
                            .contains(QStringLiteral("press \"Charts...\" there")));
            }));
        }));
    }

    void drawsTheLuckOfTheBackTest() {
        doSteps(w, {"lstDigitsWheel:1234"});
        QVERIFY(countInHotCold(w, kDraws));
        const MainInput input = w->readInput(false);
        QVERIFY(inModal(w, QStringLiteral("cmdBackTest"), [&input](QWidget* backTestWindow) {
            QVERIFY(inModal(backTestWindow, QStringLiteral("cmdCharts"), [&input](QWidget* charts) {
                QVERIFY(charts->findChild<QRadioButton*>(QStringLiteral("optNewest(0)")) ==
                        nullptr); // the back-test says which end is newest
                // The back-test's charts open on its own page.
                QCOMPARE(static_cast<frmCharts*>(charts)->currentPage()->objectName(),
                         QStringLiteral("pgLuck"));
                ChartPage* page = showPage(charts, 3);
                QVERIFY(page != nullptr);
                // The engine's luck of the same back-test: 456 is the one miss of five.
                const auto report = pick3::backTest(input, parseDraws(kDraws.toStdString()), {});
                QVERIFY(report.ok());
                const LuckSeries luck = luckSeries(*report, Prizes());
                const LuckLines about = luckLines(luck, LuckView::AgainstExpected);
                QCOMPARE(linePoints(page, "chtLuck", QStringLiteral("Hits less the expected")),
                         asPoints(about.hits));
                QCOMPARE(bandEdge(page, true), asPoints(about.high));
                QCOMPARE(bandEdge(page, false), asPoints(about.low));
                QCOMPARE(linePoints(page, "chtLuck", QStringLiteral("Won less the average")),
                         asPoints(luck.wonLessAverage));
                QCOMPARE(linePoints(page, "chtLuck", QStringLiteral("Net money")),
                         asPoints(luck.net));
                page->findChild<QComboBox*>(QStringLiteral("cboLuckView"))->setCurrentIndex(1);
                QVERIFY(QTest::qWaitFor([page] { return page->isDrawn(); }, 5000));
                QCOMPARE(linePoints(page, "chtLuck", QStringLiteral("Hits")), asPoints(luck.hits));
                QCOMPARE(linePoints(page, "chtLuck", QStringLiteral("Expected hits")),
                         asPoints(luck.expected));
                auto* values =
                    page->findChild<QTableView*>(QStringLiteral("tblLuckValues"))->model();
                QCOMPARE(values->rowCount(), 40);
                QCOMPARE(values->index(39, 1).data().toString(), QString::number(report->hits));
                QCOMPARE(values->columnCount(), 7);
                // The tested draws, not the count's: the digit heat map of the same 40.
                checkHeat(charts, oldestFirst(parseDraws(kDraws.toStdString()), NewestEnd::First));
            }));
        }));
    }

    // An imported history tells its newest end by its dates, and the axis shows them.
    void aDatedHistoryShowsItsDates() {
        ChartSource source;
        source.draws = parseDraws("123 456 789");
        source.labelOf = [](std::size_t i) {
            return "Sat 2026-12-0" + std::to_string(5 - i) + " Evening";
        };
        frmCharts charts(source);
        charts.show();
        QVERIFY(charts.findChild<QRadioButton*>(QStringLiteral("optNewest(0)")) == nullptr);
        ChartPage* sums = showPage(&charts, 1);
        QVERIFY(sums != nullptr);
        auto* view = sums->findChild<QChartView*>(QStringLiteral("chtSumsOverTime"));
        auto* axis = qobject_cast<QCategoryAxis*>(view->chart()->axes(Qt::Horizontal).first());
        QVERIFY(axis != nullptr);
        // Whole dates, none hanging past the ends: of three draws, the middle one's.
        QCOMPARE(axis->categoriesLabels(), QStringList{QStringLiteral("2026-12-04")});
        // Oldest first: 789, 456, 123.
        QCOMPARE(linePoints(sums, "chtSumsOverTime", QStringLiteral("Sums")),
                 asPoints({24, 15, 6}));
    }

    void savesAndPrintsEachChart() {
        ChartSource source;
        source.draws = parseDraws(kDraws.toStdString());
        frmCharts charts(source);
        charts.show();
        QTemporaryDir dir;
        for (int i = 0; i < 3; ++i) {
            QVERIFY(showPage(&charts, i) != nullptr);
            const QString png = dir.filePath(QStringLiteral("chart%1.png").arg(i));
            QCOMPARE(charts.savePicture(png), QString());
            QImage image(png);
            QVERIFY(!image.isNull());
            QCOMPARE(image.size(), charts.currentPage()->picture()->size());
            const QString svg = dir.filePath(QStringLiteral("chart%1.svg").arg(i));
            QCOMPARE(charts.savePicture(svg), QString());
            QFile file(svg);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QXmlStreamReader xml(&file);
            int elements = 0;
            while (!xml.atEnd()) {
                elements += xml.readNext() == QXmlStreamReader::StartElement ? 1 : 0;
            }
            QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
            QVERIFY(elements > 10);
        }
        // A full disk, or a folder that is not there, is told, not hidden.
        QVERIFY(charts.savePicture(dir.filePath(QStringLiteral("none/chart.png")))
                    .contains(QStringLiteral("chart.png")));

        const QString pdf = dir.filePath(QStringLiteral("chart.pdf"));
        setPrinterSetup([pdf](QPrinter& printer, QWidget*) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return true;
        });
        clickButton(&charts, QStringLiteral("cmdPrint"));
        setPrinterSetup({});
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        QVERIFY(text.waitForFinished(10000));
        const QString printed = QString::fromUtf8(text.readAllStandardOutput());
        QVERIFY2(printed.contains(QStringLiteral("Skips")), qPrintable(printed));
        QVERIFY2(printed.contains(QStringLiteral("By the odds")), qPrintable(printed));
    }

    // Pictures of every page for the guide, where PICK3_SHOTS names a folder: a
    // back-test of 30, 400 and 100,000 pasted draws, the window as large as a
    // 1280 by 720 and a 1024 by 768 screen leave it.
    void picturesForTheGuide() {
        const QString folder = qEnvironmentVariable("PICK3_SHOTS");
        if (folder.isEmpty()) {
            QSKIP("PICK3_SHOTS names no folder");
        }
        doSteps(w, {"lstDigitsWheel:1234"});
        for (const int draws : {30, 400, 100'000}) {
            std::mt19937 random(static_cast<unsigned>(draws));
            QString history;
            for (int i = 0; i < draws; ++i) {
                history +=
                    QString::number(std::uniform_int_distribution<int>(0, 999)(random) + 1000)
                        .mid(1) +
                    QLatin1Char(' ');
            }
            QVERIFY(countInHotCold(w, history));
            QVERIFY(inModal(w, QStringLiteral("cmdBackTest"), [&](QWidget* backTest) {
                QTRY_VERIFY_WITH_TIMEOUT(
                    backTest->findChild<QWidget*>(QStringLiteral("cmdCharts"))->isEnabled(), 60000);
                QVERIFY(inModal(backTest, QStringLiteral("cmdCharts"), [&](QWidget* charts) {
                    for (const QSize screen : {QSize(1280, 720), QSize(1024, 768)}) {
                        charts->resize(screen - QSize(0, 40)); // less the title bar
                        for (int i = 0; i < 5; ++i) {
                            ChartPage* page = showPage(charts, i);
                            QVERIFY(page != nullptr);
                            QTest::qWait(400); // a resized chart draws again
                            QTRY_VERIFY_WITH_TIMEOUT(page->isDrawn(), 20000);
                            QVERIFY(charts->grab().save(
                                QStringLiteral("%1/charts-%2-%3-%4.png")
                                    .arg(folder, page->objectName().startsWith(QStringLiteral("pg"))
                                                     ? page->objectName().mid(2).toLower()
                                                     : QStringLiteral("fairness"))
                                    .arg(screen.width())
                                    .arg(draws)));
                        }
                    }
                }));
            }));
        }
    }

    // Before a count, and a back-test that tested nothing: every page draws, empty.
    void noDraws() {
        ChartSource source;
        source.report = std::make_shared<const BackTestReport>();
        frmCharts charts(source);
        charts.show();
        QVERIFY(charts.findChild<QLabel*>(QStringLiteral("lblChartDraws"))
                    ->text()
                    .startsWith(QStringLiteral("There are no draws to chart yet.")));
        for (int i = 0; i < charts.pageCount(); ++i) {
            QVERIFY(showPage(&charts, i) != nullptr);
        }
        QCOMPARE(charts.findChild<QLabel*>(QStringLiteral("lblLuckNote"))->text(),
                 QStringLiteral("No draw was tested. A line inside the band is what luck alone "
                                "gives."));
    }

  private:
    static void checkHeat(QWidget* charts, const DrawList& oldest) {
        ChartPage* page = showPage(charts, 0);
        QVERIFY(page != nullptr);
        auto* table = page->findChild<QTableWidget*>(QStringLiteral("tblHeat"));
        const DigitHeat heat = digitHeat(oldest);
        // The count, and beside an unusual one's colour its mark.
        const auto shown = [&heat](int row, int digit) {
            const HeatCell& cell =
                heat.cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(digit)];
            const QString mark = QString::fromStdString(heatMark(cell));
            return QString::number(cell.count) + (mark.isEmpty() ? QString() : ' ' + mark);
        };
        QCOMPARE(table->item(0, 4)->text() + ' ' + table->item(3, 1)->text(),
                 shown(0, 4) + ' ' + shown(3, 1));
        QVERIFY(table->item(0, 4)->text().endsWith(QChar(0x25B2))); // 16 fours of 40: more
        // The line under the map names the unusual cells.
        QVERIFY(page->findChild<QLabel*>(QStringLiteral("lblHeatLuck"))
                    ->text()
                    .endsWith(QString::fromStdString(heatUnusualText(heat))));
        QVERIFY(!heatUnusualText(heat).empty());
        // Focus on a cell tells its figures.
        table->setFocus();
        table->setCurrentCell(3, 1);
        QCOMPARE(page->findChild<QLabel*>(QStringLiteral("lblHeatCell"))->text(),
                 QString::fromStdString(heatCellText(heat, 3, 1)));
        QCOMPARE(table->item(3, 1)->data(Qt::AccessibleTextRole).toString(),
                 QString::fromStdString(heatCellText(heat, 3, 1)));
    }

    static void checkSums(QWidget* charts, const DrawList& oldest) {
        ChartPage* page = showPage(charts, 1);
        QVERIFY(page != nullptr);
        const std::vector<int> sums = drawSums(oldest);
        QCOMPARE(linePoints(page, "chtSumsOverTime", QStringLiteral("Sums")),
                 asPoints(std::vector<double>(sums.begin(), sums.end())));
        QCOMPARE(linePoints(page, "chtSumsOverTime", QStringLiteral("Average")),
                 asPoints(movingAverage(sums, 30), 29.0));
        const std::array<SumBar, 28> bars = sumHistogram(oldest);
        auto* values = page->findChild<QTableWidget*>(QStringLiteral("tblSumValues"));
        QCOMPARE(values->item(6, 1)->text(), QString::number(bars[6].count));
        QCOMPARE(linePoints(page, "chtSumHistogram", QStringLiteral("A fair game"))[13],
                 QPointF(13, bars[13].fair));
    }

    static void checkSkips(QWidget* charts, const DrawList& oldest) {
        ChartPage* page = showPage(charts, 2);
        QVERIFY(page != nullptr);
        auto* digit = page->findChild<QComboBox*>(QStringLiteral("cboSkipDigit"));
        digit->setCurrentIndex(4);
        QTRY_VERIFY(page->isDrawn());
        const SkipSeries skips = skipSeries(oldest, SkipSubject::Position1, 4);
        auto* view = page->findChild<QChartView*>(QStringLiteral("chtRecentSkips"));
        auto* bars = static_cast<QStackedBarSeries*>(view->chart()->series().first());
        QBarSet* past = bars->barSets().first();
        QCOMPARE(past->count(), static_cast<int>(skips.skips.size()) + 1);
        for (std::size_t i = 0; i < skips.skips.size(); ++i) {
            QCOMPARE(past->at(static_cast<int>(i)), static_cast<double>(skips.skips[i]));
        }
        QCOMPARE(bars->barSets().last()->at(past->count() - 1), static_cast<double>(skips.current));
    }
};

QTEST_MAIN(ChartsTest)
#include "tst_charts.moc"
