#include "charts/FairnessPage.h"

#include "engine/stats/Chance.h"
#include "widgets/Look.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

namespace pick3 {

namespace {

// Up to this many draws the tests take a few milliseconds: no worker thread.
constexpr std::size_t kInstantDraws = 200'000;
const QColor kUnusualColour{0xFF, 0xD0, 0xD0};

} // namespace

FairnessPage::FairnessPage(QWidget* parent)
    : ChartPage(QStringLiteral("Fairness"), parent), picture_(new QWidget(this)) {
    setObjectName(QStringLiteral("FairnessPage"));
    QLabel* heading = makeHeading(QStringLiteral("lblFairnessHeading"),
                                  QStringLiteral("Is this history a fair draw?"), this);
    lblVerdict_ = makeHeading(QStringLiteral("lblFairnessVerdict"), QString(), this);
    lblVerdict_->setWordWrap(true);
    lblDraws_ = makeLabel(QStringLiteral("lblFairnessDraws"), QString(), this);
    lblDraws_->setWordWrap(true);
    table_ = named(new QTableWidget(0, 4, this), QStringLiteral("tblFairness"));
    table_->setHorizontalHeaderLabels({QStringLiteral("Test"), QStringLiteral("Figure"),
                                       QStringLiteral("A fair draw does this"),
                                       QStringLiteral("What was counted")});
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setWordWrap(true);
    table_->verticalHeader()->hide();
    // The figures take the room they need; "What was counted" the rest, its rows
    // as tall as their text, so nothing needs a tooltip to be read.
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setSectionResizeMode(3, QHeaderView::Stretch);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setTextElideMode(Qt::ElideNone);
    connect(table_->horizontalHeader(), &QHeaderView::sectionResized, table_,
            [this] { table_->resizeRowsToContents(); });
    table_->setTabKeyNavigation(false);
    describe(table_, QStringLiteral("Fairness tests"),
             QStringLiteral("Each test of a fair draw: its figure, how often a fair draw gives "
                            "one as far off, and what was counted"));
    QLabel* caution =
        makeLabel(QStringLiteral("lblFairnessCaution"), fromEngine(kFairnessCaution), this);
    caution->setWordWrap(true);
    auto* column = new QVBoxLayout(picture_);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(heading);
    column->addWidget(lblVerdict_);
    column->addWidget(lblDraws_);
    column->addWidget(table_, 1);
    column->addWidget(caution);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(picture_);
    connect(&running_, &QFutureWatcher<Run>::finished, this, [this] {
        if (running_.result().asked == asked_) {
            showReport(running_.result().report);
        }
    });
    showReport(fairnessReport({}));
}

void FairnessPage::redraw() {
    setDraws(draws().oldest);
}

void FairnessPage::setDraws(const DrawList& draws) {
    const std::size_t asked = ++asked_;
    if (draws.size() <= kInstantDraws) {
        showReport(fairnessReport(draws));
        return;
    }
    report_ = {};
    lblVerdict_->setText(
        QStringLiteral("Testing %1...").arg(fromEngine(counted(draws.size(), "draw"))));
    running_.setFuture(QtConcurrent::run([draws, asked] {
        return Run{asked, fairnessReport(draws)};
    }));
}

void FairnessPage::showReport(const FairnessReport& report) {
    report_ = report;
    lblVerdict_->setText(fromEngine(report.verdict));
    setTextColour(lblVerdict_, report.anyUnusual() ? kStatusRed : QColor(Qt::black));
    lblDraws_->setText(QStringLiteral("%1 tested, in the order counted. Unusual: what a fair draw "
                                      "does at most 5 times in 100, allowing for the tests made.")
                           .arg(fromEngine(counted(report.draws, "draw"))));
    table_->setRowCount(static_cast<int>(report.tests.size()));
    for (std::size_t r = 0; r < report.tests.size(); ++r) {
        const FairnessTest& test = report.tests[r];
        const QString chance =
            fromEngine(test.chanceText) + (test.unusual ? QStringLiteral(": unusual") : QString());
        const std::array<QString, 4> cells{fromEngine(test.name), fromEngine(test.figure), chance,
                                           fromEngine(test.sentence)};
        for (std::size_t c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            item->setToolTip(cells[c]);
            if (test.unusual) {
                item->setBackground(kUnusualColour);
            }
            table_->setItem(static_cast<int>(r), static_cast<int>(c), item);
        }
    }
    table_->resizeRowsToContents();
    markDrawn();
    Q_EMIT reportShown();
}

} // namespace pick3
