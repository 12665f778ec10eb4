#include "engine/plays/Ticket.h"

#include <algorithm>

namespace pick3 {

std::string ticketNumberText(const TicketDigits& digits) {
    std::string text;
    for (const int digit : digits) {
        text += digit == kOpenDigit ? 'X' : static_cast<char>('0' + digit);
    }
    return text;
}

int comboArrangements(const TicketDigits& digits) {
    if (digits[0] == digits[1] && digits[1] == digits[2]) {
        return 1;
    }
    if (digits[0] == digits[1] || digits[1] == digits[2] || digits[0] == digits[2]) {
        return 3;
    }
    return 6;
}

int baseCostCents(const Ticket& ticket) {
    return ticket.playType == "combo" ? ticket.stakeCents * comboArrangements(ticket.digits)
                                      : ticket.stakeCents;
}

std::optional<int> openPlace(std::string_view playType) {
    if (playType == "front_pair") {
        return 2;
    }
    if (playType == "back_pair") {
        return 0;
    }
    if (playType == "split_pair") {
        return 1;
    }
    return std::nullopt;
}

} // namespace pick3
