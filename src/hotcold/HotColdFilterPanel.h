#pragma once
// The hot/cold filter of the counter: the box and straight pattern lists that
// are mirrored into the main window, the status, "Settings saved" and
// "Clear Hotcold-filter".

#include "engine/numbers/Catalogue.h"
#include "engine/numbers/Selection.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QPushButton;

namespace pick3 {

class CheckList;

class HotColdFilterPanel : public QWidget {
    Q_OBJECT
  public:
    explicit HotColdFilterPanel(QWidget* parent);

    // sbFillHCPatternLists: both lists with their items, nothing ticked.
    void fillPatternLists();
    // Unticks every pattern here, row by row, without reporting the ticks.
    void untickPatterns();
    // Ticks the patterns of `store`'s list as `ticks` says, reporting each as a click does.
    void setPatternTicks(ListId store, const Ticks& ticks);
    // "HotCold-filter activated" in blue, or "HotCold-filter de-activated" in red.
    void showActivated(bool activated);
    bool settingsSaved() const;
    void setSettingsSaved(bool saved);
    // Enables the pattern list of `mode` and disables the other.
    void enablePatternListFor(DigitMode mode);
    void disablePatternLists();
    void showPatternLists();
    std::vector<QWidget*> tabOrder() const;

  Q_SIGNALS:
    // The user ticked or unticked a pattern: `store` names the list (lstHCBox, lstHCStraight).
    void patternTicked(pick3::ListId store, int row, bool ticked);
    void clearRequested(); // cmdClearSettings

  private:
    CheckList* makePatternList(ListId id, const QString& tooltip);

    CheckList* box_;
    CheckList* straight_;
    QLabel* status_;
    QCheckBox* saved_;
    QPushButton* clear_;
};

} // namespace pick3
