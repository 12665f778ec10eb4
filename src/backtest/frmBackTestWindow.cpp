#include "backtest/frmBackTestWindow.h"

#include "backtest/DrawStrip.h"
#include "engine/backtest/GamePrizes.h"
#include "engine/numbers/LiveCount.h"
#include "engine/stats/Chance.h"
#include "widgets/BannerFrame.h"
#include "widgets/Look.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
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
    // The names in full; what is left goes to the last column.
    table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    table->horizontalHeader()->setStretchLastSection(true);
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

// Orange where a condition throws out more winners than its share of numbers
// would by luck, blue where fewer (the charts' pair, which a colour-blind
// player tells apart), each with its mark; only where luck alone rarely does that.
const QColor kMoreWinners{0xF6, 0xCB, 0x70};
const QColor kFewerWinners{0xA9, 0xCF, 0xEA};

// White for a skip that half of all skips reach, through orange to red for
// one that 1 skip in 100 reaches.
QColor heat(const SkipRow& row) {
    const double t = std::clamp((std::log(0.5) - row.logChanceOfSkip()) / std::log(50.0), 0.0, 1.0);
    return QColor(255, static_cast<int>(255 - 150 * t), static_cast<int>(255 - 230 * t));
}

// Which gaps each column of the skip table counts, so that the average and the
// longest skip do not seem to disagree.
void setSkipColumnTips(QTableWidget* table) {
    const std::array<QString, 9> columnTips{
        QStringLiteral("What is counted: a digit in one position or anywhere, a root sum, a sum"),
        QStringLiteral("The digit, the root sum or the sum"),
        QStringLiteral("The draws it came in"),
        QStringLiteral("The draws since it last came; never drawn: the whole history and a +, as "
                       "its skip is at least that"),
        QStringLiteral("The most draws in a row without it, counting the draws before it first "
                       "came and the current skip"),
        QStringLiteral("The mean of the gaps between two of its draws only: the draws before it "
                       "first came and the current skip are left out, so the longest skip can be "
                       "far above it; none below two draws"),
        QStringLiteral("The draws it stays away on average by the game's own odds"),
        QStringLiteral("How often luck alone gives a skip at least as long as the current one, by "
                       "the game's own odds"),
        QStringLiteral("(current + 1) / (expected skip + 1); above 1 it has been away longer "
                       "than it stays away on average")};
    for (int column = 0; column < table->columnCount(); ++column) {
        table->horizontalHeaderItem(column)->setToolTip(
            columnTips[static_cast<std::size_t>(column)]);
    }
}

