#pragma once
// Every sentence the game library hands to a window, in one place. The windows
// show them as they stand; "%1" is where the file's path goes.

#include <string_view>

namespace pick3 {

inline constexpr std::string_view kMsgLibraryForeign =
    "The file %1 is not a game library of this program. It has been left as it is; start a "
    "new library to keep it aside under another name.";
inline constexpr std::string_view kMsgLibraryDamaged =
    "The game library %1 is damaged and cannot be read. It has been left as it is; start a "
    "new library to keep it aside under another name.";
inline constexpr std::string_view kMsgLibraryNewer =
    "The game library was made by a newer version of this program. It is open for reading "
    "only: draws cannot be kept in it or forgotten.";
inline constexpr std::string_view kMsgLibraryBusy =
    "The library is busy: another copy of the program is keeping draws. Try again in a moment.";
inline constexpr std::string_view kMsgLibraryFull =
    "The draws could not be kept: the disk is full. The game library is as it was before.";
inline constexpr std::string_view kMsgLibraryReadOnly =
    "The game library cannot be written: its file or folder is read-only. The game library is "
    "as it was before.";
inline constexpr std::string_view kMsgLibraryFailed =
    "The game library could not be written (%1). The game library is as it was before.";
inline constexpr std::string_view kMsgLibraryChanged =
    "The game library changed while the draws were being looked over: look at them again "
    "before keeping them.";
inline constexpr std::string_view kMsgLibraryReadFailed =
    "The game library could not be read (%1).";
inline constexpr std::string_view kMsgBackupForeign =
    "The file %1 is not a backup of a game library of this program; the library is as it was.";
inline constexpr std::string_view kMsgBackupDamaged =
    "The backup %1 is damaged; the library is as it was.";
inline constexpr std::string_view kMsgBackupNewer =
    "The backup %1 was made by a newer version of this program; the library is as it was.";
inline constexpr std::string_view kMsgNothingToBackUp =
    "There is nothing to back up: no draws have been kept in the library yet.";
inline constexpr std::string_view kMsgBackupFailed = "The backup could not be written (%1).";
inline constexpr std::string_view kMsgSetAsideFailed =
    "The file %1 could not be renamed (%2), so no new library was started.";
inline constexpr std::string_view kMsgBadDraw =
    "A draw could not be kept: %1 is not a date, draw time, number and add-on of a game.";

} // namespace pick3

// The player's tickets.
inline constexpr std::string_view kMsgBadTicket =
    "A ticket could not be kept: %1 is not a game, number, play, stake and draw of a ticket. "
    "None of the tickets were kept.";
inline constexpr std::string_view kMsgTicketsFull =
    "The tickets could not be kept: the disk is full. The game library is as it was before.";
inline constexpr std::string_view kMsgTicketsNewer =
    "The game library was made by a newer version of this program. It is open for reading "
    "only: tickets cannot be kept in it, deleted or marked claimed.";
inline constexpr std::string_view kMsgTicketGone =
    "Ticket %1 is no longer in the game library: another copy of the program may have "
    "deleted it. Nothing was changed.";
inline constexpr std::string_view kMsgTicketNotDeleted =
    "Ticket %1 cannot be brought back: it is not among the deleted tickets. Nothing was "
    "changed.";
inline constexpr std::string_view kMsgTicketUnreadable =
    "The game library could not be read: ticket %1 holds %2, which is not a ticket's.";
