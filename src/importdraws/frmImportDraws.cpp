#include "importdraws/frmImportDraws.h"

#include "importdraws/RowsModel.h"
#include "widgets/AppInfo.h"
#include "widgets/BannerFrame.h"
#include "widgets/FileAccess.h"
#include "widgets/Look.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>
#include <atomic>

namespace pick3 {

// Told by the worker how far it is; told by the window to stop.
struct frmImportDraws::Progress {
    std::atomic<int> permille{0};
    std::atomic<bool> cancel{false};
};

namespace {

// Larger files are not read at all; a history of every draw since 1900 is far smaller.
constexpr qint64 kMaxFileBytes = 100'000'000;
// Up to this size a text is read at once; a larger one on a worker thread.
constexpr qint64 kInstantBytes = 1'000'000;
// Conflicts get a choice of their own up to this many; the rest stay out.
constexpr int kListedConflicts = 200;
constexpr qint64 kUnixEpochJulianDay = 2440588;

QDate dateOf(DayNumber day) {
    return QDate::fromJulianDay(day + kUnixEpochJulianDay);
}
DayNumber dayOf(const QDate& date) {
    return static_cast<DayNumber>(date.toJulianDay() - kUnixEpochJulianDay);
}
QString number(int n) {
    return QStringLiteral("%1").arg(n, 3, 10, QLatin1Char('0'));
}
QString plural(std::size_t n, const char* one, const char* many) {
    return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
}

QTableView* makeView(const QString& name, const QString& heading, RowsModel* model,
                     QWidget* parent) {
    auto* view = named(new QTableView(parent), name);
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setTabKeyNavigation(false);
    view->verticalHeader()->hide();
    // Fixed row heights and no measuring of contents: a million rows cost nothing.
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    view->horizontalHeader()->setStretchLastSection(true);
    describe(view, heading);
    return view;
}

// A combo box with a label whose access key leads to it, in a form.
QComboBox* addCombo(QFormLayout* form, const QString& name, const QString& caption,
                    const QString& tooltip, QWidget* parent) {
    auto* combo = named(new QComboBox(parent), name);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    QString plain = caption;
    describe(combo, plain.remove(QLatin1Char('&')).chopped(1), tooltip);
    form->addRow(caption, combo);
    return combo;
}

} // namespace

frmImportDraws::frmImportDraws(std::string boxText, const QString& file, QWidget* parent)
    : DiscardableDialog(parent), progress_(std::make_shared<Progress>()) {
    setObjectName(QStringLiteral("frmImportDraws"));
    setWindowTitle(QStringLiteral("Import draws"));
    setSizeGripEnabled(true);
    BannerFrame* banner = BannerFrame::around(this, QStringLiteral("Import draws"));
    connect(banner->closeButton(), &QPushButton::clicked, this, &frmImportDraws::reject);
    describe(banner->closeButton(), QStringLiteral("Close"),
             QStringLiteral("Closes this window; the draw box stays as it is"));
    QWidget* area = banner->content();

    sources_ = makeSources(area);
    auto* column = new QVBoxLayout(area);
    column->setContentsMargins(10, 8, 10, 10);
    column->addWidget(sources_);
    column->addLayout(makeBusyRow(area));
    column->addWidget(makeMiddle(area), 1);
    column->addLayout(makeUseRow(area));
    setTabOrder(banner->closeButton(), sources_->findChild<QPushButton*>());
    // The keyboard starts at the sources, not on Close.
    sources_->findChild<QPushButton*>()->setFocus();

    progressTimer_.setInterval(50);
    connect(&progressTimer_, &QTimer::timeout, this,
            [this] { prgImport_->setValue(progress_->permille.load()); });
    connect(&running_, &QFutureWatcher<Reading>::finished, this,
            [this] { finish(running_.result()); });
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
            readText(boxText_, QStringLiteral("the draw box"));
        }
    });
}

