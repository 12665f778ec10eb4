#include "app/FilterPanel.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <algorithm>

namespace pick3 {

namespace {

constexpr int kShortRows = 8; // the pattern lists of the two-letter families
constexpr int kLongRows = 10; // digits, sums, widths and the three-letter patterns

void paintBackground(QWidget* widget, const QColor& colour) {
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, colour);
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}

QLabel* makeLabel(const QString& name, const QString& text, QWidget* owner) {
    auto* label = new QLabel(text, owner);
    label->setObjectName(name);
    return label;
}

bool shownIn(ShownIn where, DigitMode mode) {
    switch (where) {
    case ShownIn::Both:
        return true;
    case ShownIn::AnyPosition:
        return mode == DigitMode::AnyPosition;
    case ShownIn::Positional:
        return mode == DigitMode::Positional;
    case ShownIn::Never:
        return false;
    }
    return false;
}

} // namespace

FilterPanel::FilterPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("filterPanel"));

    auto* heading = makeLabel(QStringLiteral("Label5"), QString::fromUtf8(kFilterHeading), this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);

    // First row: the numeric measures and the two-class count patterns.
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

    // Second row: the three-class patterns and the six widths.
    auto* bottom = new QGridLayout;
    bottom->setHorizontalSpacing(6);
    addColumn(bottom, 0, {ListId::LMH, ListId::LMHStraight}, kLongRows);
    addColumn(bottom, 1, {ListId::OCS, ListId::OCSStraight}, kLongRows);
    const std::initializer_list<ListId> widths{
        ListId::Width,    ListId::WidthLowestMiddle, ListId::WidthMiddleHighest,
        ListId::WidthXX_, ListId::Width_XX,          ListId::WidthX_X};
    int column = 2;
    for (const ListId id : widths) {
        addColumn(bottom, column++, {id}, kLongRows);
    }
    auto* width = makeLabel(QStringLiteral("lblWidth"), QString::fromUtf8(kWidthHeading), this);
    width->setToolTip(QString::fromUtf8(kWidthHeadingTooltip));
    width->setFont(bold);
    bottom->addWidget(width, 0, 2, 1, 6);
    bottom->setColumnStretch(column, 1);

    // Third row: consecutives, the structure check boxes and the hint on the context menus.
    excludeSingles_ = new QCheckBox(QStringLiteral("Exclude singles"), this);
    excludeSingles_->setObjectName(QStringLiteral("chkExcludeSingles"));
    excludeSingles_->setToolTip(QStringLiteral("Exclude singles"));
    excludeDoubles_ = new QCheckBox(QStringLiteral("Exclude doubles"), this);
    excludeDoubles_->setObjectName(QStringLiteral("chkExcludeDoubles"));
    excludeDoubles_->setToolTip(QStringLiteral("Exclude doubles"));
    excludeTriples_ = new QCheckBox(QStringLiteral("Exclude trips"), this);
    excludeTriples_->setObjectName(QStringLiteral("chkExcludeTriples"));
    excludeTriples_->setToolTip(QStringLiteral("Exclude triples"));
    auto* structures = new QVBoxLayout;
    for (QCheckBox* box : {excludeSingles_, excludeDoubles_, excludeTriples_}) {
        box->setAccessibleDescription(box->toolTip());
        structures->addWidget(box);
    }
    structures->addStretch(1);

    auto* hint = makeLabel(QStringLiteral("Label7"),
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
    setTabOrder(zeroAndNine_, excludeSingles_);
    setTabOrder(excludeSingles_, excludeDoubles_);
    setTabOrder(excludeDoubles_, excludeTriples_);

    auto* column1 = new QVBoxLayout(this);
    column1->setContentsMargins(0, 0, 0, 0);
    column1->addWidget(heading);
    column1->addLayout(top);
    column1->addSpacing(4);
    column1->addLayout(bottom);
    column1->addSpacing(4);
    column1->addLayout(third);
    column1->addStretch(1);
    column1->addWidget(makeHotColdStore());

    showMode(DigitMode::AnyPosition);
}

