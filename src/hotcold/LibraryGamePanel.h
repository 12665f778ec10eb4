#pragma once
// "Game:" in the hot/cold counter: a game of the player's library, which draw times to
// count and how many of the newest draws. Picking a game hands its draws over, newest
// first, with their dates and draw times, as the import's "Use these draws" does; "None"
// leaves the draw box as it is. The library is read when the counter is first shown.

#include "importdraws/frmImportDraws.h"
#include "store/StoredDraws.h"

#include <QWidget>
#include <memory>
#include <vector>

class QComboBox;
class QLabel;
class QSpinBox;

namespace pick3 {

class LibraryGamePanel : public QWidget {
    Q_OBJECT
  public:
    explicit LibraryGamePanel(QWidget* parent);

    // Reads the games the library holds (the first time; again after `again`), saying
    // over `over` why where it cannot.
    void loadGames(QWidget* over, bool again = false);
    std::vector<QWidget*> tabOrder() const;
    // "1,234 draws of Texas Pick 3, Evening only": what the last pick counts; empty for none.
    QString countedText() const;

  Q_SIGNALS:
    void drawsPicked(const pick3::ChosenDraws& draws);

  private:
    void openLibraryWindow();
    void gameChosen();
    bool readHeld();
    void pickDraws();
    void showCounting(const QString& text); // shown while it says something
    std::shared_ptr<const GameDefinition> definitionOf(const std::string& id) const;

    QComboBox* cboGame_ = nullptr;
    QComboBox* cboDrawTimes_ = nullptr;
    QSpinBox* spnNewest_ = nullptr;
    QLabel* lblCounting_ = nullptr;
    QWidget* cmdLibrary_ = nullptr;
    bool loaded_ = false;
    std::vector<std::string> gameIds_; // by the choice's index less one
    std::vector<std::shared_ptr<const GameDefinition>> definitions_;
    std::shared_ptr<const std::vector<StoredDraw>> held_; // the chosen game's, oldest first
    QString counted_;
    QString missing_; // what the chosen game lacks by its schedule
};

// What a game's held draws hand to the draw box: newest first, those of `drawTime` only
// (empty: all), the newest `newest` of them (0: all).
ChosenDraws chosenFromLibrary(std::shared_ptr<const std::vector<StoredDraw>> held,
                              const std::string& drawTime, std::size_t newest,
                              std::shared_ptr<const GameDefinition> game);

} // namespace pick3
