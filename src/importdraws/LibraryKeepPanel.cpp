#include "importdraws/LibraryKeepPanel.h"

#include "importdraws/ImportDates.h"
#include "widgets/Look.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace pick3 {

namespace {

// The differing draws get a row each up to this many; the others keep the held number.
constexpr int kListedDiffering = 500;
// The missing draws after the keep named in full up to this many.
constexpr std::size_t kNamedMissing = 8;

QString counted(std::size_t n, const char* one, const char* many) {
    return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
}

QString drawCell(const IncomingDraw& draw) {
    QString text = drawText(draw.number);
    if (draw.addOn) {
        text += QStringLiteral(" + %1").arg(*draw.addOn);
    }
    return text;
}

QString heldDrawName(const HeldDraw& draw) {
    return QStringLiteral("%1 %2").arg(fromEngine(draw.date.text()), fromEngine(draw.drawTime));
}

} // namespace

QString mergeCounts(const MergePreview& preview) {
    return QStringLiteral("%1, %2 already held, %3")
        .arg(counted(preview.count(MergeKind::New), "new draw", "new draws"))
        .arg(preview.count(MergeKind::Held))
        .arg(counted(preview.count(MergeKind::Differs), "differs from a held draw",
                     "differ from a held draw"));
}

LibraryKeepPanel::LibraryKeepPanel(QWidget* parent)
    : QGroupBox(QStringLiteral("Keep in the game library"), parent) {
    setObjectName(QStringLiteral("grpLibraryKeep"));
    lblSummary_ = makeLabel(QStringLiteral("lblKeepSummary"), QString(), this);
    lblSummary_->setWordWrap(true);
    lblSummary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    tblDiffers_ = named(new QTableWidget(0, 5, this), QStringLiteral("tblDiffers"));
    tblDiffers_->setHorizontalHeaderLabels({QStringLiteral("Date"), QStringLiteral("Draw time"),
                                            QStringLiteral("Held"), QStringLiteral("Kept from"),
                                            QStringLiteral("New (tick to take it)")});
    tblDiffers_->verticalHeader()->hide();
    tblDiffers_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblDiffers_->setTabKeyNavigation(false);
    tblDiffers_->horizontalHeader()->setStretchLastSection(true);
    tblDiffers_->setMinimumHeight(60);
    tblDiffers_->setMaximumHeight(120);
    describe(tblDiffers_, QStringLiteral("Draws that differ from a held draw"),
             QStringLiteral("The held number stays unless you tick the new one"));
    chkOutside_ = named(new QCheckBox(QStringLiteral("Keep the draws outside the game's schedule "
                                                     "too"),
                                      this),
                        QStringLiteral("chkKeepOutside"));
    describe(chkOutside_, chkOutside_->text(),
             QStringLiteral("Draws at a time the game's schedule does not hold on their date are "
                            "listed under Not read; they are kept only when this is ticked"));
    connect(chkOutside_, &QCheckBox::toggled, this, &LibraryKeepPanel::outsideChanged);
    lblMissing_ = makeLabel(QStringLiteral("lblMissingAfterKeep"), QString(), this);
    lblMissing_->setWordWrap(true);
    lblMissing_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* column = new QVBoxLayout(this);
    column->addWidget(lblSummary_);
    column->setContentsMargins(8, 4, 8, 4);
    column->setSpacing(3);
    column->addWidget(tblDiffers_);
    column->addWidget(chkOutside_);
    column->addWidget(lblMissing_);
}

void LibraryKeepPanel::showPreview(const QString& gameTitle, const MergePreview& preview,
                                   std::size_t outside,
                                   const Result<std::vector<HeldDraw>>& missingAfter) {
    QString summary = QStringLiteral("Into %1: %2.").arg(gameTitle, mergeCounts(preview));
    if (preview.repeats > 0) {
        summary += QStringLiteral(" %1 given twice, kept once.")
                       .arg(counted(preview.repeats, "draw is", "draws are"));
    }
    lblSummary_->setText(summary);
    showDiffering(preview);
    chkOutside_->setVisible(outside > 0 || chkOutside_->isChecked());
    chkOutside_->setText(QStringLiteral("Keep the %1 outside the game's schedule too")
                             .arg(counted(outside, "draw", "draws")));
    if (!missingAfter.ok()) {
        lblMissing_->setText(QStringLiteral("Missing draws after the keep: %1.")
                                 .arg(fromEngine(missingAfter.refusal())));
        return;
    }
    const std::vector<HeldDraw>& missing = *missingAfter;
    if (missing.empty()) {
        lblMissing_->setText(QStringLiteral("After the keep the game lacks no draw."));
        return;
    }
    QStringList named;
    for (std::size_t i = 0; i < missing.size() && i < kNamedMissing; ++i) {
        named << heldDrawName(missing[i]);
    }
    lblMissing_->setText(
        QStringLiteral("After the keep the game lacks %1: %2%3.")
            .arg(counted(missing.size(), "draw", "draws"), named.join(QStringLiteral(", ")),
                 missing.size() > kNamedMissing ? QStringLiteral(", ...") : QString()));
}

void LibraryKeepPanel::showDiffering(const MergePreview& preview) {
    differingRows_.clear();
    for (std::size_t i = 0; i < preview.rows.size(); ++i) {
        if (preview.rows[i].kind == MergeKind::Differs &&
            differingRows_.size() < static_cast<std::size_t>(kListedDiffering)) {
            differingRows_.push_back(i);
        }
    }
    const int rows = static_cast<int>(differingRows_.size());
    tblDiffers_->setRowCount(rows);
    for (int row = 0; row < rows; ++row) {
        const MergeRow& merge = preview.rows[differingRows_[static_cast<std::size_t>(row)]];
        const StoredDraw& held = *merge.held;
        const QStringList cells{fromEngine(merge.incoming.date),
                                fromEngine(merge.incoming.drawTime), drawCell(held.draw),
                                fromEngine(held.source)};
        for (int column = 0; column < 4; ++column) {
            tblDiffers_->setItem(row, column, new QTableWidgetItem(cells[column]));
        }
        auto* take = new QTableWidgetItem(drawCell(merge.incoming));
        take->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        take->setCheckState(Qt::Unchecked);
        tblDiffers_->setItem(row, 4, take);
    }
    tblDiffers_->resizeColumnsToContents();
    tblDiffers_->setVisible(rows > 0);
}

void LibraryKeepPanel::showProblem(const QString& problem) {
    lblSummary_->setText(problem);
    differingRows_.clear();
    tblDiffers_->setRowCount(0);
    tblDiffers_->hide();
    chkOutside_->hide();
    lblMissing_->clear();
}

std::vector<std::size_t> LibraryKeepPanel::takeNew() const {
    std::vector<std::size_t> rows;
    for (int row = 0; row < tblDiffers_->rowCount(); ++row) {
        if (tblDiffers_->item(row, 4)->checkState() == Qt::Checked) {
            rows.push_back(differingRows_[static_cast<std::size_t>(row)]);
        }
    }
    return rows;
}

bool LibraryKeepPanel::keepOutside() const {
    return chkOutside_->isChecked();
}

} // namespace pick3
