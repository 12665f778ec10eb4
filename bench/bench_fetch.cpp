// Update at its largest: 60,000 draws of New York's open-data layout (a row per date,
// leading zeros lost) fetched from a server on 127.0.0.1 and read into draws. The whole
// of it must stay under a second.

#include "BenchApplication.h"
#include "engine/sources/SourceReading.h"
#include "fetch/SourceFetch.h"

#include <QEventLoop>
#include <QTcpServer>
#include <QTcpSocket>

#include <benchmark/benchmark.h>

namespace pick3 {
namespace {

QByteArray openDataRows(int days) {
    QByteArray text = "Draw Date,Midday Daily #,Midday Daily Sum,Evening Daily #,Evening Daily "
                      "Sum,Midday Win 4 #,Evening Win 4 #\n";
    const int newest = CivilDate{2026, 12, 5}.daysSinceEpoch();
    unsigned seed = 777;
    for (int d = 0; d < days; ++d) {
        const CivilDate date = CivilDate::fromDaysSinceEpoch(newest - d);
        seed = seed * 1103515245U + 12345U;
        const unsigned n = seed >> 8;
        text += QByteArray::number(date.month).rightJustified(2, '0') + '/' +
                QByteArray::number(date.day).rightJustified(2, '0') + '/' +
                QByteArray::number(date.year) + ',' + QByteArray::number(n % 1000) + ",9," +
                QByteArray::number(n / 1000 % 1000) + ",12,4410,2287\n";
    }
    return text;
}

GameDefinition newYork() {
    GameDefinition game;
    game.state = "New York";
    game.name = "Numbers";
    UpdateSource source;
    source.name = "open data";
    source.files = {{"http://127.0.0.1/rows.csv", ""}};
    source.date = {"Draw Date", 0};
    source.draws = {{"Midday", {"Midday Daily #", 0}, {}, {}},
                    {"Evening", {"Evening Daily #", 0}, {}, {}}};
    source.leadingZerosLost = true;
    game.updateSources = {source};
    return game;
}

void BM_FetchAndRead60000Draws(benchmark::State& state) {
    const auto app = ensureApplication();
    const QByteArray body = openDataRows(30'000);
    const QByteArray answer = "HTTP/1.1 200 OK\r\nContent-Type: text/csv\r\nContent-Length: " +
                              QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" +
                              body;
    QTcpServer server;
    server.listen(QHostAddress::LocalHost);
    QObject::connect(&server, &QTcpServer::newConnection, [&] {
        QTcpSocket* socket = server.nextPendingConnection();
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket, &answer] {
            socket->readAll();
            socket->write(answer);
            socket->disconnectFromHost();
        });
    });
    const GameDefinition game = newYork();
    const QString address = QStringLiteral("http://127.0.0.1:%1/rows.csv").arg(server.serverPort());
    for (auto _ : state) {
        SourceFetch fetch;
        fetch.setLoopbackOnly(true);
        QEventLoop loop;
        FetchOutcome outcome;
        QObject::connect(&fetch, &SourceFetcher::finished, [&](const FetchOutcome& got) {
            outcome = got;
            loop.quit();
        });
        fetch.start({{address}, {}, 5000, 10000});
        loop.exec();
        const QByteArray& text = outcome.files.value(0).body;
        const auto read = readSourceTexts(game, game.updateSources[0],
                                          {std::string_view(text.constData(), text.size())});
        if (!read.ok() || read->result.draws.size() != 60'000) {
            state.SkipWithError("the 60,000 draws were not fetched and read");
            break;
        }
        benchmark::DoNotOptimize(read->result.draws.data());
    }
}
BENCHMARK(BM_FetchAndRead60000Draws)->Unit(benchmark::kMillisecond)->MinTime(1.0);

} // namespace
} // namespace pick3
