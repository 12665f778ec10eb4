#include "pairs/frmPick3FilterStraightPairs.h"

namespace pick3 {

namespace {

struct StraightList {
    const char* label;
    const char* name;
    const char* heading;
    const char* tooltip;
    PairSet PairSets::*set;
};

// One list under the other: three grids side by side are too wide for a laptop.
const std::array<StraightList, 3> kLists{{
    {"Label2", "lstLeftPairs", "Left pair (LP) - XX_",
     "Select left pairs to force the engine to exclude these", &PairSets::left},
    {"Label3", "lstRightPairs", "Right pair (RP) - _XX",
     "Select right pairs to force the engine to exclude these", &PairSets::right},
    {"Label4", "lstSplitPairs", "Split pair (SP) X_X",
     "Select split pairs to force the engine to exclude these", &PairSets::split},
}};

} // namespace

frmPick3FilterStraightPairs::frmPick3FilterStraightPairs(PairSets pairs, QWidget* parent)
    : PairDialog(QStringLiteral("frmPick3FilterStraightPairs"),
                 QStringLiteral("Filter pairs - Straight"),
                 QStringLiteral("Filter pairs - Straight"), std::move(pairs), parent) {
    for (std::size_t i = 0; i < kLists.size(); ++i) {
        const StraightList& l = kLists[i];
        lists_[i] = addPairList(QString::fromLatin1(l.label),
                                {QString::fromLatin1(l.name), QString::fromLatin1(l.heading),
                                 QString::fromLatin1(l.tooltip), ListColour::LightOrange,
                                 straightPairTexts()},
                                this->pairs().*l.set);
    }
    finishLayout();
}

void frmPick3FilterStraightPairs::readPairs(PairSets& pairs) const {
    for (std::size_t i = 0; i < kLists.size(); ++i) {
        pairs.*kLists[i].set = pairSetFromTicks(straightPairTexts(), lists_[i]->ticks());
    }
}

} // namespace pick3
