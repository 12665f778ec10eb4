// Opening the library file, making it, setting a bad one aside, and whole-file
// copies (backup and restore). The draws themselves are in LibraryDraws.cpp.
//
// A file is opened in three steps: look at what is there without making
// anything; refuse what is not ours or is damaged, and open a newer version's
// file read-only; otherwise choose the journal and bring the tables up to date.

#include "store/Library.h"

#include "store/Schema.h"
#include "store/StoreMessages.h"

#include <SQLiteCpp/Backup.h>
#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Transaction.h>
#include <sqlite3.h>

#include <filesystem>

namespace pick3 {

using store::FileKind;

namespace {

std::unique_ptr<SQLite::Database> connect(const std::string& path, int flags,
                                          const LibraryOptions& options) {
    auto db = std::make_unique<SQLite::Database>(
        path, flags, static_cast<int>(options.busyTimeout.count()), options.vfs);
    if (options.maxPageCount > 0 && (flags & SQLite::OPEN_READWRITE) != 0) {
        db->exec("PRAGMA max_page_count = " + std::to_string(options.maxPageCount));
    }
    return db;
}

} // namespace

Library::Library(std::string path, LibraryOptions options)
    : path_(std::move(path)), options_(std::move(options)) {}
Library::Library(Library&&) noexcept = default;
Library& Library::operator=(Library&&) noexcept = default;
Library::~Library() = default;

Result<Library> Library::open(std::string path, LibraryOptions options) {
    Library library(std::move(path), std::move(options));
    if (!store::fileHasBytes(library.path_)) {
        return library; // made by the first keep
    }
    if (auto attached = library.attach(false); !attached.ok()) {
        return Result<Library>::refused(attached.refusal());
    }
    return library;
}

// Connects to the file that is there and checks it. mayWrite: the caller is about
// to write and a blank file may be taken as new.
Result<Done> Library::attach(bool mayWrite) {
    try {
        db_ = connect(path_, SQLite::OPEN_READWRITE, options_);
        const store::FileCheck check = store::checkFile(*db_);
        switch (check.kind) {
        case FileKind::Missing:
            if (!mayWrite) {
                db_.reset();
                return Done{};
            }
            return makeFile();
        case FileKind::Foreign:
            db_.reset();
            return Result<Done>::refused(store::fill(kMsgLibraryForeign, path_));
        case FileKind::Damaged:
            db_.reset();
            return Result<Done>::refused(store::fill(kMsgLibraryDamaged, path_));
        case FileKind::Ours:
            break;
        }
        const bool newer = check.version > kVersion;
        if (newer || sqlite3_db_readonly(db_->getHandle(), "main") == 1) {
            // Opened again read-only, so that not a byte of it can change.
            db_ = connect(path_, SQLite::OPEN_READONLY, options_);
            readOnly_ = true;
            notice_ = std::string(newer ? kMsgLibraryNewer : kMsgLibraryReadOnly);
            journalMode_ = db_->execAndGet("PRAGMA journal_mode").getString();
            return Done{};
        }
        if (auto journal = chooseJournal(); !journal.ok()) {
            return journal;
        }
        if (check.version < kVersion) {
            SQLite::Transaction transaction(*db_, SQLite::TransactionBehavior::IMMEDIATE);
            store::upgradeSchema(*db_, db_->execAndGet("PRAGMA user_version").getInt());
            transaction.commit();
        }
        return Done{};
    } catch (const SQLite::Exception& error) {
        db_.reset();
        return Result<Done>::refused(store::writeRefusal(error));
    }
}

// Write-ahead logging where it works: readers never wait for a writer. Where the
// file system cannot share its memory, SQLite answers with another mode, and the
// rollback journal is taken instead.
Result<Done> Library::chooseJournal() {
    std::string mode = db_->execAndGet("PRAGMA journal_mode = WAL").getString();
    if (mode != "wal") {
        mode = db_->execAndGet("PRAGMA journal_mode = DELETE").getString();
    }
    journalMode_ = mode;
    return Done{};
}

// The first keep makes the file. Another copy of the program may be making it at
// the same time: the transaction lets one of them in, and the other finds its tables.
// Makes the file, and its folder where that is missing, so that the first keep of any
// caller finds a place to write.
Result<Done> Library::makeFile() {
    const std::filesystem::path folder = std::filesystem::path(path_).parent_path();
    std::error_code error;
    if (!folder.empty()) {
        std::filesystem::create_directories(folder, error);
    }
    if (error) {
        return Result<Done>::refused(store::fill(kMsgLibraryFailed, error.message()));
    }
    db_ = connect(path_, SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE, options_);
    chooseJournal();
    SQLite::Transaction transaction(*db_, SQLite::TransactionBehavior::IMMEDIATE);
    const store::FileCheck check = store::checkFile(*db_);
    if (check.kind == FileKind::Missing) {
        store::upgradeSchema(*db_, 0);
    } else if (check.kind != FileKind::Ours || check.version != kVersion) {
        db_.reset();
        return Result<Done>::refused(store::fill(kMsgLibraryForeign, path_));
    }
    transaction.commit();
    return Done{};
}

// Ready to write: refused for a newer version's library; the file is made if none is there.
Result<Done> Library::makeWritable() {
    if (readOnly_) {
        return Result<Done>::refused(notice_);
    }
    if (db_) {
        return Done{};
    }
    try {
        if (store::fileHasBytes(path_)) {
            return attach(true);
        }
        return makeFile();
    } catch (const SQLite::Exception& error) {
        db_.reset();
        return Result<Done>::refused(store::writeRefusal(error));
    }
}

Result<std::string> Library::setAside(const std::string& path, const std::string& stamp) {
    namespace fs = std::filesystem;
    std::string kept = path + ".damaged-" + stamp;
    for (int n = 2; fs::exists(kept); ++n) {
        kept = path + ".damaged-" + stamp + "-" + std::to_string(n);
    }
    std::error_code error;
    fs::rename(path, kept, error);
    if (error) {
        return Result<std::string>::refused(store::fill(kMsgSetAsideFailed, path, error.message()));
    }
    // A journal left beside the old file belongs to it: a new file must never replay it.
    for (const char* suffix : {"-wal", "-shm", "-journal"}) {
        if (fs::exists(path + suffix)) {
            fs::rename(path + suffix, kept + suffix, error);
        }
    }
    return kept;
}

Result<Done> Library::backUpTo(const std::string& path) {
    if (!db_) {
        return Result<Done>::refused(kMsgNothingToBackUp);
    }
    // Written beside its place and renamed over it, so that a cut-off backup
    // never takes the place of a whole one.
    const std::string part = path + ".part";
    try {
        std::filesystem::remove(part);
        {
            SQLite::Database copy(part, SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
            SQLite::Backup backup(copy, *db_);
            backup.executeStep();
            // One file on its own, without a write-ahead log beside it.
            copy.exec("PRAGMA journal_mode = DELETE");
        }
        std::filesystem::rename(part, path);
        return Done{};
    } catch (const SQLite::Exception& error) {
        std::error_code ignored;
        std::filesystem::remove(part, ignored);
        return Result<Done>::refused(store::fill(kMsgBackupFailed, error.what()));
    } catch (const std::filesystem::filesystem_error& error) {
        // Not renamed (a folder stands at the place): the copy beside it goes too.
        std::error_code ignored;
        std::filesystem::remove(part, ignored);
        return Result<Done>::refused(store::fill(kMsgBackupFailed, error.what()));
    }
}

namespace {

// Whether the file at path is a whole library of ours that this version can read.
Result<Done> checkBackup(const std::string& path) {
    if (!store::fileHasBytes(path)) {
        return Result<Done>::refused(store::fill(kMsgBackupForeign, path));
    }
    try {
        SQLite::Database backup(path, SQLite::OPEN_READONLY);
        const store::FileCheck check = store::checkFile(backup);
        if (check.kind == FileKind::Damaged ||
            (check.kind == FileKind::Ours &&
             backup.execAndGet("PRAGMA integrity_check").getString() != "ok")) {
            return Result<Done>::refused(store::fill(kMsgBackupDamaged, path));
        }
        if (check.kind != FileKind::Ours) {
            return Result<Done>::refused(store::fill(kMsgBackupForeign, path));
        }
        if (check.version > Library::kVersion) {
            return Result<Done>::refused(store::fill(kMsgBackupNewer, path));
        }
        return Done{};
    } catch (const SQLite::Exception&) {
        return Result<Done>::refused(store::fill(kMsgBackupDamaged, path));
    }
}

} // namespace

Result<Done> Library::restoreFrom(const std::string& path) {
    if (auto checked = checkBackup(path); !checked.ok()) {
        return checked;
    }
    if (auto writable = makeWritable(); !writable.ok()) {
        return writable;
    }
    try {
        SQLite::Database backup(path, SQLite::OPEN_READONLY);
        {
            // The copy replaces every page in one write of the library.
            SQLite::Backup copy(*db_, backup);
            copy.executeStep();
        }
        const int version = db_->execAndGet("PRAGMA user_version").getInt();
        if (version < kVersion) {
            SQLite::Transaction transaction(*db_, SQLite::TransactionBehavior::IMMEDIATE);
            store::upgradeSchema(*db_, version);
            transaction.commit();
        }
        return chooseJournal();
    } catch (const SQLite::Exception& error) {
        return Result<Done>::refused(store::writeRefusal(error));
    }
}

} // namespace pick3
