// The fetcher against a server of the test's own on 127.0.0.1, which replays pages and
// every failure: it can drip a body, hold it, cut it short, redirect, or answer with an
// error status, over HTTP or over HTTPS with a certificate of its own. No request leaves this
// machine: the fetcher answers any other host with "not found" without asking a name server.

#include "fetch/SourceFetch.h"

#include <QFile>
#include <QSignalSpy>
#include <QSslKey>
#include <QSslServer>
#include <QSslSocket>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

using namespace pick3;

namespace {

struct Request {
    QByteArray path;
    QMap<QByteArray, QByteArray> headers; // names lowered
};

// One answer: the bytes to send at once, then (for a drip) one byte every dripMs, and
// whether to close the connection after them or hold it open.
struct Answer {
    QByteArray head;
    QByteArray body;
    int dripMs = 0;
    bool hold = false;
};

} // namespace

Q_DECLARE_METATYPE(Answer)

namespace {

Answer page(const QByteArray& body, const QByteArray& extra = {},
            const QByteArray& type = "text/csv") {
    return {"HTTP/1.1 200 OK\r\nContent-Type: " + type + "\r\nContent-Length: " +
                QByteArray::number(body.size()) + "\r\nConnection: close\r\n" + extra + "\r\n",
            body};
}

Answer status(int code, const QByteArray& reason, const QByteArray& extra = {}) {
    return {"HTTP/1.1 " + QByteArray::number(code) + " " + reason +
                "\r\nContent-Length: 0\r\nConnection: close\r\n" + extra + "\r\n",
            {}};
}

QByteArray certsFile(const char* name) {
    QFile file(QStringLiteral(PICK3_TEST_CERTS_DIR "/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A certificate for 127.0.0.1 that signs itself, made once for these tests; valid from
// 2000 to 2199, so that no clock makes it expire.
QSslCertificate testCertificate() {
    return QSslCertificate(certsFile("loopback.crt"));
}

class PageServer : public QObject {
  public:
    using Handler = std::function<Answer(const Request&)>;
    enum class Scheme { http, https };

    explicit PageServer(Scheme scheme = Scheme::http) : scheme_(scheme) {
        if (scheme == Scheme::https) {
            auto* secure = new QSslServer(this);
            QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
            tls.setLocalCertificate(testCertificate());
            tls.setPrivateKey(QSslKey(certsFile("loopback.key"), QSsl::Rsa));
            tls.setPeerVerifyMode(QSslSocket::VerifyNone);
            secure->setSslConfiguration(tls);
            server_ = secure;
        } else {
            server_ = new QTcpServer(this);
        }
        QVERIFY(server_->listen(QHostAddress::LocalHost));
        // Over HTTPS a connection is pending once its handshake is done.
        connect(server_, &QTcpServer::pendingConnectionAvailable, this, [this] {
            while (QTcpSocket* socket = server_->nextPendingConnection())
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
        });
    }
    QString url(const QByteArray& path) const {
        return QStringLiteral("%1://127.0.0.1:%2%3")
            .arg(scheme_ == Scheme::https ? "https" : "http")
            .arg(server_->serverPort())
            .arg(path);
    }
    void handle(Handler handler) { handler_ = std::move(handler); }
    QList<Request> requests;

  private:
    void serve(QTcpSocket* socket) {
        QByteArray& buffer = buffers_[socket];
        buffer += socket->readAll();
        if (!buffer.contains("\r\n\r\n"))
            return;
        Request request;
        const QList<QByteArray> lines = buffer.left(buffer.indexOf("\r\n\r\n")).split('\n');
        request.path = lines.value(0).split(' ').value(1);
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const qsizetype colon = lines[i].indexOf(':');
            request.headers[lines[i].left(colon).trimmed().toLower()] =
                lines[i].mid(colon + 1).trimmed();
        }
        buffer.clear();
        requests.append(request);
        send(socket, handler_(request));
    }
    void send(QTcpSocket* socket, const Answer& answer) {
        if (answer.dripMs == 0) {
            socket->write(answer.head + answer.body);
            if (!answer.hold)
                socket->disconnectFromHost();
            return;
        }
        socket->write(answer.head);
        auto* drip = new QTimer(socket);
        auto sent = std::make_shared<qsizetype>(0);
        connect(drip, &QTimer::timeout, socket, [socket, answer, sent, drip] {
            if (*sent < answer.body.size())
                socket->write(answer.body.mid((*sent)++, 1));
            else
                drip->stop();
        });
        drip->start(answer.dripMs);
    }

    Scheme scheme_;
    QTcpServer* server_ = nullptr;
    QHash<QTcpSocket*, QByteArray> buffers_;
    Handler handler_;
};

const QByteArray kRows = "Draw Date,Midday Daily #,Evening Daily #\r\n12/05/2026,418,56\r\n";

} // namespace

class SourceFetchTest : public QObject {
    Q_OBJECT

    // Fetches `addresses` under ~1 s limits and waits for the one outcome.
    FetchOutcome fetch(const QStringList& addresses, const QList<FetchValidators>& validators = {},
                       const std::function<void(SourceFetch&)>& during = {},
                       const QList<QSslCertificate>& trusted = {}) {
        SourceFetch fetcher;
        fetcher.setLoopbackOnly(true);
        fetcher.addTrustedCertificates(trusted);
        QSignalSpy done(&fetcher, &SourceFetcher::finished);
        FetchRequest request{addresses, validators, 700, 1500};
        fetcher.start(request);
        if (during)
            during(fetcher);
        if (done.isEmpty())
            done.wait(5000);
        QTest::qWait(50); // nothing more comes after the outcome
        if (done.size() != 1)
            qWarning("finished() came %d times", static_cast<int>(done.size()));
        return done.isEmpty() ? FetchOutcome{} : done.first().first().value<FetchOutcome>();
    }

  private Q_SLOTS:
    void initTestCase() { qRegisterMetaType<FetchOutcome>(); }

    void fetchesEveryFileAsThePoliteClient() {
        PageServer server;
        server.handle([](const Request& r) {
            return page(kRows + r.path,
                        "ETag: \"v1\"\r\nLast-Modified: Sat, 05 Dec 2026 23:00:00 GMT\r\n");
        });
        const auto outcome = fetch({server.url("/a.csv"), server.url("/b.csv")});
        QCOMPARE(outcome.status, FetchOutcome::Status::fetched);
        QCOMPARE(outcome.files.size(), 2);
        QCOMPARE(outcome.files[1].body, kRows + "/b.csv");
        QCOMPARE(outcome.files[0].validators.etag, QByteArray("\"v1\""));
        QCOMPARE(server.requests.size(), 2);
        QCOMPARE(server.requests[0].headers.value("user-agent"),
                 QByteArray("pick3-tallymoor/" PICK3_VERSION_TEXT));
        QVERIFY(!server.requests[0].headers.contains("if-none-match"));
    }

    void asksWhetherAFileChangedAndHearsNothingNew() {
        PageServer server;
        server.handle([](const Request& r) {
            return r.headers.value("if-none-match") == "\"v1\"" ? status(304, "Not Modified")
                                                                : page(kRows, "ETag: \"v2\"\r\n");
        });
        const FetchValidators known{"Sat, 05 Dec 2026 23:00:00 GMT", "\"v1\""};
        const auto same = fetch({server.url("/rows.csv")}, {known});
        QCOMPARE(same.status, FetchOutcome::Status::nothingNew);
        QVERIFY(same.files.at(0).notModified && same.files[0].body.isEmpty());
        QCOMPARE(same.files[0].validators.etag, known.etag);
        QCOMPARE(server.requests[0].headers.value("if-modified-since"), known.lastModified);
        const auto changed = fetch({server.url("/rows.csv")}, {{{}, "\"v0\""}});
        QCOMPARE(changed.status, FetchOutcome::Status::fetched);
        QCOMPARE(changed.files.at(0).validators.etag, QByteArray("\"v2\""));
    }

    void followsFiveRedirectsAndNoMore_data() {
        QTest::addColumn<int>("hops");
        QTest::addColumn<bool>("reaches");
        QTest::newRow("five") << 5 << true;
        QTest::newRow("a loop") << 1000 << false;
    }
    void followsFiveRedirectsAndNoMore() {
        QFETCH(int, hops);
        QFETCH(bool, reaches);
        PageServer server;
        server.handle([&](const Request& r) {
            const int hop = r.path.mid(1).toInt();
            return hop < hops
                       ? status(302, "Found", "Location: /" + QByteArray::number(hop + 1) + "\r\n")
                       : page(kRows);
        });
        const auto outcome = fetch({server.url("/0")});
        QCOMPARE(outcome.status,
                 reaches ? FetchOutcome::Status::fetched : FetchOutcome::Status::failed);
        QCOMPARE(server.requests.size(), 6);
        if (!reaches)
            QCOMPARE(outcome.failure,
                     QStringLiteral("0: the site sent the request round more than 5 "
                                    "redirects (a redirect loop), so it was stopped."));
    }

    // "localhost" names this machine too, so a guard that let it through would be seen
    // here as requests reaching the server.
    void neverLeavesThisMachine() {
        PageServer server;
        const QString elsewhere =
            server.url("/rows.csv").replace(QLatin1String("127.0.0.1"), QLatin1String("localhost"));
        server.handle([&](const Request& r) {
            return r.path == "/away"
                       ? status(301, "Moved", "Location: " + elsewhere.toUtf8() + "\r\n")
                       : page(kRows);
        });
        const QString notFound = QStringLiteral(
            "rows.csv: the name localhost could not be found. Check that this computer is "
            "online and that the address is right.");
        QCOMPARE(fetch({elsewhere}).failure, notFound);
        QCOMPARE(fetch({server.url("/away")}).failure,
                 QStringLiteral("away: the name localhost could not be found. Check that this "
                                "computer is online and that the address is right."));
        QCOMPARE(server.requests.size(), 1);
    }

    // Over HTTPS only from a site whose certificate is trusted, and never down to HTTP.
    void fetchesOverHttpsFromATrustedSiteOnly_data() {
        QTest::addColumn<bool>("trusted");
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<QString>("failure");
        QTest::addColumn<int>("requests");
        QTest::newRow("trusted") << true << QByteArray("/rows.csv") << QString() << 1;
        QTest::newRow("not trusted")
            << false << QByteArray("/rows.csv")
            << "rows.csv: the certificate of 127.0.0.1 is not trusted (The certificate is "
               "self-signed, and untrusted), so the connection is not safe and nothing was "
               "fetched."
            << 0;
        QTest::newRow("redirected to https") << true << QByteArray("/secure") << QString() << 2;
        QTest::newRow("redirected to http")
            << true << QByteArray("/plain")
            << "plain: the site redirected a secure address to an insecure one, which this "
               "program does not follow."
            << 1;
    }
    void fetchesOverHttpsFromATrustedSiteOnly() {
        QFETCH(bool, trusted);
        QFETCH(QByteArray, path);
        QFETCH(QString, failure);
        QFETCH(int, requests);
        QVERIFY2(QSslSocket::supportsSsl(), "Qt has no TLS backend: is libssl3 installed?");
        PageServer plain;
        plain.handle([](const Request&) { return page(kRows); });
        PageServer secure(PageServer::Scheme::https);
        secure.handle([&](const Request& r) {
            const QString to =
                r.path == "/plain" ? plain.url("/rows.csv") : secure.url("/rows.csv");
            return r.path == "/rows.csv"
                       ? page(kRows)
                       : status(302, "Found", "Location: " + to.toUtf8() + "\r\n");
        });
        const auto outcome = fetch({secure.url(path)}, {}, {},
                                   trusted ? QList{testCertificate()} : QList<QSslCertificate>{});
        QCOMPARE(outcome.failure, failure);
        QCOMPARE(outcome.status,
                 failure.isEmpty() ? FetchOutcome::Status::fetched : FetchOutcome::Status::failed);
        if (failure.isEmpty())
            QCOMPARE(outcome.files.at(0).body, kRows);
        QCOMPARE(secure.requests.size(), requests);
        QVERIFY(plain.requests.isEmpty());
    }

    void everyFailureIsOneSentenceNamingTheFile_data() {
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<QString>("failure");
        QTest::newRow("403") << status(403, "Forbidden")
                             << "rows.csv: 127.0.0.1 refused access (403 Forbidden).";
        QTest::newRow("404")
            << status(404, "Not Found")
            << "rows.csv: not found at 127.0.0.1 (404 Not Found): the address may have changed.";
        QTest::newRow("503")
            << status(503, "Service Unavailable")
            << "rows.csv: 127.0.0.1 had a server error (503 Service Unavailable). Try again later.";
        QTest::newRow("a web page")
            << page("<html><body>Please wait</body></html>", {}, "text/html; charset=utf-8")
            << "rows.csv: 127.0.0.1 sent a web page where a CSV file was expected: the site may "
               "have changed.";
        Answer cut = page(kRows);
        cut.body.chop(10);
        const QString cutShort = QStringLiteral(
            "rows.csv: 127.0.0.1 closed the connection before the file was whole, so nothing was "
            "kept. Try again later.");
        QTest::newRow("cut short") << cut << cutShort;
        Answer chunks{"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\nConnection: close\r\n\r\n",
                      "10\r\nDraw Date,Midday\r\n40\r\n12/05"};
        QTest::newRow("chunks cut short") << chunks << cutShort;
        // Ended by closing, with neither a length nor chunks: only a line left half
        // written tells that it was cut.
        const Answer closed{
            "HTTP/1.1 200 OK\r\nContent-Type: text/csv\r\nConnection: close\r\n\r\n",
            kRows + "12/04/2026,41"};
        QTest::newRow("ended in a line") << closed << cutShort;
        Answer held = page(kRows);
        held.body = kRows.left(5);
        held.hold = true;
        QTest::newRow("held") << held
                              << "rows.csv: 127.0.0.1 sent nothing for 1 second, so the fetch was "
                                 "stopped. Try again later.";
        Answer drip = page(kRows + kRows + kRows);
        drip.dripMs = 30;
        QTest::newRow("a slow drip") << drip
                                     << "rows.csv: the fetch took longer than 2 seconds in all, so "
                                        "it was stopped. Try again later.";
    }
    void everyFailureIsOneSentenceNamingTheFile() {
        QFETCH(Answer, answer);
        QFETCH(QString, failure);
        PageServer server;
        server.handle([&](const Request&) { return answer; });
        const auto outcome = fetch({server.url("/rows.csv")});
        QCOMPARE(outcome.status, FetchOutcome::Status::failed);
        QCOMPARE(outcome.failure, failure);
        QVERIFY(outcome.files.isEmpty());
    }

    void refusedConnection() {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        const quint16 port = closed.serverPort();
        closed.close();
        const auto outcome = fetch({QStringLiteral("http://127.0.0.1:%1/rows.csv").arg(port)});
        QCOMPARE(outcome.failure, QStringLiteral("rows.csv: 127.0.0.1 refused the connection. The "
                                                 "site may be down; try again later."));
    }

    void retryAfterIsTheTimeUpdateMayBePressedAgain() {
        const QDateTime now = QDateTime::currentDateTimeUtc();
        QCOMPARE(retryAfterTime("120", now), now.addSecs(120));
        QCOMPARE(retryAfterTime("Sun, 06 Dec 2026 08:49:37 GMT", now),
                 QDateTime(QDate(2026, 12, 6), QTime(8, 49, 37), Qt::UTC));
        QVERIFY(!retryAfterTime("soon", now).isValid());
        PageServer server;
        server.handle([](const Request&) {
            return status(429, "Too Many Requests", "Retry-After: 3600\r\n");
        });
        const auto outcome = fetch({server.url("/rows.csv")});
        QVERIFY(qAbs(outcome.retryAfter.secsTo(now) + 3600) < 60);
        QVERIFY2(outcome.failure.startsWith(QStringLiteral(
                     "rows.csv: 127.0.0.1 asks for fewer requests (429 Too Many Requests). Update "
                     "can be pressed again after ")),
                 qPrintable(outcome.failure));
    }

    void aSourceOfSeveralFilesIsWholeOrRefusedNamingTheFile() {
        PageServer server;
        server.handle([](const Request& r) {
            return r.path == "/pick3evening.csv" ? status(404, "Not Found") : page(kRows);
        });
        const QStringList files{server.url("/pick3morning.csv"), server.url("/pick3day.csv"),
                                server.url("/pick3evening.csv"), server.url("/pick3night.csv")};
        const auto outcome = fetch(files);
        QCOMPARE(outcome.status, FetchOutcome::Status::failed);
        QVERIFY(outcome.files.isEmpty());
        QCOMPARE(outcome.failedAddress, files[2]);
        QVERIFY(outcome.failure.startsWith(QStringLiteral("pick3evening.csv: not found")));
    }

    void cancelledMidBodyGivesCancelledAndNothingElse() {
        PageServer server;
        Answer drip = page(kRows);
        drip.dripMs = 20;
        server.handle([&](const Request&) { return drip; });
        const auto outcome =
            fetch({server.url("/rows.csv"), server.url("/more.csv")}, {}, [](SourceFetch& fetcher) {
                QSignalSpy progress(&fetcher, &SourceFetcher::progress);
                QVERIFY(progress.wait(2000));
                fetcher.cancel();
            });
        QCOMPARE(outcome.status, FetchOutcome::Status::cancelled);
        QCOMPARE(outcome.failure, QStringLiteral("The update was cancelled."));
        QVERIFY(outcome.files.isEmpty());
        QCOMPARE(server.requests.size(), 1);
    }
};

QTEST_GUILESS_MAIN(SourceFetchTest)
#include "tst_sourcefetch.moc"
