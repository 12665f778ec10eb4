#include "hotcold/LibraryGamePanel.h"

#include "engine/games/CivilDate.h"
#include "engine/stats/Chance.h"
#include "hotcold/frmGameLibrary.h"
#include "importdraws/GameCatalog.h"
#include "importdraws/LibraryBatch.h"
#include "widgets/AppInfo.h"
#include "widgets/LibraryAccess.h"
#include "widgets/Look.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <algorithm>

namespace pick3 {

namespace {

// A held draw as the draw box's neighbours name it: "Sat 2026-12-05 Evening".
std::string heldLabel(const StoredDraw& held) {
    const std::optional<CivilDate> date = parseCivilDate(held.draw.date);
    std::string label = held.draw.date;
    if (date) {
        if (const auto day = dayNumberOf({date->year, date->month, date->day})) {
            label = weekdayText(*day) + " " + label;
        }
    }
    return held.draw.drawTime.empty() ? label : label + " " + held.draw.drawTime;
}

// "; the game lacks 2 draws by its schedule: 2013-09-05 Night, 2013-09-10 Evening".
QString missingText(const std::shared_ptr<const GameDefinition>& game,
                    const std::vector<StoredDraw>& held) {
    if (game == nullptr) {
        return {};
    }
    const Result<std::vector<HeldDraw>> missing = missingAfterKeep(*game, held, MergePreview{});
    if (!missing.ok() || missing->empty()) {
        return {};
    }
    QStringList named;
    for (std::size_t i = 0; i < missing->size() && i < 3; ++i) {
        named << QStringLiteral("%1 %2").arg(fromEngine((*missing)[i].date.text()),
                                             fromEngine((*missing)[i].drawTime));
    }
    return QStringLiteral("; the game lacks %1 by its schedule: %2%3")
        .arg(fromEngine(counted(missing->size(), "draw")), named.join(QStringLiteral(", ")),
             missing->size() > 3 ? QStringLiteral(", ...") : QString());
}

} // namespace

ChosenDraws chosenFromLibrary(std::shared_ptr<const std::vector<StoredDraw>> held,
                              const std::string& drawTime, std::size_t newest,
                              std::shared_ptr<const GameDefinition> game) {
    // The picked draws by their place in the held ones, newest first; the held draws are
    // kept alive as long as the labels may be asked for.
    auto picked = std::make_shared<std::vector<std::size_t>>();
    for (std::size_t i = held->size(); i-- > 0;) {
        if (newest != 0 && picked->size() == newest) {
            break;
        }
        if (drawTime.empty() || (*held)[i].draw.drawTime == drawTime) {
            picked->push_back(i);
        }
    }
    std::string text;
    text.reserve(picked->size() * 5);
    for (const std::size_t i : *picked) {
        const int n = (*held)[i].draw.number % 1000;
        text += static_cast<char>('0' + n / 100);
        text += static_cast<char>('0' + n / 10 % 10);
        text += static_cast<char>('0' + n % 10);
        text += "\r\n";
    }
    ChosenDraws chosen;
    chosen.text = fromEngine(text);
    chosen.count = picked->size();
    chosen.game = std::move(game);
    chosen.labelOf = [held, picked](std::size_t index) {
        return index < picked->size() ? heldLabel((*held)[(*picked)[index]]) : std::string();
    };
    chosen.dateOf = [held, picked](std::size_t index) -> std::optional<CivilDate> {
        return index < picked->size() ? parseCivilDate((*held)[(*picked)[index]].draw.date)
                                      : std::nullopt;
    };
    return chosen;
}

LibraryGamePanel::LibraryGamePanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("libraryGamePanel"));
    cboGame_ = named(new QComboBox(this), QStringLiteral("cboCountGame"));
    cboGame_->addItem(QStringLiteral("None"));
    cboGame_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    describe(cboGame_, QStringLiteral("Game"),
             QStringLiteral("A game of your library: its draws fill the draw box, newest first, "
                            "with their dates. None leaves the draw box as it is"));
    QLabel* gameLabel = makeLabel(QStringLiteral("lblCountGame"), QStringLiteral("&Game:"), this);
    gameLabel->setBuddy(cboGame_);
    cboDrawTimes_ = named(new QComboBox(this), QStringLiteral("cboCountDrawTimes"));
    cboDrawTimes_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    describe(cboDrawTimes_, QStringLiteral("Draw times"),
             QStringLiteral("Which of the game's draws to count: every draw time, or one"));
    QLabel* timesLabel =
        makeLabel(QStringLiteral("lblCountDrawTimes"), QStringLiteral("Draw &times:"), this);
    timesLabel->setBuddy(cboDrawTimes_);
    spnNewest_ = named(new QSpinBox(this), QStringLiteral("spnCountNewest"));
    spnNewest_->setRange(0, 1'000'000);
    spnNewest_->setSingleStep(50);
    spnNewest_->setSpecialValueText(QStringLiteral("All"));
    spnNewest_->setKeyboardTracking(false);
    describe(spnNewest_, QStringLiteral("Newest draws"),
             QStringLiteral("How many of the newest draws to count; All counts every one"));
    // The field's own line edit is what a screen reader lands on.
    spnNewest_->findChild<QLineEdit*>()->setAccessibleName(QStringLiteral("Newest draws"));
    QLabel* newestLabel =
        makeLabel(QStringLiteral("lblCountNewest"), QStringLiteral("&Newest:"), this);
    newestLabel->setBuddy(spnNewest_);
    // What is counted, under the choices across the whole width; shown once a game is.
    lblCounting_ = makeLabel(QStringLiteral("lblCountingGame"), QString(), this);
    lblCounting_->setWordWrap(true);
    lblCounting_->hide();
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    auto* row = new QHBoxLayout;
    for (QWidget* part : std::initializer_list<QWidget*>{gameLabel, cboGame_, timesLabel,
                                                         cboDrawTimes_, newestLabel, spnNewest_}) {
        row->addWidget(part);
    }
    row->addStretch(1);
    column->addLayout(row);
    column->addWidget(lblCounting_);
    auto* library =
        named(new QPushButton(QStringLiteral("Li&brary..."), this), QStringLiteral("cmdLibrary"));
    describe(library, QStringLiteral("Library"),
             QStringLiteral("The games your library keeps: back it up, restore it, export a "
                            "game's draws as CSV or forget a game"));
    connect(library, &QPushButton::clicked, this, &LibraryGamePanel::openLibraryWindow);
    row->addWidget(library);
    cmdLibrary_ = library;
    cboDrawTimes_->setEnabled(false);
    spnNewest_->setEnabled(false);
    connect(cboGame_, &QComboBox::currentIndexChanged, this, &LibraryGamePanel::gameChosen);
    connect(cboDrawTimes_, &QComboBox::currentIndexChanged, this, &LibraryGamePanel::pickDraws);
    connect(spnNewest_, &QSpinBox::valueChanged, this, &LibraryGamePanel::pickDraws);
}

