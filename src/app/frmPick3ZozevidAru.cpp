#include "app/frmPick3ZozevidAru.h"

#include "app/AppInfo.h"
#include "app/CommandPanel.h"
#include "app/ContextMenus.h"
#include "app/DigitPanel.h"
#include "app/FilterPanel.h"
#include "app/mdlGradient.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

namespace pick3 {

namespace {

constexpr std::array<ListId, 3> kPositionLists{ListId::DigitsWheelPos1_0, ListId::DigitsWheelPos1_1,
                                               ListId::DigitsWheelPos1_2};

// The mode-specific lists that every mode switch unticks, after the count
// lists of the mode being left.
constexpr std::array<ListId, 8> kModeLists{
    ListId::LMH, ListId::Width_XX,  ListId::WidthX_X,    ListId::WidthXX_,
    ListId::OCS, ListId::LMHDigits, ListId::LMHStraight, ListId::OCSStraight};

QString forDisplay(std::string_view engineText) {
    return QString::fromUtf8(engineText.data(), static_cast<qsizetype>(engineText.size()))
        .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

frmPick3ZozevidAru::frmPick3ZozevidAru(QWidget* parent)
    : QWidget(parent), hotCold_([this] {
          auto* window =
              new frmHotCold(frmHotCold::MainWindowLink{[this] { return digitMode(); },
                                                        [this](ListId store, int row, bool ticked) {
                                                            mirrorHotColdTick(store, row, ticked);
                                                        }},
                             this);
          return window;
      }),
      straightPairs_([this] {
          auto* window = new frmPick3FilterStraightPairs(pairs_, this);
          connect(window, &frmPick3FilterStraightPairs::pairsChanged, this,
                  &frmPick3ZozevidAru::showPairCounts);
          return window;
      }),
      boxedPairs_([this] {
          auto* window = new frmPick3FilterBoxedPairs(pairs_, this);
          connect(window, &frmPick3FilterBoxedPairs::pairsChanged, this,
                  &frmPick3ZozevidAru::showPairCounts);
          return window;
      }),
      outputBox_([this] {
          auto* window = new frmOutputBox(
              frmOutputBox::MainWindowLink{
                  [this] { return commands_->outputOrder(); },
                  [this](const OutputOrder& order) { commands_->setOutputOrder(order); }},
              this);
          return window;
      }),
      help_([this] { return new frmWheelHelp(this); }) {
    setObjectName(QStringLiteral("frmPick3ZozevidAru"));
    setAttribute(Qt::WA_DeleteOnClose);
    buildLayout();
    connectControls();

    // The load, in its order. The pair buttons start at zero counts, the
    // straight one hidden (the window starts in Any position).
    pairs_ = PairSets{};
    showPairCounts();
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
    digits_->modeOption(0)->setFocus();
}

frmPick3ZozevidAru::~frmPick3ZozevidAru() = default;

void frmPick3ZozevidAru::buildLayout() {
    banner_ = new BannerFrame(QStringLiteral("Pick3 Tallymoor"), this);
    digits_ = new DigitPanel(this);
    filters_ = new FilterPanel(this);
    commands_ = new CommandPanel(this);

    auto* inner = new QWidget;
    inner->setObjectName(QStringLiteral("mainContent"));
    auto* row = new QHBoxLayout(inner);
    row->setContentsMargins(8, 6, 8, 8);
    row->setSpacing(12);
    row->addWidget(digits_);
    row->addWidget(filters_);
    row->addWidget(commands_, 1);

    // Scrolls only on a screen too small for the whole window.
    auto* scroll = new QScrollArea(banner_->content());
    scroll->setObjectName(QStringLiteral("mainScroll"));
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
    QSize wanted = inner->sizeHint() + QSize(banner_->sideStrip()->width() + kResultsRoom,
                                             banner_->titleStrip()->height());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        wanted = wanted.boundedTo(screen->availableGeometry().size());
    }
    resize(wanted);
}

void frmPick3ZozevidAru::connectControls() {
    connect(banner_->closeButton(), &QPushButton::clicked, this, &QWidget::close);
    connect(commands_->produce(), &QPushButton::clicked, this,
            &frmPick3ZozevidAru::cmdProduce_Click);
    connect(commands_->filterMore(), &QPushButton::clicked, this,
            &frmPick3ZozevidAru::cmdFilterMore_Click);
    connect(commands_->resetFilters(), &QPushButton::clicked, this,
            &frmPick3ZozevidAru::sbFillFilterLists);
    connect(commands_->straightPairs(), &QPushButton::clicked, this,
            [this] { openModal(straightPairs_.get()); });
    connect(commands_->boxedPairs(), &QPushButton::clicked, this,
            [this] { openModal(boxedPairs_.get()); });
    connect(commands_->outputBox(), &QPushButton::clicked, this,
            [this] { openModal(outputBox_.get()); });
    connect(commands_->help(), &QPushButton::clicked, this, [this] { openModal(help_.get()); });
    connect(commands_->hotCold(), &QPushButton::clicked, this, [this] {
        // Its title-bar close only hides it, keeping its counts; so it is not discarded here.
        hotCold_.get().exec();
    });
    connect(digits_, &DigitPanel::modeSelected, this, &frmPick3ZozevidAru::optPositionDigit_Click);

    connect(digits_->digitsWheel(), &CheckList::itemTickChanged, this,
            [this](int row, bool ticked) { digitTickChanged(ListId::DigitsWheel, row, ticked); });
    for (const ListId id : kPositionLists) {
        connect(list(id), &CheckList::itemTickChanged, this,
                [this, id](int row, bool ticked) { digitTickChanged(id, row, ticked); });
    }
    connect(digits_->mustHave(), &CheckList::itemTickChanged, this,
            [this](int row, bool ticked) { mustHave_.setTicked(row, ticked); });
}

DigitMode frmPick3ZozevidAru::digitMode() const {
    return digits_->mode();
}

CheckList* frmPick3ZozevidAru::list(ListId id) const {
    switch (id) {
    case ListId::DigitsWheel:
        return digits_->digitsWheel();
    case ListId::DigitsWheelPos1_0:
        return digits_->positionList(0);
    case ListId::DigitsWheelPos1_1:
        return digits_->positionList(1);
    case ListId::DigitsWheelPos1_2:
        return digits_->positionList(2);
    default:
        return filters_->list(id);
    }
}

int frmPick3ZozevidAru::iConsecMode() const {
    return filters_->iConsecMode();
}

void frmPick3ZozevidAru::sbFillFilterLists() {
    mustHave_.clear();
    showMustHave();
    filters_->selectConsec(0);
    pairs_ = PairSets{};
    showPairCounts();
    for (const ListEntry& entry : catalogue()) {
        QStringList items;
        for (const std::string_view item : entry.items) {
            items << QString::fromUtf8(item.data(), static_cast<qsizetype>(item.size()));
        }
        list(entry.id)->setItems(items);
    }
}

void frmPick3ZozevidAru::showPairCounts() {
    commands_->showPairCounts(pairs_);
}

void frmPick3ZozevidAru::showMustHave() {
    CheckList* view = digits_->mustHave();
    const QSignalBlocker quiet(view); // mirroring the model, not a user's tick
    QStringList texts;
    for (const MustHaveItem& item : mustHave_.items()) {
        texts << QString::number(item.digit);
    }
    view->setItems(texts);
    for (int row = 0; row < view->count(); ++row) {
        view->setTicked(row, mustHave_.items()[static_cast<std::size_t>(row)].ticked);
    }
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
}

void frmPick3ZozevidAru::optPositionDigit_Click(DigitMode mode) {
    // 1. No digit stays ticked; each untick runs the must-include rule.
    for (int row = 0; row < 10; ++row) {
        list(ListId::DigitsWheel)->setTicked(row, false);
        for (const ListId id : kPositionLists) {
            list(id)->setTicked(row, false);
        }
    }
    // 2. The count lists of the mode being left, then the mode-specific lists.
    const bool any = mode == DigitMode::AnyPosition;
    const std::array<ListId, 3> leaving =
        any ? std::array{ListId::HighLowStraight, ListId::OddEvenStraight, ListId::InOutStraight}
            : std::array{ListId::OddEven, ListId::HighLow, ListId::InOut};
    for (const ListId id : leaving) {
        list(id)->setAllTicked(false);
    }
    for (const ListId id : kModeLists) {
        list(id)->setAllTicked(false);
    }
    // 3, 4. No pair chosen in either dialog.
    pairs_ = PairSets{};
    showPairCounts();
    // 5.
    mustHave_.clear();
    showMustHave();
    // 6.
    digits_->showMode(mode);
    filters_->showMode(mode);
    commands_->showMode(mode);
    // 7. Saved hot/cold settings belong to the mode being left.
    frmHotCold& hotCold = hotCold_.get();
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

MainInput frmPick3ZozevidAru::readInput() {
    MainInput input;
    input.mode = digitMode();
    for (const ListEntry& entry : catalogue()) {
        input.ticks[entry.id] = list(entry.id)->ticks();
    }
    input.mustHave = mustHave_.items();
    input.excludeSingles = filters_->excludeSingles()->isChecked();
    input.excludeDoubles = filters_->excludeDoubles()->isChecked();
    input.excludeTriples = filters_->excludeTriples()->isChecked();
    input.iConsecMode = filters_->iConsecMode();
    input.chk0And9 = filters_->zeroAndNine()->isChecked();
    input.pairs = pairs_;
    input.order = commands_->outputOrder();
    // Read only when a hot/cold pattern is ticked; creates the window again if it was closed.
    input.readHotDigits = [this] { return hotCold_.get().hotDigits(); };
    return input;
}

void frmPick3ZozevidAru::showResult(const CommandResult& result) {
    if (result.text) {
        commands_->setResultsText(*result.text);
    }
    if (result.caption) {
        commands_->setCountCaption(*result.caption);
    }
    if (result.refusal) {
        showMessage(this, sAppTitle(), forDisplay(*result.refusal));
    }
}

void frmPick3ZozevidAru::cmdProduce_Click() {
    showResult(createNumbers(readInput()));
}

void frmPick3ZozevidAru::cmdFilterMore_Click() {
    showResult(filterMore(commands_->resultsText(), readInput()));
}

void frmPick3ZozevidAru::openModal(QDialog& window) {
    const QPointer<QDialog> guard(&window);
    window.exec();
    // However it was closed, the next opening starts afresh.
    if (!guard.isNull() && !window.isVisible()) {
        window.deleteLater();
    }
}

void frmPick3ZozevidAru::closeEvent(QCloseEvent* event) {
    event->accept();
    // The hidden hot/cold window must not keep the program alive: end at once.
    QCoreApplication::exit(0);
}

} // namespace pick3
