#pragma once
// A ticket as the game library holds it: the player's ticket and the id the
// library gave it when it was kept, by which it is deleted, brought back and
// marked claimed.

#include "engine/plays/Ticket.h"

#include <cstdint>

namespace pick3 {

struct StoredTicket {
    std::int64_t id = 0;
    Ticket ticket;
    bool operator==(const StoredTicket&) const = default;
};

} // namespace pick3
