#include "widgets/PrintDialog.h"

#include "widgets/FileAccess.h"

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
    // Its "Print to file" asks through Qt's file dialog, which keeps its last folder in
    // the user's Qt settings.
    keepSettingsForTheRunOnly();
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(title);
    return dialog.exec() == QDialog::Accepted;
}

void setPrinterSetup(PrinterSetup setup) {
    replacement() = std::move(setup);
}

} // namespace pick3
