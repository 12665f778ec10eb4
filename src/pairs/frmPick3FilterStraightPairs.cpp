#include "pairs/frmPick3FilterStraightPairs.h"

#include "app/mdlGradient.h"
#include "engine/Pairs.h"
#include "pairs/PairGrid.h"

#include <QGridLayout>
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
    : QDialog(parent), ui_(std::make_unique<Ui>()), pairs_(pairs) {
    setObjectName(QStringLiteral("frmPick3FilterStraightPairs"));
    setWindowTitle(kTitle);
    setModal(true);

    auto* banner = new BannerFrame(kTitle, this);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(banner);

    auto* grid = new QGridLayout(banner->content());
    grid->setContentsMargins(12, 8, 12, 12);
    grid->setHorizontalSpacing(16);

    auto* heading = new QLabel(QStringLiteral("Pairs to filter out"), banner->content());
    heading->setObjectName(QStringLiteral("Label1"));
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    heading->setFont(headingFont);
    grid->addWidget(heading, 0, 0, 1, 3);

    struct Column {
        const char* label;
        QString caption;
        PairListSpec spec;
        const PairSet& set;
        PairGrid*& list;
    };
    const std::vector<std::string>& texts = straightPairTexts();
    const std::array<Column, 3> columns{{
        {"Label2",
         QStringLiteral("Left pair (LP) - XX_"),
         {QStringLiteral("lstLeftPairs"), QStringLiteral("Left pair (LP) - XX_"),
          QStringLiteral("Select left pairs to force the engine to exclude these"),
          ListColour::LightOrange, texts},
         pairs_.left,
         ui_->left},
        {"Label3",
         QStringLiteral("Right pair (RP) - _XX"),
         {QStringLiteral("lstRightPairs"), QStringLiteral("Right pair (RP) - _XX"),
          QStringLiteral("Select right pairs to force the engine to exclude these"),
          ListColour::LightOrange, texts},
         pairs_.right,
         ui_->right},
        {"Label4",
         QStringLiteral("Split pair (SP) X_X"),
         {QStringLiteral("lstSplitPairs"), QStringLiteral("Split pair (SP) X_X"),
          QStringLiteral("Select split pairs to force the engine to exclude these"),
          ListColour::LightOrange, texts},
         pairs_.split,
         ui_->split},
    }};
    int column = 0;
    for (const Column& c : columns) {
        auto* label = new QLabel(c.caption, banner->content());
        label->setObjectName(QString::fromLatin1(c.label));
        c.list = makePairList(banner->content(), c.spec, c.set);
        label->setBuddy(c.list);
        grid->addWidget(label, 1, column);
        grid->addWidget(c.list, 2, column);
        // The selection is restored above; from now on every tick is written back.
        connect(c.list, &CheckList::itemTickChanged, this, [this] { sbReadStraightPairs(); });
        ++column;
    }
    grid->setRowStretch(2, 1);

    connect(banner->closeButton(), &QPushButton::clicked, this,
            &frmPick3FilterStraightPairs::reject);
    setTabOrder(ui_->left, ui_->right);
    setTabOrder(ui_->right, ui_->split);
    setTabOrder(ui_->split, banner->closeButton());
}

frmPick3FilterStraightPairs::~frmPick3FilterStraightPairs() = default;

void frmPick3FilterStraightPairs::sbReadStraightPairs() {
    const std::vector<std::string>& texts = straightPairTexts();
    pairs_.left = pairSetFromTicks(texts, ui_->left->ticks());
    pairs_.right = pairSetFromTicks(texts, ui_->right->ticks());
    pairs_.split = pairSetFromTicks(texts, ui_->split->ticks());
    Q_EMIT pairsChanged();
}

void frmPick3FilterStraightPairs::reject() {
    QDialog::reject();
    if (!discardSent_) {
        discardSent_ = true;
        Q_EMIT discardRequested();
    }
}

} // namespace pick3
