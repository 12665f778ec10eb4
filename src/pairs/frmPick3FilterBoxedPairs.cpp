#include "pairs/frmPick3FilterBoxedPairs.h"

#include "app/mdlGradient.h"
#include "engine/Pairs.h"
#include "pairs/PairGrid.h"

#include <QLabel>
#include <QVBoxLayout>

namespace pick3 {

struct frmPick3FilterBoxedPairs::Ui {
    PairGrid* list = nullptr;
};

frmPick3FilterBoxedPairs::frmPick3FilterBoxedPairs(PairSets& pairs, QWidget* parent)
    : DiscardableDialog(parent), ui_(std::make_unique<Ui>()), pairs_(pairs) {
    setObjectName(QStringLiteral("frmPick3FilterBoxedPairs"));
    setWindowTitle(QStringLiteral("Filter pairs - BOXED"));
    setModal(true);

    auto* banner = new BannerFrame(QStringLiteral("Pairs - BOXED"), this);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(banner);

    auto* column = new QVBoxLayout(banner->content());
    column->setContentsMargins(12, 8, 12, 12);

    const QString heading = QStringLiteral("Pairs to filter out");
    auto* label = new QLabel(heading, banner->content());
    label->setObjectName(QStringLiteral("Label1"));
    QFont headingFont = label->font();
    headingFont.setBold(true);
    label->setFont(headingFont);
    column->addWidget(label);

    ui_->list = makePairList(
        banner->content(),
        {QStringLiteral("lstAvailablePairs"), heading,
         QStringLiteral("Select pairs to force the engine to exclude these from creation"),
         ListColour::LightBlue, boxedPairTexts()},
        pairs_.boxed);
    label->setBuddy(ui_->list);
    column->addWidget(ui_->list, 1, Qt::AlignLeft);
    // The selection is restored above; from now on every tick is written back.
    connect(ui_->list, &CheckList::itemTickChanged, this, [this] { sbReadBoxedPairs(); });

    connect(banner->closeButton(), &QPushButton::clicked, this, &frmPick3FilterBoxedPairs::reject);
    setTabOrder(ui_->list, banner->closeButton());
    ui_->list->setFocus(); // the keyboard starts at the pairs, not on Close
}

frmPick3FilterBoxedPairs::~frmPick3FilterBoxedPairs() = default;

void frmPick3FilterBoxedPairs::sbReadBoxedPairs() {
    pairs_.boxed = pairSetFromTicks(boxedPairTexts(), ui_->list->ticks());
    Q_EMIT pairsChanged();
}


} // namespace pick3
