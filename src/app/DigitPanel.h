#pragma once
// The digit choice of the main window: the two digit modes, the any-position
// digit list, the three position lists and the must-include list.

#include "engine/numbers/Catalogue.h"
#include "engine/numbers/MustHaveList.h"

#include <QWidget>
#include <array>
#include <vector>

class QButtonGroup;
class QRadioButton;

namespace pick3 {

class CheckList;

class DigitPanel : public QWidget {
    Q_OBJECT
  public:
    explicit DigitPanel(QWidget* parent);

    // lstDigitsWheel and lstDigitsWheelPos1(0) to (2); null for other lists.
    CheckList* list(ListId id) const;
    DigitMode mode() const;
    // Selects the option of `mode` as a click does: modeSelected follows when it changes.
    void selectMode(DigitMode mode);
    // Enables the digit lists of `mode` and disables the others; nothing else.
    void showMode(DigitMode mode);
    // lstMustHaveDigit shows the must-include list's items and ticks.
    void showMustHave(const std::vector<MustHaveItem>& items);
    void focusFirst();

  Q_SIGNALS:
    // The user selected the other mode option.
    void modeSelected(pick3::DigitMode mode);
    // A digit list's tick changed, by the user or by code.
    void digitTicked(pick3::ListId list, int row, bool ticked);
    // The user ticked or unticked an item of the must-include list.
    void mustHaveTicked(int row, bool ticked);

  private:
    QWidget* makeDigitFrame();
    QWidget* makeMustHave();

    std::array<QRadioButton*, 2> modeOptions_{};
    QButtonGroup* modeGroup_ = nullptr;
    CheckList* digitsWheel_ = nullptr;
    std::array<CheckList*, 3> positions_{};
    CheckList* mustHave_ = nullptr;
};

} // namespace pick3
