#include "app/frmPick3ZozevidAru.h"

#include "app/ChartsLoader.h"
#include "app/ContextMenus.h"
#include "app/DigitPanel.h"
#include "app/FilterPanel.h"
#include "app/SetFilePanel.h"
#include "engine/Messages.h"
#include "engine/numbers/LiveCount.h"
#include "plays/MoneyLuckPanel.h"
#include "plays/PlaysRun.h"
#include "plays/frmPlayThese.h"
#include "widgets/AppInfo.h"
#include "widgets/BannerFrame.h"
#include "widgets/CheckList.h"
#include "widgets/FileAccess.h"
#include "widgets/LibraryAccess.h"
#include "widgets/Look.h"
#include "widgets/PrintAccess.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDate>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

namespace pick3 {

namespace {

// A frameless scroll area that asks for room for the whole of its widget (a
// plain one asks for some 36 by 24 lines at most) and scrolls only when it gets less.
class WholeWidgetScroll : public QScrollArea {
  public:
    WholeWidgetScroll() {
        setFrameShape(QFrame::NoFrame);
        setFocusPolicy(Qt::NoFocus);
        setWidgetResizable(true);
    }
    QSize sizeHint() const override {
        return widget() != nullptr ? widget()->sizeHint() : QScrollArea::sizeHint();
    }
};

// The panels inside the window's scroll area. Its wrapped labels make the layout
// one of height for width, and a scroll area then keeps the whole preferred
// height and scrolls even where the panels fit; this one asks for its minimum only.
class MainContent : public QWidget {
  public:
    int heightForWidth(int /*width*/) const override { return -1; }
};

} // namespace

frmPick3ZozevidAru::frmPick3ZozevidAru(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmPick3ZozevidAru"));
    setAttribute(Qt::WA_DeleteOnClose);
    buildLayout();
    connectPanels();
    const LiveCountHold hold(*this);

    // The load, in its order. The pair buttons start at zero counts, the
    // straight one hidden (the window starts in Any position).
    setPairs(PairSets{});
    // The contact block: two empty lines, web site, e-mail, an empty line,
    // home page, second e-mail.
    commands_->setResultsText(std::string("\r\n\r\n") + kWebSite + "\r\n" + kMail + "\r\n\r\n" +
                              kHomePage + "\r\n" + kSecondMail);
    setWindowTitle(QStringLiteral("Free Pick3 Tallymoor - Freeware ") + sVersion());
    banner_->titleStrip()->setText(QStringLiteral("Pick3 Tallymoor"));
    (void)hotCold_.get(); // loaded now, shown only by "HotCold"
    sbFillFilterLists();
    fitToScreen();
    // The keyboard starts at the first control, not on the Close that ends the program.
    digits_->focusFirst();
}

// The run's end: the tickets deleted in My plays go for good now that no Ctrl+Z can ask.
frmPick3ZozevidAru::~frmPick3ZozevidAru() {
    endPlaysRun(openedGameLibrary());
}

void frmPick3ZozevidAru::buildLayout() {
    banner_ = new BannerFrame(QStringLiteral("Pick3 Tallymoor"), this);
    digits_ = new DigitPanel(this);
    filters_ = new FilterPanel(this);
    commands_ = new CommandPanel(this);

    // On a narrow screen the filter lists scroll sideways between the digits and
    // the commands, which stay in view.
    auto* filterScroll = named(new WholeWidgetScroll, QStringLiteral("filterScroll"));
    filterScroll->setWidget(filters_);
    digits_->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Preferred);
    commands_->setSizePolicy(QSizePolicy::MinimumExpanding, QSizePolicy::Preferred);

    auto* inner = named(new MainContent, QStringLiteral("mainContent"));
    auto* row = new QHBoxLayout(inner);
    row->setContentsMargins(8, 6, 8, 8);
    row->setSpacing(12);
    row->addWidget(digits_);
    row->addWidget(filterScroll);
    row->addWidget(commands_, 1);
    setFiles_ = new SetFilePanel([this] { return filterSetOf(readInput(false)); },
                                 [this](const FilterSet& set) { applyFilterSet(set); }, this);
    commands_->addCommands(setFiles_, setFiles_->tabStops());

