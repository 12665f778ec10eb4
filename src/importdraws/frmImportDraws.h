#pragma once
// The import window: a dated draw history read from a file, the clipboard or
// the draw box, shown as a live preview (the draws recognised, the lines not
// read, conflicts, rows given twice, missing dates), with the choices that
// correct how the text was read and say which draws go into the draw box.
// "Use these draws" hands the chosen draws to the owner by drawsChosen().

#include "engine/games/GameDefinition.h"
#include "engine/history/DrawImport.h"
#include "importdraws/GameCatalog.h"
#include "importdraws/ImportReading.h"
#include "store/StoredDraws.h"
#include "widgets/DiscardableDialog.h"

#include <QDateTime>
#include <QFutureWatcher>
#include <QTimer>
#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class QLayout;
class QProgressBar;
class QPushButton;

namespace pick3 {

class ImportPreviewPanel;
class ImportSourcePanel;
class GameUpdate;
class KeepChoicesPanel;
class LibraryKeepPanel;
class ReadingChoicesPanel;

// What "Use these draws" hands over: the draw box's new text, one draw a line,
// and the date and draw time of each of its draws by their place in the text.
struct ChosenDraws {
    QString text;
    std::size_t count = 0;
    std::function<std::string(std::size_t index)> labelOf;
    // The game chosen in the window (none: "None"), and each draw's date by its place.
    std::shared_ptr<const GameDefinition> game;
    std::function<std::optional<CivilDate>(std::size_t index)> dateOf;
    // Which game and draw times, where the draws came from the library: "of Texas Pick 3
    // (Evening only)"; empty for an import.
    QString counting;
};

class frmImportDraws : public DiscardableDialog {
    Q_OBJECT
  public:
    // `boxText`: what the draw box holds now. Once shown, the window reads
    // `file` or, without one, the draw box when it holds anything.
    frmImportDraws(std::string boxText, const QString& file, QWidget* parent = nullptr);
    ~frmImportDraws() override;

    // Reads a file (picked, or dropped on the draw box); a failure is told in a
    // message and leaves the preview as it was.
    void readFile(const QString& path);
    // The game whose schedule names the draw times: "None" reads as found. Read from the
    // shipped and the player's definitions when the window is first shown.
    QComboBox* gameChoice() const { return cboGame_; }
    // "Keep in game:": the game of the library the draws to use are kept in ("None":
    // nothing is kept). Choosing one names the draw times by its schedule too.
    QComboBox* keepGameChoice() const { return cboKeepGame_; }
    // Keeps the draws to use in the chosen game, as the preview shows them; says how it went.
    void keepDraws();
    // "Update": fetches the chosen game's newest draws from its source and previews them
    // for keeping in it.
    void updateGame();

  Q_SIGNALS:
    void drawsChosen(const pick3::ChosenDraws& draws);

  protected:
    // Enter in the draw-time codes reads the text again, and presses no button.
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    QLayout* makeBusyRow(QWidget* parent);
    QWidget* makeMiddle(QWidget* parent);
    QLayout* makeUseRow(QWidget* parent);
    QLayout* makeGameRow(QWidget* parent);
    void loadGames();
    void showGame();
    std::shared_ptr<const GameDefinition> chosenGame() const;
    void connectPanels();
    void readClipboard();
    void readDrawBox();
    void readText(std::shared_ptr<const std::string> text, const QString& source);
    void start(const QString& path, std::shared_ptr<const std::string> text, const QString& source);
    void finish(ImportReading reading);
    void readAgain();
    void setBusy(bool busy);
    void showReading();
    void showDateReading();
    void refilter();
    void useDraws();
    void keepGameChosen(int index);
    void followGamePlayed(int index);
    void showKeepPreview();
    void connectUpdate();
    void useUpdate(const struct UpdateReading& update);
    void sayEveryDrawHeld();
    void chooseSourceAddress();

    std::shared_ptr<const std::string> boxText_;
    std::shared_ptr<const std::string> text_;
    std::shared_ptr<const ImportResult> result_;
    std::shared_ptr<const std::vector<DatedDraw>> kept_;
    std::shared_ptr<const GameDefinition> game_; // the game the reading shown was named by
    std::shared_ptr<const GameFindings> findings_;
    GameCatalog catalog_;
    bool gamesLoaded_ = false;
    QString source_, pendingSource_;
    QString sourceName_, pendingSourceName_; // as the library records it: "texas.csv"
    std::optional<MergePreview> merge_;      // what keeping would do, as shown
    std::shared_ptr<ReadingProgress> progress_;
    QFutureWatcher<ImportReading> running_;
    QTimer progressTimer_;
    bool quiet_ = false; // the draw box read on opening: a failure is said in the window

    ImportSourcePanel* sources_ = nullptr;
    QProgressBar* prgImport_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
    QLabel* lblSummary_ = nullptr;
    QLabel* lblDateReading_ = nullptr;
    QWidget* choices_ = nullptr;
    ReadingChoicesPanel* reading_ = nullptr;
    KeepChoicesPanel* keep_ = nullptr;
    ImportPreviewPanel* preview_ = nullptr;
    QLabel* lblKept_ = nullptr;
    QPushButton* cmdUse_ = nullptr;
    QComboBox* cboGame_ = nullptr;
    QLabel* lblGame_ = nullptr;
    QComboBox* cboKeepGame_ = nullptr;
    QPushButton* cmdUpdate_ = nullptr;
    QPushButton* cmdSource_ = nullptr;
    QString updateAddress_; // the source of the update shown, while it is shown
    QDateTime updateFetchedAt_;
    GameUpdate* update_ = nullptr;
    QPushButton* cmdKeep_ = nullptr;
    LibraryKeepPanel* keepPanel_ = nullptr;
};

} // namespace pick3

Q_DECLARE_METATYPE(pick3::ChosenDraws)
