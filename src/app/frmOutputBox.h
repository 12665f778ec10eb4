#pragma once
// The output-order window: which arrangement of its sorted digits a boxed
// single or double is written in. It shows the main window's three codes and
// reports the codes at every click.

#include "engine/numbers/OutputOrder.h"
#include "widgets/DiscardableDialog.h"

class QButtonGroup;

namespace pick3 {

class frmOutputBox : public DiscardableDialog {
    Q_OBJECT
  public:
    // The load: banner, options at index 0, then `codes` (the main window's) shown.
    explicit frmOutputBox(OutputOrder codes, QWidget* parent = nullptr);

  Q_SIGNALS:
    // sbWriteOutputOrder: the codes of the options now selected.
    void orderChanged(const pick3::OutputOrder& codes);

  private:
    QButtonGroup* makeFamily(const QString& frameName, const QString& caption,
                             const QString& optionName, const QStringList& captions);
    // Selects the option of each family whose code `codes` holds; a code
    // outside its family leaves that group as it is.
    void sbShowOutputOrder();
    void sbWriteOutputOrder();

    OutputOrder codes_;
    QButtonGroup* sixWay_ = nullptr;
    QButtonGroup* llh_ = nullptr;
    QButtonGroup* lhh_ = nullptr;
    // The selected option of each family.
    int i6Way_ = 0;
    int iLLH_ = 0;
    int iLHH_ = 0;
};

} // namespace pick3
