#include "importdraws/GameUpdate.h"

#include "engine/games/Schedule.h"
#include "engine/sources/SourceReading.h"
#include "widgets/GameClock.h"
#include "widgets/Look.h"

#include <QtConcurrent/QtConcurrentRun>

namespace pick3 {

namespace {

struct UpdateLimits {
    int stallMs = 30'000;
    int wholeMs = 120'000;
};

UpdateLimits& limits() {
    static UpdateLimits held;
    return held;
}

// The moment on the game's own clock, where its time zone is known.
struct GameNow {
    CivilDate today;
    int minutes = 0;
};

std::optional<GameNow> nowIn(const GameDefinition& game) {
    if (game.schedules.empty()) {
        return std::nullopt;
    }
    const std::optional<QTimeZone> zone = GameClock::zoneNamed(game.schedules.back().timeZone);
    if (!zone) {
        return std::nullopt;
    }
    const QDateTime now = GameClock::now(*zone);
    return GameNow{{now.date().year(), now.date().month(), now.date().day()},
                   now.time().hour() * 60 + now.time().minute()};
}

// A draw dated today whose draw time has not yet come on the game's clock: the file
// cannot be trusted. Gives why, naming the draw.
std::optional<std::string> drawBeforeItsTime(const GameDefinition& game, const ImportResult& result,
                                             const GameNow& now) {
    const Result<std::vector<DrawTime>> times = drawTimesOn(game, now.today);
    if (!times.ok()) {
        return std::nullopt;
    }
    const auto day = static_cast<DayNumber>(now.today.daysSinceEpoch());
    for (const DatedDraw& draw : result.draws) {
        if (draw.day != day) {
            continue;
        }
        const std::string& name = result.drawTimes.at(draw.time);
        for (const DrawTime& time : *times) {
            if (time.name == name && time.time && time.time->minutes > now.minutes) {
                return "The source holds a draw of today's " + name + " (" + now.today.text() +
                       "), before its draw time (" + time.time->text() +
                       " on the game's clock): the file cannot be trusted, and nothing was kept.";
            }
        }
    }
    return std::nullopt;
}

QDateTime retryAfterOf(const std::vector<SourceState>& states) {
    QDateTime latest;
    for (const SourceState& state : states) {
        const QDateTime at = QDateTime::fromString(fromEngine(state.retryAfter), Qt::ISODate);
        if (at.isValid() && (!latest.isValid() || at > latest)) {
            latest = at;
        }
    }
    return latest;
}

QString clockText(const QDateTime& at) {
    return at.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

// The files read on a worker thread: by the source's layout, or by the import's reader.
Result<UpdateReading> readTexts(std::shared_ptr<const GameDefinition> game, bool ownAddress,
                                std::vector<std::string> texts, QString address,
                                std::optional<GameNow> now) {
    UpdateReading update;
    update.address = std::move(address);
    update.fetchedAt = QDateTime::currentDateTimeUtc();
    update.reading.game = game;
    // The player's address stands in for a source of one file, read by its layout; for a
    // game without one (or whose source is several files), it is read as an import reads.
    const bool layout = !game->updateSources.empty() &&
                        (!ownAddress || game->updateSources.front().files.size() == 1);
    if (!layout) {
        ImportReading reading =
            readImport(QString(), std::make_shared<const std::string>(std::move(texts.front())),
                       ImportChoices{}, std::make_shared<ReadingProgress>(), game);
        if (reading.result == nullptr) {
            return Result<UpdateReading>::refused(toEngine(reading.problem));
        }
        update.reading = std::move(reading);
        return update;
    }
    const std::vector<std::string_view> views(texts.begin(), texts.end());
    Result<SourceReading> read =
        readSourceTexts(*game, game->updateSources.front(), views,
                        now ? std::optional<CivilDate>(now->today) : std::nullopt);
    if (!read.ok()) {
        return Result<UpdateReading>::refused(read.refusal());
    }
    if (const auto early = now ? drawBeforeItsTime(*game, read->result, *now) : std::nullopt) {
        return Result<UpdateReading>::refused(*early);
    }
    update.zerosRestored = read->zerosRestored;
    update.reading.result = std::make_shared<const ImportResult>(
        namedByGame(std::move(read->result), *game, update.reading.findings));
    return update;
}

// The player's own address where one was added; else the files of the game's first
// source, each with what its server said last time.
std::vector<SourceState> sourcesToFetch(const GameDefinition& game,
                                        const std::vector<SourceState>& kept) {
    for (const SourceState& state : kept) {
        if (state.added) {
            return {state};
        }
    }
    std::vector<SourceState> states;
    if (!game.updateSources.empty()) {
        for (const SourceFile& file : game.updateSources.front().files) {
            const auto at = std::find_if(kept.begin(), kept.end(), [&file](const auto& state) {
                return state.address == file.address;
            });
            states.push_back(
                at != kept.end() ? *at : SourceState{game.id, file.address, false, {}, {}, {}});
        }
    }
    return states;
}

} // namespace

GameUpdate::GameUpdate(QObject* parent) : QObject(parent) {
    connect(&reading_, &QFutureWatcher<Result<UpdateReading>>::finished, this, [this] {
        running_ = false;
        const Result<UpdateReading> read = reading_.result();
        read.ok() ? Q_EMIT this->read(*read) : Q_EMIT failed(fromEngine(read.refusal()));
    });
}

GameUpdate::~GameUpdate() {
    reading_.waitForFinished();
}

void GameUpdate::setLimits(int stallMs, int wholeMs) {
    limits() = {stallMs, wholeMs};
}

bool GameUpdate::start(std::shared_ptr<const GameDefinition> game, GameLibrary& library,
                       QString* problem) {
    if (running_ || game == nullptr) {
        return false;
    }
    const Result<std::vector<SourceState>> kept = library.sources(game->id);
    if (!kept.ok()) {
        *problem = fromEngine(kept.refusal());
        return false;
    }
    std::vector<SourceState> states = sourcesToFetch(*game, *kept);
    ownAddress_ = !states.empty() && states.front().added;
    if (states.empty()) {
        *problem = QStringLiteral("%1 names no source to update from. Add the address of a "
                                  "results file with \"Source...\".")
                       .arg(fromEngine(game->title()));
        return false;
    }
    const QDateTime wait = retryAfterOf(states);
    if (wait.isValid() && QDateTime::currentDateTimeUtc() < wait) {
        *problem = QStringLiteral("The state's server asked to be left alone for a while: Update "
                                  "can be pressed again at %1.")
                       .arg(clockText(wait));
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
    FetchRequest request;
    for (const SourceState& state : states) {
        request.addresses << fromEngine(state.address);
        request.validators << FetchValidators{QByteArray::fromStdString(state.lastModified),
                                              QByteArray::fromStdString(state.etag)};
    }
    request.stallLimitMs = limits().stallMs;
    request.wholeLimitMs = limits().wholeMs;
    game_ = std::move(game);
    library_ = &library;
    states_ = std::move(states);
    pending_.clear();
    running_ = true;
    fetcher_->start(request);
    return true;
}

void GameUpdate::cancel() {
    if (running_ && fetcher_ != nullptr && !reading_.isRunning()) {
        fetcher_->cancel();
    }
}

void GameUpdate::confirmRead() {
    for (const SourceState& state : pending_) {
        library_->keepSource(state); // a validator not kept only costs a whole fetch next time
    }
    pending_.clear();
}

void GameUpdate::finished(const FetchOutcome& outcome) {
    if (outcome.retryAfter.isValid()) {
        // The one thing a failed fetch keeps: when the server may be asked again.
        for (SourceState state : states_) {
            state.retryAfter = toEngine(outcome.retryAfter.toUTC().toString(Qt::ISODate));
            library_->keepSource(state);
        }
    }
    if (outcome.status == FetchOutcome::Status::nothingNew) {
        running_ = false;
        Q_EMIT nothingNew();
        return;
    }
    if (outcome.status != FetchOutcome::Status::fetched) {
        running_ = false;
        QString sentence = outcome.failure;
        if (outcome.retryAfter.isValid()) {
            sentence += QStringLiteral(" Update can be pressed again at %1.")
                            .arg(clockText(outcome.retryAfter));
        }
        Q_EMIT failed(sentence);
        return;
    }
    readFetched(outcome);
}

// The files are read on a worker thread; the window answers meanwhile.
void GameUpdate::readFetched(const FetchOutcome& outcome) {
    std::vector<std::string> texts;
    for (qsizetype i = 0; i < outcome.files.size(); ++i) {
        const FetchedFile& file = outcome.files[i];
        texts.push_back(file.body.toStdString());
        SourceState state = states_.at(static_cast<std::size_t>(i));
        state.etag = file.validators.etag.toStdString();
        state.lastModified = file.validators.lastModified.toStdString();
        state.retryAfter.clear();
        pending_.push_back(state);
    }
    const QString address = outcome.files.isEmpty() ? QString() : outcome.files.front().address;
    reading_.setFuture(QtConcurrent::run(&readTexts, game_, ownAddress_, std::move(texts), address,
                                         nowIn(*game_)));
}

} // namespace pick3
