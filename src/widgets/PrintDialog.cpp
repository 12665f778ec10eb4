#include "widgets/PrintDialog.h"

#include <QPrintDialog>
#include <QPrinter>

namespace pick3 {

namespace {

PrinterSetup& replacement() {
    static PrinterSetup instance;
    return instance;
}

} // namespace

bool setUpPrinter(QPrinter& printer, QWidget* parent, const QString& title) {
    if (replacement()) {
        return replacement()(printer, parent);
    }
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(title);
    return dialog.exec() == QDialog::Accepted;
}

void setPrinterSetup(PrinterSetup setup) {
    replacement() = std::move(setup);
}

} // namespace pick3
