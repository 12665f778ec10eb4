#pragma once
// Fetching one update source (one or more files) on request. The fetching itself, with
// Qt Network, lives in a module of its own (pick3_fetch), loaded the first time Update is
// pressed, so that start-up never maps Qt Network; the program sees only this interface,
// whose signals and types are its own. A fetch writes nothing anywhere: it hands back the
// files' text, or the one sentence that says why there is none, and the validators and
// the time Update may be pressed again for the caller to keep.

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

namespace pick3 {

// What a server said about a file, for asking next time whether it changed.
struct FetchValidators {
    QByteArray lastModified; // its Last-Modified, as sent
    QByteArray etag;         // its ETag, as sent
};

struct FetchRequest {
    QStringList addresses;             // the source's files, in its order
    QList<FetchValidators> validators; // per file, from the last fetch; empty: none
    int stallLimitMs = 30'000;         // no byte for this long stops the fetch
    int wholeLimitMs = 120'000;        // the whole fetch, every file
};

struct FetchedFile {
    QString address;
    QByteArray body;          // empty when not modified
    bool notModified = false; // 304: the file is as it was at the last fetch
    FetchValidators validators;
};

struct FetchOutcome {
    enum class Status { fetched, nothingNew, failed, cancelled };
    Status status = Status::failed;
    QList<FetchedFile> files; // every file, only when fetched
    QString failure;          // the sentence for the player, when failed or cancelled
    QString failedAddress;    // the file that failed
    QDateTime retryAfter;     // when the server asked to wait: the time Update may be pressed again
};

class SourceFetcher : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;
    // Starts fetching; one fetch at a time. finished() comes exactly once per start.
    virtual void start(const FetchRequest& request) = 0;
    // Stops the fetch at once: finished() then says "cancelled", with no file.
    virtual void cancel() = 0;

  Q_SIGNALS:
    // The bytes of the file being fetched (from 0), and its size where known (else -1).
    void progress(int file, int files, qint64 received, qint64 total);
    void finished(const pick3::FetchOutcome& outcome);
};

// A fetcher from the fetch module, loaded on first use, owned by `parent`; null with the
// reason in `problem` where the module cannot be loaded.
SourceFetcher* newSourceFetcher(QObject* parent, QString* problem);
// For a program that has the fetching linked in (tests): fetchers come from `make`.
using FetcherMaker = SourceFetcher* (*)(QObject* parent);
void setSourceFetcherMaker(FetcherMaker make);

} // namespace pick3

Q_DECLARE_METATYPE(pick3::FetchOutcome)
