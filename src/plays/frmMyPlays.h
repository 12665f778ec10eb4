#pragma once
// The player's own tickets: typed or pasted as printed, one a line, read by the engine
// and kept in the game library; each checked against the draws the library holds for
// its game, by the prize table of its draw's day, with why it won and what it pays;
// the wins to claim soon and those the lottery reports for taxes; the money in whole
// cents (staked, won, net, per month, play type and game, the tickets still waiting and
// what the prize tables return per ticket); a deleted ticket brought back by Ctrl+Z;
// a year's plays as CSV and on paper.

#include "engine/plays/PlayTotals.h"
#include "plays/PlaysRun.h"
#include "plays/PlaysShared.h"
#include "store/GameLibrary.h"
#include "widgets/DiscardableDialog.h"

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTableView;
class QTableWidget;

namespace pick3 {

class MoneyLuckPanel;
class TextTableModel;

class frmMyPlays : public DiscardableDialog {
    Q_OBJECT
  public:
    explicit frmMyPlays(QWidget* parent);

    // The tickets as the library holds them now, checked against its draws.
    void showTickets();
    MoneyLuckPanel* moneyLuckPanel() const { return moneyLuck_; }

  protected:
    // The library is opened, and the games read, when the window is first shown.
    void showEvent(QShowEvent* event) override;

  private:
    QWidget* makeEntry(QWidget* area);
    QWidget* makeTicketCommands(QWidget* area);
    void keepTickets();
    void deleteChosen();
    void markChosenClaimed();
    void undoDelete();
    void exportYear();
    void printPlays();
    std::vector<std::int64_t> chosenIds() const;
    void fillTable();
    void showClaims();
    void showTotals();
    void say(const QString& text);

    GameLibrary* library_ = nullptr;
    bool opened_ = false;
    GameList games_;
    std::vector<StoredTicket> held_;
    std::vector<CheckedTicket> checked_;
    // Each Delete's tickets, the last last: kept for the run, so that Ctrl+Z still brings
    // them back after the window is closed and opened again.
    std::vector<std::vector<std::int64_t>>& deleted_ = playsRun().deleted;
    QPlainTextEdit* txtTickets_ = nullptr;
    QComboBox* cboGame_ = nullptr;
    QPushButton* cmdKeep_ = nullptr;
    QTableView* tblTickets_ = nullptr;
    TextTableModel* tickets_ = nullptr; // the texts of tblTickets_
    QPushButton* cmdDelete_ = nullptr;
    QPushButton* cmdClaimed_ = nullptr;
    QLabel* lblCorrections_ = nullptr;
    QLabel* lblUndo_ = nullptr;
    QLabel* lblClaims_ = nullptr;
    QTableWidget* tblTotals_ = nullptr;
    QLabel* lblTotals_ = nullptr;
    QSpinBox* spnYear_ = nullptr;
    MoneyLuckPanel* moneyLuck_ = nullptr;
};

} // namespace pick3
