#include "pairs/PairDialog.h"

#include "widgets/BannerFrame.h"
#include "widgets/Look.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace pick3 {

PairDialog::PairDialog(const QString& name, const QString& caption, const QString& bannerTitle,
                       PairSets pairs, QWidget* parent)
    : DiscardableDialog(parent), pairs_(std::move(pairs)) {
    setObjectName(name);
    setWindowTitle(caption);
    BannerFrame* banner = BannerFrame::around(this, bannerTitle);
    closeButton_ = banner->closeButton();
    connect(banner->closeButton(), &QPushButton::clicked, this, &PairDialog::reject);
    column_ = new QVBoxLayout(banner->content());
    column_->setContentsMargins(12, 8, 12, 12);
    heading_ = makeHeading(QStringLiteral("Label1"), QStringLiteral("Pairs to filter out"),
                           banner->content());
    column_->addWidget(heading_);
}

PairGrid* PairDialog::addPairList(const QString& labelName, const PairListInfo& info,
                                  const PairSet& set) {
    QWidget* area = heading_->parentWidget();
    auto* label = static_cast<QLabel*>(heading_);
    if (!labelName.isEmpty()) {
        label = makeLabel(labelName, info.heading, area);
        column_->addWidget(label);
    }
    PairGrid* grid = makePairList(area, info, set);
    label->setBuddy(grid);
    column_->addWidget(grid, 0, Qt::AlignLeft);
    // The selection is restored above; from now on every tick is written back.
    connect(grid, &CheckList::itemTickChanged, this, [this] {
        readPairs(pairs_);
        Q_EMIT pairsChanged(pairs_);
    });
    grids_.push_back(grid);
    return grid;
}

void PairDialog::finishLayout() {
    column_->addStretch(1);
    for (std::size_t i = 1; i < grids_.size(); ++i) {
        setTabOrder(grids_[i - 1], grids_[i]);
    }
    setTabOrder(grids_.back(), closeButton_);
    grids_.front()->setFocus(); // the keyboard starts at the pairs, not on Close
}

} // namespace pick3
