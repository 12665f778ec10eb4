#include "plays/frmPlayThese.h"

#include "engine/plays/NextDraws.h"
#include "engine/stats/Chance.h"
#include "widgets/AppInfo.h"
#include "widgets/BannerFrame.h"
#include "widgets/LibraryAccess.h"
#include "widgets/Look.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace pick3 {

namespace {

template <typename W>
W* described(W* widget, const char* name, const QString& what, const QString& tip) {
    named(widget, QLatin1String(name));
    describe(widget, what, tip);
    return widget;
}

QString numbersText(const std::vector<TicketDigits>& numbers) {
    QStringList written;
    for (const TicketDigits& digits : numbers) {
        written << fromEngine(ticketNumberText(digits));
    }
    constexpr qsizetype kShown = 12;
    const QString shown = written.mid(0, kShown).join(QLatin1Char(' '));
    return QStringLiteral("%1: %2%3")
        .arg(fromEngine(counted(numbers.size(), "number")), shown,
             written.size() > kShown ? QStringLiteral(" ...") : QString());
}

void refill(QComboBox* box, const QList<std::pair<QString, QVariant>>& items) {
    const QSignalBlocker quiet(box);
    const QVariant chosen = box->currentData();
    box->clear();
    for (const auto& [text, data] : items) {
        box->addItem(text, data);
    }
    const int at = box->findData(chosen);
    box->setCurrentIndex(at >= 0 ? at : 0);
}

} // namespace

frmPlayThese::frmPlayThese(std::vector<TicketDigits> numbers, QWidget* parent)
    : QDialog(parent), numbers_(std::move(numbers)), games_(playableGames()) {
    setObjectName(QStringLiteral("frmPlayThese"));
    setWindowTitle(QStringLiteral("Play these"));
    setModal(true);
    BannerFrame* banner = BannerFrame::aroundDialog(this, QStringLiteral("Play these"));
    QWidget* area = banner->content();
    QLabel* numbersLabel = makeLabel(QStringLiteral("lblPlayNumbers"), numbersText(numbers_), area);
    numbersLabel->setWordWrap(true);
    lblCost_ = makeLabel(QStringLiteral("lblPlayCost"), QString(), area);
    lblCost_->setWordWrap(true);
    cmdKeep_ = described(new QPushButton(QStringLiteral("&Keep tickets"), area), "cmdKeepPlays",
                         QStringLiteral("Keep tickets"),
                         QStringLiteral("Keeps the tickets in the library, for My plays"));
    connect(cmdKeep_, &QPushButton::clicked, this, &frmPlayThese::keep);
    auto* column = new QVBoxLayout(area);
    column->setContentsMargins(10, 8, 10, 10);
    column->addWidget(numbersLabel);
    column->addWidget(makeChoices(area));
    column->addWidget(lblCost_);
    column->addWidget(cmdKeep_, 0, Qt::AlignRight);
    setTabOrder(cmdKeep_, banner->closeButton());
    listGames(cboGame_, games_);
    gameChosen();
    cboGame_->setFocus();
    resize(520, sizeHint().height());
}

