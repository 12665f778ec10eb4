#include "hotcold/frmHotCold.h"

#include "hotcold/DrawEntryPanel.h"
#include "hotcold/HitListsPanel.h"
#include "hotcold/HotColdFilterPanel.h"
#include "hotcold/LibraryGamePanel.h"
#include "hotcold/LookupPanel.h"
#include "hotcold/NumberMakingPanel.h"
#include "widgets/AppInfo.h"
#include "widgets/BannerFrame.h"
#include "widgets/LibraryAccess.h"
#include "widgets/Look.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace pick3 {

frmHotCold::frmHotCold(DigitMode mainMode, QWidget* parent)
    : DiscardableDialog(parent, Discard::OnCloseButtonOnly), mainMode_(mainMode) {
    setObjectName(QStringLiteral("frmHotCold"));
    setWindowTitle(QStringLiteral("HotCold-counter & wheel"));
    setModal(false); // shown modally by exec(); hidden in between
    setSizeGripEnabled(true);
}

// The window's controls are made when it is first shown or first changed: until
// then it answers from the state its load leaves (nothing counted, the filter
// de-activated), which no one can tell from controls made hidden at start.
void frmHotCold::ensureBuilt() {
    if (games_ != nullptr) {
        return;
    }
    BannerFrame* banner =
        BannerFrame::around(this, QStringLiteral("HotCold-counter Pick 3 ") + sVersion());
    QWidget* area = banner->content();
    games_ = new LibraryGamePanel(area);
    entry_ = new DrawEntryPanel(area);
    lookup_ = new LookupPanel(area);
    entry_->addBesideCount(lookup_);
    hitLists_ = new HitListsPanel(area);
    making_ = new NumberMakingPanel(area);
    filter_ = new HotColdFilterPanel(area);
    buildLayout(banner);

    connect(games_, &LibraryGamePanel::drawsPicked, this, &frmHotCold::useImported);
    connect(entry_, &DrawEntryPanel::countRequested, this, &frmHotCold::cmdGo_Click);
    connect(entry_, &DrawEntryPanel::importRequested, this, [this] { openImport(QString()); });
    connect(entry_, &DrawEntryPanel::fileDropped, this, &frmHotCold::openImport);
    connect(entry_, &DrawEntryPanel::chartsRequested, this, &frmHotCold::chartsRequested);
    connect(making_, &NumberMakingPanel::createRequested, this,
            &frmHotCold::cmdCreateNumbers_Click);
    connect(making_, &NumberMakingPanel::choiceChanged, this,
            [this] { hitLists_->setShown(true); });
    connect(filter_, &HotColdFilterPanel::patternTicked, this, &frmHotCold::patternTicked);
    connect(filter_, &HotColdFilterPanel::clearRequested, this, &frmHotCold::sbClearP3HCSettings);
    connect(banner->closeButton(), &QPushButton::clicked, this, &frmHotCold::cmdClose_Click);

    // The load: nothing counted, the filter de-activated.
    filter_->setSettingsSaved(false);
    filter_->showActivated(false);
    filter_->fillPatternLists();
    sbResetCountView();
    hitLists_->setShown(false); // until the first count, or a Straight/box click
    filter_->disablePatternLists();
    // The keyboard starts at the draw entry, not on the Close that discards the count.
    entry_->focusEntry();
}

void frmHotCold::setVisible(bool visible) {
    if (visible) {
        ensureBuilt();
    }
    DiscardableDialog::setVisible(visible);
}

