#include "pairs/frmPick3FilterBoxedPairs.h"

namespace pick3 {

frmPick3FilterBoxedPairs::frmPick3FilterBoxedPairs(PairSets pairs, QWidget* parent)
    : PairDialog(QStringLiteral("frmPick3FilterBoxedPairs"), QStringLiteral("Filter pairs - BOXED"),
                 QStringLiteral("Pairs - BOXED"), std::move(pairs), parent) {
    list_ = addPairList(
        QString(),
        {QStringLiteral("lstAvailablePairs"), QStringLiteral("Pairs to filter out"),
         QStringLiteral("Select pairs to force the engine to exclude these from creation"),
         ListColour::LightBlue, boxedPairTexts()},
        this->pairs().boxed);
    finishLayout();
}

void frmPick3FilterBoxedPairs::readPairs(PairSets& pairs) const {
    pairs.boxed = pairSetFromTicks(boxedPairTexts(), list_->ticks());
}

} // namespace pick3
