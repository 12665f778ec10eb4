#include "backtest/frmBackTest.h"

#include "backtest/DrawStrip.h"
#include "engine/LiveCount.h"
#include "widgets/BannerFrame.h"
#include "widgets/Look.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>
#include <cstdio>

namespace pick3 {

namespace {

// A table cell that sorts by a number of its own, not by its text.
class SortedByValue : public QTableWidgetItem {
  public:
    SortedByValue(const QString& text, double value) : QTableWidgetItem(text) {
        setData(Qt::UserRole, value);
        setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    bool operator<(const QTableWidgetItem& other) const override {
        return data(Qt::UserRole).toDouble() < other.data(Qt::UserRole).toDouble();
    }
};

QTableWidget* makeTable(const QString& name, const QString& heading, const QString& tooltip,
                        const QStringList& columns, QWidget* parent) {
    auto* table = named(new QTableWidget(0, static_cast<int>(columns.size()), parent), name);
    table->setHorizontalHeaderLabels(columns);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setTabKeyNavigation(false); // Tab leaves the table
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    // Until the user picks a column: the rows in their own order.
    table->horizontalHeader()->setSortIndicator(0, Qt::AscendingOrder);
    table->setSortingEnabled(true);
    describe(table, heading, tooltip);
    table->horizontalHeader()->setAccessibleName(heading + QStringLiteral(": columns"));
    table->verticalHeader()->setAccessibleName(heading + QStringLiteral(": rows"));
    for (QAbstractButton* corner : table->findChildren<QAbstractButton*>()) {
        corner->setAccessibleName(heading + QStringLiteral(": select all"));
    }
    return table;
}

QString share(std::size_t part, std::size_t whole) {
    const double percent =
        whole == 0 ? 0.0 : 100.0 * static_cast<double>(part) / static_cast<double>(whole);
    return QStringLiteral("%1 of %2 (%3%)").arg(part).arg(whole).arg(percent, 0, 'f', 1);
}

// Plain where a condition throws out winners no more often than numbers,
// redder the more often it does (twice as often, or winners and no number: full red).
QColor costColour(const CostShares& shares) {
    const double t = shares.winnersPerNumber ? std::clamp(*shares.winnersPerNumber - 1.0, 0.0, 1.0)
                                             : (shares.winners > 0.0 ? 1.0 : 0.0);
    return QColor(255, static_cast<int>(255 - 110 * t), static_cast<int>(255 - 110 * t));
}

// White for a digit on time, through orange to red for one three times overdue.
QColor heat(const SkipRow& row) {
    const double t = std::clamp((row.dueRank() - 1.0) / 2.0, 0.0, 1.0);
    return QColor(255, static_cast<int>(255 - 150 * t), static_cast<int>(255 - 230 * t));
}

} // namespace

frmBackTest::frmBackTest(MainInput settings, DrawList draws, SortOrder order, QWidget* parent)
    : DiscardableDialog(parent), settings_(std::move(settings)), draws_(std::move(draws)),
      order_(order) {
    setObjectName(QStringLiteral("frmBackTest"));
    setWindowTitle(QStringLiteral("Back-test of the filter settings"));
    setSizeGripEnabled(true);
    // A worker thread must not read the counter's lists: the hot digits are read here, once.
    const HotDigits hot = settings_.readHotDigits ? settings_.readHotDigits() : HotDigits();
    settings_.readHotDigits = [hot] { return hot; };
    BannerFrame* banner = BannerFrame::around(this, QStringLiteral("Back-test"));
    connect(banner->closeButton(), &QPushButton::clicked, this, &frmBackTest::reject);
    QWidget* area = banner->content();
    lblDraws_ = makeLabel(QStringLiteral("lblDraws"), QString(), area);
    lblDraws_->setWordWrap(true);
    choices_ = makeChoices(area);
    busy_ = named(new QProgressBar(area), QStringLiteral("prgBackTest"));
    busy_->setRange(0, 0); // busy, for as long as it takes
    busy_->setFormat(QStringLiteral("Testing %1 draws...").arg(draws_.size()));
    busy_->setTextVisible(true);
    busy_->hide();
    connect(&running_, &QFutureWatcher<Run>::finished, this, [this] {
        setBusy(false);
        showRun(running_.result());
    });
    tabs_ = named(new QTabWidget(area), QStringLiteral("tabBackTest"));
    tabs_->addTab(makeResultsTab(), QStringLiteral("&How the filters did"));
    tabs_->addTab(makeSkipTab(), QStringLiteral("&Skip counts"));
    describe(tabs_, QStringLiteral("Back-test"));
    describe(tabs_->tabBar(), QStringLiteral("Back-test pages"));
    auto* column = new QVBoxLayout(area);
    column->setContentsMargins(10, 8, 10, 10);
    column->addWidget(lblDraws_);
    column->addWidget(choices_);
    column->addWidget(busy_);
    column->addWidget(tabs_, 1);
    setTabOrder(banner->closeButton(), newest_->button(0));
    resize(920, 720);

    if (draws_.empty()) {
        showNoDraws();
        return;
    }
    lblDraws_->setText(
        QStringLiteral("%1 draws from the last count in \"HotCold\", tested with the "
                       "filter settings of the main window as they stand.")
            .arg(draws_.size()));
    refresh();
    newest_->button(0)->setFocus(); // the keyboard starts at the choices, not on Close
}

// Nothing to test yet: the window says how to get some draws.
void frmBackTest::showNoDraws() {
    lblDraws_->setText(QStringLiteral("There are no draws to test yet. Paste your draw history "
                                      "in \"HotCold\" and press \"Count\"; then open the "
                                      "back-test again."));
    choices_->hide();
    tabs_->hide();
    static_cast<QBoxLayout*>(lblDraws_->parentWidget()->layout())->setStretchFactor(lblDraws_, 1);
    lblDraws_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The keyboard starts at what to do (read out by a screen reader), not on Close.
    lblDraws_->setFocusPolicy(Qt::StrongFocus);
    describe(lblDraws_, QStringLiteral("No draws"));
    lblDraws_->setFocus();
}

QWidget* frmBackTest::makeChoices(QWidget* parent) {
    auto* choices = new QWidget(parent);
    auto* row = new QHBoxLayout(choices);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(makeLabel(QStringLiteral("lblNewest"), QStringLiteral("Newest draw:"), choices));
    newest_ = new QButtonGroup(choices);
    const std::array<QString, 2> captions{QStringLiteral("&First (as results pages list them)"),
                                          QStringLiteral("&Last")};
    for (int i = 0; i < 2; ++i) {
        auto* option = named(new QRadioButton(captions[static_cast<std::size_t>(i)], choices),
                             QStringLiteral("optNewest(%1)").arg(i));
        describe(option, QString(i == 0 ? "Newest draw first" : "Newest draw last"),
                 QStringLiteral("Which end of the pasted history holds the newest draw"));
        newest_->addButton(option, i);
        row->addWidget(option);
    }
    newest_->button(0)->setChecked(true);
    row->addSpacing(24);
    QLabel* label = makeLabel(QStringLiteral("lblLastDraws"), QStringLiteral("&Test:"), choices);
    lastDraws_ = named(new QComboBox(choices), QStringLiteral("cboLastDraws"));
    lastDraws_->addItem(QStringLiteral("all %1 draws").arg(draws_.size()), 0);
    for (const int last : {30, 100, 365, 1000, 3650}) {
        if (static_cast<std::size_t>(last) < draws_.size()) {
            lastDraws_->addItem(QStringLiteral("the newest %1 draws").arg(last), last);
        }
    }
    describe(lastDraws_, QStringLiteral("Draws tested"),
             QStringLiteral("Test all draws of the history, or only the newest of them"));
    label->setBuddy(lastDraws_);
    row->addWidget(label);
    row->addWidget(lastDraws_);
    row->addStretch(1);
    connect(newest_, &QButtonGroup::idClicked, this, &frmBackTest::refresh);
    connect(lastDraws_, &QComboBox::currentIndexChanged, this, &frmBackTest::refresh);
    return choices;
}

QWidget* frmBackTest::makeResultsTab() {
    auto* tab = new QWidget;
    refusal_ = makeHeading(QStringLiteral("lblRefusal"), QString(), tab);
    refusal_->setWordWrap(true);
    setTextColour(refusal_, QColor(0xA0, 0x00, 0x00));
    auto* form = new QFormLayout;
    for (std::size_t i = 0; i < summary_.size(); ++i) {
        summary_[i] = makeLabel(QStringLiteral("lblSummary(%1)").arg(i), QString(), tab);
        summary_[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        captions_[i] = makeLabel(QStringLiteral("lblSummaryCaption(%1)").arg(i), QString(), tab);
        form->addRow(captions_[i], summary_[i]);
    }
    strip_ = new DrawStrip(tab);
    describe(strip_, QStringLiteral("Draw by draw"),
             QStringLiteral("One cell per tested draw in the order of the history: green a hit, "
                            "grey a miss. Point at a cell or select it with the arrow keys."));
    details_ = makeLabel(QStringLiteral("lblDrawDetails"), QString(), tab);
    // What the colours of the strip mean, in those colours.
    QLabel* legend = makeLabel(
        QStringLiteral("lblStripLegend"),
        QStringLiteral("<span style=\"color:#20a030\">&#9632;</span> a hit: \"Create numbers\" "
                       "would have created the draw &nbsp; <span style=\"color:#a0a0a0\">&#9632;"
                       "</span> a miss"),
        tab);
    connect(strip_, &DrawStrip::cellPointed, this, &frmBackTest::showPointed);
    costs_ =
        makeTable(QStringLiteral("tblConditionCosts"), QStringLiteral("What each setting costs"),
                  QStringLiteral("Each condition alone: how many of the tested draws it throws "
                                 "out, and how many of all 1000 numbers. The redder a row, "
                                 "the more often it throws out winners than numbers."),
                  {QStringLiteral("Condition"), QStringLiteral("Winners thrown out"),
                   QStringLiteral("Numbers thrown out"), QStringLiteral("Winners per number")},
                  tab);
    auto* column = new QVBoxLayout(tab);
    column->addWidget(refusal_);
    column->addLayout(form);
    column->addWidget(makeHeading(QStringLiteral("lblStrip"), QStringLiteral("Draw by draw"), tab));
    column->addWidget(strip_, 1);
    column->addWidget(legend);
    column->addWidget(details_);
    column->addWidget(
        makeHeading(QStringLiteral("lblCosts"), QStringLiteral("What each setting costs"), tab));
    column->addWidget(costs_, 2);
    return tab;
}

QWidget* frmBackTest::makeSkipTab() {
    auto* tab = new QWidget;
    skips_ = makeTable(
        QStringLiteral("tblSkipCounts"), QStringLiteral("Skip counts"),
        QStringLiteral(
            "Skip: the draws in a row without it. Current skip: since it last came. Due: "
            "(current + 1) / (average + 1); the warmer the colour, the more overdue."),
        {QStringLiteral("Counted"), QStringLiteral("Value"), QStringLiteral("Times drawn"),
         QStringLiteral("Current skip"), QStringLiteral("Longest skip"),
         QStringLiteral("Average skip"), QStringLiteral("Due")},
        tab);
    QLabel* meaning = makeLabel(
        QStringLiteral("lblSkipMeaning"),
        QStringLiteral("A skip is a run of draws without it. Current skip: the draws since it last "
                       "came. Due: (current + 1) / (average + 1); above 1 it is overdue, and the "
                       "warmer the colour, the more so."),
        tab);
    meaning->setWordWrap(true);
    auto* column = new QVBoxLayout(tab);
    column->addWidget(meaning);
    column->addWidget(skips_);
    return tab;
}

BackTestOptions frmBackTest::options() const {
    return {newest_->checkedId() == 1 ? NewestEnd::Last : NewestEnd::First,
            static_cast<std::size_t>(lastDraws_->currentData().toInt()), order_};
}

frmBackTest::Run frmBackTest::test(const MainInput& settings, const DrawList& draws,
                                   BackTestOptions options) {
    return {backTest(settings, draws, options), skipCounts(draws, options.newest)};
}

void frmBackTest::refresh() {
    // Up to this many draws a test takes well under a quarter of a second.
    constexpr std::size_t kInstantDraws = 50000;
    if (draws_.size() <= kInstantDraws) {
        showRun(test(settings_, draws_, options()));
        return;
    }
    // A longer one runs on a worker thread, the window showing that it works.
    setBusy(true);
    running_.setFuture(QtConcurrent::run(&frmBackTest::test, settings_, draws_, options()));
}

void frmBackTest::setBusy(bool busy) {
    busy_->setVisible(busy);
    choices_->setEnabled(!busy);
    tabs_->setEnabled(!busy);
}

void frmBackTest::showRun(const Run& run) {
    report_ = run.report.ok() ? *run.report : BackTestReport{};
    showSummary(run.report);
    showStrip();
    showCosts();
    showSkipCounts(run.skips);
}

void frmBackTest::showSummary(const Result<BackTestReport>& report) {
    refusal_->setVisible(!report.ok());
    refusal_->setText(report.ok() ? QString()
                                  : QStringLiteral("\"Create numbers\" would refuse: ") +
                                        fromEngine(report.refusal()));
    const auto lines = backTestSummary(report_);
    for (std::size_t i = 0; i < summary_.size(); ++i) {
        captions_[i]->setText(fromEngine(lines[i].first) + QLatin1Char(':'));
        summary_[i]->setText(report.ok() ? fromEngine(lines[i].second) : QString());
    }
}

void frmBackTest::showStrip() {
    std::vector<bool> hits;
    hits.reserve(report_.strip.size());
    for (const DrawVerdict& v : report_.strip) {
        hits.push_back(v.hit());
    }
    strip_->setCells(std::move(hits), [this](int cell) {
        const DrawVerdict& verdict = report_.strip[static_cast<std::size_t>(cell)];
        return fromEngine(verdictText(report_, verdict, labelOf_ ? labelOf_(verdict.index) : ""));
    });
    details_->setText(QStringLiteral("Point at a draw to see how it did."));
}

void frmBackTest::showPointed(int cell) {
    if (cell >= 0) {
        details_->setText(strip_->describeCell(cell));
    }
}

void frmBackTest::showCosts() {
    costs_->setSortingEnabled(false);
    costs_->setRowCount(static_cast<int>(report_.costs.size()));
    for (int row = 0; row < costs_->rowCount(); ++row) {
        const ConditionCost& c = report_.costs[static_cast<std::size_t>(row)];
        const CostShares shares = costShares(report_, c);
        const auto& perNumber = shares.winnersPerNumber;
        const std::array<QTableWidgetItem*, 4> items{
            new SortedByValue(fromEngine(c.name), row),
            new SortedByValue(share(c.drawsThrownOut, report_.tested), shares.winners),
            new SortedByValue(share(static_cast<std::size_t>(c.numbersThrownOut), kNumberCount),
                              shares.numbers),
            new SortedByValue(perNumber ? QString::number(*perNumber, 'f', 2) : QStringLiteral("-"),
                              perNumber.value_or(0.0))};
        items[0]->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        for (int column = 0; column < 4; ++column) {
            items[static_cast<std::size_t>(column)]->setBackground(costColour(shares));
            costs_->setItem(row, column, items[static_cast<std::size_t>(column)]);
        }
    }
    costs_->setSortingEnabled(true);
    costs_->resizeColumnsToContents();
}

void frmBackTest::showSkipCounts(const std::vector<SkipRow>& rows) {
    skips_->setSortingEnabled(false);
    skips_->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < skips_->rowCount(); ++r) {
        const SkipRow& row = rows[static_cast<std::size_t>(r)];
        const std::optional<double> due = row.due();
        const QString average =
            row.average ? QString::number(*row.average, 'f', 1) : QStringLiteral("-");
        const QString dueText = row.hits == 0 ? QStringLiteral("never drawn")
                                : due         ? QString::number(*due, 'f', 2)
                                              : QStringLiteral("-");
        const std::array<QTableWidgetItem*, 7> items{
            new SortedByValue(fromEngine(skipSubjectName(row.subject)), r),
            new SortedByValue(QString::number(row.value), row.value),
            new SortedByValue(QString::number(row.hits), static_cast<double>(row.hits)),
            new SortedByValue(QString::number(row.current), static_cast<double>(row.current)),
            new SortedByValue(QString::number(row.longest), static_cast<double>(row.longest)),
            new SortedByValue(average, row.average.value_or(-1.0)),
            new SortedByValue(dueText, row.dueRank())};
        items[0]->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        items[3]->setBackground(heat(row));
        items[6]->setBackground(heat(row));
        for (int column = 0; column < 7; ++column) {
            skips_->setItem(r, column, items[static_cast<std::size_t>(column)]);
        }
    }
    skips_->setSortingEnabled(true);
    skips_->resizeColumnsToContents();
}

} // namespace pick3
