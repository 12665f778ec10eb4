#include "fetch/SourceFetch.h"

#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkRequest>

namespace pick3 {
namespace {

QString fileNameOf(const QUrl& url) {
    const QString name = url.fileName();
    return name.isEmpty() ? url.toDisplayString() : name;
}

QString secondsText(int ms) {
    const int seconds = std::max(1, (ms + 500) / 1000);
    return seconds == 1 ? QStringLiteral("1 second") : QStringLiteral("%1 seconds").arg(seconds);
}

QString retryText(const QDateTime& when) {
    if (!when.isValid())
        return {};
    return QStringLiteral(" Update can be pressed again after %1.")
        .arg(when.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
}

// What a server's status says, for the answers that are not a file.
QString statusSentence(int status, const QString& reason, const QString& host) {
    const QString code = QStringLiteral("%1 %2").arg(status).arg(reason).trimmed();
    if (status == 403)
        return QStringLiteral("%1 refused access (403 Forbidden).").arg(host);
    if (status == 404)
        return QStringLiteral("not found at %1 (404 Not Found): the address may have changed.")
            .arg(host);
    if (status == 429)
        return QStringLiteral("%1 asks for fewer requests (429 Too Many Requests).").arg(host);
    if (status >= 500)
        return QStringLiteral("%1 had a server error (%2). Try again later.").arg(host, code);
    return QStringLiteral("%1 answered %2, not the file.").arg(host, code);
}

QString networkSentence(QNetworkReply::NetworkError error, const QString& host,
                        const QString& detail) {
    switch (error) {
    case QNetworkReply::HostNotFoundError:
        return QStringLiteral("the name %1 could not be found. Check that this computer is online "
                              "and that the address is right.")
            .arg(host);
    case QNetworkReply::ConnectionRefusedError:
        return QStringLiteral("%1 refused the connection. The site may be down; try again later.")
            .arg(host);
    case QNetworkReply::RemoteHostClosedError:
    case QNetworkReply::ProtocolFailure:
        return QStringLiteral("%1 closed the connection before the file was whole, so nothing "
                              "was kept. Try again later.")
            .arg(host);
    case QNetworkReply::TooManyRedirectsError:
        return QStringLiteral("the site sent the request round more than %1 redirects (a "
                              "redirect loop), so it was stopped.")
            .arg(kMostRedirects);
    case QNetworkReply::InsecureRedirectError:
        return QStringLiteral("the site redirected a secure address to an insecure one, which "
                              "this program does not follow.");
    case QNetworkReply::SslHandshakeFailedError:
        return QStringLiteral("the secure connection to %1 failed, so nothing was fetched: %2")
            .arg(host, detail);
    case QNetworkReply::NetworkSessionFailedError:
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::UnknownNetworkError:
        return QStringLiteral("there is no network. Check that this computer is online.");
    default:
        return QStringLiteral("the fetch failed: %1").arg(detail);
    }
}

// A site that could not prove it is the one asked for: nothing is sent to it.
QString certificateSentence(const QString& host, const QList<QSslError>& errors) {
    QStringList why;
    for (const QSslError& error : errors)
        if (!why.contains(error.errorString()))
            why.append(error.errorString());
    return QStringLiteral("the certificate of %1 is not trusted (%2), so the connection is not "
                          "safe and nothing was fetched.")
        .arg(host, why.join(QLatin1String("; ")));
}

} // namespace

QByteArray fetchUserAgent() {
    return QByteArrayLiteral("pick3-tallymoor/") + QByteArray::number(PICK3_VERSION_MAJOR) + '.' +
           QByteArray::number(PICK3_VERSION_MINOR) + '.' +
           QByteArray::number(PICK3_VERSION_REVISION);
}

QDateTime retryAfterTime(const QByteArray& value, const QDateTime& now) {
    const QByteArray text = value.trimmed();
    bool number = false;
    const qint64 seconds = text.toLongLong(&number);
    if (number)
        return seconds >= 0 ? now.addSecs(std::min<qint64>(seconds, 366LL * 24 * 3600))
                            : QDateTime();
    // "Sun, 06 Nov 1994 08:49:37 GMT": an HTTP date is always in GMT, which Qt's RFC 2822
    // reading wants as an offset.
    QString date = QString::fromLatin1(text);
    if (date.endsWith(QLatin1String(" GMT")))
        date = date.chopped(3) + QLatin1String("+0000");
    return QDateTime::fromString(date, Qt::RFC2822Date);
}

SourceFetch::SourceFetch(QObject* parent)
    : SourceFetcher(parent), network_(new QNetworkAccessManager(this)) {
    stallTimer_.setSingleShot(true);
    wholeTimer_.setSingleShot(true);
    connect(&stallTimer_, &QTimer::timeout, this, [this] { stopReply(Stop::stalled); });
    connect(&wholeTimer_, &QTimer::timeout, this, [this] { stopReply(Stop::tooLong); });
}

SourceFetch::~SourceFetch() {
    if (reply_ != nullptr) {
        reply_->disconnect(this);
        reply_->abort();
    }
}

void SourceFetch::setLoopbackOnly(bool only) {
    loopbackOnly_ = only;
    if (only)
        network_->setProxy(QNetworkProxy::NoProxy);
}

void SourceFetch::addTrustedCertificates(const QList<QSslCertificate>& certificates) {
    if (!tls_) {
        // Adding to the default configuration ends Qt's loading of the system's own
        // certificates when asked, so they are named here along with the new ones.
        tls_ = QSslConfiguration::defaultConfiguration();
        tls_->setCaCertificates(QSslConfiguration::systemCaCertificates());
    }
    tls_->addCaCertificates(certificates);
}

bool SourceFetch::hostAllowed(const QUrl& url) const {
    return !loopbackOnly_ || url.host() == QLatin1String("127.0.0.1");
}

void SourceFetch::start(const FetchRequest& request) {
    if (running_)
        cancel();
    request_ = request;
    outcome_ = {};
    file_ = 0;
    stop_ = Stop::none;
    running_ = true;
    wholeTimer_.start(request_.wholeLimitMs);
    // Never finished inside start(): the caller hears of it from the event loop.
    QMetaObject::invokeMethod(this, &SourceFetch::fetchNext, Qt::QueuedConnection);
}

void SourceFetch::cancel() {
    if (!running_)
        return;
    if (reply_ != nullptr) {
        stopReply(Stop::cancelled);
        return;
    }
    FetchOutcome cancelled;
    cancelled.status = FetchOutcome::Status::cancelled;
    cancelled.failure = QStringLiteral("The update was cancelled.");
    finish(std::move(cancelled));
}

void SourceFetch::stopReply(Stop why) {
    if (reply_ == nullptr) {
        if (running_ && why == Stop::tooLong)
            fail(QStringLiteral("the fetch took longer than %1 in all, so it was stopped. Try "
                                "again later.")
                     .arg(secondsText(request_.wholeLimitMs)));
        return;
    }
    if (stop_ == Stop::none)
        stop_ = why;
    reply_->abort(); // finished() follows at once, and onFinished() tells why
}

void SourceFetch::fetchNext() {
    if (!running_)
        return;
    if (file_ == request_.addresses.size()) {
        const bool allSame = std::all_of(outcome_.files.begin(), outcome_.files.end(),
                                         [](const FetchedFile& file) { return file.notModified; });
        outcome_.status =
            allSame ? FetchOutcome::Status::nothingNew : FetchOutcome::Status::fetched;
        finish(outcome_);
        return;
    }
    const QUrl url(request_.addresses[file_]);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() ||
        (scheme != QLatin1String("https") && scheme != QLatin1String("http"))) {
        fail(QStringLiteral("is not a web address (\"https://...\")."));
        return;
    }
    redirects_ = 0;
    get(url);
}

void SourceFetch::get(const QUrl& url) {
    if (!hostAllowed(url)) {
        fail(networkSentence(QNetworkReply::HostNotFoundError, url.host(), {}));
        return;
    }
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader, fetchUserAgent());
    request.setRawHeader("Accept", "text/csv, text/plain;q=0.9, */*;q=0.5");
    // Redirects are followed here, one by one, so that each target is vetted before its
    // name is even looked up.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    if (file_ < request_.validators.size()) {
        const FetchValidators& known = request_.validators[file_];
        if (!known.etag.isEmpty())
            request.setRawHeader("If-None-Match", known.etag);
        if (!known.lastModified.isEmpty())
            request.setRawHeader("If-Modified-Since", known.lastModified);
    }
    if (tls_)
        request.setSslConfiguration(*tls_);
    sslErrors_.clear();
    reply_ = network_->get(request);
    connect(reply_, &QNetworkReply::sslErrors, this,
            [this](const QList<QSslError>& errors) { sslErrors_ = errors; });
    stallTimer_.start(request_.stallLimitMs);
    connect(reply_, &QNetworkReply::downloadProgress, this, [this](qint64 got, qint64 total) {
        stallTimer_.start(request_.stallLimitMs);
        if (got > kMostFetchBytes || total > kMostFetchBytes)
            stopReply(Stop::tooLarge);
        else
            Q_EMIT progress(file_, static_cast<int>(request_.addresses.size()), got, total);
    });
    connect(reply_, &QNetworkReply::finished, this, &SourceFetch::onFinished);
}

