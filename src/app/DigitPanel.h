#pragma once
// The digit choice of the main window: the two digit modes, the any-position
// digit list, the three position lists and the must-include list.

#include "app/CheckList.h"
#include "engine/Digits.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>
#include <QWidget>
#include <array>

namespace pick3 {

class DigitPanel : public QWidget {
    Q_OBJECT
  public:
    explicit DigitPanel(QWidget* parent);

    CheckList* digitsWheel() const { return digitsWheel_; }
    // lstDigitsWheelPos1(index), index 0 to 2.
    CheckList* positionList(int index) const;
    CheckList* mustHave() const { return mustHave_; }
    QRadioButton* modeOption(int index) const;

    DigitMode mode() const;
    // Enables the digit lists of `mode` and disables the others; nothing else.
    void showMode(DigitMode mode);

  Q_SIGNALS:
    // The user selected the other mode option.
    void modeSelected(pick3::DigitMode mode);

  private:
    QGroupBox* frame_;
    std::array<QRadioButton*, 2> modeOptions_{};
    QButtonGroup* modeGroup_;
    CheckList* digitsWheel_;
    std::array<CheckList*, 3> positions_{};
    CheckList* mustHave_;
};

} // namespace pick3
