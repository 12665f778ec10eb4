#include "plays/MoneyLuckPanel.h"

#include "widgets/Look.h"

#include <QFutureWatcher>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>
#include <set>
#include <utility>

namespace pick3 {

namespace {

// "2026-12-08 Evening", with the game where the tickets are of more than one.
std::vector<std::string> drawNamesOf(const std::vector<DrawTickets>& draws, const GameList& games) {
    std::set<std::string> ids;
    for (const DrawTickets& draw : draws) {
        ids.insert(draw.gameId);
    }
    std::vector<std::string> names;
    for (const DrawTickets& draw : draws) {
        std::string name = draw.date.text() + " " + draw.drawTime;
        if (ids.size() > 1) {
            const GameDefinition* game = gameWithId(games, draw.gameId);
            name += " " + (game ? game->title() : draw.gameId);
        }
        names.push_back(std::move(name));
    }
    return names;
}

} // namespace

MoneyLuckPanel::MoneyLuckPanel(QWidget* parent)
    : QGroupBox(QStringLiteral("Is my money luck?"), parent) {
    setObjectName(QStringLiteral("fraMoneyLuck"));
    lblLuck_ = makeLabel(QStringLiteral("lblMoneyLuck"), QString(), this);
    lblLuck_->setWordWrap(true);
    lblLuck_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    describe(lblLuck_, QStringLiteral("Is my money luck?"));
    cmdChart_ = named(new QPushButton(QStringLiteral("C&hart..."), this),
                      QStringLiteral("cmdMoneyLuckChart"));
    cmdChart_->setAutoDefault(false);
    cmdChart_->setEnabled(false);
    describe(cmdChart_, QStringLiteral("Chart"),
             QStringLiteral("Your money won less what the prizes return on average, draw by "
                            "draw, beside the band of what luck alone gives"));
    connect(cmdChart_, &QPushButton::clicked, this, &MoneyLuckPanel::chartsRequested);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(8, 4, 8, 4);
    row->addWidget(lblLuck_, 1);
    row->addWidget(cmdChart_, 0, Qt::AlignTop);
}

// A season of tickets takes a good part of a second: the window stays responsive, and an
// answer that a newer set of tickets overtook is dropped.
void MoneyLuckPanel::setTickets(std::vector<CheckedTicket> tickets, std::vector<GameDraws> draws,
                                GameList games) {
    ++generation_;
    luck_.reset();
    chart_.reset();
    cmdChart_->setEnabled(false);
    lblLuck_->setText(QStringLiteral("Working out what luck alone gives..."));
    waiting_ = [tickets = std::move(tickets), draws = std::move(draws), games = std::move(games)] {
        return answerOf(tickets, draws, games);
    };
    // Shown, the window is drawn first and the work begun after: on a machine of two
    // processors it would otherwise hold up the window's opening. Hidden, it begins now.
    if (isVisible()) {
        update();
    } else {
        startWork();
    }
}

void MoneyLuckPanel::paintEvent(QPaintEvent* event) {
    QGroupBox::paintEvent(event);
    if (waiting_) {
        QTimer::singleShot(0, this, &MoneyLuckPanel::startWork); // once the painting is done
    }
}

void MoneyLuckPanel::startWork() {
    if (!waiting_) {
        return; // begun already
    }
    const int generation = generation_;
    auto* watcher = new QFutureWatcher<Answer>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, generation] {
        watcher->deleteLater();
        if (generation == generation_) {
            show(watcher->result());
        }
    });
    watcher->setFuture(QtConcurrent::run(std::exchange(waiting_, nullptr)));
}

MoneyLuckPanel::Answer MoneyLuckPanel::answerOf(const std::vector<CheckedTicket>& tickets,
                                                const std::vector<GameDraws>& draws,
                                                const GameList& games) {
    int leftOut = 0;
    const std::vector<DrawTickets> byDraw = drawTicketsOf(tickets, draws, leftOut);
    Answer answer{moneyLuckOf(byDraw, leftOut), nullptr};
    auto chart = std::make_shared<TicketsLuck>();
    chart->band = answer.luck.band;
    chart->drawNames = drawNamesOf(byDraw, games);
    chart->tickets = answer.luck.tickets;
    chart->wordsText = answer.luck.wordsText;
    answer.chart = std::move(chart);
    return answer;
}

void MoneyLuckPanel::show(const Answer& answer) {
    luck_ = answer.luck;
    chart_ = answer.chart;
    QString text = fromEngine(answer.luck.wordsText);
    if (answer.luck.moneyBySaddlepoint) {
        text += QStringLiteral(" The money's chance is read from its exact distribution by the "
                               "saddlepoint: the tickets are too many to combine one by one.");
    }
    lblLuck_->setText(text);
    cmdChart_->setEnabled(answer.luck.draws > 0);
    Q_EMIT workedOut();
}

ChartSource MoneyLuckPanel::chartSource() const {
    ChartSource source;
    source.newest = NewestEnd::Last;
    source.ticketsLuck = chart_;
    return source;
}

} // namespace pick3