    // The whole window scrolls only on a screen too small even for the digits and the commands.
    auto* scroll = named(new QScrollArea(banner_->content()), QStringLiteral("mainScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    // A frame around the panels, not a stop of its own on the way through the controls.
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setWidgetResizable(true);
    scroll->setWidget(inner);
    auto* contentLayout = new QVBoxLayout(banner_->content());
    contentLayout->setContentsMargins(0, 0, 0, 0);
    contentLayout->addWidget(scroll);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(banner_);

    menus_ = new ContextMenus([this](ListId id) { return list(id); }, this);
    menus_->attachLists();
}

void frmPick3ZozevidAru::fitToScreen() {
    const QWidget* inner = findChild<QWidget*>(QStringLiteral("mainContent"));
    // Some room beyond the layout's wish goes to the results box.
    constexpr int kResultsRoom = 240;
    resizeToFit(this, inner->sizeHint() + QSize(banner_->sideStrip()->width() + kResultsRoom,
                                                banner_->titleStrip()->height()));
}

void frmPick3ZozevidAru::connectPanels() {
    connect(banner_->closeButton(), &QPushButton::clicked, this, &QWidget::close);
    connect(commands_, &CommandPanel::produceRequested, this,
            &frmPick3ZozevidAru::cmdProduce_Click);
    connect(commands_, &CommandPanel::filterMoreRequested, this,
            &frmPick3ZozevidAru::cmdFilterMore_Click);
    connect(commands_, &CommandPanel::resetRequested, this, &frmPick3ZozevidAru::sbFillFilterLists);
    connect(commands_, &CommandPanel::windowRequested, this, &frmPick3ZozevidAru::openWindow);
    connect(commands_, &CommandPanel::saveNumbersRequested, this,
            &frmPick3ZozevidAru::cmdSaveNumbers_Click);
    connect(commands_, &CommandPanel::printRequested, this, &frmPick3ZozevidAru::cmdPrint_Click);
    connect(commands_, &CommandPanel::playTheseRequested, this,
            &frmPick3ZozevidAru::cmdPlayThese_Click);
    connect(digits_, &DigitPanel::modeSelected, this, &frmPick3ZozevidAru::optPositionDigit_Click);
    connect(digits_, &DigitPanel::digitTicked, this, &frmPick3ZozevidAru::digitTickChanged);
    connect(digits_, &DigitPanel::mustHaveTicked, this, [this](int row, bool ticked) {
        mustHave_.setTicked(row, ticked);
        updateLiveCount();
    });
    connect(filters_, &FilterPanel::settingsChanged, this, &frmPick3ZozevidAru::updateLiveCount);
}

frmHotCold* frmPick3ZozevidAru::makeHotCold() {
    auto* window = new frmHotCold(digitMode(), this);
    connect(window, &frmHotCold::patternTicked, this, &frmPick3ZozevidAru::mirrorHotColdTick);
    connect(window, &frmHotCold::rankingChanged, this, &frmPick3ZozevidAru::updateLiveCount);
    connect(window, &frmHotCold::rankingChanged, this, [this] { tries_.reset(); });
    connect(window, &frmHotCold::chartsRequested, this, [this, window] {
        const ChosenDraws* imported = window->countedImport();
        openCharts({window->countedDraws(), window->countedLabels(), std::nullopt, nullptr,
                    Prizes(), imported ? toEngine(imported->counting) : std::string(), nullptr},
                   window);
    });
    return window;
}

frmPick3FilterStraightPairs* frmPick3ZozevidAru::makeStraightPairs() {
    auto* window = new frmPick3FilterStraightPairs(pairs_, this);
    connect(window, &PairDialog::pairsChanged, this, &frmPick3ZozevidAru::setPairs);
    return window;
}

frmPick3FilterBoxedPairs* frmPick3ZozevidAru::makeBoxedPairs() {
    auto* window = new frmPick3FilterBoxedPairs(pairs_, this);
    connect(window, &PairDialog::pairsChanged, this, &frmPick3ZozevidAru::setPairs);
    return window;
}

frmOutputBox* frmPick3ZozevidAru::makeOutputBox() {
    auto* window = new frmOutputBox(commands_->outputOrder(), this);
    connect(window, &frmOutputBox::orderChanged, commands_, &CommandPanel::setOutputOrder);
    connect(window, &frmOutputBox::orderChanged, setFiles_, &SetFilePanel::followSettings);
    return window;
}

frmWheelHelp* frmPick3ZozevidAru::makeHelp() {
    return new frmWheelHelp(this);
}

// The draws of the counter's last count (with their dates where they were imported); a
// closed counter has none, and is not loaded for it.
frmBackTest* frmPick3ZozevidAru::makeBackTest() {
    const frmHotCold* counter = hotCold_.existing();
    auto* window =
        new frmBackTest(readInput(false), counter ? counter->countedDraws() : DrawList(),
                        counter ? counter->countedOrder() : SortOrder::HitsDescDigitsAsc, this);
    if (counter != nullptr) {
        window->setDrawLabels(counter->countedLabels());
        if (const ChosenDraws* imported = counter->countedImport(); imported && imported->game) {
            window->setGame(imported->game, imported->dateOf);
            window->setCounting(imported->counting);
        }
    }
    window->setTryLedger(&tries_);
    connect(window, &frmBackTest::chartsRequested, this, [this, window] {
        ChartSource source =
            backTestSource(window->report(), window->prizes(), window->drawLabels());
        source.counting = toEngine(window->counting());
        openCharts(std::move(source), window);
    });
    return window;
}

frmMyPlays* frmPick3ZozevidAru::makeMyPlays() {
    auto* window = new frmMyPlays(this);
    MoneyLuckPanel* luck = window->moneyLuckPanel();
    connect(luck, &MoneyLuckPanel::chartsRequested, this,
            [this, window, luck] { openCharts(luck->chartSource(), window); });
    return window;
}

void frmPick3ZozevidAru::cmdPlayThese_Click() {
    const std::optional<PlayList> numbers = numbersToTakeAway();
    if (!numbers) {
        return;
    }
    std::vector<TicketDigits> digits;
    for (const PlayedNumber& number : numbers->numbers) {
        const std::string& n = number.written;
        digits.push_back({n[0] - '0', n[1] - '0', n[2] - '0'});
    }
    frmPlayThese dialog(std::move(digits), this);
    dialog.exec();
}

DigitMode frmPick3ZozevidAru::digitMode() const {
    return digits_->mode();
}

CheckList* frmPick3ZozevidAru::list(ListId id) const {
    CheckList* digitList = digits_->list(id);
    return digitList != nullptr ? digitList : filters_->list(id);
}

void frmPick3ZozevidAru::sbFillFilterLists() {
    const LiveCountHold hold(*this);
    mustHave_.clear();
    showMustHave();
    filters_->selectConsec(0);
    setPairs(PairSets{});
    for (const ListEntry& entry : catalogue()) {
        list(entry.id)->setItems(itemsOf(entry));
    }
}

void frmPick3ZozevidAru::setPairs(const PairSets& pairs) {
    pairs_ = pairs;
    commands_->showPairCounts(pairs_);
    updateLiveCount();
}

void frmPick3ZozevidAru::showMustHave() {
    digits_->showMustHave(mustHave_.items());
}

void frmPick3ZozevidAru::digitTickChanged(ListId id, int row, bool ticked) {
    bool stillChosen = false;
    if (id != ListId::DigitsWheel) {
        for (const ListId position : kPositionLists) {
            stillChosen = stillChosen || list(position)->isTicked(row);
        }
    }
    mustHave_.followDigitTick(list(id)->itemText(row).toInt(), ticked, stillChosen);
    showMustHave();
    updateLiveCount();
}

void frmPick3ZozevidAru::optPositionDigit_Click(DigitMode mode) {
    const LiveCountHold hold(*this);
    // 1. No digit stays ticked; each untick runs the must-include rule.
    for (int row = 0; row < 10; ++row) {
        list(ListId::DigitsWheel)->setTicked(row, false);
        for (const ListId id : kPositionLists) {
            list(id)->setTicked(row, false);
        }
    }
    // 2. Every list shown in one mode only. Those of the new mode were hidden
    // until now and hold no tick, so this unticks the lists of the mode being
    // left and the mode-specific lists of both modes.
    for (const ListEntry& entry : catalogue()) {
        if (entry.modeOnly()) {
            list(entry.id)->setAllTicked(false);
        }
    }
    // 3, 4. No pair chosen in either dialog.
    setPairs(PairSets{});
    // 5.
    mustHave_.clear();
    showMustHave();
    // 6.
    digits_->showMode(mode);
    filters_->showMode(mode);
    commands_->showMode(mode);
    // 7. Saved hot/cold settings belong to the mode being left.
    frmHotCold& hotCold = hotCold_.get();
    hotCold.setMainDigitMode(mode);
    if (hotCold.settingsSaved()) {
        list(ListId::HCBox)->setAllTicked(false);
        list(ListId::HCStraight)->setAllTicked(false);
        hotCold.enablePatternListFor(mode);
        hotCold.sbClearP3HCSettings();
    }
}

void frmPick3ZozevidAru::mirrorHotColdTick(ListId store, int row, bool ticked) {
    if (store == ListId::HCBox || store == ListId::HCStraight) {
        list(store)->setTicked(row, ticked);
    }
}

MainInput frmPick3ZozevidAru::readInput(bool mayLoadCounter) {
    MainInput input;
    input.mode = digitMode();
    for (const ListId id :
         {ListId::DigitsWheel, kPositionLists[0], kPositionLists[1], kPositionLists[2]}) {
        input.ticks[id] = list(id)->ticks();
    }
    filters_->readInto(input);
    input.mustHave = mustHave_.items();
    input.pairs = pairs_;
    input.order = commands_->outputOrder();
    // Read only when a hot/cold pattern is ticked; creates the window again if it was closed.
    if (mayLoadCounter) {
        input.readHotDigits = [this] { return hotCold_.get().hotDigits(); };
    } else {
        input.readHotDigits = [this] {
            const frmHotCold* counter = hotCold_.existing();
            return counter != nullptr ? counter->hotDigits() : HotDigits();
        };
    }
    return input;
}

void frmPick3ZozevidAru::updateLiveCount() {
    if (liveHold_ > 0) {
        return;
    }
    const LiveCount count = liveCount(readInput(false));
    commands_->showLiveCount(liveCountText(count), count.refusal.has_value());
    setFiles_->followSettings();
}

void frmPick3ZozevidAru::applyFilterSet(const FilterSet& set) {
    const LiveCountHold hold(*this);
    digits_->selectMode(set.mode); // a switch clears what it clears; the same mode changes nothing
    // Only the rows that change are clicked, as a user would.
    const auto tickAs = [this, &set](ListId id) {
        for (int row = 0; row < list(id)->count(); ++row) {
            if (const bool ticked = set.ticks[id][static_cast<std::size_t>(row)];
                list(id)->isTicked(row) != ticked) {
                list(id)->setTicked(row, ticked);
            }
        }
    };
    // The digits first: the must-include list follows them, then takes the set's ticks.
    for (const ListId id :
         {ListId::DigitsWheel, kPositionLists[0], kPositionLists[1], kPositionLists[2]}) {
        tickAs(id);
    }
    const std::vector<MustHaveItem> mustHave = mustHaveOf(set);
    for (std::size_t row = 0; row < mustHave.size(); ++row) {
        mustHave_.setTicked(static_cast<int>(row), mustHave[row].ticked);
    }
    showMustHave();
    for (const ListEntry& entry : catalogue()) {
        if (entry.readIn != ReadIn::NotAFilter && entry.shownIn != ShownIn::Never) {
            tickAs(entry.id);
        }
    }
    filters_->setOptions(set);
    setPairs(set.pairs);
    commands_->setOutputOrder(set.order);
    for (const ListId store : {ListId::HCBox, ListId::HCStraight}) {
        hotCold_.get().setPatternTicks(store, set.ticks[store]); // mirrored into the store lists
    }
}

void frmPick3ZozevidAru::showResult(const CommandResult& result) {
    if (result.text) {
        commands_->setResultsText(*result.text);
    }
    if (result.caption) {
        commands_->setCountCaption(*result.caption);
    }
    if (result.refusal) {
        showMessage(this, sAppTitle(), fromEngine(*result.refusal));
    }
}

void frmPick3ZozevidAru::cmdProduce_Click() {
    showResult(createNumbers(readInput()));
}

void frmPick3ZozevidAru::cmdFilterMore_Click() {
    showResult(filterMore(commands_->resultsText(), readInput()));
}

// The numbers of the results box, read as "Filter more" reads them; none gives a message.
std::optional<PlayList> frmPick3ZozevidAru::numbersToTakeAway() {
    PlayList numbers = readPlayList(commands_->resultsText(), digitMode());
    if (numbers.empty()) {
        showMessage(this, sAppTitle(), fromEngine(kMsgNoNumbers));
        return std::nullopt;
    }
    return numbers;
}

// A name ending in .csv gets one number a line with its description; any other
// the numbers as the box shows them. A name typed without an ending gets the
// chosen type's.
void frmPick3ZozevidAru::cmdSaveNumbers_Click() {
    const std::optional<PlayList> numbers = numbersToTakeAway();
    if (!numbers) {
        return;
    }
    const QString path = chooseFile(
        this,
        {FileQuestion::Kind::Save, QStringLiteral("Save numbers"), QStringLiteral("numbers.txt"),
         QStringLiteral("Text, as shown (*.txt);;CSV with structure (*.csv);;All files (*)"),
         QStringLiteral("txt")});
    if (path.isEmpty()) {
        return;
    }
    const bool csv = path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive);
    const std::string text = csv ? playListCsv(*numbers) : playListText(*numbers);
    const QString error = saveFileBytes(path, QByteArray::fromStdString(text));
    if (!error.isEmpty()) {
        showMessage(this, sAppTitle(), error);
    }
}

void frmPick3ZozevidAru::cmdPrint_Click() {
    const std::optional<PlayList> numbers = numbersToTakeAway();
    if (!numbers) {
        return;
    }
    QString problem;
    const PrintModuleApi* print = printing(&problem);
    if (print == nullptr) {
        showMessage(this, sAppTitle(), problem);
        return;
    }
    const std::optional<QString> error = print->printNumbers(
        this, QStringLiteral("Print the numbers"),
        QLocale().toString(QDate::currentDate(), QLocale::LongFormat),
        playListHeading(*numbers, readInput(false)), *numbers);
    if (error && !error->isEmpty()) {
        showMessage(this, sAppTitle(), *error);
    }
}

// Each window is modal; however it is closed, it asks its holder to discard it,
// but for the hot/cold window, which hides and keeps its count until its "&Close".
void frmPick3ZozevidAru::openWindow(ChildWindow window) {
    switch (window) {
    case ChildWindow::HotCold:
        hotCold_.get().exec();
        break;
    case ChildWindow::BoxedPairs:
        boxedPairs_.get().exec();
        break;
    case ChildWindow::StraightPairs:
        straightPairs_.get().exec();
        break;
    case ChildWindow::OutputBox:
        outputBox_.get().exec();
        break;
    case ChildWindow::Help:
        help_.get().exec();
        break;
    case ChildWindow::BackTest:
        backTest_.get().exec();
        break;
    case ChildWindow::MyPlays:
        myPlays_.get().exec();
        break;
    }
}

void frmPick3ZozevidAru::openCharts(ChartSource source, QWidget* over) {
    QString problem;
    if (const ChartsOpener open = chartsOpener(&problem))
        open(source, over);
    else
        showMessage(over, sAppTitle(), problem);
}

void frmPick3ZozevidAru::closeEvent(QCloseEvent* event) {
    event->accept();
    endPlaysRun(openedGameLibrary());
    // The hidden hot/cold window must not keep the program alive: end at once.
    QCoreApplication::exit(0);
}

} // namespace pick3
