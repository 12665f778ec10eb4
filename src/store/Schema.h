#pragma once
// Inside the store: the tables of each version and the steps between them, what
// a file at the library's place is, and the sentence for a failed write.

#include "engine/Result.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Exception.h>

#include <string>
#include <string_view>

namespace pick3::store {

// Makes the tables of an empty file, or brings an older file's up to the current
// version; the caller holds the transaction.
void upgradeSchema(SQLite::Database& db, int fromVersion);

enum class FileKind {
    Missing, // nothing there, or a file SQLite made but nothing was ever written into
    Ours,
    Foreign,
    Damaged,
};

struct FileCheck {
    FileKind kind = FileKind::Missing;
    int version = 0;
};

// Reads what the open connection holds: the mark, the version and a quick check of the pages.
FileCheck checkFile(SQLite::Database& db);
// Whether a file at path is there with something in it.
bool fileHasBytes(const std::string& path);

// "%1" (and "%2") of a message filled in.
std::string fill(std::string_view message, std::string_view first, std::string_view second = {});
// The sentence for a write SQLite refused; full is the one for a full disk, which says
// what could not be kept.
std::string writeRefusal(const SQLite::Exception& error, std::string_view full = {});

} // namespace pick3::store