QWidget* frmPlayThese::makeChoices(QWidget* area) {
    auto* choices = new QWidget(area);
    cboGame_ = described(new QComboBox(choices), "cboPlayGame", QStringLiteral("Game"),
                         QStringLiteral("The game the tickets are for"));
    dtpDate_ = described(new QDateEdit(choices), "dtpPlayDate", QStringLiteral("Draw date"),
                         QStringLiteral("The date of the (first) draw"));
    dtpDate_->setCalendarPopup(true);
    dtpDate_->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    cboDrawTime_ = described(new QComboBox(choices), "cboPlayDrawTime", QStringLiteral("Draw time"),
                             QStringLiteral("The draw time of the (first) draw"));
    auto* next = described(new QPushButton(QStringLiteral("&Next draw"), choices), "cmdNextDraw",
                           QStringLiteral("Next draw"),
                           QStringLiteral("The game's next draw, by its schedule and clock"));
    cboPlay_ = described(new QComboBox(choices), "cboPlayType", QStringLiteral("Play"),
                         QStringLiteral("The plays the game sells on the draw's date"));
    cboStake_ =
        described(new QComboBox(choices), "cboPlayStake", QStringLiteral("Stake per number"),
                  QStringLiteral("What each number is played for"));
    spnDraws_ = described(new QSpinBox(choices), "spnPlayDraws", QStringLiteral("Draws in a row"),
                          QStringLiteral("How many consecutive draws each number is played for"));
    spnDraws_->setRange(1, kMostConsecutiveDraws);
    // The fields' own line edits are what a screen reader lands on.
    spnDraws_->findChild<QLineEdit*>()->setAccessibleName(QStringLiteral("Draws in a row"));
    dtpDate_->findChild<QLineEdit*>()->setAccessibleName(QStringLiteral("Draw date"));
    cboAddOn_ = described(new QComboBox(choices), "cboPlayAddOn", QStringLiteral("Add-on"),
                          QStringLiteral("The add-on played with each ticket, if any"));
    auto* drawRow = new QHBoxLayout;
    drawRow->addWidget(dtpDate_);
    drawRow->addWidget(cboDrawTime_, 1);
    drawRow->addWidget(next);
    auto* form = new QFormLayout(choices);
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(QStringLiteral("&Game:"), cboGame_);
    auto* drawLabel = new QLabel(QStringLiteral("&Draw:"), choices);
    drawLabel->setBuddy(dtpDate_);
    form->addRow(drawLabel, drawRow);
    form->addRow(QStringLiteral("&Play:"), cboPlay_);
    form->addRow(QStringLiteral("&Stake per number:"), cboStake_);
    form->addRow(QStringLiteral("Draws in a &row:"), spnDraws_);
    form->addRow(QStringLiteral("&Add-on:"), cboAddOn_);
    connect(cboGame_, &QComboBox::currentIndexChanged, this, &frmPlayThese::gameChosen);
    connect(dtpDate_, &QDateEdit::dateChanged, this, &frmPlayThese::dateChosen);
    connect(next, &QPushButton::clicked, this, &frmPlayThese::nextDraw);
    connect(cboPlay_, &QComboBox::currentIndexChanged, this, &frmPlayThese::playChosen);
    for (QComboBox* box : {cboDrawTime_, cboStake_, cboAddOn_}) {
        connect(box, &QComboBox::currentIndexChanged, this, &frmPlayThese::showCost);
    }
    connect(spnDraws_, &QSpinBox::valueChanged, this, &frmPlayThese::showCost);
    return choices;
}

const GameDefinition* frmPlayThese::game() const {
    return gameWithId(games_, toEngine(cboGame_->currentData().toString()));
}

void frmPlayThese::gameChosen() {
    nextDraw(); // and with it the date's draw times, plays and add-ons
}

// The game's next draw after now on its own clock.
void frmPlayThese::nextDraw() {
    const GameDefinition* chosen = game();
    if (chosen == nullptr) {
        return;
    }
    const LocalMoment now = gameNow(*chosen);
    const auto next = nextDraws(*chosen, now, 1);
    if (!next.ok() || next->empty()) {
        // The player chooses the draw, from today on the game's clock; the reason stays.
        {
            const QSignalBlocker quiet(dtpDate_);
            dtpDate_->setDate(qDateOf(now.date));
        }
        dateChosen();
        lblCost_->setText(fromEngine(next.ok() ? std::string() : next.refusal()));
        return;
    }
    {
        const QSignalBlocker quiet(dtpDate_);
        dtpDate_->setDate(qDateOf(next->front().date));
    }
    dateChosen();
    cboDrawTime_->setCurrentIndex(cboDrawTime_->findData(fromEngine(next->front().drawTime)));
}

