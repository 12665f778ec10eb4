#include "pairs/frmPick3FilterStraightPairs.h"

#include "app/mdlGradient.h"
#include "engine/Pairs.h"
#include "pairs/PairGrid.h"

#include <QLabel>
#include <QVBoxLayout>
#include <array>

namespace pick3 {

namespace {
const QString kTitle = QStringLiteral("Filter pairs - Straight");
} // namespace

struct frmPick3FilterStraightPairs::Ui {
    PairGrid* left = nullptr;
    PairGrid* right = nullptr;
    PairGrid* split = nullptr;
};

frmPick3FilterStraightPairs::frmPick3FilterStraightPairs(PairSets& pairs, QWidget* parent)
    : DiscardableDialog(parent), ui_(std::make_unique<Ui>()), pairs_(pairs) {
    setObjectName(QStringLiteral("frmPick3FilterStraightPairs"));
    setWindowTitle(kTitle);
    setModal(true);

    auto* banner = new BannerFrame(kTitle, this);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(banner);

    auto* column = new QVBoxLayout(banner->content());
    column->setContentsMargins(12, 8, 12, 12);

    auto* heading = new QLabel(QStringLiteral("Pairs to filter out"), banner->content());
    heading->setObjectName(QStringLiteral("Label1"));
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    heading->setFont(headingFont);
    column->addWidget(heading);

    struct PairList {
        const char* label;
        PairListInfo info;
        const PairSet& set;
        PairGrid*& list;
    };
    const std::vector<std::string>& texts = straightPairTexts();
    const std::array<PairList, 3> lists{{
        {"Label2",
         {QStringLiteral("lstLeftPairs"), QStringLiteral("Left pair (LP) - XX_"),
          QStringLiteral("Select left pairs to force the engine to exclude these"),
          ListColour::LightOrange, texts},
         pairs_.left,
         ui_->left},
        {"Label3",
         {QStringLiteral("lstRightPairs"), QStringLiteral("Right pair (RP) - _XX"),
          QStringLiteral("Select right pairs to force the engine to exclude these"),
          ListColour::LightOrange, texts},
         pairs_.right,
         ui_->right},
        {"Label4",
         {QStringLiteral("lstSplitPairs"), QStringLiteral("Split pair (SP) X_X"),
          QStringLiteral("Select split pairs to force the engine to exclude these"),
          ListColour::LightOrange, texts},
         pairs_.split,
         ui_->split},
    }};
    for (const PairList& c : lists) {
        auto* label = new QLabel(c.info.heading, banner->content());
        label->setObjectName(QString::fromLatin1(c.label));
        c.list = makePairList(banner->content(), c.info, c.set);
        label->setBuddy(c.list);
        // One list under the other: three grids side by side are too wide for a laptop.
        column->addWidget(label);
        column->addWidget(c.list, 0, Qt::AlignLeft);
        // The selection is restored above; from now on every tick is written back.
        connect(c.list, &CheckList::itemTickChanged, this, [this] { sbReadStraightPairs(); });
    }
    column->addStretch(1);

    connect(banner->closeButton(), &QPushButton::clicked, this,
            &frmPick3FilterStraightPairs::reject);
    setTabOrder(ui_->left, ui_->right);
    setTabOrder(ui_->right, ui_->split);
    setTabOrder(ui_->split, banner->closeButton());
    ui_->left->setFocus(); // the keyboard starts at the pairs, not on Close
}

frmPick3FilterStraightPairs::~frmPick3FilterStraightPairs() = default;

void frmPick3FilterStraightPairs::sbReadStraightPairs() {
    const std::vector<std::string>& texts = straightPairTexts();
    pairs_.left = pairSetFromTicks(texts, ui_->left->ticks());
    pairs_.right = pairSetFromTicks(texts, ui_->right->ticks());
    pairs_.split = pairSetFromTicks(texts, ui_->split->ticks());
    Q_EMIT pairsChanged();
}


} // namespace pick3
