#pragma once
// The numbers of the results box kept as tickets: the game, the play (only those the
// game sells on the draw's date), the stake per number, the draw (the next one by the
// game's schedule and clock, or a date and draw time chosen), how many draws in a row
// and the add-on. The total cost is shown before anything is kept.

#include "engine/plays/PlaySlip.h"
#include "plays/PlaysShared.h"

#include <QDialog>

class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QSpinBox;

namespace pick3 {

class frmPlayThese : public QDialog {
    Q_OBJECT
  public:
    frmPlayThese(std::vector<TicketDigits> numbers, QWidget* parent);

  private:
    QWidget* makeChoices(QWidget* area);
    const GameDefinition* game() const;
    void gameChosen();
    void dateChosen();
    void playChosen();
    void nextDraw();
    PlaySlip slip() const;
    void showCost();
    void keep();

    std::vector<TicketDigits> numbers_;
    GameList games_;
    QComboBox* cboGame_ = nullptr;
    QDateEdit* dtpDate_ = nullptr;
    QComboBox* cboDrawTime_ = nullptr;
    QComboBox* cboPlay_ = nullptr;
    QComboBox* cboStake_ = nullptr;
    QSpinBox* spnDraws_ = nullptr;
    QComboBox* cboAddOn_ = nullptr;
    QLabel* lblCost_ = nullptr;
    QPushButton* cmdKeep_ = nullptr;
};

} // namespace pick3
