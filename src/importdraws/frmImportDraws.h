#pragma once
// The import window: a dated draw history read from a file, the clipboard or
// the draw box, shown as a live preview (the draws recognised, the lines not
// read, conflicts, rows given twice, missing dates), with the choices that
// correct how the text was read and say which draws go into the draw box.
// "Use these draws" hands the chosen draws to the owner by drawsChosen().

#include "engine/history/DrawImport.h"
#include "widgets/DiscardableDialog.h"

#include <QFutureWatcher>
#include <QTimer>
#include <functional>
#include <memory>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QDateEdit;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QTableView;
class QTableWidget;

namespace pick3 {

class RowsModel;

// What "Use these draws" hands over: the draw box's new text, one draw a line,
// and the date and draw time of each of its draws by their place in the text.
struct ChosenDraws {
    QString text;
    std::size_t count = 0;
    std::function<std::string(std::size_t index)> labelOf;
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

  Q_SIGNALS:
    void drawsChosen(const pick3::ChosenDraws& draws);

  protected:
    // Enter in the draw-time codes reads the text again, and presses no button.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    // One reading: the text (kept for reading it again with other choices) and
    // what was recognised, or why nothing was.
    struct Reading {
        std::shared_ptr<const std::string> text;
        // What was read; none where reading failed or was cancelled. Shared, as the
        // worker's result is copied out of its future.
        std::shared_ptr<const ImportResult> result;
        QString problem;        // empty when read, or when cancelled
        bool fileError = false; // the problem names the file already
        bool cancelled = false;
    };
    struct Progress;
    static Reading read(const QString& path, std::shared_ptr<const std::string> text,
                        const ImportChoices& choices, const std::shared_ptr<Progress>& progress);

    QWidget* makeSources(QWidget* parent);
    QLayout* makeBusyRow(QWidget* parent);
    QWidget* makeMiddle(QWidget* parent);
    QLayout* makeUseRow(QWidget* parent);
    QWidget* makeReadingChoices(QWidget* parent);
    QWidget* makeKeepChoices(QWidget* parent);
    QTabWidget* makePreview(QWidget* parent);
    void readClipboard();
    void readText(std::shared_ptr<const std::string> text, const QString& source);
    void start(const QString& path, std::shared_ptr<const std::string> text, const QString& source);
    void finish(Reading reading);
    void readAgain();
    void setBusy(bool busy);
    ImportChoices readingChoices() const;
    KeepChoices keepChoices() const;
    void showReading();
    void showColumnChoices();
    void showProblems();
    void showDrawTimes();
    void showConflicts();
    void refilter();
    void useDraws();

    std::shared_ptr<const std::string> boxText_;
    std::shared_ptr<const std::string> text_;
    std::shared_ptr<const ImportResult> result_;
    std::vector<DatedDraw> kept_;
    QString source_, pendingSource_;
    std::shared_ptr<Progress> progress_;
    QFutureWatcher<Reading> running_;
    QTimer progressTimer_;
    bool quiet_ = false; // the draw box read on opening: a failure is said in the window

    QWidget* sources_ = nullptr;
    QLabel* lblSource_ = nullptr;
    QProgressBar* prgImport_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
    QLabel* lblSummary_ = nullptr;
    QLabel* lblDateReading_ = nullptr;
    QLineEdit* txtTimeCodes_ = nullptr; // "M = Midday, E = Evening"
    QString shownTimeCodes_;            // as the last reading gave them
    bool timeCodesChosen_ = false;      // the user has corrected them
    QWidget* choices_ = nullptr;
    QComboBox* cboDateColumn_ = nullptr;
    QComboBox* cboTimeColumn_ = nullptr;
    QComboBox* cboDrawColumn_ = nullptr;
    QComboBox* cboDateOrder_ = nullptr;
    QHBoxLayout* drawTimesRow_ = nullptr;
    std::vector<QCheckBox*> chkDrawTime_;
    QDateEdit* dtpFrom_ = nullptr;
    QDateEdit* dtpTo_ = nullptr;
    QComboBox* cboLastDraws_ = nullptr;
    QButtonGroup* newest_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    RowsModel* draws_ = nullptr;
    RowsModel* unread_ = nullptr;
    RowsModel* twice_ = nullptr;
    RowsModel* missing_ = nullptr;
    QTableView* tblDraws_ = nullptr;
    QTableWidget* tblConflicts_ = nullptr;
    QLabel* lblKept_ = nullptr;
    QPushButton* cmdUse_ = nullptr;
};

} // namespace pick3

Q_DECLARE_METATYPE(pick3::ChosenDraws)
