#pragma once
// The desktop's print dialog, or, in the tests, a replacement that sets the
// printer up without one: every printout of the program asks here.

#include <QString>
#include <functional>

class QPrinter;
class QWidget;

namespace pick3 {

// Sets `printer` up as the user chooses; false for Cancel.
using PrinterSetup = std::function<bool(QPrinter& printer, QWidget* parent)>;
// The print dialog under `title`, or the replacement set last.
bool setUpPrinter(QPrinter& printer, QWidget* parent, const QString& title);
// Replaces the print dialog (tests print to a PDF file); an empty setup brings the dialog back.
void setPrinterSetup(PrinterSetup setup);

} // namespace pick3
