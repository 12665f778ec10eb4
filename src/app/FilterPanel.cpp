#include "app/FilterPanel.h"

#include "widgets/CheckList.h"
#include "widgets/Look.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

namespace pick3 {

namespace {

constexpr int kShortRows = 8; // the pattern lists of the two-letter families
constexpr int kLongRows = 10; // digits, sums, widths and the three-letter patterns

} // namespace

FilterPanel::FilterPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("filterPanel"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(makeHeading(QStringLiteral("Label5"), fromEngine(kFilterHeading), this));
    column->addLayout(makeFirstRow());
    column->addSpacing(4);
    column->addLayout(makeSecondRow());
    column->addSpacing(4);
    column->addLayout(makeThirdRow());
    column->addStretch(1);
    column->addWidget(makeHotColdStore());
    for (CheckList* list : lists_) {
        if (list != nullptr) {
            connect(list, &CheckList::itemTickChanged, this, &FilterPanel::settingsChanged);
        }
    }
    showMode(DigitMode::AnyPosition);
}

// The numeric measures and the two-class count patterns.
QLayout* FilterPanel::makeFirstRow() {
    auto* top = new QGridLayout;
    top->setHorizontalSpacing(6);
    addColumn(top, 0, {ListId::SumDigits}, kLongRows);
    addColumn(top, 1, {ListId::Root}, kLongRows);
    addColumn(top, 2, {ListId::LDR}, kLongRows);
    addColumn(top, 3, {ListId::OddEven, ListId::OddEvenStraight}, kShortRows);
    addColumn(top, 4, {ListId::HighLow, ListId::HighLowStraight}, kShortRows);
    addColumn(top, 5, {ListId::InOut, ListId::InOutStraight}, kShortRows);
    addColumn(top, 6, {ListId::LMHDigits}, kLongRows);
    top->setColumnStretch(7, 1);
    return top;
}

// The three-class patterns and the six widths.
QLayout* FilterPanel::makeSecondRow() {
    auto* bottom = new QGridLayout;
    bottom->setHorizontalSpacing(6);
    addColumn(bottom, 0, {ListId::LMH, ListId::LMHStraight}, kLongRows);
    addColumn(bottom, 1, {ListId::OCS, ListId::OCSStraight}, kLongRows);
    int column = 2;
    for (const ListId id : {ListId::Width, ListId::WidthLowestMiddle, ListId::WidthMiddleHighest,
                            ListId::WidthXX_, ListId::Width_XX, ListId::WidthX_X}) {
        addColumn(bottom, column++, {id}, kLongRows);
    }
    QLabel* width = makeHeading(QStringLiteral("lblWidth"), fromEngine(kWidthHeading), this);
    width->setToolTip(fromEngine(kWidthHeadingTooltip));
    bottom->addWidget(width, 0, 2, 1, 6);
    bottom->setColumnStretch(column, 1);
    return bottom;
}

// Consecutives, the structure check boxes and the hint on the context menus.
QLayout* FilterPanel::makeThirdRow() {
    auto* structures = new QVBoxLayout;
    for (std::size_t i = 0; i < kStructureBoxes.size(); ++i) {
        const ControlText& c = kStructureBoxes[i];
        excluded_[i] = named(new QCheckBox(fromEngine(c.caption), this), fromEngine(c.controlName));
        describe(excluded_[i], QString(), fromEngine(c.tooltip));
        connect(excluded_[i], &QCheckBox::toggled, this, &FilterPanel::settingsChanged);
        structures->addWidget(excluded_[i]);
    }
    structures->addStretch(1);
    QLabel* hint =
        makeLabel(QStringLiteral("Label7"),
                  QStringLiteral("Use the right mousebutton to click on the lists to be "
                                 "able to select or de-select all the items in the list."),
                  this);
    hint->setWordWrap(true);
    // A wrapped label asks for a long line; keep the room for the results box.
    hint->setMaximumWidth(hint->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 36);

    auto* third = new QHBoxLayout;
    third->addWidget(makeConsecutives(), 0, Qt::AlignTop);
    third->addSpacing(12);
    third->addLayout(structures);
    third->addSpacing(12);
    third->addWidget(hint, 1, Qt::AlignTop);
    // The consecutives frame is made after the check boxes but stands left of them.
    setTabOrder(zeroAndNine_, excluded_[0]);
    setTabOrder(excluded_[0], excluded_[1]);
    setTabOrder(excluded_[1], excluded_[2]);
    return third;
}

CheckList* FilterPanel::makeList(ListId id, int rows, QWidget* owner) {
    auto* list = new CheckList(listEntry(id), owner);
    list->setVisibleRows(rows);
    lists_[static_cast<std::size_t>(id)] = list;
    return list;
}

QLabel* FilterPanel::makeListHeading(ListId id, QWidget* owner) {
    const ListEntry& entry = listEntry(id);
    QLabel* label = makeLabel(fromEngine(entry.headingControl), fromEngine(entry.heading), owner);
    if (!entry.headingTooltip.empty()) {
        label->setToolTip(fromEngine(entry.headingTooltip));
    }
    label->setBuddy(list(id));
    // Two-word headings over narrow lists take two lines, so the window fits a small screen.
    if (entry.heading.find(' ') != std::string_view::npos && entry.numeric) {
        label->setWordWrap(true);
        label->setMaximumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("Shortsum")) +
                               4);
    }
    return label;
}