frmImportDraws::~frmImportDraws() {
    // A reading still under way stops at its next step; its result is dropped.
    progress_->cancel = true;
    running_.waitForFinished();
}

QWidget* frmImportDraws::makeSources(QWidget* parent) {
    auto* sources = new QWidget(parent);
    auto* row = new QHBoxLayout(sources);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(
        makeLabel(QStringLiteral("lblReadFrom"), QStringLiteral("Read the draws from:"), sources));
    const struct {
        const char* name;
        const char* caption;
        const char* accessible;
        const char* tooltip;
    } buttons[] = {
        {"cmdImportFile", "&File...", "File",
         "A results page saved as text, or a CSV or TSV download"},
        {"cmdImportClipboard", "Clip&board", "Clipboard",
         "A results page or a table copied from a web page or a spreadsheet"},
        {"cmdImportDrawBox", "Draw bo&x", "Draw box", "What the draw box holds now"},
    };
    for (const auto& b : buttons) {
        auto* button = named(new QPushButton(QString::fromLatin1(b.caption), sources),
                             QString::fromLatin1(b.name));
        describe(button, QString::fromLatin1(b.accessible), QString::fromLatin1(b.tooltip));
        row->addWidget(button);
    }
    lblSource_ = makeLabel(QStringLiteral("lblSource"), QString(), sources);
    row->addWidget(lblSource_, 1);
    connect(sources->findChild<QPushButton*>(QStringLiteral("cmdImportFile")),
            &QPushButton::clicked, this, [this] {
                const QString path = chooseFile(
                    this, {FileQuestion::Kind::Open,
                           QStringLiteral("Import draws"),
                           QString(),
                           QStringLiteral("Draw histories (*.csv *.txt *.tsv);;CSV files "
                                          "(*.csv);;Text files (*.txt);;Tab-separated files "
                                          "(*.tsv);;All files (*)"),
                           {}});
                if (!path.isEmpty()) {
                    readFile(path);
                }
            });
    connect(sources->findChild<QPushButton*>(QStringLiteral("cmdImportClipboard")),
            &QPushButton::clicked, this, &frmImportDraws::readClipboard);
    connect(sources->findChild<QPushButton*>(QStringLiteral("cmdImportDrawBox")),
            &QPushButton::clicked, this, [this] {
                quiet_ = false;
                readText(boxText_, QStringLiteral("the draw box"));
            });
    return sources;
}

void frmImportDraws::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && focusWidget() == txtTimeCodes_) {
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
    connect(cmdCancel_, &QPushButton::clicked, this, [this] { progress_->cancel = true; });
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
    choiceRow->addWidget(makeReadingChoices(choices_));
    choiceRow->addWidget(makeKeepChoices(choices_), 1);
    tabs_ = makePreview(middle);
    tabs_->setMinimumHeight(200);
    auto* column = new QVBoxLayout(middle);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(lblSummary_);
    column->addWidget(lblDateReading_);
    column->addWidget(choices_);
    column->addWidget(tabs_, 1);
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
    auto* useRow = new QHBoxLayout;
    useRow->addWidget(lblKept_, 1);
    useRow->addWidget(cmdUse_);
    return useRow;
}

