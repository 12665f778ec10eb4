#pragma once
// The fetcher of the fetch module: one file after another with QNetworkAccessManager, as
// a polite client (its own User-Agent, at most five redirects and never to a less safe
// scheme, conditional requests), under two limits (no byte for a while, the whole fetch),
// and every failure turned into one sentence naming the file.

#include "fetch/SourceFetcher.h"

#include <QElapsedTimer>
#include <QNetworkReply>
#include <QPointer>
#include <QSslConfiguration>
#include <QSslError>
#include <QTimer>

#include <optional>

class QNetworkAccessManager;

namespace pick3 {

inline constexpr int kMostRedirects = 5;
// No Pick 3 history is this large; a larger body is not the file asked for.
inline constexpr qint64 kMostFetchBytes = 100'000'000;

// "pick3-tallymoor/3.0.0"
QByteArray fetchUserAgent();
// A Retry-After value (seconds, or an HTTP date) as the time it names; invalid when neither.
QDateTime retryAfterTime(const QByteArray& value, const QDateTime& now);

class SourceFetch : public SourceFetcher {
    Q_OBJECT
  public:
    explicit SourceFetch(QObject* parent = nullptr);
    ~SourceFetch() override;

    void start(const FetchRequest& request) override;
    void cancel() override;
    // For tests: every host but 127.0.0.1 is "not found", without asking a name server,
    // and no proxy is used.
    void setLoopbackOnly(bool only);
    // For tests: `certificates` are trusted beside the system's own, for every later request.
    void addTrustedCertificates(const QList<QSslCertificate>& certificates);

  private:
    enum class Stop { none, stalled, tooLong, cancelled, tooLarge };
    void fetchNext();
    void get(const QUrl& url);
    void follow(const QNetworkReply& reply);
    void onFinished();
    void keepFile(QNetworkReply& reply, int status);
    QString stopSentence(const QString& host) const;
    void fail(const QString& sentence);
    void finish(FetchOutcome outcome);
    void stopReply(Stop why);
    bool hostAllowed(const QUrl& url) const;

    QNetworkAccessManager* network_;
    FetchRequest request_;
    FetchOutcome outcome_;
    QPointer<QNetworkReply> reply_;
    // Unset: the system's certificates, as Qt finds them.
    std::optional<QSslConfiguration> tls_;
    QList<QSslError> sslErrors_; // of the reply under way
    QTimer stallTimer_;
    QTimer wholeTimer_;
    int file_ = 0;
    Stop stop_ = Stop::none;
    int redirects_ = 0;
    bool loopbackOnly_ = false;
    bool running_ = false;
};

} // namespace pick3
