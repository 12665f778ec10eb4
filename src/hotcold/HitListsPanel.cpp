#include "hotcold/HitListsPanel.h"

#include "widgets/Look.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QStyle>
#include <QVBoxLayout>

namespace pick3 {

namespace {

void keepPlaceWhenHidden(QWidget* widget) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

QListWidget* makeHitList(const QString& name, const QString& heading, QWidget* parent) {
    auto* list = named(new QListWidget(parent), name);
    // Several digits may be picked at once; a click toggles one.
    list->setSelectionMode(QAbstractItemView::MultiSelection);
    list->setUniformItemSizes(true);
    describe(list, heading,
             QStringLiteral("Ranked digits, most drawn first; the first five are hot. Select "
                            "digits here to create numbers from them."));
    const QFontMetrics fm(list->font());
    const int frame = 2 * list->frameWidth() + 6;
    list->setMinimumWidth(fm.horizontalAdvance(QStringLiteral("0   (000000 hits)")) + frame +
                          list->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    list->setMinimumHeight(10 * fm.height() + frame);
    keepPlaceWhenHidden(list);
    return list;
}

} // namespace

HitListsPanel::HitListsPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("hitListsPanel"));
    const std::array<const char*, 4> names{"Pos1", "Pos2", "Pos3", "Box"};
    const std::array<QString, 4> captions{QStringLiteral("Pos 1"), QStringLiteral("Pos 2"),
                                          QStringLiteral("Pos 3"), QStringLiteral("Rank")};
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    for (std::size_t i = 0; i < 4; ++i) {
        const QString name = QString::fromLatin1(names[i]);
        headings_[i] = makeLabel(QStringLiteral("lbl") + name, captions[i], this);
        keepPlaceWhenHidden(headings_[i]);
        lists_[i] = makeHitList(QStringLiteral("lst") + name, captions[i], this);
        headings_[i]->setBuddy(lists_[i]);
        auto* column = new QVBoxLayout;
        column->addWidget(headings_[i]);
        column->addWidget(lists_[i], 1);
        row->addLayout(column);
    }
}

void HitListsPanel::fill(const RankedHits& ranked) {
    for (std::size_t i = 0; i < 4; ++i) {
        lists_[i]->clear();
        for (const std::string& item : hitListItems(i < 3 ? ranked.positions[i] : ranked.box)) {
            lists_[i]->addItem(fromEngine(item));
        }
    }
}

void HitListsPanel::clear() {
    for (QListWidget* list : lists_) {
        list->clear();
    }
}

void HitListsPanel::setUsable(bool usable) {
    for (QListWidget* list : lists_) {
        list->setEnabled(usable);
    }
}

void HitListsPanel::setShown(bool shown) {
    for (std::size_t i = 0; i < 4; ++i) {
        lists_[i]->setVisible(shown);
        headings_[i]->setVisible(shown);
    }
}

HotDigits HitListsPanel::hotDigits() const {
    std::array<std::vector<std::string>, 4> texts;
    for (std::size_t i = 0; i < 4; ++i) {
        for (int row = 0; row < lists_[i]->count(); ++row) {
            texts[i].push_back(toEngine(lists_[i]->item(row)->text()));
        }
    }
    return hotDigitsFromLists(texts);
}

std::array<std::vector<std::string>, 4> HitListsPanel::selectedTexts() const {
    std::array<std::vector<std::string>, 4> texts;
    for (std::size_t i = 0; i < 4; ++i) {
        for (int row = 0; row < lists_[i]->count(); ++row) {
            if (lists_[i]->item(row)->isSelected()) {
                texts[i].push_back(toEngine(lists_[i]->item(row)->text()));
            }
        }
    }
    return texts;
}

std::vector<QWidget*> HitListsPanel::tabOrder() const {
    return {lists_.begin(), lists_.end()};
}

} // namespace pick3
