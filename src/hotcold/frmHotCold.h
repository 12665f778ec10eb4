#pragma once
// The hot/cold counter: a pasted draw history is counted per position and in
// any position, the digits are ranked, numbers can be made from picked digits,
// and the hot/cold patterns chosen here are mirrored into the main window.

#include "engine/Catalogue.h"
#include "engine/Digits.h"
#include "engine/HotCold.h"
#include "engine/NumberProfile.h"

#include <QDialog>
#include <functional>
#include <memory>

class QListWidget;

namespace pick3 {

class CheckList;

class frmHotCold : public QDialog {
    Q_OBJECT
  public:
    // What this window reaches in the main window.
    struct MainWindowLink {
        std::function<DigitMode()> digitMode;
        // Sets the tick of `row` in the main window's store list (lstHCBox or lstHCStraight).
        std::function<void(ListId store, int row, bool ticked)> mirrorTick;
    };

    // Runs the load: initial, de-activated state. Created hidden.
    explicit frmHotCold(MainWindowLink link, QWidget* parent = nullptr);
    ~frmHotCold() override;

    // chkSettingsSaved: ticked while the settings of a count are in force.
    bool settingsSaved() const;
    // Enables the pattern list of `mode` and disables the other.
    void enablePatternListFor(DigitMode mode);
    // Unticks every pattern in both windows and shows "HotCold-filter de-activated" in red.
    void sbClearP3HCSettings();
    // The digits of items 0 to 4 of lstPos1, lstPos2, lstPos3 and lstBox.
    HotDigits hotDigits() const;

  Q_SIGNALS:
    // "&Close" has cleared everything: the owner discards this window.
    void discardRequested();

  private:
    struct Ui;

    void buildUi();
    void connectControls();
    void sbFillHCPatternLists();
    void cmdGo_Click();
    void sbResetCountView();
    void sbEnableCountView();
    void setCountViewEnabled(bool enabled);
    void sbShowHitLists();
    void sbFillHitLists(const RankedHits& ranked);
    void activateSettings();
    void cmdCreateNumbers_Click();
    void cmdClose_Click();
    void setStatus(const QString& text, const QColor& colour);
    void mirror(ListId store, int row, bool ticked) const;
    DigitMode mainDigitMode() const;
    std::array<std::vector<std::string>, 4> selectedHitTexts() const;

    std::unique_ptr<Ui> ui_;
    MainWindowLink link_;
    // The creation choices, kept until "&Close"; whether a count's settings
    // are in force is chkSettingsSaved itself.
    StraightBox straightBox_ = StraightBox::Straight;
    NumberKinds kinds_;
};

} // namespace pick3
