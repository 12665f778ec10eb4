#pragma once
// The commands and results of the main window: the number commands, the
// buttons that open the other windows, the results box with its count label,
// the three boxed order codes and the picture.

#include "engine/Digits.h"
#include "engine/FilterTest.h"
#include "engine/OutputOrder.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

namespace pick3 {

class Picture1;

class CommandPanel : public QWidget {
    Q_OBJECT
  public:
    explicit CommandPanel(QWidget* parent);

    QPushButton* produce() const { return produce_; }
    QPushButton* filterMore() const { return filterMore_; }
    QPushButton* resetFilters() const { return resetFilters_; }
    QPushButton* boxedPairs() const { return boxedPairs_; }
    QPushButton* straightPairs() const { return straightPairs_; }
    QPushButton* outputBox() const { return outputBox_; }
    QPushButton* hotCold() const { return hotCold_; }
    QPushButton* help() const { return help_; }
    QPlainTextEdit* results() const { return results_; }

    // The results box shows plain line breaks; the engine's CR LF become one.
    void setResultsText(const std::string& engineText);
    std::string resultsText() const;
    void setCountCaption(const std::string& caption);

    // txtOutputBox6Way, txtOutputBoxLLH, txtOutputBoxLHH.
    OutputOrder outputOrder() const;
    void setOutputOrder(const OutputOrder& order);

    void showPairCounts(const PairSets& pairs);
    // The pair button of `mode` is shown, the order window only offered for boxed numbers.
    void showMode(DigitMode mode);

  private:
    QPushButton* makeButton(const QString& name, const QString& caption, const QString& tip,
                            bool straight = false);
    QLineEdit* makeCodeField(const QString& name, const QString& code, const QString& what);

    QPushButton* produce_;
    QPushButton* filterMore_;
    QPushButton* resetFilters_;
    QPushButton* boxedPairs_;
    QPushButton* straightPairs_;
    QPushButton* outputBox_;
    QPushButton* hotCold_;
    QPushButton* help_;
    QLineEdit* sixWay_;
    QLineEdit* llh_;
    QLineEdit* lhh_;
    QLabel* numbersCreated_;
    QPlainTextEdit* results_;
    Picture1* picture_;
};

} // namespace pick3
