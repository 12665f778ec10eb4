#include "importdraws/GameUpdate.h"

#include "engine/sources/SourceReading.h"
#include "widgets/GameClock.h"
#include "widgets/Look.h"

#include <QHash>

namespace pick3 {

namespace {

struct UpdateMemory {
    QHash<QString, FetchValidators> validators; // by file address
    QHash<QString, QDateTime> retryAfter;       // by game id
    int stallMs = 30'000;
    int wholeMs = 120'000;
};

UpdateMemory& memory() {
    static UpdateMemory held;
    return held;
}

std::optional<CivilDate> todayIn(const GameDefinition& game) {
    if (game.schedules.empty()) {
        return std::nullopt;
    }
    const std::optional<QTimeZone> zone = GameClock::zoneNamed(game.schedules.back().timeZone);
    if (!zone) {
        return std::nullopt;
    }
    const QDate today = GameClock::today(*zone);
    return CivilDate{today.year(), today.month(), today.day()};
}

} // namespace

GameUpdate::GameUpdate(QObject* parent) : QObject(parent) {}

void GameUpdate::setLimits(int stallMs, int wholeMs) {
    memory().stallMs = stallMs;
    memory().wholeMs = wholeMs;
}

bool GameUpdate::start(std::shared_ptr<const GameDefinition> game, QString* problem) {
    if (running_) {
        return false;
    }
    if (game == nullptr || game->updateSources.empty()) {
        *problem = QStringLiteral("%1 names no source to update from.")
                       .arg(game ? fromEngine(game->title()) : QStringLiteral("This game"));
        return false;
    }
    const QString id = fromEngine(game->id);
    const QDateTime wait = memory().retryAfter.value(id);
    if (wait.isValid() && QDateTime::currentDateTimeUtc() < wait) {
        *problem = QStringLiteral("The state's server asked to be left alone for a while: Update "
                                  "can be pressed again at %1.")
                       .arg(wait.toLocalTime().toString(QStringLiteral("HH:mm")));
        return false;
    }
    if (fetcher_ == nullptr) {
        fetcher_ = newSourceFetcher(this, problem);
        if (fetcher_ == nullptr) {
            return false;
        }
        connect(fetcher_, &SourceFetcher::progress, this, &GameUpdate::progress);
        connect(fetcher_, &SourceFetcher::finished, this, &GameUpdate::finished);
    }
    game_ = std::move(game);
    FetchRequest request;
    for (const SourceFile& file : game_->updateSources.front().files) {
        const QString address = fromEngine(file.address);
        request.addresses << address;
        request.validators << memory().validators.value(address);
    }
    request.stallLimitMs = memory().stallMs;
    request.wholeLimitMs = memory().wholeMs;
    running_ = true;
    fetcher_->start(request);
    return true;
}

void GameUpdate::cancel() {
    if (running_ && fetcher_ != nullptr) {
        fetcher_->cancel();
    }
}

void GameUpdate::finished(const FetchOutcome& outcome) {
    running_ = false;
    if (outcome.retryAfter.isValid()) {
        memory().retryAfter.insert(fromEngine(game_->id), outcome.retryAfter.toUTC());
    }
    if (outcome.status == FetchOutcome::Status::nothingNew) {
        Q_EMIT nothingNew();
        return;
    }
    if (outcome.status != FetchOutcome::Status::fetched) {
        QString sentence = outcome.failure;
        if (outcome.retryAfter.isValid()) {
            sentence +=
                QStringLiteral(" Update can be pressed again at %1.")
                    .arg(outcome.retryAfter.toLocalTime().toString(QStringLiteral("HH:mm")));
        }
        Q_EMIT failed(sentence);
        return;
    }
    std::vector<std::string> texts;
    for (const FetchedFile& file : outcome.files) {
        texts.push_back(file.body.toStdString());
    }
    const std::vector<std::string_view> views(texts.begin(), texts.end());
    const UpdateSource& source = game_->updateSources.front();
    Result<SourceReading> reading = readSourceTexts(*game_, source, views, todayIn(*game_));
    if (!reading.ok()) {
        Q_EMIT failed(fromEngine(reading.refusal()));
        return;
    }
    // Read: the next press asks whether the files changed since.
    for (const FetchedFile& file : outcome.files) {
        memory().validators.insert(file.address, file.validators);
    }
    UpdateReading update;
    update.address = outcome.files.isEmpty() ? QString() : outcome.files.front().address;
    update.zerosRestored = reading->zerosRestored;
    update.reading.game = game_;
    update.reading.result = std::make_shared<const ImportResult>(
        namedByGame(std::move(reading->result), *game_, update.reading.findings));
    Q_EMIT read(update);
}

} // namespace pick3