// At most five redirects, never from https to a less safe scheme.
void SourceFetch::follow(const QNetworkReply& reply) {
    const QUrl to = reply.url().resolved(QUrl(QString::fromUtf8(reply.rawHeader("Location"))));
    if (++redirects_ > kMostRedirects) {
        fail(networkSentence(QNetworkReply::TooManyRedirectsError, {}, {}));
    } else if (reply.url().scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) == 0 &&
               to.scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) != 0) {
        fail(networkSentence(QNetworkReply::InsecureRedirectError, {}, {}));
    } else if (!to.isValid() || to.host().isEmpty()) {
        fail(QStringLiteral("the site redirected to an address that is not one."));
    } else {
        get(to);
    }
}

QString SourceFetch::stopSentence(const QString& host) const {
    switch (stop_) {
    case Stop::stalled:
        return QStringLiteral("%1 sent nothing for %2, so the fetch was stopped. Try again later.")
            .arg(host, secondsText(request_.stallLimitMs));
    case Stop::tooLong:
        return QStringLiteral("the fetch took longer than %1 in all, so it was stopped. Try again "
                              "later.")
            .arg(secondsText(request_.wholeLimitMs));
    case Stop::tooLarge:
        return QStringLiteral("the file is larger than any draw history (over 100 MB), so it "
                              "was not fetched.");
    default:
        return {};
    }
}

