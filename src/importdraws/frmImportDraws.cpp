#include "importdraws/frmImportDraws.h"

#include "importdraws/GameUpdate.h"
#include "importdraws/ImportPreviewPanel.h"
#include "importdraws/ImportSourcePanel.h"
#include "importdraws/KeepChoicesPanel.h"
#include "importdraws/LibraryBatch.h"
#include "importdraws/LibraryKeepPanel.h"
#include "importdraws/ReadingChoicesPanel.h"
#include "widgets/AppInfo.h"
#include "widgets/BannerFrame.h"
#include "widgets/FileAccess.h"
#include "widgets/GameClock.h"
#include "widgets/LibraryAccess.h"
#include "widgets/Look.h"

#include <QClipboard>
#include <QComboBox>
#include <QDateTime>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QTableView>
#include <QUrl>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

namespace pick3 {

namespace {

// Up to this size a text is read at once; a larger one on a worker thread.
constexpr qint64 kInstantBytes = 1'000'000;

QString plural(std::size_t n, const char* one, const char* many) {
    return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
}

} // namespace

frmImportDraws::frmImportDraws(std::string boxText, const QString& file, QWidget* parent)
    : DiscardableDialog(parent), kept_(std::make_shared<const std::vector<DatedDraw>>()),
      progress_(std::make_shared<ReadingProgress>()) {
    setObjectName(QStringLiteral("frmImportDraws"));
    setWindowTitle(QStringLiteral("Import draws"));
    setSizeGripEnabled(true);
    BannerFrame* banner = BannerFrame::around(this, QStringLiteral("Import draws"));
    connect(banner->closeButton(), &QPushButton::clicked, this, &frmImportDraws::reject);
    describe(banner->closeButton(), QStringLiteral("Close"),
             QStringLiteral("Closes this window; the draw box stays as it is"));
    QWidget* area = banner->content();

    sources_ = new ImportSourcePanel(area);
    auto* column = new QVBoxLayout(area);
    column->setContentsMargins(10, 8, 10, 10);
    column->addWidget(sources_);
    column->addLayout(makeGameRow(area));
    column->addLayout(makeBusyRow(area));
    column->addWidget(makeMiddle(area), 1);
    // What keeping would do stays in view beside the button that keeps.
    keepPanel_ = new LibraryKeepPanel(area);
    keepPanel_->hide();
    connect(keepPanel_, &LibraryKeepPanel::outsideChanged, this, &frmImportDraws::showKeepPreview);
    column->addWidget(keepPanel_);
    column->addLayout(makeUseRow(area));
    setTabOrder(banner->closeButton(), sources_->firstButton());
    // The keyboard starts at the sources, not on Close.
    sources_->firstButton()->setFocus();
    connectPanels();

    setBusy(false);
    showReading();
    // Fits a 1280x720 screen with its title bar and panel; what does not fit
    // scrolls between the sources and "Use these draws".
    resize(900, 620);

    boxText_ = std::make_shared<const std::string>(std::move(boxText));
    // Read once the window is up, so that a message shows over it.
    QTimer::singleShot(0, this, [this, file] {
        if (!file.isEmpty()) {
            readFile(file);
        } else if (boxText_->find_first_not_of(" \t\r\n") != std::string::npos) {
            quiet_ = true;
            pendingSourceName_ = QStringLiteral("the draw box");
            readText(boxText_, QStringLiteral("the draw box"));
        }
    });
}

frmImportDraws::~frmImportDraws() {
    // A reading still under way stops at its next step; its result is dropped.
    progress_->cancel = true;
    running_.waitForFinished();
}

void frmImportDraws::connectPanels() {
    connect(sources_, &ImportSourcePanel::fileChosen, this, &frmImportDraws::readFile);
    connect(sources_, &ImportSourcePanel::clipboardChosen, this, &frmImportDraws::readClipboard);
    connect(sources_, &ImportSourcePanel::drawBoxChosen, this, &frmImportDraws::readDrawBox);
    connect(reading_, &ReadingChoicesPanel::changed, this, &frmImportDraws::readAgain);
    connect(keep_, &KeepChoicesPanel::changed, this, &frmImportDraws::refilter);
    connect(preview_, &ImportPreviewPanel::conflictPicked, this, &frmImportDraws::refilter);
    progressTimer_.setInterval(50);
    connect(&progressTimer_, &QTimer::timeout, this,
            [this] { prgImport_->setValue(progress_->permille.load()); });
    connect(&running_, &QFutureWatcher<ImportReading>::finished, this,
            [this] { finish(running_.result()); });
}

QLayout* frmImportDraws::makeGameRow(QWidget* parent) {
    cboGame_ = named(new QComboBox(parent), QStringLiteral("cboGame"));
    cboGame_->addItem(QStringLiteral("None"));
    cboGame_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    describe(cboGame_, QStringLiteral("Game"),
             QStringLiteral("The state's game the history is of: its schedule names the draw "
                            "times and tells the missing draws; None reads the text as found"));
    QLabel* label = makeLabel(QStringLiteral("lblGame"), QStringLiteral("Game &played:"), parent);
    label->setBuddy(cboGame_);
    lblGame_ = makeLabel(QStringLiteral("lblGameNote"), QString(), parent);
    lblGame_->setWordWrap(true);
    connect(cboGame_, &QComboBox::currentIndexChanged, this, &frmImportDraws::followGamePlayed);
    connect(cboGame_, &QComboBox::currentIndexChanged, this, &frmImportDraws::readAgain);
    connect(cboGame_, &QComboBox::currentIndexChanged, this, &frmImportDraws::showGame);
    cmdUpdate_ =
        named(new QPushButton(QStringLiteral("Update"), parent), QStringLiteral("cmdUpdateGame"));
    cmdUpdate_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_U));
    describe(cmdUpdate_, QStringLiteral("Update"),
             QStringLiteral("Fetches the game's newest draws from the state's own data (Ctrl+U) "
                            "and shows them here before anything is kept; nothing is fetched "
                            "unless you press it"));
    cmdUpdate_->setEnabled(false);
    connect(cmdUpdate_, &QPushButton::clicked, this, &frmImportDraws::updateGame);
    cmdSource_ = named(new QPushButton(QStringLiteral("Source..."), parent),
                       QStringLiteral("cmdGameSource"));
    describe(cmdSource_, QStringLiteral("Source"),
             QStringLiteral("The address Update fetches the game's draws from: your own, or the "
                            "one its definition names"));
    cmdSource_->setEnabled(false);
    connect(cmdSource_, &QPushButton::clicked, this, &frmImportDraws::chooseSourceAddress);
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(cboGame_);
    row->addWidget(cmdUpdate_);
    row->addWidget(cmdSource_);
    row->addWidget(lblGame_, 1);
    return row;
}