QWidget* frmImportDraws::makeReadingChoices(QWidget* parent) {
    auto* group = named(new QGroupBox(QStringLiteral("How the text is read"), parent),
                        QStringLiteral("fraReading"));
    auto* form = new QFormLayout(group);
    const QString column =
        QStringLiteral("Which column holds it; \"As found\" keeps what was recognised");
    cboDateColumn_ = addCombo(form, QStringLiteral("cboDateColumn"),
                              QStringLiteral("D&ate column:"), column, group);
    cboTimeColumn_ = addCombo(form, QStringLiteral("cboTimeColumn"),
                              QStringLiteral("Draw t&ime column:"), column, group);
    cboDrawColumn_ = addCombo(form, QStringLiteral("cboDrawColumn"),
                              QStringLiteral("Draw colu&mn:"), column, group);
    cboDateOrder_ = addCombo(form, QStringLiteral("cboDateOrder"), QStringLiteral("Date &order:"),
                             QStringLiteral("How the dates are written"), group);
    cboDateOrder_->addItem(QStringLiteral("As found"), -1);
    for (const DateOrder order :
         {DateOrder::MonthDayYear, DateOrder::DayMonthYear, DateOrder::YearMonthDay}) {
        cboDateOrder_->addItem(fromEngine(dateOrderText(order)), static_cast<int>(order));
    }
    for (QComboBox* combo : {cboDateColumn_, cboTimeColumn_, cboDrawColumn_, cboDateOrder_}) {
        connect(combo, &QComboBox::activated, this, &frmImportDraws::readAgain);
    }
    txtTimeCodes_ = named(new QLineEdit(group), QStringLiteral("txtTimeCodes"));
    txtTimeCodes_->setPlaceholderText(QStringLiteral("none"));
    describe(txtTimeCodes_, QStringLiteral("Draw-time codes"),
             QStringLiteral("The codes that name the draw times, earliest in the day first, as "
                            "\"M = Midday, E = Evening\"; empty reads no codes"));
    auto* label = new QLabel(QStringLiteral("Draw-time s&horthand:"), group);
    label->setBuddy(txtTimeCodes_);
    form->addRow(label, txtTimeCodes_);
    connect(txtTimeCodes_, &QLineEdit::editingFinished, this, [this] {
        if (txtTimeCodes_->text() != shownTimeCodes_) {
            shownTimeCodes_ = txtTimeCodes_->text();
            timeCodesChosen_ = true;
            readAgain();
        }
    });
    return group;
}

QWidget* frmImportDraws::makeKeepChoices(QWidget* parent) {
    auto* group = named(new QGroupBox(QStringLiteral("What goes into the draw box"), parent),
                        QStringLiteral("fraKeep"));
    auto* form = new QFormLayout(group);
    drawTimesRow_ = new QHBoxLayout;
    drawTimesRow_->addStretch(1);
    form->addRow(QStringLiteral("Draw times:"), drawTimesRow_);

    dtpFrom_ = named(new QDateEdit(group), QStringLiteral("dtpFrom"));
    dtpTo_ = named(new QDateEdit(group), QStringLiteral("dtpTo"));
    auto* range = new QHBoxLayout;
    auto* to = makeLabel(QStringLiteral("lblTo"), QStringLiteral("&to"), group);
    to->setBuddy(dtpTo_);
    range->addWidget(dtpFrom_);
    range->addWidget(to);
    range->addWidget(dtpTo_);
    range->addStretch(1);
    for (QDateEdit* edit : {dtpFrom_, dtpTo_}) {
        edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        edit->setCalendarPopup(true);
        connect(edit, &QDateEdit::dateChanged, this, &frmImportDraws::refilter);
    }
    describe(dtpFrom_, QStringLiteral("From"), QStringLiteral("The oldest date to use"));
    describe(dtpTo_, QStringLiteral("To"), QStringLiteral("The newest date to use"));
    form->addRow(QStringLiteral("F&rom:"), range);
    static_cast<QLabel*>(form->labelForField(range))->setBuddy(dtpFrom_);

    cboLastDraws_ = named(new QComboBox(group), QStringLiteral("cboLastDraws"));
    cboLastDraws_->addItem(QStringLiteral("all of them"), 0);
    for (const int last : {30, 100, 365, 730, 1000, 3650}) {
        cboLastDraws_->addItem(QStringLiteral("the newest %1 draws").arg(last), last);
    }
    describe(cboLastDraws_, QStringLiteral("Keep"),
             QStringLiteral("All draws in the date range, or only the newest of them"));
    connect(cboLastDraws_, &QComboBox::currentIndexChanged, this, &frmImportDraws::refilter);
    auto* keep = new QHBoxLayout;
    keep->addWidget(cboLastDraws_);
    keep->addStretch(1);
    form->addRow(QStringLiteral("&Keep:"), keep);
    static_cast<QLabel*>(form->labelForField(keep))->setBuddy(cboLastDraws_);

    auto* order = new QHBoxLayout;
    newest_ = new QButtonGroup(group);
    const std::array<QString, 2> captions{QStringLiteral("Newest fir&st"),
                                          QStringLiteral("Newest &last")};
    for (int i = 0; i < 2; ++i) {
        auto* option = named(new QRadioButton(captions[static_cast<std::size_t>(i)], group),
                             QStringLiteral("optImportNewest(%1)").arg(i));
        describe(option, QString(captions[static_cast<std::size_t>(i)]).remove(QLatin1Char('&')),
                 QStringLiteral("Where the newest draw goes in the draw box; the back-test "
                                "takes the newest first unless told otherwise"));
        newest_->addButton(option, i);
        order->addWidget(option);
    }
    newest_->button(0)->setChecked(true);
    order->addStretch(1);
    connect(newest_, &QButtonGroup::idClicked, this, &frmImportDraws::refilter);
    form->addRow(QStringLiteral("Order:"), order);
    return group;
}

