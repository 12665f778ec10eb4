#include "charts/HeatPage.h"

#include "charts/ChartLook.h"
#include "engine/stats/Chance.h"
#include "widgets/Look.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace pick3 {

namespace {

// The window's base colour drawn toward blue (fewer than chance) or orange
// (more), the further the rarer the count; text in black or white, whichever reads.
std::pair<QColor, QColor> cellColours(const HeatCell& cell, const QColor& base) {
    const QColor& toward =
        static_cast<double>(cell.count) < cell.expected ? kChartBlue : kChartOrange;
    const double t = cell.strength;
    const QColor background =
        QColor::fromRgbF(static_cast<float>(base.redF() + (toward.redF() - base.redF()) * t),
                         static_cast<float>(base.greenF() + (toward.greenF() - base.greenF()) * t),
                         static_cast<float>(base.blueF() + (toward.blueF() - base.blueF()) * t));
    const double luminance =
        0.299 * background.redF() + 0.587 * background.greenF() + 0.114 * background.blueF();
    return {background, luminance < 0.5 ? Qt::white : Qt::black};
}

} // namespace

// The colours' key: blue fewer than the odds give, orange more, the darker the
// rarer, each swatch with its mark and its chance.
QWidget* HeatPage::makeKey(QWidget* parent) {
    auto* key = named(new QWidget(parent), QStringLiteral("wgtHeatKey"));
    auto* row = new QHBoxLayout(key);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    const QColor base = palette().color(QPalette::Base);
    const auto swatch = [&](int direction, double strength, const QString& text) {
        HeatCell cell;
        cell.count = direction < 0 ? 0 : 2;
        cell.expected = 1.0;
        cell.strength = strength;
        const auto [background, ink] = cellColours(cell, base);
        QLabel* box = makeLabel(QString(), text, key);
        box->setAlignment(Qt::AlignCenter);
        box->setAutoFillBackground(true);
        QPalette colours = box->palette();
        colours.setColor(QPalette::Window, background);
        colours.setColor(QPalette::WindowText, ink);
        box->setPalette(colours);
        box->setContentsMargins(6, 2, 6, 2);
        row->addWidget(box);
    };
    row->addWidget(makeLabel(QStringLiteral("lblHeatKey"), QStringLiteral("Key:"), key));
    swatch(-1, 1.0, QStringLiteral("\u25BC fewer, 1 in 1,000"));
    swatch(-1, 2.0 / 3.0, QStringLiteral("\u25BC 1 in 100"));
    swatch(-1, 1.3 / 3.0, QStringLiteral("\u25BC 1 in 20"));
    swatch(0, 0.0, QStringLiteral("as the odds give"));
    swatch(1, 1.3 / 3.0, QStringLiteral("\u25B2 1 in 20"));
    swatch(1, 2.0 / 3.0, QStringLiteral("\u25B2 1 in 100"));
    swatch(1, 1.0, QStringLiteral("\u25B2 more, 1 in 1,000"));
    row->addStretch(1);
    describe(key, QStringLiteral("Key"),
             QStringLiteral("Blue, marked with a down arrow: fewer than the odds give; orange, "
                            "marked with an up arrow: more; the darker, the rarer by luck alone"));
    return key;
}

HeatPage::HeatPage(QWidget* parent) : ChartPage(QStringLiteral("Digit heat map"), parent) {
    setObjectName(QStringLiteral("pgHeat"));
    QLabel* label = makeLabel(QStringLiteral("lblHeatWindow"), QStringLiteral("&Draws:"), this);
    window_ = named(new QComboBox(this), QStringLiteral("cboHeatWindow"));
    for (const int last : {30, 100, 365}) {
        window_->addItem(QStringLiteral("last %1").arg(last), last);
    }
    window_->addItem(QStringLiteral("all"), 0);
    window_->setCurrentIndex(3);
    describe(window_, QStringLiteral("Draws counted"),
             QStringLiteral("Count the last 30, 100 or 365 draws, or all of them"));
    label->setBuddy(window_);
    connect(window_, &QComboBox::currentIndexChanged, this, [this] { redraw(); });

    picture_ = new QWidget(this);
    QLabel* heading = makeHeading(QStringLiteral("lblHeatHeading"), title(), picture_);
    table_ = named(new QTableWidget(4, 10, picture_), QStringLiteral("tblHeat"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setTabKeyNavigation(false);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setVerticalHeaderLabels({QStringLiteral("Pos 1"), QStringLiteral("Pos 2"),
                                     QStringLiteral("Pos 3"), QStringLiteral("Any position")});
    for (int d = 0; d < 10; ++d) {
        table_->setHorizontalHeaderItem(d, new QTableWidgetItem(QString::number(d)));
    }
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    describe(table_, title(),
             QStringLiteral("How often each digit came, per position and in any position. Blue: "
                            "fewer than the odds give; orange: more; the stronger the colour, "
                            "the rarer such a count is by luck alone."));
    connect(table_, &QTableWidget::currentCellChanged, this, &HeatPage::showCell);
    connect(table_, &QTableWidget::cellEntered, this, &HeatPage::showCell);
    table_->setMouseTracking(true);
    luck_ = makeLabel(QStringLiteral("lblHeatLuck"), QString(), picture_);
    luck_->setWordWrap(true);
    cell_ = makeLabel(QStringLiteral("lblHeatCell"), QString(), picture_);
    cell_->setWordWrap(true);
    auto* column = new QVBoxLayout(picture_);
    column->addWidget(heading);
    column->addWidget(table_, 1);
    column->addWidget(makeKey(picture_));
    column->addWidget(luck_);
    column->addWidget(cell_);

    layOutPage({label, window_}, picture_);
}

void HeatPage::redraw() {
    const auto last = static_cast<std::size_t>(window_->currentData().toInt());
    runThenShow<DigitHeat>(
        [draws = sharedDraws(), last] { return digitHeat(newestOf(draws->oldest, last)); },
        [this](const DigitHeat& heat) { show(heat); });
}

void HeatPage::show(const DigitHeat& heat) {
    heat_ = heat;
    const QColor base = palette().color(QPalette::Base);
    for (int row = 0; row < 4; ++row) {
        for (int d = 0; d < 10; ++d) {
            const HeatCell& cell =
                heat.cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(d)];
            // A mark beside the colour, for a reader who cannot tell the colours apart.
            const QString mark = fromEngine(heatMark(cell));
            auto* item =
                new QTableWidgetItem(fromEngine(grouped(static_cast<std::size_t>(cell.count))) +
                                     (mark.isEmpty() ? QString() : QStringLiteral(" ") + mark));
            const auto [background, text] = cellColours(cell, base);
            item->setBackground(background);
            item->setForeground(text);
            item->setTextAlignment(Qt::AlignCenter);
            const QString spoken = fromEngine(heatCellText(heat, row, d));
            item->setToolTip(spoken);
            item->setData(Qt::AccessibleTextRole, spoken);
            table_->setItem(row, d, item);
        }
    }
    const std::string unusual = heatUnusualText(heat);
    luck_->setText(fromEngine(counted(heat.draws, "draw") + ". " + heatLuckText(heat) +
                              (unusual.empty() ? "" : " " + unusual)));
    showCell(table_->currentRow(), table_->currentColumn());
}

void HeatPage::showCell(int row, int column) {
    cell_->setText(row < 0 || column < 0 ? QStringLiteral("Point at a cell or select it for its "
                                                          "count, the count by the odds and the "
                                                          "chance.")
                                         : fromEngine(heatCellText(heat_, row, column)));
}

} // namespace pick3
