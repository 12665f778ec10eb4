#pragma once
// The main window: digit choice, filter lists, the number commands and the
// results, and the buttons that open every other window.

#include "app/CommandPanel.h"
#include "app/frmOutputBox.h"
#include "app/frmWheelHelp.h"
#include "backtest/frmBackTestWindow.h"
#include "charts/ChartDraws.h"
#include "engine/numbers/Commands.h"
#include "engine/numbers/MustHaveList.h"
#include "engine/numbers/PlayList.h"
#include "hotcold/frmHotCold.h"
#include "pairs/frmPick3FilterBoxedPairs.h"
#include "pairs/frmPick3FilterStraightPairs.h"
#include "plays/frmMyPlays.h"
#include "widgets/WindowHolder.h"

#include <QWidget>
#include <optional>

namespace pick3 {

class BannerFrame;
class CheckList;
class ContextMenus;
class DigitPanel;
class FilterPanel;
class SetFilePanel;
struct FilterSet;

class frmPick3ZozevidAru : public QWidget {
    Q_OBJECT
  public:
    // Runs the whole load: pair buttons, banner, contact block, caption, the
    // hidden hot/cold window and every list filled. Deletes itself when closed.
    explicit frmPick3ZozevidAru(QWidget* parent = nullptr);
    ~frmPick3ZozevidAru() override;

    // What the controls hold now, as the number commands read it. Their hot
    // digits load the hot/cold counter afresh where it was closed; with
    // `mayLoadCounter` false a closed counter gives no hot digit and stays closed.
    MainInput readInput(bool mayLoadCounter = true);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildLayout();
    void connectPanels();
    void fitToScreen();
    DigitMode digitMode() const;
    CheckList* list(ListId id) const;

    // Refills every list and returns the filter state to its defaults ("Reset filters").
    void sbFillFilterLists();
    void cmdProduce_Click();
    void cmdFilterMore_Click();
    std::optional<PlayList> numbersToTakeAway();
    void cmdSaveNumbers_Click();
    void cmdPrint_Click();
    void optPositionDigit_Click(DigitMode mode);
    void digitTickChanged(ListId id, int row, bool ticked);
    void showMustHave();
    void setPairs(const PairSets& pairs);
    void openWindow(ChildWindow window);
    void showResult(const CommandResult& result);
    void mirrorHotColdTick(ListId store, int row, bool ticked);
    // A checked filter set, put in as one action in the order a user would click it.
    void applyFilterSet(const FilterSet& set);
    // lblLiveCount follows every change of what "Create numbers" reads.
    void updateLiveCount();
    // Holds the live count back while one action changes many ticks; it follows once at the end.
    struct LiveCountHold {
        explicit LiveCountHold(frmPick3ZozevidAru& window) : window_(window) {
            ++window_.liveHold_;
        }
        ~LiveCountHold() {
            if (--window_.liveHold_ == 0) {
                window_.updateLiveCount();
            }
        }
        LiveCountHold(const LiveCountHold&) = delete;
        LiveCountHold& operator=(const LiveCountHold&) = delete;
        frmPick3ZozevidAru& window_;
    };

    // Each child window, created on first use and connected to this window.
    frmHotCold* makeHotCold();
    frmPick3FilterStraightPairs* makeStraightPairs();
    frmPick3FilterBoxedPairs* makeBoxedPairs();
    frmOutputBox* makeOutputBox();
    frmWheelHelp* makeHelp();
    frmBackTest* makeBackTest();
    frmMyPlays* makeMyPlays();
    // The numbers of the results box kept as tickets.
    void cmdPlayThese_Click();
    // The charts window, made only when it is first asked for, over the window that asked.
    void openCharts(ChartSource source, QWidget* over);

    BannerFrame* banner_ = nullptr;
    DigitPanel* digits_ = nullptr;
    FilterPanel* filters_ = nullptr;
    CommandPanel* commands_ = nullptr;
    ContextMenus* menus_ = nullptr;
    SetFilePanel* setFiles_ = nullptr;

    MustHaveList mustHave_;
    PairSets pairs_;
    int liveHold_ = 0;

    WindowHolder<frmHotCold> hotCold_{this, &frmPick3ZozevidAru::makeHotCold};
    WindowHolder<frmPick3FilterStraightPairs> straightPairs_{
        this, &frmPick3ZozevidAru::makeStraightPairs};
    WindowHolder<frmPick3FilterBoxedPairs> boxedPairs_{this, &frmPick3ZozevidAru::makeBoxedPairs};
    WindowHolder<frmOutputBox> outputBox_{this, &frmPick3ZozevidAru::makeOutputBox};
    WindowHolder<frmWheelHelp> help_{this, &frmPick3ZozevidAru::makeHelp};
    WindowHolder<frmBackTest> backTest_{this, &frmPick3ZozevidAru::makeBackTest};
    WindowHolder<frmMyPlays> myPlays_{this, &frmPick3ZozevidAru::makeMyPlays};
    TryLedger tries_; // the settings back-tested on the same draws, beyond each back-test window
};

} // namespace pick3