void frmHotCold::buildLayout(BannerFrame* banner) {
    auto* hitRow = new QHBoxLayout;
    hitRow->addWidget(hitLists_, 1);
    hitRow->addWidget(making_);
    auto* left = new QVBoxLayout;
    left->addWidget(games_);
    left->addWidget(entry_, 2);
    left->addLayout(hitRow);
    left->addWidget(making_->outputArea(), 1);
    auto* grid = new QHBoxLayout(banner->content());
    grid->setContentsMargins(10, 8, 10, 10);
    grid->setSpacing(14);
    grid->addLayout(left, 1);
    grid->addWidget(filter_);

    QPushButton* close = banner->closeButton();
    describe(close, QStringLiteral("Close"),
             QStringLiteral("Clears the hot/cold filter and the count, then closes this window. "
                            "Esc or the title-bar close hide the window and keep the filter in "
                            "force."));
    // Reading order: entry, count, ranking, creation, output, patterns, Close last.
    std::vector<QWidget*> order = games_->tabOrder();
    for (const auto& part : {entry_->tabOrder(), lookup_->tabOrder(), hitLists_->tabOrder(),
                             making_->tabOrder(), std::vector<QWidget*>{making_->output()},
                             filter_->tabOrder(), std::vector<QWidget*>{close}}) {
        order.insert(order.end(), part.begin(), part.end());
    }
    for (std::size_t i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
    resizeToFit(this, {980, kMostWindowHeight});
}

void frmHotCold::showEvent(QShowEvent* event) {
    DiscardableDialog::showEvent(event);
    // Once the window is up, so that a message about the library shows over it.
    QTimer::singleShot(0, this, [this] { games_->loadGames(this); });
}

bool frmHotCold::settingsSaved() const {
    return filter_ != nullptr && filter_->settingsSaved();
}

void frmHotCold::enablePatternListFor(DigitMode mode) {
    ensureBuilt();
    filter_->enablePatternListFor(mode);
}

void frmHotCold::sbClearP3HCSettings() {
    ensureBuilt();
    filter_->untickPatterns();
    // Both windows are cleared, row by row, whatever the lists hold.
    for (const ListId store : {ListId::HCBox, ListId::HCStraight}) {
        const auto rows = static_cast<int>(listEntry(store).items.size());
        for (int row = 0; row < rows; ++row) {
            Q_EMIT patternTicked(store, row, false);
        }
    }
    filter_->showActivated(false);
    // The status is drawn at once; user input waits for the handler to finish.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void frmHotCold::setPatternTicks(ListId store, const Ticks& ticks) {
    ensureBuilt();
    filter_->setPatternTicks(store, ticks);
}

HotDigits frmHotCold::hotDigits() const {
    return hitLists_ != nullptr ? hitLists_->hotDigits() : hotDigitsFromLists({});
}

void frmHotCold::cmdGo_Click() {
    making_->clearOutput();
    sbResetCountView();
    const std::string text = entry_->draws();
    counted_.clear();
    importCounted_ = false;
    if (!isCountable(text)) {
        lookup_->setDraws({}, {});
        Q_EMIT rankingChanged(); // the lists were emptied: no digit is hot now
        return;                  // too short to hold a draw: nothing counted, nothing said
    }
    counted_ = parseDraws(text);
    importCounted_ = imported_.labelOf && entry_->text() == imported_.text;
    countedOrder_ = entry_->sortOrder();
    lookup_->setDraws(counted_, countedLabels());
    hitLists_->fill(rankHits(countDraws(counted_), countedOrder_));
    sbEnableCountView();
    activateSettings();
    Q_EMIT rankingChanged();
}

// The hit lists and the creation controls are usable only after a completed count.
void frmHotCold::sbResetCountView() {
    hitLists_->clear();
    hitLists_->setUsable(false);
    making_->setUsable(false);
}

void frmHotCold::sbEnableCountView() {
    hitLists_->setShown(true);
    hitLists_->setUsable(true);
    making_->setUsable(true);
}

void frmHotCold::activateSettings() {
    filter_->setSettingsSaved(true);
    filter_->showActivated(true);
    filter_->showPatternLists();
    filter_->enablePatternListFor(mainMode_);
}

void frmHotCold::cmdCreateNumbers_Click() {
    const HotColdNumbers made =
        createHotColdNumbers(making_->choice(), hitLists_->selectedTexts(), making_->kinds());
    if (made.refusal) {
        showMessage(this, sAppTitle(), fromEngine(*made.refusal));
        return;
    }
    making_->showOutput(made.text);
}

void frmHotCold::cmdClose_Click() {
    sbClearP3HCSettings();
    filter_->setSettingsSaved(false);
    making_->resetChoices();
    filter_->fillPatternLists();
    // Closing ends the modal loop; the owner then discards this window.
    closeAndDiscard();
}

std::function<std::string(std::size_t)> frmHotCold::countedLabels() const {
    if (!importCounted_ || entry_ == nullptr || entry_->text() != imported_.text) {
        return {};
    }
    return imported_.labelOf;
}

const ChosenDraws* frmHotCold::countedImport() const {
    return importCounted_ && entry_ != nullptr && entry_->text() == imported_.text ? &imported_
                                                                                  : nullptr;
}

frmImportDraws* frmHotCold::makeImport() {
    auto* window = new frmImportDraws(entry_->draws(), importFile_, this);
    connect(window, &frmImportDraws::drawsChosen, this, &frmHotCold::useImported);
    return window;
}

// The import window, reading the file dropped on the draw box when there is one.
void frmHotCold::openImport(const QString& droppedPath) {
    importFile_ = droppedPath;
    import_.get().exec();
    // Draws kept in the window may be of a game not listed yet.
    if (openedGameLibrary() != nullptr) {
        games_->loadGames(this, true);
    }
}

// The imported draws replace the box's text as one edit, and are counted as "Count" counts.
void frmHotCold::useImported(const ChosenDraws& chosen) {
    entry_->replaceDraws(chosen.text);
    imported_ = chosen;
    imported_.text = entry_->text(); // as the box holds it
    cmdGo_Click();
}

} // namespace pick3