QTabWidget* frmImportDraws::makePreview(QWidget* parent) {
    auto* tabs = named(new QTabWidget(parent), QStringLiteral("tabImportPreview"));
    describe(tabs, QStringLiteral("Preview"));
    draws_ =
        new RowsModel({QStringLiteral("Date"), QStringLiteral("Day"), QStringLiteral("Draw time"),
                       QStringLiteral("Number"), QStringLiteral("Line")},
                      this);
    unread_ = new RowsModel(
        {QStringLiteral("Line"), QStringLiteral("Why not read"), QStringLiteral("Text")}, this);
    twice_ = new RowsModel({QStringLiteral("Date"), QStringLiteral("Draw time"),
                            QStringLiteral("Number"), QStringLiteral("Lines")},
                           this);
    missing_ = new RowsModel({QStringLiteral("Date"), QStringLiteral("Day")}, this);
    tblDraws_ =
        makeView(QStringLiteral("tblImportedDraws"), QStringLiteral("Draws to use"), draws_, tabs);
    tabs->addTab(tblDraws_, QString());
    tabs->addTab(
        makeView(QStringLiteral("tblUnreadLines"), QStringLiteral("Lines not read"), unread_, tabs),
        QString());
    tblConflicts_ = named(new QTableWidget(0, 4, tabs), QStringLiteral("tblConflicts"));
    tblConflicts_->setHorizontalHeaderLabels({QStringLiteral("Date"), QStringLiteral("Draw time"),
                                              QStringLiteral("Lines"),
                                              QStringLiteral("Number to use")});
    tblConflicts_->verticalHeader()->hide();
    tblConflicts_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblConflicts_->setTabKeyNavigation(false);
    tblConflicts_->horizontalHeader()->setStretchLastSection(true);
    describe(tblConflicts_, QStringLiteral("Conflicts"),
             QStringLiteral("A date and draw time given with different numbers stays out of the "
                            "draw box until you pick the number to use"));
    tabs->addTab(tblConflicts_, QString());
    tabs->addTab(
        makeView(QStringLiteral("tblRowsTwice"), QStringLiteral("Rows given twice"), twice_, tabs),
        QString());
    tabs->addTab(makeView(QStringLiteral("tblMissingDates"), QStringLiteral("Missing dates"),
                          missing_, tabs),
                 QString());
    const int digitWidth = tblDraws_->fontMetrics().horizontalAdvance(QStringLiteral("0"));
    for (const auto& [column, digits] : {std::pair{0, 13}, {1, 6}, {2, 14}, {3, 9}}) {
        tblDraws_->setColumnWidth(column, digits * digitWidth);
    }
    return tabs;
}

