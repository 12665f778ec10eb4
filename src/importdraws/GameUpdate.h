#pragma once
// "Update": the newest draws of a game fetched from the state's own data, on request only,
// and read by the layout its definition gives into a reading the import window previews
// and keeps like any other. A fetch writes nothing: what the server said about each file
// (to ask next time whether it changed) and when it asked to be left alone are kept for
// the run.

#include "engine/games/GameDefinition.h"
#include "fetch/SourceFetcher.h"
#include "importdraws/ImportReading.h"

#include <QObject>
#include <memory>

namespace pick3 {

struct UpdateReading {
    ImportReading reading;
    QString address;               // the source's (first) file, recorded with every draw kept
    std::size_t zerosRestored = 0; // numbers read as three digits where the source dropped zeros
};

class GameUpdate : public QObject {
    Q_OBJECT
  public:
    explicit GameUpdate(QObject* parent);

    // Starts fetching the game's first source; false, with the sentence, where it cannot.
    bool start(std::shared_ptr<const GameDefinition> game, QString* problem);
    void cancel();
    bool running() const { return running_; }
    // For tests: the limits of a fetch (no progress, the whole fetch), in milliseconds.
    static void setLimits(int stallMs, int wholeMs);

  Q_SIGNALS:
    void progress(int file, int files, qint64 received, qint64 total);
    void read(const pick3::UpdateReading& update);
    // Every file as it was at the last fetch.
    void nothingNew();
    // Why there are no draws: the fetch failed, was cancelled, or its files do not read.
    void failed(const QString& sentence);

  private:
    void finished(const FetchOutcome& outcome);

    SourceFetcher* fetcher_ = nullptr;
    std::shared_ptr<const GameDefinition> game_;
    bool running_ = false;
};

} // namespace pick3