void LibraryGamePanel::showCounting(const QString& text) {
    lblCounting_->setText(text);
    lblCounting_->setVisible(!text.isEmpty());
}

std::vector<QWidget*> LibraryGamePanel::tabOrder() const {
    return {cboGame_, cboDrawTimes_, spnNewest_, cmdLibrary_};
}

QString LibraryGamePanel::countedText() const {
    return counted_;
}

void LibraryGamePanel::loadGames(QWidget* over, bool again) {
    if (loaded_ && !again) {
        return;
    }
    loaded_ = true;
    GameLibrary* library = openGameLibrary(over);
    if (library == nullptr) {
        return;
    }
    const Result<std::vector<HeldGame>> games = library->games();
    if (!games.ok()) {
        showMessage(over, QStringLiteral("Game library"), fromEngine(games.refusal()));
        return;
    }
    if (definitions_.empty()) {
        definitions_ = loadGameCatalog({shippedGamesFolder(), playerGamesFolder()}).games;
    }
    const QSignalBlocker quiet(cboGame_);
    const std::string chosen =
        cboGame_->currentIndex() > 0
            ? gameIds_[static_cast<std::size_t>(cboGame_->currentIndex() - 1)]
            : std::string();
    cboGame_->setCurrentIndex(0);
    while (cboGame_->count() > 1) {
        cboGame_->removeItem(1);
    }
    gameIds_.clear();
    for (const HeldGame& held : *games) {
        const auto definition = definitionOf(held.game);
        cboGame_->addItem(QStringLiteral("%1 (%2 draws)")
                              .arg(fromEngine(definition ? definition->title() : held.game),
                                   fromEngine(grouped(static_cast<std::size_t>(held.draws)))));
        gameIds_.push_back(held.game);
        if (held.game == chosen) {
            cboGame_->setCurrentIndex(cboGame_->count() - 1);
        }
    }
    // Draws kept since: the chosen game's choices count them from now on; the box stays.
    if (again && cboGame_->currentIndex() > 0) {
        readHeld();
    }
}

std::shared_ptr<const GameDefinition> LibraryGamePanel::definitionOf(const std::string& id) const {
    const auto at = std::find_if(definitions_.begin(), definitions_.end(),
                                 [&id](const auto& definition) { return definition->id == id; });
    return at == definitions_.end() ? nullptr : *at;
}