void frmImportDraws::readFile(const QString& path) {
    quiet_ = false;
    start(path, nullptr, QStringLiteral("\"%1\"").arg(fileNameOf(path)));
}

void frmImportDraws::readClipboard() {
    quiet_ = false;
    const QClipboard* clipboard = QGuiApplication::clipboard();
    readText(std::make_shared<const std::string>(clipboard ? toEngine(clipboard->text())
                                                           : std::string()),
             QStringLiteral("the clipboard"));
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
    const bool sameText = text != nullptr && text == text_;
    if (!sameText) {
        for (QComboBox* combo : {cboDateColumn_, cboTimeColumn_, cboDrawColumn_, cboDateOrder_}) {
            combo->setCurrentIndex(0);
        }
        timeCodesChosen_ = false;
    }
    const ImportChoices choices = readingChoices();
    progress_ = std::make_shared<Progress>();
    const qint64 size = text ? static_cast<qint64>(text->size()) : QFileInfo(path).size();
    if (size <= kInstantBytes) {
        finish(read(path, std::move(text), choices, progress_));
        return;
    }
    setBusy(true);
    prgImport_->setValue(0);
    prgImport_->setFormat(QStringLiteral("Reading %1: %p%").arg(source));
    running_.setFuture(
        QtConcurrent::run(&frmImportDraws::read, path, std::move(text), choices, progress_));
}

// On a worker thread for a large text: nothing here touches the window.
frmImportDraws::Reading frmImportDraws::read(const QString& path,
                                             std::shared_ptr<const std::string> text,
                                             const ImportChoices& choices,
                                             const std::shared_ptr<Progress>& progress) {
    Reading reading;
    if (text == nullptr) {
        FileBytes file = readFileBytes(path, kMaxFileBytes);
        if (!file.ok()) {
            reading.problem = file.error;
            reading.fileError = true;
            return reading;
        }
        Result<std::string> decoded = decodeOwnedText(std::move(file.bytes));
        if (!decoded.ok()) {
            reading.problem = fromEngine(decoded.refusal());
            return reading;
        }
        text = std::make_shared<const std::string>(std::move(*decoded));
    }
    reading.text = text;
    Result<ImportResult> result = recognizeDraws(*text, choices, [progress](double done) {
        progress->permille = static_cast<int>(done * 1000.0);
        return !progress->cancel.load();
    });
    if (!result.ok()) {
        reading.cancelled = progress->cancel.load();
        if (!reading.cancelled) {
            reading.problem = fromEngine(result.refusal());
        }
        return reading;
    }
    reading.result = std::make_shared<const ImportResult>(std::move(*result));
    return reading;
}

void frmImportDraws::finish(Reading reading) {
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
    result_ = std::move(reading.result);
    showReading();
}

void frmImportDraws::readAgain() {
    if (text_ != nullptr) {
        start(QString(), text_, source_);
    }
}

void frmImportDraws::setBusy(bool busy) {
    if (!busy && cmdCancel_->hasFocus()) {
        tblDraws_->setFocus(); // the keyboard goes on to what was read
    }
    prgImport_->setVisible(busy);
    cmdCancel_->setVisible(busy);
    busy ? progressTimer_.start() : progressTimer_.stop();
    for (QWidget* part : {sources_, choices_, static_cast<QWidget*>(tabs_)}) {
        part->setEnabled(!busy);
    }
    cmdUse_->setEnabled(!busy && !kept_.empty());
    if (busy) {
        cmdCancel_->setFocus();
    }
}

