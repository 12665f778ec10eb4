#pragma once
// A year's plays on paper, for the player's records and taxes: date, draw, ticket,
// play, stake, prize and claimed, then the totals.

#include "engine/plays/PlayTotals.h"

#include <QString>

class QPrinter;

namespace pick3 {

// Empty when printed; otherwise a sentence naming the printer (or file) and what went wrong.
QString printYearOfPlays(QPrinter& printer, const std::vector<CheckedTicket>& tickets, int year);

} // namespace pick3
