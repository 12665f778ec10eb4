#pragma once
// Numbers from digits picked in the hit lists: the straight/box choice, the
// kinds of number to write, "Create numbers" and the output box.

#include "engine/numbers/HotCold.h"

#include <QWidget>
#include <array>
#include <string>
#include <vector>

class QCheckBox;
class QPlainTextEdit;
class QRadioButton;

namespace pick3 {

class NumberMakingPanel : public QWidget {
    Q_OBJECT
  public:
    explicit NumberMakingPanel(QWidget* parent);

    StraightBox choice() const { return choice_; }
    NumberKinds kinds() const { return kinds_; }
    // The kinds, the command and the output are usable only after a completed count.
    void setUsable(bool usable);
    void showOutput(const std::string& engineText);
    void clearOutput();
    // Straight, and every kind ticked: the choices of a fresh window.
    void resetChoices();

    // The output box stands apart, under the hit lists.
    QWidget* outputArea() const { return outputArea_; }
    std::vector<QWidget*> tabOrder() const; // the choices and the command
    QWidget* output() const;

  Q_SIGNALS:
    void createRequested(); // cmdCreateNumbers
    void choiceChanged();   // optBox: the hit lists are shown

  private:
    void makeOutputArea(QWidget* parent);

    std::array<QRadioButton*, 2> optBox_{};
    std::array<QCheckBox*, 3> kindBoxes_{}; // chk6Ways, chkDoubles, chkTriples
    QWidget* create_;
    QPlainTextEdit* txtOutput_;
    QWidget* outputArea_;
    StraightBox choice_ = StraightBox::Straight;
    NumberKinds kinds_;
};

} // namespace pick3