void SourceFetch::onFinished() {
    QNetworkReply* reply = reply_;
    reply_ = nullptr;
    stallTimer_.stop();
    reply->deleteLater();
    if (!running_)
        return;
    if (stop_ == Stop::cancelled) {
        cancel();
        return;
    }
    const QString host = reply->url().host();
    if (stop_ != Stop::none) {
        fail(stopSentence(host));
        return;
    }
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply->hasRawHeader("Retry-After"))
        outcome_.retryAfter =
            retryAfterTime(reply->rawHeader("Retry-After"), QDateTime::currentDateTimeUtc());
    if (status >= 300 && status < 400 && status != 304 && reply->hasRawHeader("Location")) {
        follow(*reply);
        return;
    }
    if (status >= 400) {
        fail(statusSentence(status,
                            reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString(),
                            host) +
             retryText(outcome_.retryAfter));
        return;
    }
    if (!sslErrors_.isEmpty()) {
        fail(certificateSentence(host, sslErrors_));
        return;
    }
    if (reply->error() != QNetworkReply::NoError) {
        fail(networkSentence(reply->error(), host, reply->errorString()));
        return;
    }
    keepFile(*reply, status);
}

void SourceFetch::keepFile(QNetworkReply& reply, int status) {
    FetchedFile file;
    file.address = request_.addresses[file_];
    file.validators = {reply.rawHeader("Last-Modified"), reply.rawHeader("ETag")};
    if (status == 304) {
        file.notModified = true;
        if (file_ < request_.validators.size() && file.validators.etag.isEmpty() &&
            file.validators.lastModified.isEmpty())
            file.validators = request_.validators[file_];
    } else if (status < 200 || status > 299) {
        fail(statusSentence(status,
                            reply.attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString(),
                            reply.url().host()));
        return;
    } else {
        file.body = reply.readAll();
        const QVariant length = reply.header(QNetworkRequest::ContentLengthHeader);
        // A compressed body is counted before it was unpacked.
        // Without a length (chunks, or a body ended by closing), Qt may take a cut for the
        // end; a body that stops in the middle of a line is taken as cut, so that its part
        // of a line never becomes a draw.
        const bool cut = length.isValid() ? !reply.hasRawHeader("Content-Encoding") &&
                                                length.toLongLong() != file.body.size()
                                          : !file.body.isEmpty() && !file.body.endsWith('\n');
        if (cut) {
            fail(networkSentence(QNetworkReply::RemoteHostClosedError, reply.url().host(), {}));
            return;
        }
        if (reply.header(QNetworkRequest::ContentTypeHeader)
                .toString()
                .startsWith(QLatin1String("text/html"), Qt::CaseInsensitive)) {
            fail(QStringLiteral("%1 sent a web page where a CSV file was expected: the site may "
                                "have changed.")
                     .arg(reply.url().host()));
            return;
        }
    }
    outcome_.files.append(file);
    ++file_;
    fetchNext();
}

void SourceFetch::fail(const QString& sentence) {
    FetchOutcome failed;
    failed.status = FetchOutcome::Status::failed;
    failed.failedAddress = request_.addresses.value(file_);
    failed.failure = fileNameOf(QUrl(failed.failedAddress)) + QStringLiteral(": ") + sentence;
    failed.retryAfter = outcome_.retryAfter;
    finish(std::move(failed));
}

void SourceFetch::finish(FetchOutcome outcome) {
    running_ = false;
    stallTimer_.stop();
    wholeTimer_.stop();
    Q_EMIT finished(outcome);
}

} // namespace pick3
