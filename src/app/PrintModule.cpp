// The print module's entry point: the print dialog and the program's printouts, with
// Qt Print Support, behind the windows' interface.

#include "app/PlayListPrinter.h"
#include "plays/PlaysPrinter.h"
#include "widgets/PrintAccess.h"
#include "widgets/PrintDialog.h"

#include <QPrinter>

namespace pick3 {
namespace {

std::optional<QString> printNumbers(QWidget* over, const QString& title, const QString& date,
                                    const PlayListHeading& heading, const PlayList& list) {
    QPrinter printer(QPrinter::HighResolution);
    if (!setUpPrinter(printer, over, title)) {
        return std::nullopt;
    }
    return printPlayList(printer, date, heading, list);
}

std::optional<QString> printPlays(QWidget* over, const QString& title,
                                  const std::vector<CheckedTicket>& tickets, int year) {
    QPrinter printer;
    if (!setUpPrinter(printer, over, title)) {
        return std::nullopt;
    }
    return printYearOfPlays(printer, tickets, year);
}

constexpr PrintModuleApi kApi{&printNumbers, &printPlays, &setUpPrinter};

} // namespace
} // namespace pick3

extern "C" const pick3::PrintModuleApi* pick3_print_api() {
    return &pick3::kApi;
}
