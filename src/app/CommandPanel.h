#pragma once
// The commands and results of the main window: the number commands, the
// buttons that open every other window, the results box with its count label,
// the three boxed order codes, saving and printing the numbers, and the picture. A button press is
// reported as what the user asks for; the main window does it.

#include "engine/numbers/OutputOrder.h"
#include "engine/numbers/Pairs.h"

#include <QWidget>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace pick3 {

// The windows the main window opens.
enum class ChildWindow { HotCold, BoxedPairs, StraightPairs, OutputBox, Help, BackTest, MyPlays };

class CommandPanel : public QWidget {
    Q_OBJECT
  public:
    explicit CommandPanel(QWidget* parent);

    // The results box shows plain line breaks; the engine's CR LF become one.
    void setResultsText(const std::string& engineText);
    std::string resultsText() const;
    void setCountCaption(const std::string& caption);

    // txtOutputBox6Way, txtOutputBoxLLH, txtOutputBoxLHH.
    OutputOrder outputOrder() const;
    void setOutputOrder(const OutputOrder& order);

    void showPairCounts(const PairSets& pairs);
    // lblLiveCount: what "Create numbers" would create now, or why it would refuse.
    void showLiveCount(const std::string& line, bool refused);
    // The pair button of `mode` is shown, the order window only offered for boxed numbers.
    void showMode(DigitMode mode);
    // Places more commands under the buttons, their tab stops after "Back-test".
    void addCommands(QWidget* commands, const std::vector<QWidget*>& tabStops);

  Q_SIGNALS:
    void produceRequested();    // cmdProduce
    void filterMoreRequested(); // cmdFilterMore
    void resetRequested();      // cmdResetFilters
    void windowRequested(pick3::ChildWindow window);
    void saveNumbersRequested(); // cmdSaveNumbers
    void printRequested();       // cmdPrint
    void playTheseRequested();   // cmdPlayThese

  private:
    QPushButton* makeButton(const QString& name, const QString& caption, const QString& tip,
                            bool straight = false);
    QPushButton* makeWindowButton(ChildWindow window, const QString& name, const QString& caption,
                                  const QString& tip, bool straight = false);
    QLineEdit* makeCodeField(const QString& name, const QString& code, const QString& what);
    QPlainTextEdit* makeResults();
    void connectButtons();
    void layOut();
    void setTabOrderOfPanel();

    QPushButton* produce_;
    QPushButton* filterMore_;
    QPushButton* resetFilters_;
    QPushButton* boxedPairs_;
    QPushButton* straightPairs_;
    QPushButton* outputBox_;
    QPushButton* hotCold_;
    QPushButton* help_;
    QPushButton* backTest_;
    QPushButton* myPlays_;
    QPushButton* saveNumbers_;
    QPushButton* print_;
    QPushButton* playThese_;
    QLineEdit* sixWay_;
    QLineEdit* llh_;
    QLineEdit* lhh_;
    QLabel* numbersCreated_;
    QLabel* liveCount_;
    QPlainTextEdit* results_;
    QWidget* picture_;
};

} // namespace pick3