ImportChoices frmImportDraws::readingChoices() const {
    const auto chosen = [](const QComboBox* combo) -> std::optional<int> {
        return combo->currentIndex() <= 0 ? std::nullopt
                                          : std::optional<int>(combo->currentData().toInt());
    };
    ImportChoices choices;
    choices.dateColumn = chosen(cboDateColumn_);
    choices.timeColumn = chosen(cboTimeColumn_);
    choices.drawColumn = chosen(cboDrawColumn_);
    if (const auto order = chosen(cboDateOrder_)) {
        choices.dateOrder = static_cast<DateOrder>(*order);
    }
    if (timeCodesChosen_) {
        choices.timeCodes = parseTimeCodes(toEngine(txtTimeCodes_->text()));
    }
    return choices;
}

KeepChoices frmImportDraws::keepChoices() const {
    KeepChoices keep;
    for (const QCheckBox* tick : chkDrawTime_) {
        keep.drawTimes.push_back(tick->isChecked());
    }
    keep.from = dayOf(dtpFrom_->date());
    keep.to = dayOf(dtpTo_->date());
    if (const int last = cboLastDraws_->currentData().toInt(); last > 0) {
        keep.lastDraws = static_cast<std::size_t>(last);
    }
    keep.newestFirst = newest_->checkedId() == 0;
    for (int row = 0; row < tblConflicts_->rowCount(); ++row) {
        const auto* pick = static_cast<QComboBox*>(tblConflicts_->cellWidget(row, 3));
        const int picked = pick->currentData().toInt();
        keep.conflictPicks.push_back(picked < 0 ? std::nullopt
                                                : std::optional<std::uint16_t>(picked));
    }
    keep.conflictPicks.resize(result_ ? result_->conflicts.size() : 0);
    return keep;
}

// A new reading: its summary, the choices it allows, its problems, and the preview.
void frmImportDraws::showReading() {
    const bool any = result_ != nullptr;
    lblSource_->setText(any ? QStringLiteral("Read from %1.").arg(source_) : QString());
    lblSummary_->setText(any ? fromEngine(importSummary(*result_))
                             : QStringLiteral("Choose where the draws come from: a file (or drop "
                                              "one on the draw box), the clipboard or the draw "
                                              "box."));
    lblDateReading_->setVisible(any);
    if (any) {
        const ImportLayout& layout = result_->layout;
        QString reading = QStringLiteral("Dates read as %1%2.")
                              .arg(fromEngine(dateOrderText(layout.dateOrder)),
                                   layout.dateOrderGuessed
                                       ? QStringLiteral(", the reading that puts them in order; "
                                                        "if that is wrong, choose the date order")
                                       : QString());
        if (!layout.timeCodes.empty()) {
            reading +=
                QStringLiteral(" Draw times: %1.").arg(fromEngine(timeCodesText(layout.timeCodes)));
        }
        lblDateReading_->setText(reading);
        shownTimeCodes_ = fromEngine(timeCodesText(layout.timeCodes));
        txtTimeCodes_->setText(shownTimeCodes_);
    }
    choices_->setEnabled(any);
    tabs_->setEnabled(any);
    if (any) {
        showColumnChoices();
    }
    showDrawTimes();
    showConflicts();
    showProblems();
    refilter();
}

