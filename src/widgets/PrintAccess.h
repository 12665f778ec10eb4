#pragma once
// Printing (Qt Print Support: the print dialog, printers, the painting of pages) is the
// module pick3_print, loaded the first time something is printed, so that start-up never
// maps Qt Print Support. The windows ask for a printout here; the charts module, which
// paints its own page, asks here for the printer to be set up.

#include "engine/numbers/PlayList.h"
#include "engine/plays/PlayTotals.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class QPrinter;
class QWidget;

namespace pick3 {

// What the module does. Each printout sets a printer up through the print dialog under
// `title` (or the tests' replacement) and prints on it: nullopt for Cancel; otherwise
// empty when printed, or a sentence naming the printer (or file) and what went wrong.
struct PrintModuleApi {
    // A play list: on its first page `date` and `heading`, then the numbers.
    std::optional<QString> (*printNumbers)(QWidget* over, const QString& title,
                                           const QString& date, const PlayListHeading& heading,
                                           const PlayList& list);
    // A year's plays, with their totals.
    std::optional<QString> (*printPlays)(QWidget* over, const QString& title,
                                         const std::vector<CheckedTicket>& tickets, int year);
    // Sets `printer` up as the user chooses; false for Cancel.
    bool (*setUpPrinter)(QPrinter& printer, QWidget* over, const QString& title);
};

// Loads the module from the first of `folders` that holds one; null with the reason when none
// does.
const PrintModuleApi* loadPrintModule(const QStringList& folders, QString* problem);

// The printing in force: the one set, else the module's, loaded once. Null with the
// reason in `problem` when the module cannot be loaded.
const PrintModuleApi* printing(QString* problem);
// For a program that has the printing code linked in (tests, benchmarks): no module is loaded.
void setPrinting(const PrintModuleApi* api);

} // namespace pick3

// The module's entry point, found by name in the loaded module; a program with the
// printing code linked in may call it directly.
extern "C" const pick3::PrintModuleApi* pick3_print_api();
