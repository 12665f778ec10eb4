#include "charts/frmCharts.h"

#include "charts/ChartExport.h"
#include "charts/ChartPage.h"
#include "charts/FairnessPage.h"
#include "charts/HeatPage.h"
#include "charts/LuckPage.h"
#include "charts/MoneyLuckPage.h"
#include "charts/SkipsPage.h"
#include "charts/SumsPage.h"
#include "engine/stats/Chance.h"
#include "engine/stats/ChartSeries.h"
#include "widgets/AppInfo.h"
#include "widgets/BannerFrame.h"
#include "widgets/FileAccess.h"
#include "widgets/Look.h"
#include "widgets/PrintAccess.h"

#include <QButtonGroup>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace pick3 {

namespace {

// The newest end the labels' dates tell, or none.
std::optional<NewestEnd> newestOfLabels(const ChartSource& source) {
    if (!source.labelOf || source.draws.size() < 2) {
        return std::nullopt;
    }
    return newestEndOfLabels(source.labelOf(0), source.labelOf(source.draws.size() - 1));
}

} // namespace

frmCharts::frmCharts(ChartSource source, QWidget* parent)
    : DiscardableDialog(parent), source_(std::move(source)) {
    setObjectName(QStringLiteral("frmCharts"));
    setWindowTitle(QStringLiteral("Charts of the draw history"));
    setSizeGripEnabled(true);
    if (!source_.newest) {
        source_.newest = newestOfLabels(source_);
    }
    BannerFrame* banner = BannerFrame::around(this, QStringLiteral("Charts"));
    connect(banner->closeButton(), &QPushButton::clicked, this, &frmCharts::reject);
    QWidget* area = banner->content();
    lblDraws_ = makeLabel(QStringLiteral("lblChartDraws"), QString(), area);
    lblDraws_->setWordWrap(true);
    QLabel* listLabel = makeLabel(QStringLiteral("lblCharts"), QStringLiteral("Ch&arts:"), area);
    pages_ = named(new QListWidget(area), QStringLiteral("lstCharts"));
    describe(pages_, QStringLiteral("Charts"), QStringLiteral("The chart to show"));
    pages_->setMaximumWidth(170);
    listLabel->setBuddy(pages_);
    stack_ = named(new QStackedWidget(area), QStringLiteral("stkCharts"));
    connect(pages_, &QListWidget::currentRowChanged, stack_, &QStackedWidget::setCurrentIndex);
    auto* left = new QVBoxLayout;
    left->addWidget(listLabel);
    left->addWidget(pages_, 1);
    auto* body = new QHBoxLayout;
    body->addLayout(left);
    body->addWidget(stack_, 1);
    auto* column = new QVBoxLayout(area);
    column->setContentsMargins(10, 8, 10, 10);
    column->addWidget(lblDraws_);
    QWidget* choice = source_.newest ? nullptr : makeNewestChoice(area);
    if (choice != nullptr) {
        column->addWidget(choice);
    }
    column->addLayout(body, 1);
    column->addWidget(makeButtons(area));

    addPages();
    setTabOrder(banner->closeButton(), pages_);
    setNewest(source_.newest.value_or(NewestEnd::First));
    resize(1000, 620);
    pages_->setFocus();
}

// The player's tickets have a page of their own and no history to draw the others from.
void frmCharts::addPages() {
    if (source_.ticketsLuck) {
        addPage(new MoneyLuckPage(stack_));
        pages_->setCurrentRow(0);
        return;
    }
    addPage(new HeatPage(stack_));
    addPage(new SumsPage(stack_));
    addPage(new SkipsPage(stack_));
    auto* luck = new LuckPage(stack_);
    addPage(luck);
    addPage(new FairnessPage(stack_));
    // A back-test's charts open on the page that is about it.
    pages_->setCurrentRow(source_.report ? stack_->indexOf(luck) : 0);
}

void frmCharts::addPage(ChartPage* page) {
    stack_->addWidget(page);
    pages_->addItem(page->title());
}

int frmCharts::pageCount() const {
    return stack_->count();
}

ChartPage* frmCharts::page(int index) const {
    return qobject_cast<ChartPage*>(stack_->widget(index));
}

ChartPage* frmCharts::currentPage() const {
    return page(stack_->currentIndex());
}

// A pasted history does not say which end is newest: the back-test's choice.
QWidget* frmCharts::makeNewestChoice(QWidget* parent) {
    auto* choices = new QWidget(parent);
    auto* row = new QHBoxLayout(choices);
    row->setContentsMargins(0, 0, 0, 0);
    newest_ = addNewestChoice(row, choices);
    row->addStretch(1);
    connect(newest_, &QButtonGroup::idClicked, this,
            [this](int id) { setNewest(id == 0 ? NewestEnd::First : NewestEnd::Last); });
    return choices;
}