// The columns found, offered with the others; the dates the reading spans.
void frmImportDraws::showColumnChoices() {
    const ImportLayout& layout = result_->layout;
    const std::array<std::pair<QComboBox*, int>, 3> columns{
        std::pair{cboDateColumn_, layout.dateColumn},
        {cboTimeColumn_, layout.timeColumn},
        {cboDrawColumn_, layout.drawColumn}};
    for (const auto& [combo, found] : columns) {
        const int current = combo->currentIndex();
        const QSignalBlocker quiet(combo);
        combo->clear();
        const QString foundName =
            found >= 0 && static_cast<std::size_t>(found) < layout.columns.size()
                ? fromEngine(layout.columns[static_cast<std::size_t>(found)])
                : QStringLiteral("none");
        combo->addItem(QStringLiteral("As found (%1)").arg(foundName), -1);
        combo->addItem(combo == cboTimeColumn_ ? QStringLiteral("none: no draw times")
                                               : QStringLiteral("anywhere on the line"),
                       -1);
        for (std::size_t c = 0; c < layout.columns.size(); ++c) {
            combo->addItem(fromEngine(layout.columns[c]), static_cast<int>(c));
        }
        combo->setCurrentIndex(current < combo->count() ? std::max(current, 0) : 0);
    }
    const QSignalBlocker quietFrom(dtpFrom_), quietTo(dtpTo_);
    const QDate oldest = dateOf(result_->draws.empty() ? 0 : result_->draws.back().day);
    const QDate newest = dateOf(result_->draws.empty() ? 0 : result_->draws.front().day);
    for (QDateEdit* edit : {dtpFrom_, dtpTo_}) {
        edit->setDateRange(oldest, newest);
    }
    dtpFrom_->setDate(oldest);
    dtpTo_->setDate(newest);
}

// The tabs of lines not read, rows given twice and missing dates.
void frmImportDraws::showProblems() {
    const ImportResult none;
    const ImportResult& r = result_ ? *result_ : none;
    unread_->show(static_cast<int>(r.unread.size()), [result = result_](int row, int column) {
        const UnreadLine& line = result->unread[static_cast<std::size_t>(row)];
        return column == 0   ? QString::number(line.line)
               : column == 1 ? fromEngine(line.reason)
                             : fromEngine(line.text);
    });
    twice_->show(static_cast<int>(r.duplicates.size()), [result = result_](int row, int column) {
        const DuplicateRow& twice = result->duplicates[static_cast<std::size_t>(row)];
        return column == 0   ? fromEngine(isoDateText(twice.draw.day))
               : column == 1 ? fromEngine(result->drawTimes[twice.draw.time])
               : column == 2 ? number(twice.draw.number)
                             : QStringLiteral("%1, %2").arg(twice.draw.line).arg(twice.repeatLine);
    });
    missing_->show(static_cast<int>(r.missingDates.size()),
                   [result = result_](int row, int column) {
                       const DayNumber day = result->missingDates[static_cast<std::size_t>(row)];
                       return fromEngine(column == 0 ? isoDateText(day) : weekdayText(day));
                   });
    tabs_->setTabText(1, QStringLiteral("Not r&ead (%1)").arg(r.unreadCount));
    tabs_->widget(1)->setToolTip(
        r.unreadCount > r.unread.size()
            ? QStringLiteral("The first %1 of them are listed.").arg(r.unread.size())
            : QString());
    tabs_->setTabText(2, QStringLiteral("Co&nflicts (%1)").arg(r.conflicts.size()));
    tabs_->setTabText(3, QStringLiteral("Rows t&wice (%1)").arg(r.duplicates.size()));
    tabs_->setTabText(4, QStringLiteral("Missin&g dates (%1)").arg(r.missingDates.size()));
}

void frmImportDraws::showDrawTimes() {
    // A draw time unticked stays so when the text is read again.
    QStringList unticked;
    for (QCheckBox* tick : chkDrawTime_) {
        if (!tick->isChecked()) {
            unticked << tick->text();
        }
        delete tick;
    }
    chkDrawTime_.clear();
    if (result_ == nullptr) {
        return;
    }
    for (std::size_t i = 0; i < result_->drawTimes.size(); ++i) {
        const QString name = fromEngine(result_->drawTimes[i]);
        auto* tick = named(new QCheckBox(name.isEmpty() ? QStringLiteral("(no draw time)") : name,
                                         drawTimesRow_->parentWidget()),
                           QStringLiteral("chkDrawTime(%1)").arg(i));
        tick->setChecked(!unticked.contains(tick->text()));
        describe(tick, tick->text(), QStringLiteral("Use the draws of this draw time"));
        connect(tick, &QCheckBox::toggled, this, &frmImportDraws::refilter);
        drawTimesRow_->insertWidget(static_cast<int>(i), tick);
        chkDrawTime_.push_back(tick);
    }
}