CheckList* FilterPanel::makeList(ListId id, int rows, QWidget* owner) {
    auto* list = new CheckList(listEntry(id), owner);
    list->setVisibleRows(rows);
    lists_[static_cast<std::size_t>(id)] = list;
    return list;
}

QLabel* FilterPanel::makeHeading(ListId id, QWidget* owner) {
    const ListEntry& entry = listEntry(id);
    auto* label =
        makeLabel(QString::fromUtf8(entry.headingControl), QString::fromUtf8(entry.heading), owner);
    if (!entry.headingTooltip.empty()) {
        label->setToolTip(QString::fromUtf8(entry.headingTooltip));
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
        const QString name = QString::fromUtf8(entry.headingControl);
        if (name == placed) {
            continue;
        }
        QLabel* label = makeHeading(id, this);
        grid->addWidget(label, 1, column, Qt::AlignBottom | Qt::AlignLeft);
        placed = name;
        const auto sharing = std::count_if(ids.begin(), ids.end(), [&](ListId other) {
            return listEntry(other).headingControl == entry.headingControl;
        });
        if (sharing == 1 && entry.shownIn != ShownIn::Both) {
            ownHeadings_[id] = label;
        }
    }
}

QWidget* FilterPanel::makeConsecutives() {
    auto* frame = new QGroupBox(QStringLiteral("Consecutives"), this);
    frame->setObjectName(QStringLiteral("fraConsecutives"));
    paintBackground(frame, listColour(ListColour::LightBlue));
    consecGroup_ = new QButtonGroup(frame);
    struct Option {
        const char* caption;
        const char* tooltip;
    };
    const std::array<Option, 4> options{{
        {"Doesn't matter", "No filtering on numbers with consecutive digits"},
        {"Must have", "Numbers created must have consecutive digits"},
        {"Exclude", "Exclude any numbers with consecutive digits"},
        {"Must have 2", "Numbers created must have consecutive digits"},
    }};
    auto* grid = new QGridLayout(frame);
    for (int i = 0; i < 4; ++i) {
        const Option& o = options[static_cast<std::size_t>(i)];
        auto* option = new QRadioButton(QString::fromUtf8(o.caption), frame);
        option->setObjectName(QStringLiteral("optConsec(%1)").arg(i));
        option->setToolTip(QString::fromUtf8(o.tooltip));
        option->setAccessibleDescription(option->toolTip());
        consecGroup_->addButton(option, i);
        grid->addWidget(option, i / 2, i % 2);
    }
    consecGroup_->button(0)->setChecked(true);
    connect(consecGroup_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked) {
            iConsecMode_ = id;
        }
    });
    zeroAndNine_ = new QCheckBox(QStringLiteral("Consider 0 and 9 consecutive"), frame);
    zeroAndNine_->setObjectName(QStringLiteral("chk0And9"));
    grid->addWidget(zeroAndNine_, 2, 0, 1, 2);
    return frame;
}

// The hot/cold window mirrors its pattern choice into these two lists; the user
// never sees them here.
QWidget* FilterPanel::makeHotColdStore() {
    auto* store = new QWidget(this);
    store->setObjectName(QStringLiteral("hotColdStore"));
    auto* grid = new QGridLayout(store);
    grid->addWidget(makeLabel(QStringLiteral("Label14"), QStringLiteral("Filter selection"), store),
                    0, 0, 1, 2);
    makeList(ListId::HCBox, 4, store);
    makeList(ListId::HCStraight, 8, store);
    grid->addWidget(makeHeading(ListId::HCBox, store), 1, 0);
    grid->addWidget(makeHeading(ListId::HCStraight, store), 1, 1);
    grid->addWidget(list(ListId::HCBox), 2, 0);
    grid->addWidget(list(ListId::HCStraight), 2, 1);
    store->hide();
    return store;
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
        const bool shown = shownIn(entry.shownIn, mode);
        l->setVisible(shown);
        if (const auto it = ownHeadings_.find(entry.id); it != ownHeadings_.end()) {
            it->second->setVisible(shown);
        }
    }
}

} // namespace pick3
