#pragma once
// The hot/cold counter: a pasted draw history is counted per position and in
// any position, the digits are ranked, numbers can be made from picked digits,
// and the hot/cold patterns chosen here are reported to the main window, which
// keeps them in its own store lists.

#include "engine/numbers/Catalogue.h"
#include "engine/numbers/HotCold.h"
#include "engine/numbers/Selection.h"
#include "importdraws/frmImportDraws.h"
#include "widgets/DiscardableDialog.h"
#include "widgets/WindowHolder.h"

namespace pick3 {

class BannerFrame;
class DrawEntryPanel;
class HitListsPanel;
class HotColdFilterPanel;
class LibraryGamePanel;
class LookupPanel;
class NumberMakingPanel;

class frmHotCold : public DiscardableDialog {
    Q_OBJECT
  public:
    // Runs the load: initial, de-activated state, for a main window in `mainMode`.
    // Created hidden. Esc and the title-bar close only hide it; "&Close" discards it.
    explicit frmHotCold(DigitMode mainMode, QWidget* parent = nullptr);
    // Shown, the window's controls are made first if they are not yet.
    void setVisible(bool visible) override;

    // The main window's digit mode, which a count's activation follows.
    void setMainDigitMode(DigitMode mode) { mainMode_ = mode; }
    // chkSettingsSaved: ticked while the settings of a count are in force.
    bool settingsSaved() const;
    // Enables the pattern list of `mode` and disables the other.
    void enablePatternListFor(DigitMode mode);
    // Unticks every pattern in both windows and shows "HotCold-filter de-activated" in red.
    void sbClearP3HCSettings();
    // Ticks the patterns of `store` (lstHCBox, lstHCStraight) as a click on each would.
    void setPatternTicks(ListId store, const Ticks& ticks);
    // The digits of items 0 to 4 of lstPos1, lstPos2, lstPos3 and lstBox.
    HotDigits hotDigits() const;
    // The draws of the last count, in the order of the text, and its sort order;
    // no draws before a count or after one that stopped early.
    const DrawList& countedDraws() const { return counted_; }
    SortOrder countedOrder() const { return countedOrder_; }
    // The date and draw time of each counted draw, by its place in the text,
    // while the draw box holds exactly what the import wrote and that was
    // counted; otherwise empty.
    std::function<std::string(std::size_t index)> countedLabels() const;
    // What the import handed over for the last count (its game, its dates); none where the
    // draws counted are not the imported ones.
    const ChosenDraws* countedImport() const;

  Q_SIGNALS:
    // A pattern's tick, to be mirrored into the main window's store list of the same name.
    void patternTicked(pick3::ListId store, int row, bool ticked);
    // The ranking changed (a count, or a count that stopped early): other hot digits.
    void rankingChanged();
    // "Charts...": the main window opens the charts of countedDraws().
    void chartsRequested();

  private:
    void ensureBuilt();
    void buildLayout(BannerFrame* banner);
    void cmdGo_Click();
    void sbResetCountView();
    void sbEnableCountView();
    void activateSettings();
    void cmdCreateNumbers_Click();
    void cmdClose_Click();
    frmImportDraws* makeImport();
    void openImport(const QString& droppedPath);
    void useImported(const ChosenDraws& chosen);

  protected:
    // The games of the library are read when the counter is first shown.
    void showEvent(QShowEvent* event) override;

  private:
    // Made together by ensureBuilt(); none before.
    LibraryGamePanel* games_ = nullptr;
    DrawEntryPanel* entry_ = nullptr;
    LookupPanel* lookup_ = nullptr;
    HitListsPanel* hitLists_ = nullptr;
    NumberMakingPanel* making_ = nullptr;
    HotColdFilterPanel* filter_ = nullptr;
    DigitMode mainMode_;
    DrawList counted_;
    SortOrder countedOrder_ = SortOrder::HitsDescDigitsAsc;
    ChosenDraws imported_;       // what the import last wrote into the draw box
    bool importCounted_ = false; // and the last count was of that text
    QString importFile_;         // read by the import window on opening
    WindowHolder<frmImportDraws> import_{this, &frmHotCold::makeImport};
};

} // namespace pick3
