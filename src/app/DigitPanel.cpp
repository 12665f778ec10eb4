#include "app/DigitPanel.h"

#include "widgets/CheckList.h"
#include "widgets/Look.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace pick3 {

namespace {

constexpr int kDigitRows = 10;

} // namespace

DigitPanel::DigitPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("digitPanel"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(makeDigitFrame());
    column->addWidget(makeMustHave());
    column->addStretch(1);

    // The lists were made before the options; Tab goes as the panel reads.
    const std::array<QWidget*, 7> order{modeOptions_[0], modeOptions_[1], digitsWheel_,
                                        positions_[0],   positions_[1],   positions_[2],
                                        mustHave_};
    for (std::size_t i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
    showMode(DigitMode::AnyPosition);
}

QWidget* DigitPanel::makeDigitFrame() {
    auto* frame = named(new QGroupBox(QStringLiteral("Digituse"), this),
                        QStringLiteral("fraPositionsDigits"));
    setBackground(frame, listColour(ListColour::LightBlue));
    auto* grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(4);
    modeGroup_ = new QButtonGroup(this);
    const std::array<QString, 2> captions{QStringLiteral("Any position"),
                                          QStringLiteral("Positional")};
    for (int i = 0; i < 2; ++i) {
        auto* option = named(new QRadioButton(captions[static_cast<std::size_t>(i)], frame),
                             QStringLiteral("optPositionDigit(%1)").arg(i));
        modeGroup_->addButton(option, i);
        modeOptions_[static_cast<std::size_t>(i)] = option;
    }
    modeOptions_[0]->setChecked(true);
    grid->addWidget(modeOptions_[0], 0, 0);
    grid->addWidget(modeOptions_[1], 0, 1, 1, 3);
    connect(modeGroup_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked) {
            Q_EMIT modeSelected(id == 0 ? DigitMode::AnyPosition : DigitMode::Positional);
        }
    });

    digitsWheel_ = new CheckList(listEntry(ListId::DigitsWheel), frame);
    digitsWheel_->setAccessibleName(QStringLiteral("Use Digits"));
    grid->addWidget(digitsWheel_, 2, 0);
    for (std::size_t i = 0; i < kPositionLists.size(); ++i) {
        const ListEntry& entry = listEntry(kPositionLists[i]);
        positions_[i] = new CheckList(entry, frame);
        QLabel* heading =
            makeLabel(fromEngine(entry.headingControl), fromEngine(entry.heading), frame);
        heading->setBuddy(positions_[i]);
        grid->addWidget(heading, 1, static_cast<int>(i) + 1);
        grid->addWidget(positions_[i], 2, static_cast<int>(i) + 1);
    }
    for (const ListId id :
         {ListId::DigitsWheel, kPositionLists[0], kPositionLists[1], kPositionLists[2]}) {
        list(id)->setVisibleRows(kDigitRows);
        connect(list(id), &CheckList::itemTickChanged, this,
                [this, id](int row, bool ticked) { Q_EMIT digitTicked(id, row, ticked); });
    }
    return frame;
}

QWidget* DigitPanel::makeMustHave() {
    auto* area = new QWidget(this);
    QLabel* label = makeLabel(
        QStringLiteral("Label6"),
        QStringLiteral("Create only numbers that have at least one of these digits in them"), area);
    label->setWordWrap(true);
    mustHave_ = named(new CheckList(area), QStringLiteral("lstMustHaveDigit"));
    describe(mustHave_, QStringLiteral("Must include digits"),
             QStringLiteral("The numbers created must have at least one of the digits selected."));
    setBaseColour(mustHave_, kLightYellow);
    mustHave_->setVisibleRows(kDigitRows);
    label->setBuddy(mustHave_);
    connect(mustHave_, &CheckList::itemTickChanged, this, &DigitPanel::mustHaveTicked);
    auto* row = new QHBoxLayout(area);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(mustHave_);
    row->addWidget(label, 1, Qt::AlignTop);
    return area;
}

CheckList* DigitPanel::list(ListId id) const {
    switch (id) {
    case ListId::DigitsWheel:
        return digitsWheel_;
    case ListId::DigitsWheelPos1_0:
        return positions_[0];
    case ListId::DigitsWheelPos1_1:
        return positions_[1];
    case ListId::DigitsWheelPos1_2:
        return positions_[2];
    default:
        return nullptr;
    }
}

DigitMode DigitPanel::mode() const {
    return modeOptions_[0]->isChecked() ? DigitMode::AnyPosition : DigitMode::Positional;
}

void DigitPanel::selectMode(DigitMode mode) {
    modeOptions_[mode == DigitMode::AnyPosition ? 0 : 1]->setChecked(true);
}

void DigitPanel::showMode(DigitMode mode) {
    const bool any = mode == DigitMode::AnyPosition;
    digitsWheel_->setEnabled(any);
    for (CheckList* position : positions_) {
        position->setEnabled(!any);
    }
}

void DigitPanel::showMustHave(const std::vector<MustHaveItem>& items) {
    const QSignalBlocker quiet(mustHave_); // mirroring the model, not a user's tick
    QStringList texts;
    for (const MustHaveItem& item : items) {
        texts << QString::number(item.digit);
    }
    mustHave_->setItems(texts);
    for (std::size_t row = 0; row < items.size(); ++row) {
        mustHave_->setTicked(static_cast<int>(row), items[row].ticked);
    }
}

void DigitPanel::focusFirst() {
    modeOptions_[0]->setFocus();
}

} // namespace pick3