void frmImportDraws::showEvent(QShowEvent* event) {
    DiscardableDialog::showEvent(event);
    loadGames();
}

// The games, read once: the shipped definitions, then the player's own.
void frmImportDraws::loadGames() {
    if (gamesLoaded_) {
        return;
    }
    gamesLoaded_ = true;
    catalog_ = loadGameCatalog({shippedGamesFolder(), playerGamesFolder()});
    const QSignalBlocker quiet(cboGame_);
    const QSignalBlocker quietKeep(cboKeepGame_);
    for (const auto& game : catalog_.games) {
        cboGame_->addItem(fromEngine(game->title()));
        cboKeepGame_->addItem(fromEngine(game->title()));
    }
    showGame();
}

std::shared_ptr<const GameDefinition> frmImportDraws::chosenGame() const {
    const int index = cboGame_->currentIndex() - 1;
    if (index < 0 || static_cast<std::size_t>(index) >= catalog_.games.size()) {
        return nullptr;
    }
    return catalog_.games[static_cast<std::size_t>(index)];
}

// Beside the choice: the game's zone and its time there, why its missing draws cannot be
// told, and the definitions that did not read.
void frmImportDraws::showGame() {
    QStringList notes;
    const auto chosen = chosenGame();
    const bool idle = update_ == nullptr || !update_->running();
    cmdUpdate_->setEnabled(chosen != nullptr && idle);
    cmdSource_->setEnabled(chosen != nullptr && idle);
    if (const auto game = chosen) {
        const std::string& zoneName =
            game->schedules.empty() ? std::string("unknown") : game->schedules.back().timeZone;
        const std::optional<QTimeZone> zone = GameClock::zoneNamed(zoneName);
        notes.append(zone ? QStringLiteral("Draw times in %1 time; it is %2 there now.")
                                .arg(fromEngine(zoneName), GameClock::now(*zone).toString(
                                                               QStringLiteral("yyyy-MM-dd HH:mm")))
                          : QStringLiteral("The time zone of %1 is not known.")
                                .arg(fromEngine(game->title())));
        if (findings_ && !findings_->missingRefusal.empty()) {
            notes.append(
                QStringLiteral("Missing draws: %1.").arg(fromEngine(findings_->missingRefusal)));
        }
    }
    for (const QString& refusal : catalog_.refusals) {
        notes.append(QStringLiteral("Not read: %1").arg(refusal));
    }
    lblGame_->setText(notes.join(QLatin1Char(' ')));
}

