#pragma once
// The game library's own window: the games it holds (draws, first and last date), where
// its file is, and what the player may do with it: back it up (a copy made by SQLite's
// backup), restore it from such a copy, export a game's draws as CSV, and forget a game
// (its draws deleted and the file compacted). Nothing is sent anywhere.

#include "store/GameLibrary.h"
#include "widgets/DiscardableDialog.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace pick3 {

class frmGameLibrary : public DiscardableDialog {
    Q_OBJECT
  public:
    // `titleOf` names a game by its id ("texas-pick-3" as "Texas Pick 3").
    frmGameLibrary(GameLibrary& library, std::function<QString(const std::string&)> titleOf,
                   QWidget* parent);

    // The games as the library holds them now.
    void showGames();

  private:
    void backUp();
    void restore();
    void exportGame();
    void forgetGame();
    // The game of the row chosen; empty when none is.
    std::string chosenGame() const;
    void say(const QString& text);

    GameLibrary& library_;
    std::function<QString(const std::string&)> titleOf_;
    std::vector<HeldGame> games_;
    QTableWidget* tblGames_ = nullptr;
    QLabel* lblWhere_ = nullptr;
    QPushButton* cmdExport_ = nullptr;
    QPushButton* cmdForget_ = nullptr;
};

} // namespace pick3