void frmImportDraws::showConflicts() {
    const std::size_t all = result_ ? result_->conflicts.size() : 0;
    const int listed = static_cast<int>(std::min<std::size_t>(all, kListedConflicts));
    tblConflicts_->setRowCount(listed);
    for (int row = 0; row < listed; ++row) {
        const Conflict& c = result_->conflicts[static_cast<std::size_t>(row)];
        QStringList lines;
        for (const std::int32_t line : c.lines) {
            lines << QString::number(line);
        }
        const QStringList cells{fromEngine(weekdayText(c.day) + " " + isoDateText(c.day)),
                                fromEngine(result_->drawTimes[c.time]), lines.join(", ")};
        for (int column = 0; column < 3; ++column) {
            tblConflicts_->setItem(row, column, new QTableWidgetItem(cells[column]));
        }
        auto* pick = named(new QComboBox, QStringLiteral("cboConflict(%1)").arg(row));
        pick->addItem(QStringLiteral("leave out"), -1);
        for (std::size_t n = 0; n < c.numbers.size(); ++n) {
            pick->addItem(QStringLiteral("%1 (line %2)").arg(number(c.numbers[n])).arg(c.lines[n]),
                          c.numbers[n]);
        }
        describe(pick, QStringLiteral("Number to use on %1 %2").arg(cells[0], cells[1]));
        connect(pick, &QComboBox::currentIndexChanged, this, &frmImportDraws::refilter);
        tblConflicts_->setCellWidget(row, 3, pick);
    }
    tblConflicts_->resizeColumnsToContents();
    tblConflicts_->setToolTip(
        all > kListedConflicts
            ? QStringLiteral("The first %1 of %2 conflicts are listed; the others stay out.")
                  .arg(kListedConflicts)
                  .arg(all)
            : tblConflicts_->accessibleDescription());
}

// The draws that go into the draw box, as the choices stand.
void frmImportDraws::refilter() {
    kept_ = result_ ? keptDraws(*result_, keepChoices()) : std::vector<DatedDraw>{};
    draws_->show(static_cast<int>(kept_.size()), [this](int row, int column) {
        const DatedDraw& d = kept_[static_cast<std::size_t>(row)];
        switch (column) {
        case 0:
            return fromEngine(isoDateText(d.day));
        case 1:
            return fromEngine(weekdayText(d.day));
        case 2:
            return fromEngine(result_->drawTimes[d.time]);
        case 3:
            return number(d.number);
        default:
            return QString::number(d.line);
        }
    });
    tabs_->setTabText(0, QStringLiteral("&Draws to use (%1)").arg(kept_.size()));
    lblKept_->setText(
        kept_.empty()
            ? QStringLiteral("No draw to use with these choices.")
            : QStringLiteral("%1 go into the draw box, newest %2, and are counted at once.")
                  .arg(plural(kept_.size(), "draw", "draws"), newest_->checkedId() == 0
                                                                  ? QStringLiteral("first")
                                                                  : QStringLiteral("last")));
    cmdUse_->setEnabled(!running_.isRunning() && !kept_.empty());
}

void frmImportDraws::useDraws() {
    if (kept_.empty() || result_ == nullptr) {
        return;
    }
    ChosenDraws chosen;
    chosen.text = fromEngine(drawBoxText(kept_));
    chosen.count = kept_.size();
    // A copy: the preview still shows kept_ until the window is gone.
    chosen.labelOf = [result = result_, draws = std::make_shared<const std::vector<DatedDraw>>(
                                            kept_)](std::size_t index) {
        return index < draws->size() ? drawLabel(*result, (*draws)[index]) : std::string();
    };
    Q_EMIT drawsChosen(chosen);
    closeAndDiscard();
}

} // namespace pick3
