#pragma once
// "Update": the newest draws of a game fetched from the state's own data, on request only,
// and read into a reading that the import window previews and keeps like any other: by
// the layout the game's definition gives, or, for an address the player added to a game
// without one, by the import's own reader. What a server said of each file (to ask next
// time whether it changed) is kept in the library once the draws it sent are kept or
// found held; a server's request to be left alone is kept at once, the one thing a failed
// fetch writes.

#include "engine/games/GameDefinition.h"
#include "fetch/SourceFetcher.h"
#include "importdraws/ImportReading.h"
#include "store/GameLibrary.h"

#include <QDateTime>
#include <QFutureWatcher>
#include <QObject>
#include <memory>

namespace pick3 {

struct UpdateReading {
    ImportReading reading;
    QString address;               // the source's (first) file, recorded with every draw kept
    QDateTime fetchedAt;           // when it was fetched, recorded with every draw kept
    std::size_t zerosRestored = 0; // numbers read as three digits where the source dropped zeros
};

class GameUpdate : public QObject {
    Q_OBJECT
  public:
    explicit GameUpdate(QObject* parent);
    ~GameUpdate() override;

    // Starts fetching the game's source (the address the player added, else the game's
    // own); false, with the sentence, where it cannot.
    bool start(std::shared_ptr<const GameDefinition> game, GameLibrary& library, QString* problem);
    void cancel();
    bool running() const { return running_; }
    // The draws of the last reading are kept or found held: what the server said of its
    // files is kept, so that the next press asks whether they changed.
    void confirmRead();
    // For tests: the limits of a fetch (no progress, the whole fetch), in milliseconds.
    static void setLimits(int stallMs, int wholeMs);

  Q_SIGNALS:
    void progress(int file, int files, qint64 received, qint64 total);
    void read(const pick3::UpdateReading& update);
    // Every file as it was at the last fetch that was read.
    void nothingNew();
    // Why there are no draws: the fetch failed, was cancelled, or its files do not read.
    void failed(const QString& sentence);

  private:
    void finished(const FetchOutcome& outcome);
    void readFetched(const FetchOutcome& outcome);

    SourceFetcher* fetcher_ = nullptr;
    GameLibrary* library_ = nullptr;
    std::shared_ptr<const GameDefinition> game_;
    std::vector<SourceState> states_;  // of the files fetched, as kept before the fetch
    std::vector<SourceState> pending_; // as the last reading's server said
    bool ownAddress_ = false;          // the player's address, read by the import's reader
    bool running_ = false;
    QFutureWatcher<Result<UpdateReading>> reading_;
};

} // namespace pick3