// The draw times, plays and add-ons of the chosen date.
void frmPlayThese::dateChosen() {
    const GameDefinition* chosen = game();
    if (chosen == nullptr) {
        return;
    }
    const CivilDate date = civilDateOf(dtpDate_->date());
    QList<std::pair<QString, QVariant>> times;
    const auto held = drawTimesOn(*chosen, date);
    for (const DrawTime& time : held.ok() ? *held : std::vector<DrawTime>()) {
        times.append({fromEngine(time.name), fromEngine(time.name)});
    }
    refill(cboDrawTime_, times);
    QList<std::pair<QString, QVariant>> plays;
    for (const PlayType* play : playsSoldOn(*chosen, date)) {
        plays.append({fromEngine(play->name), fromEngine(play->key)});
    }
    refill(cboPlay_, plays);
    QList<std::pair<QString, QVariant>> addOns{{QStringLiteral("None"), QString()}};
    for (const AddOn* addOn : addOnsOn(*chosen, date)) {
        addOns.append({fromEngine(addOn->name), fromEngine(addOn->key)});
    }
    refill(cboAddOn_, addOns);
    playChosen();
}

void frmPlayThese::playChosen() {
    const GameDefinition* chosen = game();
    const std::string key = toEngine(cboPlay_->currentData().toString());
    QList<std::pair<QString, QVariant>> stakes;
    for (const PlayType* play : chosen ? playsSoldOn(*chosen, civilDateOf(dtpDate_->date()))
                                       : std::vector<const PlayType*>()) {
        if (play->key == key) {
            for (const int cents : stakesOf(*play)) {
                stakes.append({dollars(cents), cents});
            }
        }
    }
    refill(cboStake_, stakes);
    showCost();
}

PlaySlip frmPlayThese::slip() const {
    PlaySlip made{numbers_,
                  toEngine(cboPlay_->currentData().toString()),
                  cboStake_->currentData().toInt(),
                  toEngine(cboAddOn_->currentData().toString()),
                  {},
                  std::nullopt};
    const GameDefinition* chosen = game();
    if (chosen == nullptr || cboDrawTime_->count() == 0) {
        return made;
    }
    made.entered = gameNow(*chosen);
    const auto draws = drawsFrom(
        *chosen, {civilDateOf(dtpDate_->date()), toEngine(cboDrawTime_->currentData().toString())},
        spnDraws_->value());
    if (draws.ok()) {
        made.draws = *draws;
    }
    return made;
}

void frmPlayThese::showCost() {
    const GameDefinition* chosen = game();
    if (chosen == nullptr) {
        cmdKeep_->setEnabled(false);
        return;
    }
    const SlipTickets made = slipTickets(*chosen, slip());
    QString text =
        made.tickets.empty()
            ? QStringLiteral("No ticket to keep.")
            : QStringLiteral("%1, %2%3 in all.")
                  .arg(fromEngine(counted(made.tickets.size(), "ticket")), dollars(made.costCents),
                       made.costKnown ? QString() : QStringLiteral(" and the add-on's cost"));
    for (const std::string& refusal : made.refusals) {
        text += QStringLiteral("\nNot sold: ") + fromEngine(refusal);
    }
    lblCost_->setText(text);
    cmdKeep_->setEnabled(!made.tickets.empty());
}

void frmPlayThese::keep() {
    const GameDefinition* chosen = game();
    GameLibrary* library = chosen ? openGameLibrary(this) : nullptr;
    if (library == nullptr) {
        return;
    }
    const SlipTickets made = slipTickets(*chosen, slip());
    const auto kept = library->keepTickets(made.tickets);
    if (!kept.ok()) {
        showMessage(this, windowTitle(), fromEngine(kept.refusal()));
        return;
    }
    showMessage(this, windowTitle(),
                QStringLiteral("Kept %1 of %2, %3: see them in My plays.")
                    .arg(fromEngine(counted(made.tickets.size(), "ticket")),
                         fromEngine(chosen->title()), dollars(made.costCents)));
    accept();
}

} // namespace pick3