void LibraryGamePanel::openLibraryWindow() {
    GameLibrary* library = openGameLibrary(window());
    if (library == nullptr) {
        return;
    }
    if (definitions_.empty()) {
        definitions_ = loadGameCatalog({shippedGamesFolder(), playerGamesFolder()}).games;
    }
    frmGameLibrary dialog(
        *library,
        [this](const std::string& id) {
            const auto definition = definitionOf(id);
            return fromEngine(definition ? definition->title() : id);
        },
        window());
    dialog.exec();
    // A game forgotten or restored: the choices list what the library holds now. The draw
    // box keeps what it holds.
    loadGames(window(), true);
    if (cboGame_->currentIndex() <= 0) {
        held_.reset();
        counted_.clear();
        showCounting(QString());
        cboDrawTimes_->setEnabled(false);
        spnNewest_->setEnabled(false);
    }
}

// A game picked: its draws read once, its draw times offered, and its draws handed over.
void LibraryGamePanel::gameChosen() {
    held_.reset();
    counted_.clear();
    showCounting(QString());
    if (!readHeld()) {
        cboDrawTimes_->setEnabled(false);
        spnNewest_->setEnabled(false);
        return; // None: the draw box stays as it is
    }
    const QSignalBlocker quietTimes(cboDrawTimes_);
    const QSignalBlocker quietNewest(spnNewest_);
    cboDrawTimes_->setCurrentIndex(0);
    spnNewest_->setValue(0);
    cboDrawTimes_->setEnabled(true);
    spnNewest_->setEnabled(true);
    pickDraws();
}

// The chosen game's draws read from the library, and its draw times offered (the one
// chosen stays chosen where the game still has it); false for None or a refusal.
bool LibraryGamePanel::readHeld() {
    const int index = cboGame_->currentIndex();
    GameLibrary* library = openedGameLibrary();
    if (index <= 0 || library == nullptr) {
        return false;
    }
    const std::string& id = gameIds_[static_cast<std::size_t>(index - 1)];
    Result<std::vector<StoredDraw>> draws = library->draws(id, DrawQuery{});
    if (!draws.ok()) {
        showMessage(this, QStringLiteral("Game library"), fromEngine(draws.refusal()));
        return false;
    }
    std::vector<std::pair<int, std::string>> times;
    for (const StoredDraw& held : *draws) {
        const std::pair<int, std::string> time{held.draw.timeOrder, held.draw.drawTime};
        if (std::find(times.begin(), times.end(), time) == times.end()) {
            times.push_back(time);
        }
    }
    std::sort(times.begin(), times.end());
    held_ = std::make_shared<const std::vector<StoredDraw>>(std::move(*draws));
    missing_ = missingText(definitionOf(id), *held_);
    const QSignalBlocker quietTimes(cboDrawTimes_);
    const QString chosen = cboDrawTimes_->currentData().toString();
    cboDrawTimes_->clear();
    cboDrawTimes_->addItem(QStringLiteral("All draw times"), QString());
    for (const auto& [order, name] : times) {
        if (!name.empty()) {
            cboDrawTimes_->addItem(QStringLiteral("%1 only").arg(fromEngine(name)),
                                   fromEngine(name));
        }
    }
    cboDrawTimes_->setCurrentIndex(std::max(0, cboDrawTimes_->findData(chosen)));
    return true;
}

void LibraryGamePanel::pickDraws() {
    const int index = cboGame_->currentIndex();
    if (held_ == nullptr || index <= 0) {
        return;
    }
    const std::string& id = gameIds_[static_cast<std::size_t>(index - 1)];
    const auto definition = definitionOf(id);
    const std::string drawTime = toEngine(cboDrawTimes_->currentData().toString());
    ChosenDraws chosen = chosenFromLibrary(
        held_, drawTime, static_cast<std::size_t>(spnNewest_->value()), definition);
    counted_ = QStringLiteral("%1 of %2, %3")
                   .arg(fromEngine(counted(chosen.count, "draw")),
                        fromEngine(definition ? definition->title() : id),
                        drawTime.empty() ? QStringLiteral("every draw time")
                                         : QStringLiteral("%1 only").arg(fromEngine(drawTime)));
    showCounting(QStringLiteral("Counting %1%2.").arg(counted_, missing_));
    chosen.counting =
        QStringLiteral("of %1 (%2)")
            .arg(fromEngine(definition ? definition->title() : id),
                 drawTime.empty() ? QStringLiteral("every draw time")
                                  : QStringLiteral("%1 only").arg(fromEngine(drawTime)));
    Q_EMIT drawsPicked(chosen);
}

} // namespace pick3