QWidget* frmCharts::makeButtons(QWidget* parent) {
    auto* buttons = new QWidget(parent);
    auto* row = new QHBoxLayout(buttons);
    row->setContentsMargins(0, 0, 0, 0);
    row->addStretch(1);
    const auto add = [&](const char* name, const char* caption, const char* spoken,
                         const char* tip) {
        auto* button =
            named(new QPushButton(QString::fromUtf8(caption), buttons), QString::fromUtf8(name));
        describe(button, QString::fromUtf8(spoken), QString::fromUtf8(tip));
        row->addWidget(button);
        return button;
    };
    connect(add("cmdSavePng", "Save P&NG...", "Save PNG", "Saves the chart shown as a picture"),
            &QPushButton::clicked, this, [this] { cmdSave_Click(QStringLiteral("png")); });
    connect(add("cmdSaveSvg", "Save S&VG...", "Save SVG",
                "Saves the chart shown as a drawing that scales to any size"),
            &QPushButton::clicked, this, [this] { cmdSave_Click(QStringLiteral("svg")); });
    connect(add("cmdPrint", "&Print...", "Print", "Prints the chart shown on one page"),
            &QPushButton::clicked, this, &frmCharts::cmdPrint_Click);
    return buttons;
}

void frmCharts::setNewest(NewestEnd newest) {
    draws_ = std::make_shared<const ChartDraws>(chartDraws(source_, newest));
    const QString what = source_.report ? QStringLiteral("The back-test's %1")
                                        : QStringLiteral("%1 from the last count in \"HotCold\"");
    const std::string counting = source_.counting.empty() ? "" : " " + source_.counting;
    lblDraws_->setText(
        what.arg(fromEngine(counted(draws_->oldest.size(), "draw") + counting)) +
        (draws_->labelOf ? QStringLiteral(", with their dates.") : QStringLiteral(".")) +
        QStringLiteral(" Each chart shows what luck alone would give beside it."));
    if (source_.ticketsLuck) {
        const TicketsLuck& luck = *source_.ticketsLuck;
        lblDraws_->setText(
            QStringLiteral("Your %1 checked over %2, oldest first, beside what luck alone would "
                           "give with the same tickets.")
                .arg(fromEngine(counted(static_cast<std::size_t>(luck.tickets), "ticket")),
                     fromEngine(counted(luck.band.points.size(), "draw"))));
    } else if (draws_->oldest.empty()) {
        lblDraws_->setText(QStringLiteral("There are no draws to chart yet. Paste your draw "
                                          "history in \"HotCold\" and press \"Count\"; then "
                                          "open the charts again."));
    }
    for (int i = 0; i < pageCount(); ++i) {
        page(i)->setDraws(draws_);
    }
}

QString frmCharts::savePicture(const QString& path) {
    ChartPage* shown = currentPage();
    const bool svg =
        QFileInfo(path).suffix().compare(QStringLiteral("svg"), Qt::CaseInsensitive) == 0;
    const QByteArray bytes =
        svg ? svgOf(shown->picture(), shown->title()) : pngOf(shown->picture());
    return saveFileBytes(path, bytes);
}

void frmCharts::cmdSave_Click(const QString& format) {
    FileQuestion question;
    question.kind = FileQuestion::Kind::Save;
    question.caption = QStringLiteral("Save the chart");
    question.proposedName =
        QStringLiteral("chart-%1.%2").arg(currentPage()->objectName().mid(2).toLower(), format);
    question.filter = format == QStringLiteral("png") ? QStringLiteral("PNG pictures (*.png)")
                                                      : QStringLiteral("SVG drawings (*.svg)");
    question.defaultSuffix = format;
    const QString path = chooseFile(this, question);
    if (path.isEmpty()) {
        return;
    }
    const QString error = savePicture(path);
    if (!error.isEmpty()) {
        showMessage(this, windowTitle(), error);
    }
}

void frmCharts::cmdPrint_Click() {
    QString problem;
    const PrintModuleApi* print = printing(&problem);
    if (print == nullptr) {
        showMessage(this, windowTitle(), problem);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    if (!print->setUpPrinter(printer, this, QStringLiteral("Print the chart"))) {
        return;
    }
    const QString error = printWidget(printer, currentPage()->picture(), currentPage()->title());
    if (!error.isEmpty()) {
        showMessage(this, windowTitle(), error);
    }
}

} // namespace pick3
