#pragma once
// "How the text is read": the columns of the date, the draw time and the draw,
// the date order and the draw-time shorthand, each "As found" until the user
// corrects the guess.

#include "engine/history/DrawImport.h"

#include <QGroupBox>

class QComboBox;
class QLineEdit;

namespace pick3 {

class ReadingChoicesPanel : public QGroupBox {
    Q_OBJECT
  public:
    explicit ReadingChoicesPanel(QWidget* parent);

    // The corrections chosen; an empty field keeps the guess.
    ImportChoices choices() const;
    // A new text is read as found.
    void readAsFound();
    // The columns of a reading, offered with the others, and its draw-time codes.
    void showLayout(const ImportLayout& layout);
    // Enter there reads the text again and presses no button.
    bool editingTimeCodes() const;

  Q_SIGNALS:
    // A correction: the text is to be read again.
    void changed();

  private:
    void timeCodesEdited();

    QComboBox* cboDateColumn_ = nullptr;
    QComboBox* cboTimeColumn_ = nullptr;
    QComboBox* cboDrawColumn_ = nullptr;
    QComboBox* cboDateOrder_ = nullptr;
    QLineEdit* txtTimeCodes_ = nullptr; // "M = Midday, E = Evening"
    QString shownTimeCodes_;            // as the last reading gave them
    bool timeCodesChosen_ = false;      // the user has corrected them
};

} // namespace pick3
