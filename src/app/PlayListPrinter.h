#pragma once
// A play list on paper, through Qt Print Support: the painting of the pages of
// a printer that the print dialog has set up.

#include "engine/numbers/PlayList.h"

#include <QString>

class QPrinter;

namespace pick3 {

// Paints the list: on the first page a title, the date, the mode, the
// conditions in force and the count; then the numbers in a grid as wide as the
// page; under every page "Page 2 of 3". Empty when printed, otherwise a sentence
// for the user that names the printer (or file) and what went wrong.
QString printPlayList(QPrinter& printer, const QString& date, const PlayListHeading& heading,
                      const PlayList& list);

} // namespace pick3
