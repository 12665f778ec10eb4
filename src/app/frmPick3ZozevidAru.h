#pragma once
// The main window: digit choice, filter lists, the number commands and the
// results, and the buttons that open every other window.

#include "app/CheckList.h"
#include "app/WindowHolder.h"
#include "app/frmOutputBox.h"
#include "app/frmWheelHelp.h"
#include "engine/Commands.h"
#include "engine/MustHaveList.h"
#include "hotcold/frmHotCold.h"
#include "pairs/frmPick3FilterBoxedPairs.h"
#include "pairs/frmPick3FilterStraightPairs.h"

#include <QWidget>

namespace pick3 {

class BannerFrame;
class CommandPanel;
class ContextMenus;
class DigitPanel;
class FilterPanel;

class frmPick3ZozevidAru : public QWidget {
    Q_OBJECT
  public:
    // Runs the whole load: pair buttons, banner, contact block, caption, the
    // hidden hot/cold window and every list filled. Deletes itself when closed.
    explicit frmPick3ZozevidAru(QWidget* parent = nullptr);
    ~frmPick3ZozevidAru() override;

    // Read from optPositionDigit(0) every time; never cached.
    DigitMode digitMode() const;
    // Every catalogue list of the window, the digit lists included.
    CheckList* list(ListId id) const;
    int iConsecMode() const;
    const PairSets& pairSets() const { return pairs_; }
    // The hot/cold window; created afresh (hidden) when its "&Close" discarded it.
    frmHotCold& hotCold() { return hotCold_.get(); }

    // Refills every list and returns the filter state to its defaults ("Reset filters").
    void sbFillFilterLists();
    // What the controls hold now, as the number commands read it.
    MainInput readInput();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildLayout();
    void connectControls();
    void fitToScreen();

    void cmdProduce_Click();
    void cmdFilterMore_Click();
    void optPositionDigit_Click(DigitMode mode);
    void digitTickChanged(ListId id, int row, bool ticked);
    void showMustHave();
    void showPairCounts();
    void openModal(QDialog& window);

    void showResult(const CommandResult& result);
    void mirrorHotColdTick(ListId store, int row, bool ticked);

    BannerFrame* banner_ = nullptr;
    DigitPanel* digits_ = nullptr;
    FilterPanel* filters_ = nullptr;
    CommandPanel* commands_ = nullptr;
    ContextMenus* menus_ = nullptr;

    MustHaveList mustHave_;
    PairSets pairs_;

    WindowHolder<frmHotCold> hotCold_;
    WindowHolder<frmPick3FilterStraightPairs> straightPairs_;
    WindowHolder<frmPick3FilterBoxedPairs> boxedPairs_;
    WindowHolder<frmOutputBox> outputBox_;
    WindowHolder<frmWheelHelp> help_;
};

} // namespace pick3
