#pragma once
// A play list on paper, through Qt Print Support: the print dialog that sets the
// printer up (or, in the tests, a replacement that does it without a dialog),
// and the painting of the pages.

#include "engine/PlayList.h"

#include <QString>
#include <functional>

class QPrinter;
class QWidget;

namespace pick3 {

// Sets `printer` up as the user chooses; false for Cancel.
using PrinterSetup = std::function<bool(QPrinter& printer, QWidget* parent)>;
// The desktop's print dialog, or the replacement set last.
bool setUpPrinter(QPrinter& printer, QWidget* parent);
// Replaces the print dialog (tests print to a PDF file); an empty setup brings the dialog back.
void setPrinterSetup(PrinterSetup setup);

// Paints the list: on the first page a title, the date, the mode, the
// conditions in force and the count; then the numbers in a grid as wide as the
// page; under every page "Page 2 of 3". Empty when printed, otherwise a sentence
// for the user that names the printer (or file) and what went wrong.
QString printPlayList(QPrinter& printer, const QString& date, const PlayListHeading& heading,
                      const PlayList& list);

} // namespace pick3