// One place in a row: the heading(s) over the list(s). A straight/boxed pair
// shares the place; the one of the other mode is hidden. A heading of its own
// is shown and hidden with its list, a shared one stays.
void FilterPanel::addColumn(QGridLayout* grid, int column, std::initializer_list<ListId> ids,
                            int rows) {
    QString placed; // the heading already in this place
    for (const ListId id : ids) {
        grid->addWidget(makeList(id, rows, this), 2, column, Qt::AlignTop | Qt::AlignLeft);
        const ListEntry& entry = listEntry(id);
        const QString name = fromEngine(entry.headingControl);
        if (name == placed) {
            continue;
        }
        QLabel* label = makeListHeading(id, this);
        grid->addWidget(label, 1, column, Qt::AlignBottom | Qt::AlignLeft);
        placed = name;
        const auto sharing = std::count_if(ids.begin(), ids.end(), [&](ListId other) {
            return listEntry(other).headingControl == entry.headingControl;
        });
        if (sharing == 1 && entry.modeOnly()) {
            ownHeadings_[id] = label;
        }
    }
}

QWidget* FilterPanel::makeConsecutives() {
    auto* frame = named(new QGroupBox(QStringLiteral("Consecutives"), this),
                        QStringLiteral("fraConsecutives"));
    setBackground(frame, listColour(ListColour::LightBlue));
    consecGroup_ = new QButtonGroup(frame);
    auto* grid = new QGridLayout(frame);
    for (int i = 0; i < 4; ++i) {
        const ControlText& c = kConsecOptions[static_cast<std::size_t>(i)];
        auto* option =
            named(new QRadioButton(fromEngine(c.caption), frame), fromEngine(c.controlName));
        describe(option, QString(), fromEngine(c.tooltip));
        consecGroup_->addButton(option, i);
        grid->addWidget(option, i / 2, i % 2);
    }
    consecGroup_->button(0)->setChecked(true);
    connect(consecGroup_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked) {
            iConsecMode_ = id;
            Q_EMIT settingsChanged();
        }
    });
    zeroAndNine_ = named(new QCheckBox(QStringLiteral("Consider 0 and 9 consecutive"), frame),
                         QStringLiteral("chk0And9"));
    connect(zeroAndNine_, &QCheckBox::toggled, this, &FilterPanel::settingsChanged);
    grid->addWidget(zeroAndNine_, 2, 0, 1, 2);
    return frame;
}

// The hot/cold window mirrors its pattern choice into these two lists; the user
// never sees them here.
QWidget* FilterPanel::makeHotColdStore() {
    auto* store = named(new QWidget(this), QStringLiteral("hotColdStore"));
    auto* grid = new QGridLayout(store);
    grid->addWidget(makeLabel(QStringLiteral("Label14"), QStringLiteral("Filter selection"), store),
                    0, 0, 1, 2);
    makeList(ListId::HCBox, 4, store);
    makeList(ListId::HCStraight, 8, store);
    grid->addWidget(makeListHeading(ListId::HCBox, store), 1, 0);
    grid->addWidget(makeListHeading(ListId::HCStraight, store), 1, 1);
    grid->addWidget(list(ListId::HCBox), 2, 0);
    grid->addWidget(list(ListId::HCStraight), 2, 1);
    store->hide();
    return store;
}

void FilterPanel::readInto(FilterChoices& input) const {
    for (const ListEntry& entry : catalogue()) {
        if (const CheckList* l = list(entry.id)) {
            input.ticks[entry.id] = l->ticks();
        }
    }
    input.excludeSingles = excluded_[0]->isChecked();
    input.excludeDoubles = excluded_[1]->isChecked();
    input.excludeTriples = excluded_[2]->isChecked();
    input.iConsecMode = iConsecMode_;
    input.chk0And9 = zeroAndNine_->isChecked();
}

void FilterPanel::setOptions(const FilterChoices& set) {
    excluded_[0]->setChecked(set.excludeSingles);
    excluded_[1]->setChecked(set.excludeDoubles);
    excluded_[2]->setChecked(set.excludeTriples);
    consecGroup_->button(set.iConsecMode)->setChecked(true);
    zeroAndNine_->setChecked(set.chk0And9);
}

void FilterPanel::selectConsec(int index) {
    if (QAbstractButton* option = consecGroup_->button(index)) {
        option->setChecked(true);
        iConsecMode_ = index;
    }
}

void FilterPanel::showMode(DigitMode mode) {
    for (const ListEntry& entry : catalogue()) {
        CheckList* l = list(entry.id);
        if (l == nullptr || entry.shownIn == ShownIn::Never) {
            continue;
        }
        const bool shown = entry.shownInMode(mode);
        l->setVisible(shown);
        if (const auto it = ownHeadings_.find(entry.id); it != ownHeadings_.end()) {
            it->second->setVisible(shown);
        }
    }
}

} // namespace pick3
