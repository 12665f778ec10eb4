#include "app/ContextMenus.h"

#include "widgets/CheckList.h"

#include <algorithm>
#include <array>

namespace pick3 {

namespace {

struct Branch {
    const char* menu;
    const char* caption;
    const char* selectName;
    const char* selectCaption;
    const char* clearName;
    const char* clearCaption;
    ListId list;
};

// In the order of the menu tree; the captions differ in wording and case on purpose.
const std::array<Branch, 18> kBranches{{
    {"mnuSumDigits", "Sumdigits", "mnuSumdigitsAll", "Select all sumdigits", "mnuSumDigitsNone",
     "De-select sumdigits", ListId::SumDigits},
    {"mnuRoot", "Root", "mnuRootSelectAll", "Select all", "mnuRootDeSelect", "De-select all",
     ListId::Root},
    {"mnuLDR", "Shortsum (LDR)", "mnuLDRSelectAll", "Select all", "mnuLDRDeselect", "De-select",
     ListId::LDR},
    {"mnuWidth", "Width", "mnuWidthSelectAll", "Select all", "mnuWidthDeSelectAll", "De-select",
     ListId::Width},
    {"mnuWidthLM", "Width Lowest-middle digit", "mnuWidthLMSelectAll", "Select all",
     "mnuWidthLMDeselect", "De-select", ListId::WidthLowestMiddle},
    {"mnuWidthMH", "Width Middle-highest digit", "mnuWidthMHSelectAll", "Select All",
     "mnuWidthMHDeselect", "De-select", ListId::WidthMiddleHighest},
    {"mnuWidthFirstPair", "Width Left pair", "mnuWidthFirstPairSelectAll", "Select all",
     "mnuWidthFirstPairDeselect", "De-select", ListId::WidthXX_},
    {"mnuWidthRightpair", "Width Right pair", "mnuWidthRightpairSelectAll", "Select all",
     "mnuWidthRightpairDeselect", "De-select", ListId::Width_XX},
    {"mnuWidthSplitpair", "Width Split pair", "mnuWidthSplitpairSelectAll", "Select all",
     "mnuWidthSplitpairDeselect", "De-select", ListId::WidthX_X},
    {"mnuDigits", "Digits", "mnuDigitsSelectAll", "Select all", "mnuDigitsDeSelect", "De-select",
     ListId::DigitsWheel},
    {"mnuDigitsPos1", "Digits", "mnuDigitsPos1SelectAll", "Select all", "mnuDigitsPos1DeSelect",
     "De-select", ListId::DigitsWheelPos1_0},
    {"mnuDigitsPos2", "Digits", "mnuDigitsPos2SelectAll", "Select all", "mnuDigitsPos2DeSelect",
     "De-select", ListId::DigitsWheelPos1_1},
    {"mnuDigitsPos3", "Digits", "mnuDigitsPos3SelectAll", "Select all", "mnuDigitsPos3DeSelect",
     "De-select", ListId::DigitsWheelPos1_2},
    {"mnuLMH", "LMH", "mnuLMHSelectall", "Select all", "mnuLMHDeselect", "De-select", ListId::LMH},
    {"mnuLMHStraight", "LMH", "mnuLMHStraightSelectAll", "Select all", "mnuLMHStraightDeselect",
     "De-select", ListId::LMHStraight},
    {"mnuLMHDigits", "Digits sortorder", "mnuLMHDigitsSelectAll", "Select all",
     "mnuLMHDigitsDeselect", "De-select", ListId::LMHDigits},
    {"mnuOCS", "Open-Closed-Straight", "mnuOCSSelectAll", "Select all", "mnuOCSDeselect",
     "De-select", ListId::OCS},
    {"mnuOCSStraight", "Open-Closed-Straight", "mnuOCSStraightSelectall", "Select all",
     "mnuOCSStraightDeselect", "De-select", ListId::OCSStraight},
}};

} // namespace

ContextMenus::ContextMenus(std::function<CheckList*(ListId)> listOf, QWidget* window)
    : QObject(window), listOf_(std::move(listOf)),
      action_(new QMenu(QStringLiteral("Action"), window)) {
    setObjectName(QStringLiteral("contextMenus"));
    action_->setObjectName(QStringLiteral("mnuAction"));
    for (const Branch& b : kBranches) {
        branches_[b.list] = action_->addAction(QString::fromUtf8(b.caption));
    }
}

void ContextMenus::makeBranches() {
    if (branches_.begin()->second->menu() != nullptr) {
        return;
    }
    for (const Branch& b : kBranches) {
        auto* branch = new QMenu(QString::fromUtf8(b.caption), action_);
        branch->setObjectName(QString::fromUtf8(b.menu));
        const ListId id = b.list;
        // Row by row, so that a digit list's must-include rule runs for every row.
        QAction* select = branch->addAction(QString::fromUtf8(b.selectCaption), this,
                                            [this, id] { listOf_(id)->setAllTicked(true); });
        select->setObjectName(QString::fromUtf8(b.selectName));
        QAction* clear = branch->addAction(QString::fromUtf8(b.clearCaption), this,
                                           [this, id] { listOf_(id)->setAllTicked(false); });
        clear->setObjectName(QString::fromUtf8(b.clearName));
        branches_[id]->setMenu(branch);
    }
}

bool ContextMenus::hasBranch(ListId list) {
    return std::any_of(kBranches.begin(), kBranches.end(),
                       [list](const Branch& b) { return b.list == list; });
}

void ContextMenus::attachLists() {
    for (const auto& [id, entry] : branches_) {
        CheckList* list = listOf_(id);
        connect(list, &CheckList::contextMenuWanted, this,
                [this, id](const QPoint& globalPos) { sbShowListMenu(id, globalPos); });
    }
}

void ContextMenus::sbShowListMenu(ListId list, const QPoint& globalPos) {
    const auto found = branches_.find(list);
    CheckList* widget = listOf_(list);
    if (found == branches_.end() || widget == nullptr || !widget->isVisible() ||
        !widget->isEnabled()) {
        return;
    }
    makeBranches();
    for (const auto& [id, entry] : branches_) {
        entry->setVisible(entry == found->second);
    }
    action_->popup(globalPos);
}

} // namespace pick3
