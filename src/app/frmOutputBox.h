#pragma once
// The output-order window: which arrangement of its sorted digits a boxed
// single or double is written in. It shows the main window's three codes and
// writes them back at every click.

#include "engine/OutputOrder.h"

#include "app/DiscardableDialog.h"
#include <QButtonGroup>
#include <functional>

namespace pick3 {

class frmOutputBox : public DiscardableDialog {
    Q_OBJECT
  public:
    // What this window reaches in the main window: its three code fields.
    struct MainWindowLink {
        std::function<OutputOrder()> codes;
        std::function<void(const OutputOrder&)> writeCodes;
    };

    // The load: banner, options at index 0, then the main window's codes shown.
    explicit frmOutputBox(MainWindowLink link, QWidget* parent = nullptr);

    // Selects the option of each family whose code the main window holds; a
    // code outside its family leaves that group as it is.
    void sbShowOutputOrder();

  Q_SIGNALS:

  private:
    QButtonGroup* makeFamily(const QString& frameName, const QString& caption,
                             const QString& optionName, const QStringList& captions);
    void sbWriteOutputOrder();

    MainWindowLink link_;
    QButtonGroup* sixWay_ = nullptr;
    QButtonGroup* llh_ = nullptr;
    QButtonGroup* lhh_ = nullptr;
    // The selected option of each family.
    int i6Way_ = 0;
    int iLLH_ = 0;
    int iLHH_ = 0;
};

} // namespace pick3