QString captionText(const std::string& caption) {
    const QString text = fromEngine(caption);
    return text.endsWith(QLatin1Char('?')) ? text : text + QLatin1Char(':');
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
    makeBusyRow(area);
    connect(&running_, &QFutureWatcher<Run>::finished, this, [this] {
        if (!busyRow_->isVisible()) {
            return; // cancelled: the result is of no use
        }
        setBusy(false);
        showRun(running_.result());
        restoreFocus();
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
    column->addWidget(busyRow_);
    column->addWidget(cancelled_);
    column->addWidget(tabs_, 1);
    setTabOrder(banner->closeButton(), newest_->button(0));
    // Within a 1280 x 720 screen; what does not fit scrolls inside the pages.
    resize(1000, 620);

    if (draws_.empty()) {
        showNoDraws();
        return;
    }
    setCounting(QString());
    focusAfterRun_ = newest_->button(0); // the keyboard starts at the choices, not on Close
    refresh();
}

// The busy bar with its Cancel, shown while a long test runs, and the line
// that says a test was cancelled.
void frmBackTest::makeBusyRow(QWidget* parent) {
    busyRow_ = new QWidget(parent);
    busy_ = named(new QProgressBar(busyRow_), QStringLiteral("prgBackTest"));
    busy_->setRange(0, 0); // busy, for as long as it takes
    busy_->setFormat(
        QStringLiteral("Testing %1...").arg(fromEngine(counted(draws_.size(), "draw"))));
    busy_->setTextVisible(true);
    describe(busy_, QStringLiteral("Testing"));
    cancel_ = named(new QPushButton(QStringLiteral("Ca&ncel"), busyRow_),
                    QStringLiteral("cmdCancelBackTest"));
    describe(cancel_, QStringLiteral("Cancel the test"),
             QStringLiteral("Stop waiting for this test; the choices can be changed again"));
    connect(cancel_, &QPushButton::clicked, this, &frmBackTest::cancelRun);
    auto* busyLine = new QHBoxLayout(busyRow_);
    busyLine->setContentsMargins(0, 0, 0, 0);
    busyLine->addWidget(busy_, 1);
    busyLine->addWidget(cancel_);
    busyRow_->hide();
    cancelled_ = makeLabel(QStringLiteral("lblCancelled"),
                           QStringLiteral("The test was cancelled: the figures below are not of "
                                          "the choices above. Choose again to test."),
                           parent);
    cancelled_->setWordWrap(true);
    cancelled_->hide();
}

// The choices are disabled while a long test runs, so the focus they had (or
// are to get) is given to them when it is done.
void frmBackTest::restoreFocus() {
    if (focusAfterRun_ && focusAfterRun_->isEnabled()) {
        focusAfterRun_->setFocus();
        focusAfterRun_ = nullptr;
    }
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
    newest_ = addNewestChoice(row, choices);
    row->addSpacing(24);
    QLabel* label = makeLabel(QStringLiteral("lblLastDraws"), QStringLiteral("&Test:"), choices);
    lastDraws_ = named(new QComboBox(choices), QStringLiteral("cboLastDraws"));
    lastDraws_->addItem(QStringLiteral("all %1").arg(fromEngine(counted(draws_.size(), "draw"))),
                        0);
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
    auto* charts =
        named(new QPushButton(QStringLiteral("Ch&arts..."), choices), QStringLiteral("cmdCharts"));
    charts_ = charts;
    describe(charts, QStringLiteral("Charts..."),
             QStringLiteral("Draws the tested draws and the hits against luck as charts"));
    connect(charts, &QPushButton::clicked, this, &frmBackTest::chartsRequested);
    row->addWidget(charts);
    connect(newest_, &QButtonGroup::idClicked, this, &frmBackTest::refresh);
    connect(lastDraws_, &QComboBox::currentIndexChanged, this, &frmBackTest::refresh);
    return choices;
}

// The cost of each condition, with the line on what luck alone gives.
void frmBackTest::makeCostsTable() {
    costs_ = makeTable(
        QStringLiteral("tblConditionCosts"), QStringLiteral("What each setting costs"),
        QStringLiteral("Each condition alone: how many of the tested draws it throws out, how "
                       "many of all 1000 numbers, how much more often it throws out a winner "
                       "than a number, how many winners that share of numbers throws "
                       "out by luck alone, and how rarely luck alone is this far off. A red row "
                       "throws out winners more often than luck would, a green one less often; "
                       "only rows that luck alone gives less than 5 times in 100 are coloured."),
        {QStringLiteral("Condition"), QStringLiteral("Winners thrown out"),
         QStringLiteral("Numbers thrown out"), QStringLiteral("Winners against numbers"),
         QStringLiteral("By luck alone"), QStringLiteral("Chance by luck")},
        results_);
    costs_->setMinimumHeight(160); // a few rows at least; the page scrolls to it
    costsLuck_ = makeLabel(QStringLiteral("lblCostsLuck"), QString(), results_);
    costsLuck_->setWordWrap(true);
}

QWidget* frmBackTest::makeResultsTab() {
    auto* tab = new QWidget;
    refusal_ = makeHeading(QStringLiteral("lblRefusal"), QString(), tab);
    refusal_->setWordWrap(true);
    refusal_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextColour(refusal_, QColor(0xA0, 0x00, 0x00));
    results_ = new QWidget(tab);
    auto* form = new QFormLayout;
    form->setVerticalSpacing(2);
    for (std::size_t i = 0; i < summary_.size(); ++i) {
        summary_[i] = makeLabel(QStringLiteral("lblSummary(%1)").arg(i), QString(), results_);
        summary_[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        summary_[i]->setWordWrap(true);
        captions_[i] =
            makeLabel(QStringLiteral("lblSummaryCaption(%1)").arg(i), QString(), results_);
        form->addRow(captions_[i], summary_[i]);
    }
    strip_ = new DrawStrip(results_);
    describe(strip_, QStringLiteral("Draw by draw"),
             QStringLiteral("One cell per tested draw in the order of the history: green a hit, "
                            "grey a miss. Point at a cell or select it with the arrow keys."));
    details_ = makeLabel(QStringLiteral("lblDrawDetails"), QString(), results_);
    // What the colours of the strip mean, in those colours, and where the newest draw is.
    legend_ = makeLabel(QStringLiteral("lblStripLegend"), QString(), results_);
    connect(strip_, &DrawStrip::cellPointed, this, &frmBackTest::showPointed);
    makeCostsTable();
    auto* column = new QVBoxLayout(results_);
    column->setContentsMargins(0, 0, 0, 0);
    column->addLayout(form);
    column->addWidget(makePrizes(results_));
    column->addWidget(
        makeHeading(QStringLiteral("lblStrip"), QStringLiteral("Draw by draw"), results_));
    column->addWidget(strip_, 1);
    column->addWidget(legend_);
    column->addWidget(details_);
    column->addWidget(makeHeading(QStringLiteral("lblCosts"),
                                  QStringLiteral("What each setting costs"), results_));
    column->addWidget(costs_, 2);
    column->addWidget(costsLuck_);
    // What does not fit the window's height scrolls inside the page.
    auto* scroll = named(new QScrollArea(tab), QStringLiteral("scrResults"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    describe(scroll, QStringLiteral("How the filters did"));
    scroll->setWidget(results_);
    auto* page = new QVBoxLayout(tab);
    page->addWidget(refusal_);
    page->addWidget(scroll, 1);
    return tab;
}

// The stake and the prizes that the money lines of the summary are worked with.
QWidget* frmBackTest::makePrizes(QWidget* parent) {
    auto* prizes = new QWidget(parent);
    auto* rows = new QVBoxLayout(prizes);
    rows->setContentsMargins(0, 0, 0, 0);
    auto* row = new QHBoxLayout;
    rows->addLayout(row);
    prizesFrom_ = makeLabel(QStringLiteral("lblPrizesFrom"), QString(), prizes);
    prizesFrom_->setWordWrap(true);
    prizesFrom_->hide(); // shown once a game is given
    struct Field {
        const char* name;
        const char* caption;
        const char* spoken;
        double value;
    };
    const Prizes design;
    const std::array<Field, 4> fields{
        Field{"spnStake", "Sta&ke per number:", "Stake per number", design.stake},
        Field{"spnStraightPrize", "Prize per 1.00: straight &prize:", "Straight prize",
              design.straight},
        Field{"spnBoxSixWayPrize", "box six-&way:", "Box six-way prize", design.boxSixWay},
        Field{"spnBoxThreeWayPrize", "box th&ree-way:", "Box three-way prize", design.boxThreeWay},
    };
    for (std::size_t i = 0; i < fields.size(); ++i) {
        QLabel* label = makeLabel(QString(fields[i].name).replace(0, 3, QStringLiteral("lbl")),
                                  QString::fromUtf8(fields[i].caption), prizes);
        auto* spin = named(new QDoubleSpinBox(prizes), QString::fromUtf8(fields[i].name));
        spin->setRange(0.0, 1000000.0);
        spin->setDecimals(2);
        spin->setValue(fields[i].value);
        describe(spin, QString::fromUtf8(fields[i].spoken),
                 QStringLiteral("What playing the settings would have cost: every created "
                                "number played straight in positional mode, every "
                                "combination boxed in any position (a triple straight)"));
        // The field's own line edit is what a screen reader lands on.
        spin->findChild<QLineEdit*>()->setAccessibleName(QString::fromUtf8(fields[i].spoken));
        label->setBuddy(spin);
        connect(spin, &QDoubleSpinBox::valueChanged, this, [this] {
            typed_ = typed_ || !showingGame_;
            if (!showingGame_) {
                showMoney();
            }
        });
        row->addWidget(label);
        row->addWidget(spin);
        prizes_[i] = spin;
    }
    row->addStretch(1);
    rows->addWidget(prizesFrom_);
    return prizes;
}

void frmBackTest::setCounting(const QString& counting) {
    counting_ = counting;
    if (draws_.empty()) {
        return;
    }
    lblDraws_->setText(QStringLiteral("%1%2 from the last count in \"HotCold\", tested with the "
                                      "filter settings of the main window as they stand.")
                           .arg(fromEngine(counted(draws_.size(), "draw")),
                                counting.isEmpty() ? QString() : QLatin1Char(' ') + counting));
}

void frmBackTest::setGame(std::shared_ptr<const GameDefinition> game,
                          std::function<std::optional<CivilDate>(std::size_t index)> dateOf) {
    game_ = std::move(game);
    dateOf_ = std::move(dateOf);
    typed_ = false;
    prizesFrom_->setVisible(game_ != nullptr);
    showMoney();
}

// The prizes of each tested draw by the game's table of its date, the fields showing
// those of the first; none where no game is given, the player typed, or the table is not
// known (the window then says why).
std::optional<std::vector<Prizes>> frmBackTest::gamePrizes() {
    if (game_ == nullptr) {
        return std::nullopt;
    }
    const QString title = fromEngine(game_->title());
    if (typed_) {
        prizesFrom_->setText(QStringLiteral("Prizes: typed"));
        return std::nullopt;
    }
    std::vector<CivilDate> dates;
    for (const DrawVerdict& v : report_.strip) {
        const std::optional<CivilDate> date = dateOf_ ? dateOf_(v.index) : std::nullopt;
        if (!date) {
            prizesFrom_->setText(
                QStringLiteral("Prizes: typed; the dates of the draws are not known"));
            return std::nullopt;
        }
        dates.push_back(*date);
    }
    const Result<std::vector<Prizes>> prizes = gamePrizesOfDraws(*game_, dates, report_.mode);
    if (!prizes.ok()) {
        prizesFrom_->setText(QStringLiteral("Prizes: typed; %1").arg(fromEngine(prizes.refusal())));
        return std::nullopt;
    }
    QString text = QStringLiteral("Prizes: %1's table of each draw's date").arg(title);
    if (report_.mode == DigitMode::AnyPosition && !dates.empty()) {
        const Known triple = tripleBoxSoldOn(*game_, dates.front());
        text += triple == Known::yes ? QString()
                : triple == Known::no
                    ? QStringLiteral("; a triple at the straight prize: %1 sells no triple box")
                          .arg(title)
                    : QStringLiteral("; a triple at the straight prize: whether %1 sells a "
                                     "triple box is not known")
                          .arg(title);
    }
    prizesFrom_->setText(text);
    if (!prizes->empty()) {
        const Prizes& first = prizes->front();
        showingGame_ = true;
        prizes_[0]->setValue(first.stake);
        prizes_[1]->setValue(first.straight);
        if (report_.mode == DigitMode::AnyPosition) {
            prizes_[2]->setValue(first.boxSixWay);
            prizes_[3]->setValue(first.boxThreeWay);
        }
        showingGame_ = false;
    }
    return *prizes;
}

QWidget* frmBackTest::makeSkipTab() {
    auto* tab = new QWidget;
    const QString meaningText = QStringLiteral(
        "A skip is a run of draws without it. Current skip: the draws since it last came. "
        "Expected skip: the draws it stays away on average by the game's own odds. Due: "
        "(current + 1) / (expected skip + 1); above 1 it has been away longer than that. The "
        "rarer a skip this long, the warmer the colour; the next draw does not know it.");
    skips_ = makeTable(QStringLiteral("tblSkipCounts"), QStringLiteral("Skip counts"), meaningText,
                       // Two-line headings, so that every column fits beside the others.
                       {QStringLiteral("Counted"), QStringLiteral("Value"),
                        QStringLiteral("Times\ndrawn"), QStringLiteral("Current\nskip"),
                        QStringLiteral("Longest\nskip"), QStringLiteral("Average\nskip"),
                        QStringLiteral("Expected\nskip"),
                        QStringLiteral("Chance of a\nskip this long"), QStringLiteral("Due")},
                       tab);
    setSkipColumnTips(skips_);
    skipsLuck_ = makeLabel(QStringLiteral("lblSkipsLuck"), QString(), tab);
    skipsLuck_->setWordWrap(true);
    QLabel* meaning = makeLabel(QStringLiteral("lblSkipMeaning"), meaningText, tab);
    meaning->setWordWrap(true);
    skipHistory_ = makeLabel(QStringLiteral("lblSkipHistory"), QString(), tab);
    skipHistory_->setWordWrap(true);
    QLabel* label = makeLabel(QStringLiteral("lblSkipKind"), QStringLiteral("Sh&ow:"), tab);
    skipKind_ = named(new QComboBox(tab), QStringLiteral("cboSkipKind"));
    for (const char* kind : kSkipKindNames) {
        skipKind_->addItem(QString::fromUtf8(kind));
    }
    describe(skipKind_, QStringLiteral("Show"),
             QStringLiteral("All skip counts, or those of one kind only"));
    label->setBuddy(skipKind_);
    connect(skipKind_, &QComboBox::currentIndexChanged, this, &frmBackTest::showSkipCounts);
    auto* kindRow = new QHBoxLayout;
    kindRow->addWidget(label);
    kindRow->addWidget(skipKind_);
    kindRow->addWidget(skipHistory_, 1);
    auto* column = new QVBoxLayout(tab);
    column->addWidget(meaning);
    column->addLayout(kindRow);
    column->addWidget(skips_);
    column->addWidget(skipsLuck_);
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
        restoreFocus();
        return;
    }
    // A longer one runs on a worker thread, the window showing that it works.
    if (!focusAfterRun_) {
        QWidget* focus = focusWidget();
        focusAfterRun_ = focus && choices_->isAncestorOf(focus) ? focus : newest_->checkedButton();
    }
    setBusy(true);
    running_.setFuture(QtConcurrent::run(&frmBackTest::test, settings_, draws_, options()));
}

// While a long test runs the keyboard is at its Cancel, never on the red
// Close, which Space or Enter would press.
void frmBackTest::setBusy(bool busy) {
    busyRow_->setVisible(busy);
    cancelled_->hide();
    choices_->setEnabled(!busy);
    tabs_->setEnabled(!busy);
    if (busy) {
        cancel_->setFocus();
    }
}

// The worker thread cannot be stopped; its result is dropped when it comes.
void frmBackTest::cancelRun() {
    setBusy(false);
    cancelled_->show();
    restoreFocus();
}

void frmBackTest::showRun(const Run& run) {
    report_ = run.report.ok() ? *run.report : BackTestReport{};
    showSummary(run.report);
    showStrip();
    showCosts();
    skipRows_ = run.skips;
    skipHistory_->setText(QStringLiteral("These counts cover the whole history, all %1, whatever "
                                         "number of draws the back-test tests.")
                              .arg(fromEngine(counted(draws_.size(), "draw"))));
    showSkipCounts();
}

void frmBackTest::showSummary(const Result<BackTestReport>& report) {
    // A refusal is all there is to say: no figures, no strip, no table.
    refusal_->setVisible(!report.ok());
    results_->setVisible(report.ok());
    results_->parentWidget()->parentWidget()->setVisible(report.ok()); // its scroll area
    refusal_->setText(report.ok() ? QString()
                                  : QStringLiteral("\"Create numbers\" would refuse: ") +
                                        fromEngine(report.refusal()));
    tested_ = report.ok();
    charts_->setEnabled(report.ok()); // a refused test has no tested draws to chart
    showLuck();
    showMoney();
}

void frmBackTest::setTryLedger(TryLedger* ledger) {
    ledger_ = ledger;
    if (tested_) {
        showLuck();
    }
}

// The summary lines, with the test entered in the ledger of tries.
void frmBackTest::showLuck() {
    std::size_t tries = 1;
    if (tested_ && ledger_ != nullptr) {
        tries = ledger_->record(settingsKeyOf(settings_), drawsKeyOf(draws_, options()));
    }
    const auto lines = backTestSummary(report_, tries);
    for (std::size_t i = 0; i < kSummaryLines; ++i) {
        captions_[i]->setText(captionText(lines[i].first));
        summary_[i]->setText(fromEngine(lines[i].second));
    }
}

Prizes frmBackTest::prizes() const {
    return {prizes_[0]->value(), prizes_[1]->value(), prizes_[2]->value(), prizes_[3]->value()};
}

void frmBackTest::showMoney() {
    const std::optional<std::vector<Prizes>> perDraw = gamePrizes();
    const auto lines =
        moneySummary(perDraw ? moneyOf(report_, *perDraw) : moneyOf(report_, prizes()));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        captions_[kSummaryLines + i]->setText(captionText(lines[i].first));
        summary_[kSummaryLines + i]->setText(fromEngine(lines[i].second));
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
    legend_->setText(
        QStringLiteral("<span style=\"color:#0072b2\">&#9632;</span> a hit: \"Create numbers\" "
                       "would have created the draw &nbsp; <span style=\"color:#a0a0a0\">&#9632;"
                       "</span> a miss &nbsp; %1")
            .arg(fromEngine(newestCellText(report_)).toHtmlEscaped()));
}

void frmBackTest::showPointed(int cell) {
    if (cell >= 0) {
        details_->setText(strip_->describeCell(cell));
    }
}

void frmBackTest::showCosts() {
    costs_->setSortingEnabled(false);
    costs_->clearSpans();
    costs_->setRowCount(static_cast<int>(report_.costs.size()));
    costsLuck_->setText(fromEngine(unusualByLuckText(report_)));
    costsLuck_->setVisible(!report_.costs.empty());
    if (report_.costs.empty()) {
        // Said in the table itself, which would otherwise stand empty.
        costs_->setRowCount(1);
        costs_->setItem(0, 0, new QTableWidgetItem(costsLuck_->text()));
        costs_->setSpan(0, 0, 1, costs_->columnCount());
    }
    for (int row = 0; row < static_cast<int>(report_.costs.size()); ++row) {
        const ConditionCost& c = report_.costs[static_cast<std::size_t>(row)];
        const CostShares shares = costShares(report_, c);
        const auto& perNumber = shares.winnersPerNumber;
        const QString mark = shares.unusual > 0   ? QStringLiteral("  \u25B2 more")
                             : shares.unusual < 0 ? QStringLiteral("  \u25BC fewer")
                                                  : QString();
        const std::array<QTableWidgetItem*, 6> items{
            new SortedByValue(fromEngine(c.name) + mark, row),
            new SortedByValue(share(c.drawsThrownOut, report_.tested), shares.winners),
            new SortedByValue(share(static_cast<std::size_t>(c.numbersThrownOut), kNumberCount),
                              shares.numbers),
            new SortedByValue(fromEngine(winnersPerNumberText(shares)), perNumber.value_or(0.0)),
            new SortedByValue(QString::number(shares.expected, 'f', 1), shares.expected),
            new SortedByValue(fromEngine(logPercentText(shares.logChance)), shares.logChance)};
        items[0]->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        for (int column = 0; column < 6; ++column) {
            if (shares.unusual != 0) {
                items[static_cast<std::size_t>(column)]->setBackground(
                    shares.unusual > 0 ? kMoreWinners : kFewerWinners);
            }
            costs_->setItem(row, column, items[static_cast<std::size_t>(column)]);
        }
    }
    costs_->setSortingEnabled(true);
    costs_->resizeColumnsToContents();
}

namespace {

// A skip as a number; never drawn, at least the whole history: "60+".
QTableWidgetItem* skipItem(const SkipRow& row, std::size_t skip) {
    if (!row.neverDrawn()) {
        return new SortedByValue(QString::number(skip), static_cast<double>(skip));
    }
    auto* item =
        new SortedByValue(QStringLiteral("%1+").arg(skip), static_cast<double>(skip) + 0.5);
    item->setToolTip(QStringLiteral("Never drawn in these %1 draws: its skip is at least the "
                                    "whole history, not a measured one")
                         .arg(skip));
    return item;
}

} // namespace

void frmBackTest::showSkipCounts() {
    const auto kind = static_cast<SkipKind>(skipKind_->currentIndex());
    std::vector<SkipRow> rows;
    std::copy_if(skipRows_.begin(), skipRows_.end(), std::back_inserter(rows),
                 [kind](const SkipRow& row) { return isOfKind(row.subject, kind); });
    skipsLuck_->setText(fromEngine(skipLuckText(rows)));
    skips_->setSortingEnabled(false);
    skips_->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < skips_->rowCount(); ++r) {
        const SkipRow& row = rows[static_cast<std::size_t>(r)];
        const QString average =
            row.average ? QString::number(*row.average, 'f', 1) : QStringLiteral("-");
        const std::array<QTableWidgetItem*, 9> items{
            new SortedByValue(fromEngine(skipSubjectName(row.subject)), r),
            new SortedByValue(QString::number(row.value), row.value),
            new SortedByValue(QString::number(row.hits), static_cast<double>(row.hits)),
            skipItem(row, row.current),
            skipItem(row, row.longest),
            new SortedByValue(average, row.average.value_or(-1.0)),
            new SortedByValue(QString::number(row.expectedSkip(), 'f', 1), row.expectedSkip()),
            new SortedByValue(fromEngine(logPercentText(row.logChanceOfSkip())),
                              row.logChanceOfSkip()),
            new SortedByValue(QString::number(row.due(), 'f', 2), row.due())};
        items[0]->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        for (const std::size_t heated : {3U, 7U, 8U}) {
            items[heated]->setBackground(heat(row));
        }
        for (int column = 0; column < 9; ++column) {
            skips_->setItem(r, column, items[static_cast<std::size_t>(column)]);
        }
    }
    skips_->setSortingEnabled(true);
    skips_->resizeColumnsToContents();
}

} // namespace pick3
