#include "app/DigitPanel.h"

#include "engine/Catalogue.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace pick3 {

namespace {

constexpr int kDigitRows = 10;

void paintBackground(QWidget* widget, const QColor& colour) {
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, colour);
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}

} // namespace

DigitPanel::DigitPanel(QWidget* parent)
    : QWidget(parent), frame_(new QGroupBox(QStringLiteral("Digituse"), this)),
      modeGroup_(new QButtonGroup(this)),
      digitsWheel_(new CheckList(listEntry(ListId::DigitsWheel), frame_)),
      mustHave_(new CheckList(this)) {
    setObjectName(QStringLiteral("digitPanel"));
    frame_->setObjectName(QStringLiteral("fraPositionsDigits"));
    paintBackground(frame_, listColour(ListColour::LightBlue));

    auto* grid = new QGridLayout(frame_);
    grid->setHorizontalSpacing(4);
    const QStringList captions{QStringLiteral("Any position"), QStringLiteral("Positional")};
    for (int i = 0; i < 2; ++i) {
        auto* option = new QRadioButton(captions[i], frame_);
        option->setObjectName(QStringLiteral("optPositionDigit(%1)").arg(i));
        modeGroup_->addButton(option, i);
        modeOptions_[static_cast<std::size_t>(i)] = option;
    }
    modeOptions_[0]->setChecked(true);
    grid->addWidget(modeOptions_[0], 0, 0);
    grid->addWidget(modeOptions_[1], 0, 1, 1, 3);

    digitsWheel_->setAccessibleName(QStringLiteral("Use Digits"));
    digitsWheel_->setVisibleRows(kDigitRows);
    grid->addWidget(digitsWheel_, 2, 0);

    const std::array<ListId, 3> ids{ListId::DigitsWheelPos1_0, ListId::DigitsWheelPos1_1,
                                    ListId::DigitsWheelPos1_2};
    for (std::size_t i = 0; i < ids.size(); ++i) {
        const ListEntry& entry = listEntry(ids[i]);
        auto* list = new CheckList(entry, frame_);
        list->setVisibleRows(kDigitRows);
        auto* heading = new QLabel(QString::fromUtf8(entry.heading), frame_);
        heading->setObjectName(QString::fromUtf8(entry.headingControl));
        heading->setBuddy(list);
        grid->addWidget(heading, 1, static_cast<int>(i) + 1);
        grid->addWidget(list, 2, static_cast<int>(i) + 1);
        positions_[i] = list;
    }

    auto* mustLabel = new QLabel(
        QStringLiteral("Create only numbers that have at least one of these digits in them"), this);
    mustLabel->setObjectName(QStringLiteral("Label6"));
    mustLabel->setWordWrap(true);
    mustLabel->setBuddy(mustHave_);

    mustHave_->setObjectName(QStringLiteral("lstMustHaveDigit"));
    mustHave_->setToolTip(
        QStringLiteral("The numbers created must have at least one of the digits selected."));
    mustHave_->setAccessibleName(QStringLiteral("Must include digits"));
    mustHave_->setAccessibleDescription(mustHave_->toolTip());
    QPalette pal = mustHave_->palette();
    pal.setColor(QPalette::Base, kLightYellow);
    mustHave_->setPalette(pal);
    mustHave_->setVisibleRows(kDigitRows);

    auto* mustRow = new QHBoxLayout;
    mustRow->addWidget(mustHave_);
    mustRow->addWidget(mustLabel, 1, Qt::AlignTop);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(frame_);
    column->addLayout(mustRow);
    column->addStretch(1);

    // The lists were made before the options; Tab goes as the panel reads.
    const std::array<QWidget*, 7> order{modeOptions_[0], modeOptions_[1], digitsWheel_,
                                        positions_[0],   positions_[1],   positions_[2],
                                        mustHave_};
    for (std::size_t i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }

    connect(modeGroup_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked) {
            Q_EMIT modeSelected(id == 0 ? DigitMode::AnyPosition : DigitMode::Positional);
        }
    });
    showMode(DigitMode::AnyPosition);
}

CheckList* DigitPanel::positionList(int index) const {
    return positions_.at(static_cast<std::size_t>(index));
}

QRadioButton* DigitPanel::modeOption(int index) const {
    return modeOptions_.at(static_cast<std::size_t>(index));
}

DigitMode DigitPanel::mode() const {
    return modeOptions_[0]->isChecked() ? DigitMode::AnyPosition : DigitMode::Positional;
}

void DigitPanel::showMode(DigitMode mode) {
    const bool any = mode == DigitMode::AnyPosition;
    digitsWheel_->setEnabled(any);
    for (CheckList* list : positions_) {
        list->setEnabled(!any);
    }
}

} // namespace pick3