void frmImportDraws::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && reading_->editingTimeCodes()) {
        event->accept();
        return;
    }
    DiscardableDialog::keyPressEvent(event);
}

QLayout* frmImportDraws::makeBusyRow(QWidget* parent) {
    prgImport_ = named(new QProgressBar(parent), QStringLiteral("prgImport"));
    prgImport_->setRange(0, 1000);
    prgImport_->setTextVisible(true);
    cmdCancel_ =
        named(new QPushButton(QStringLiteral("Cancel"), parent), QStringLiteral("cmdCancelImport"));
    describe(cmdCancel_, cmdCancel_->text(), QStringLiteral("Stops reading; nothing changes"));
    connect(cmdCancel_, &QPushButton::clicked, this, [this] {
        progress_->cancel = true;
        if (update_ != nullptr) {
            update_->cancel();
        }
    });
    auto* busyRow = new QHBoxLayout;
    busyRow->addWidget(prgImport_, 1);
    busyRow->addWidget(cmdCancel_);
    return busyRow;
}

// The summary, the choices and the preview, in a pane that scrolls when the
// window is small.
QWidget* frmImportDraws::makeMiddle(QWidget* parent) {
    auto* scroll = named(new QScrollArea(parent), QStringLiteral("scrImportMiddle"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* middle = new QWidget(scroll);
    lblSummary_ = makeHeading(QStringLiteral("lblImportSummary"), QString(), middle);
    lblSummary_->setWordWrap(true);
    lblSummary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblDateReading_ = makeLabel(QStringLiteral("lblDateReading"), QString(), middle);
    lblDateReading_->setWordWrap(true);
    setTextColour(lblDateReading_, QColor(0x00, 0x00, 0xA0));
    choices_ = new QWidget(middle);
    auto* choiceRow = new QHBoxLayout(choices_);
    choiceRow->setContentsMargins(0, 0, 0, 0);
    reading_ = new ReadingChoicesPanel(choices_);
    keep_ = new KeepChoicesPanel(choices_);
    choiceRow->addWidget(reading_);
    choiceRow->addWidget(keep_, 1);
    preview_ = new ImportPreviewPanel(middle);
    preview_->setMinimumHeight(200);
    auto* column = new QVBoxLayout(middle);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(lblSummary_);
    column->addWidget(lblDateReading_);
    column->addWidget(choices_);
    column->addWidget(preview_, 1);
    scroll->setWidget(middle);
    return scroll;
}

QLayout* frmImportDraws::makeUseRow(QWidget* parent) {
    lblKept_ = makeLabel(QStringLiteral("lblKept"), QString(), parent);
    lblKept_->setWordWrap(true);
    cmdUse_ = named(new QPushButton(QStringLiteral("&Use these draws"), parent),
                    QStringLiteral("cmdUseDraws"));
    describe(cmdUse_, QStringLiteral("Use these draws"),
             QStringLiteral("Writes the draws to use into the draw box, one per line, and counts "
                            "them; Ctrl+Z in the draw box brings back what it held"));
    connect(cmdUse_, &QPushButton::clicked, this, &frmImportDraws::useDraws);
    cboKeepGame_ = named(new QComboBox(parent), QStringLiteral("cboKeepGame"));
    cboKeepGame_->addItem(QStringLiteral("None"));
    cboKeepGame_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    describe(cboKeepGame_, QStringLiteral("Keep in game"),
             QStringLiteral("The game of your library the draws to use are kept in; its schedule "
                            "names their draw times. None keeps nothing"));
    QLabel* keepLabel =
        makeLabel(QStringLiteral("lblKeepGame"), QStringLiteral("Keep in game:"), parent);
    keepLabel->setBuddy(cboKeepGame_);
    connect(cboKeepGame_, &QComboBox::currentIndexChanged, this, &frmImportDraws::keepGameChosen);
    cmdKeep_ = named(new QPushButton(QStringLiteral("Keep draws"), parent),
                     QStringLiteral("cmdKeepDraws"));
    cmdKeep_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    describe(cmdKeep_, QStringLiteral("Keep draws"),
             QStringLiteral("Keeps the draws to use in the chosen game of your library, as the "
                            "preview below shows (Ctrl+K); a held draw that differs is replaced "
                            "only where you ticked the new one"));
    connect(cmdKeep_, &QPushButton::clicked, this, &frmImportDraws::keepDraws);
    auto* useRow = new QHBoxLayout;
    useRow->addWidget(lblKept_, 1);
    useRow->addWidget(keepLabel);
    useRow->addWidget(cboKeepGame_);
    useRow->addWidget(cmdKeep_);
    useRow->addWidget(cmdUse_);
    return useRow;
}

void frmImportDraws::readFile(const QString& path) {
    quiet_ = false;
    pendingSourceName_ = fileNameOf(path);
    start(path, nullptr, QStringLiteral("\"%1\"").arg(fileNameOf(path)));
}

void frmImportDraws::readClipboard() {
    quiet_ = false;
    pendingSourceName_ = QStringLiteral("the clipboard");
    const QClipboard* clipboard = QGuiApplication::clipboard();
    readText(std::make_shared<const std::string>(clipboard ? toEngine(clipboard->text())
                                                           : std::string()),
             QStringLiteral("the clipboard"));
}

void frmImportDraws::readDrawBox() {
    quiet_ = false;
    pendingSourceName_ = QStringLiteral("the draw box");
    readText(boxText_, QStringLiteral("the draw box"));
}

void frmImportDraws::readText(std::shared_ptr<const std::string> text, const QString& source) {
    if (text->find_first_not_of(" \t\r\n") == std::string::npos) {
        showMessage(this, windowTitle(),
                    QStringLiteral("There is no text in %1 to read draws from.").arg(source));
        return;
    }
    start(QString(), std::move(text), source);
}

void frmImportDraws::start(const QString& path, std::shared_ptr<const std::string> text,
                           const QString& source) {
    if (running_.isRunning()) {
        return;
    }
    pendingSource_ = source;
    // A new source is read as found; the guess can then be corrected.
    if (text == nullptr || text != text_) {
        reading_->readAsFound();
    }
    const ImportChoices choices = reading_->choices();
    progress_ = std::make_shared<ReadingProgress>();
    const qint64 size = text ? static_cast<qint64>(text->size()) : QFileInfo(path).size();
    if (size <= kInstantBytes) {
        finish(readImport(path, std::move(text), choices, progress_, chosenGame()));
        return;
    }
    setBusy(true);
    prgImport_->setValue(0);
    prgImport_->setFormat(QStringLiteral("Reading %1: %p%").arg(source));
    running_.setFuture(
        QtConcurrent::run(&readImport, path, std::move(text), choices, progress_, chosenGame()));
}

void frmImportDraws::finish(ImportReading reading) {
    setBusy(false);
    if (!reading.problem.isEmpty()) {
        const QString problem = reading.fileError ? reading.problem
                                                  : QStringLiteral("No draws were read from %1. %2")
                                                        .arg(pendingSource_, reading.problem);
        quiet_ ? lblSummary_->setText(problem) : showMessage(this, windowTitle(), problem);
    }
    quiet_ = false;
    if (reading.result == nullptr) {
        return; // what was shown before stays
    }
    text_ = std::move(reading.text);
    source_ = pendingSource_;
    sourceName_ = pendingSourceName_;
    updateAddress_.clear();
    result_ = std::move(reading.result);
    game_ = std::move(reading.game);
    findings_ = game_ ? std::make_shared<const GameFindings>(std::move(reading.findings)) : nullptr;
    showReading();
}

void frmImportDraws::readAgain() {
    if (text_ != nullptr) {
        start(QString(), text_, source_);
    }
}

void frmImportDraws::setBusy(bool busy) {
    if (!busy && cmdCancel_->hasFocus()) {
        preview_->drawsView()->setFocus(); // the keyboard goes on to what was read
    }
    prgImport_->setVisible(busy);
    cmdCancel_->setVisible(busy);
    busy ? progressTimer_.start() : progressTimer_.stop();
    for (QWidget* part :
         {static_cast<QWidget*>(sources_), choices_, static_cast<QWidget*>(preview_)}) {
        part->setEnabled(!busy);
    }
    cmdUse_->setEnabled(!busy && !kept_->empty());
    cmdKeep_->setEnabled(!busy && merge_.has_value());
    cboKeepGame_->setEnabled(!busy);
    if (busy) {
        cmdCancel_->setFocus();
    }
}

// A new reading: its summary, the choices it allows, its problems, and the preview.
void frmImportDraws::showReading() {
    const bool any = result_ != nullptr;
    sources_->setSource(any ? source_ : QString());
    lblSummary_->setText(any ? fromEngine(importSummary(*result_))
                             : QStringLiteral("Choose where the draws come from: a file (or drop "
                                              "one on the draw box), the clipboard or the draw "
                                              "box."));
    lblDateReading_->setVisible(any);
    choices_->setEnabled(any);
    preview_->setEnabled(any);
    if (any) {
        showDateReading();
        reading_->showLayout(result_->layout);
        keep_->showDates(*result_);
    }
    keep_->showDrawTimes(result_.get());
    preview_->showReading(result_, findings_);
    showGame();
    refilter();
}

void frmImportDraws::showDateReading() {
    const ImportLayout& layout = result_->layout;
    QString reading =
        QStringLiteral("Dates read as %1%2.")
            .arg(fromEngine(dateOrderText(layout.dateOrder)),
                 layout.dateOrderGuessed ? QStringLiteral(", the reading that puts them in order; "
                                                          "if that is wrong, choose the date order")
                                         : QString());
    if (!layout.timeCodes.empty()) {
        reading +=
            QStringLiteral(" Draw times: %1.").arg(fromEngine(timeCodesText(layout.timeCodes)));
    }
    lblDateReading_->setText(reading);
}

// The draws that go into the draw box, as the choices stand.
void frmImportDraws::refilter() {
    if (result_ == nullptr) {
        kept_ = std::make_shared<const std::vector<DatedDraw>>();
    } else {
        KeepChoices keep = keep_->choices();
        keep.conflictPicks = preview_->conflictPicks(result_->conflicts.size());
        kept_ = std::make_shared<const std::vector<DatedDraw>>(keptDraws(*result_, keep));
    }
    preview_->showKept(result_, kept_);
    lblKept_->setText(
        kept_->empty()
            ? QStringLiteral("No draw to use with these choices.")
            : QStringLiteral("%1 go into the draw box, newest %2, and are counted at once.")
                  .arg(plural(kept_->size(), "draw", "draws"),
                       keep_->newestFirst() ? QStringLiteral("first") : QStringLiteral("last")));
    cmdUse_->setEnabled(!running_.isRunning() && !kept_->empty());
    showKeepPreview();
}

void frmImportDraws::useDraws() {
    if (kept_->empty() || result_ == nullptr) {
        return;
    }
    ChosenDraws chosen;
    chosen.text = fromEngine(drawBoxText(*kept_));
    chosen.count = kept_->size();
    chosen.labelOf = [result = result_, draws = kept_](std::size_t index) {
        return index < draws->size() ? drawLabel(*result, (*draws)[index]) : std::string();
    };
    chosen.game = game_;
    chosen.dateOf = [draws = kept_](std::size_t index) -> std::optional<CivilDate> {
        if (index >= draws->size()) {
            return std::nullopt;
        }
        return civilDateOf((*draws)[index].day);
    };
    Q_EMIT drawsChosen(chosen);
    closeAndDiscard();
}

} // namespace pick3

namespace pick3 {

// A game to keep in: the library is opened (the first time), and the draw times are named
// by that game's schedule.
void frmImportDraws::keepGameChosen(int index) {
    if (index > 0 && openGameLibrary(this) == nullptr) {
        const QSignalBlocker quiet(cboKeepGame_);
        cboKeepGame_->setCurrentIndex(0);
        index = 0;
    }
    if (index > 0 && cboGame_->currentIndex() != index) {
        cboGame_->setCurrentIndex(index); // reads the text again, then shows the preview
        return;
    }
    showKeepPreview();
}

// Another game played moves the game kept in with it, once one is chosen.
void frmImportDraws::followGamePlayed(int index) {
    if (cboKeepGame_->currentIndex() > 0 && cboKeepGame_->currentIndex() != index) {
        const QSignalBlocker quiet(cboKeepGame_);
        cboKeepGame_->setCurrentIndex(index);
    }
}

// What keeping the draws to use would do in the chosen game, read from the library.
void frmImportDraws::showKeepPreview() {
    merge_.reset();
    GameLibrary* library = openedGameLibrary();
    const bool chosen = cboKeepGame_->currentIndex() > 0 && library != nullptr;
    keepPanel_->setVisible(chosen && result_ != nullptr);
    cmdKeep_->setEnabled(false);
    if (!chosen || result_ == nullptr || game_ == nullptr || kept_->empty()) {
        if (chosen && result_ != nullptr) {
            keepPanel_->showProblem(QStringLiteral("No draw to keep with these choices."));
        }
        return;
    }
    std::vector<IncomingDraw> batch = incomingDraws(*result_, *kept_, *game_);
    const std::size_t outside = findings_ ? findings_->outside.size() : 0;
    if (outside > 0 && keepPanel_->keepOutside()) {
        const std::vector<IncomingDraw> more = incomingDraws(findings_->outside, *game_);
        batch.insert(batch.end(), more.begin(), more.end());
    }
    Result<MergePreview> preview = library->preview(game_->id, batch);
    Result<std::vector<StoredDraw>> held = library->draws(game_->id, DrawQuery{});
    if (!preview.ok() || !held.ok()) {
        keepPanel_->showProblem(fromEngine(preview.ok() ? held.refusal() : preview.refusal()));
        return;
    }
    keepPanel_->showPreview(fromEngine(game_->title()), *preview, outside,
                            missingAfterKeep(*game_, *held, *preview));
    merge_ = std::move(*preview);
    cmdKeep_->setEnabled(!running_.isRunning() && !library->readOnly());
}

void frmImportDraws::keepDraws() {
    GameLibrary* library = openedGameLibrary();
    if (!merge_ || library == nullptr || game_ == nullptr) {
        return;
    }
    // A draw fetched by Update is marked with when it was fetched; others when they are kept.
    const bool fetched = !updateAddress_.isEmpty() && sourceName_ == updateAddress_;
    const QString keptAt =
        (fetched ? updateFetchedAt_ : QDateTime::currentDateTimeUtc()).toString(Qt::ISODate);
    const Result<KeepSummary> kept =
        library->commit(*merge_, keepPanel_->takeNew(), toEngine(sourceName_), toEngine(keptAt));
    if (!kept.ok()) {
        showMessage(this, windowTitle(), fromEngine(kept.refusal()));
        showKeepPreview(); // the library is as it was; the preview reads it again
        return;
    }
    if (update_ != nullptr && !updateAddress_.isEmpty() && sourceName_ == updateAddress_) {
        update_->confirmRead(); // the next Update asks whether the files changed since
    }
    QString said = QStringLiteral("Kept in %1: %2 new, %3 replaced, %4 left as held.")
                       .arg(fromEngine(game_->title()))
                       .arg(kept->added)
                       .arg(kept->replaced)
                       .arg(kept->unchanged);
    showMessage(this, windowTitle(), said);
    showKeepPreview();
}

} // namespace pick3

namespace pick3 {

void frmImportDraws::connectUpdate() {
    update_ = new GameUpdate(this);
    connect(update_, &GameUpdate::progress, this,
            [this](int file, int files, qint64 received, qint64 total) {
                prgImport_->setFormat(QStringLiteral("Fetching file %1 of %2: %3 KB")
                                          .arg(file + 1)
                                          .arg(files)
                                          .arg(received / 1024));
                const qint64 done = total > 0 ? 1000 * received / total : 0;
                prgImport_->setValue(static_cast<int>((1000 * file + done) / std::max(files, 1)));
            });
    // What a fetch ends with is shown once its signal has returned: a message's own event
    // loop may see this window discarded, which must not happen under the fetch's feet.
    connect(update_, &GameUpdate::read, this, [this](const UpdateReading& update) {
        QTimer::singleShot(0, this, [this, update] { useUpdate(update); });
    });
    connect(update_, &GameUpdate::nothingNew, this, [this] {
        setBusy(false);
        showGame();
        QTimer::singleShot(0, this, &frmImportDraws::sayEveryDrawHeld);
    });
    connect(update_, &GameUpdate::failed, this, [this](const QString& sentence) {
        setBusy(false);
        showGame();
        QTimer::singleShot(0, this,
                           [this, sentence] { showMessage(this, windowTitle(), sentence); });
    });
}

void frmImportDraws::updateGame() {
    const auto game = chosenGame();
    if (game == nullptr || running_.isRunning()) {
        return;
    }
    if (update_ == nullptr) {
        connectUpdate();
    }
    GameLibrary* library = openGameLibrary(this);
    if (library == nullptr) {
        return;
    }
    QString problem;
    if (!update_->start(game, *library, &problem)) {
        showMessage(this, windowTitle(), problem);
        return;
    }
    setBusy(true);
    prgImport_->setValue(0);
    prgImport_->setFormat(QStringLiteral("Fetching %1").arg(fromEngine(game->title())));
    cmdUpdate_->setEnabled(false);
}

// The fetched draws shown as a reading, to be kept in the game they came for.
void frmImportDraws::useUpdate(const UpdateReading& update) {
    setBusy(false);
    pendingSource_ = QStringLiteral("the update from %1").arg(QUrl(update.address).host());
    pendingSourceName_ = update.address;
    finish(update.reading);
    updateAddress_ = update.address;
    updateFetchedAt_ = update.fetchedAt;
    if (update.zerosRestored > 0) {
        lblDateReading_->setText(
            lblDateReading_->text() +
            QStringLiteral(" %1 written without leading zeros and read as three digits (\"56\" "
                           "as 056).")
                .arg(plural(update.zerosRestored, "number was", "numbers were")));
    }
    if (cboKeepGame_->currentIndex() != cboGame_->currentIndex()) {
        cboKeepGame_->setCurrentIndex(cboGame_->currentIndex()); // opens the library
    }
    if (merge_ && merge_->count(MergeKind::New) == 0 && merge_->count(MergeKind::Differs) == 0) {
        update_->confirmRead();
        sayEveryDrawHeld();
    }
}

// "You have every draw up to Sat 2026-12-05 Evening", and the draws the game lacks.
void frmImportDraws::sayEveryDrawHeld() {
    const auto game = chosenGame();
    GameLibrary* library = game ? openGameLibrary(this) : nullptr;
    if (library == nullptr) {
        return;
    }
    const Result<std::vector<StoredDraw>> held = library->draws(game->id, DrawQuery{});
    if (!held.ok() || held->empty()) {
        showMessage(this, windowTitle(),
                    QStringLiteral("The source has nothing new, and the library holds no draw of "
                                   "%1 yet.")
                        .arg(fromEngine(game->title())));
        return;
    }
    const IncomingDraw& last = held->back().draw;
    const std::optional<CivilDate> date = parseCivilDate(last.date);
    const QString weekday =
        date ? fromEngine(weekdayName(date->weekday()).substr(0, 3)) + QLatin1Char(' ') : QString();
    QString said = QStringLiteral("You have every draw up to %1%2 %3.")
                       .arg(weekday, fromEngine(last.date), fromEngine(last.drawTime));
    const Result<std::vector<HeldDraw>> missing = missingAfterKeep(*game, *held, MergePreview{});
    if (missing.ok() && !missing->empty()) {
        QStringList named;
        for (std::size_t i = 0; i < missing->size() && i < 8; ++i) {
            named << QStringLiteral("%1 %2").arg(fromEngine((*missing)[i].date.text()),
                                                 fromEngine((*missing)[i].drawTime));
        }
        said += QStringLiteral("\n\nMissing by the game's schedule: %1%2.")
                    .arg(named.join(QStringLiteral(", ")),
                         missing->size() > 8 ? QStringLiteral(", ...") : QString());
    }
    showMessage(this, windowTitle(), said);
}

} // namespace pick3

namespace pick3 {

// The player's own address for the chosen game's draws, kept in the library; empty goes
// back to the address the game's definition names.
void frmImportDraws::chooseSourceAddress() {
    const auto game = chosenGame();
    GameLibrary* library = game ? openGameLibrary(this) : nullptr;
    if (library == nullptr) {
        return;
    }
    const Result<std::vector<SourceState>> kept = library->sources(game->id);
    QString own;
    for (const SourceState& state : kept.ok() ? *kept : std::vector<SourceState>()) {
        own = state.added ? fromEngine(state.address) : own;
    }
    const QString named = game->updateSources.empty() || game->updateSources.front().files.empty()
                              ? QStringLiteral("none")
                              : fromEngine(game->updateSources.front().files.front().address);
    bool ok = false;
    const QPointer<frmImportDraws> alive(this);
    const QString address =
        QInputDialog::getText(this, QStringLiteral("Source of %1").arg(fromEngine(game->title())),
                              QStringLiteral("The address Update fetches the draws from (a CSV "
                                             "file or a results page). Leave it empty for the "
                                             "game's own: %1")
                                  .arg(named),
                              QLineEdit::Normal, own, &ok)
            .trimmed();
    if (alive.isNull() || !ok || address == own) { // the window may be gone meanwhile
        return;
    }
    const QUrl url(address, QUrl::StrictMode);
    if (!address.isEmpty() && (!url.isValid() || (url.scheme() != QLatin1String("https") &&
                                                  url.scheme() != QLatin1String("http")))) {
        showMessage(this, windowTitle(),
                    QStringLiteral("\"%1\" is not a web address (https://...).").arg(address));
        return;
    }
    const Result<Done> done =
        address.isEmpty() ? library->forgetSource(game->id, toEngine(own))
                          : library->keepSource({game->id, toEngine(address), true, {}, {}, {}});
    if (done.ok() && !own.isEmpty() && !address.isEmpty()) {
        library->forgetSource(game->id, toEngine(own));
    }
    if (!done.ok()) {
        showMessage(this, windowTitle(), fromEngine(done.refusal()));
    }
}

} // namespace pick3
