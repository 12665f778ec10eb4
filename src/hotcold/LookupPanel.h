#pragma once
// "Look up:" beside the count: one number's straight and boxed hits in the
// counted draws, named by date and draw time where the history was imported,
// its skips beside what the odds give, and its pairs.

#include "engine/numbers/HotCold.h"

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace pick3 {

class LookupPanel : public QWidget {
    Q_OBJECT
  public:
    explicit LookupPanel(QWidget* parent);

    // The draws of the last count, in the order of the text, and the names of
    // its draws (empty where the history was not imported). A number in the
    // box is looked up again in them; the dates of imported draws set which
    // end is newest.
    void setDraws(DrawList draws, std::function<std::string(std::size_t)> labelOf);
    std::vector<QWidget*> tabOrder() const;

  protected:
    // Return in the box looks up, and goes no further: not to the window's default button.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Shows the number's lookup, or why there is none; `whenIncomplete` says
    // whether a text that is not yet three digits is answered too.
    void lookUp(bool whenIncomplete);

    QLineEdit* txtLookUp_;
    QComboBox* cboNewest_;
    QPlainTextEdit* txtLookUpResult_;
    DrawList draws_;
    std::function<std::string(std::size_t)> labelOf_;
};

} // namespace pick3
