#include "hotcold/HotColdFilterPanel.h"

#include "widgets/CheckList.h"
#include "widgets/Look.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace pick3 {

namespace {

// Lets a check box show a state that only the program sets.
class IgnoreUserInput : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            return true;
        default:
            return QObject::eventFilter(watched, event);
        }
    }
};

} // namespace

HotColdFilterPanel::HotColdFilterPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("hotColdFilterPanel"));
    box_ = makePatternList(ListId::HCBox,
                           QStringLiteral("Tick the hot/cold patterns whose boxed numbers the main "
                                          "window throws out in Any position mode"));
    straight_ = makePatternList(
        ListId::HCStraight, QStringLiteral("Tick the hot/cold patterns (H hot, C cold, in position "
                                           "order) whose numbers the main window throws out in "
                                           "Positional mode"));
    QLabel* boxHeading = makeLabel(QStringLiteral("Label3"), QStringLiteral("Box"), this);
    QLabel* straightHeading = makeLabel(QStringLiteral("Label4"), QStringLiteral("Straight"), this);
    boxHeading->setBuddy(box_);
    straightHeading->setBuddy(straight_);
    status_ = makeHeading(QStringLiteral("lblSettings"), QString(), this);
    saved_ = named(new QCheckBox(QStringLiteral("Settings saved"), this),
                   QStringLiteral("chkSettingsSaved"));
    // Shows the state of the count; never operated by the user.
    saved_->installEventFilter(new IgnoreUserInput(saved_));
    saved_->setFocusPolicy(Qt::NoFocus);
    describe(saved_, saved_->text(),
             QStringLiteral("Ticked by a count while its hot/cold settings are in force"));
    clear_ = named(new QPushButton(QStringLiteral("Clear Hotcold-filter"), this),
                   QStringLiteral("cmdClearSettings"));
    describe(clear_, clear_->text(),
             QStringLiteral("Unticks every hot/cold pattern here and in the main window"));
    connect(clear_, &QPushButton::clicked, this, &HotColdFilterPanel::clearRequested);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(
        makeHeading(QStringLiteral("Label5"), QStringLiteral("Filter selection"), this));
    for (QWidget* w :
         std::initializer_list<QWidget*>{boxHeading, box_, straightHeading, straight_}) {
        column->addWidget(w);
    }
    column->addStretch(1);
    column->addWidget(status_);
    column->addWidget(saved_);
    column->addWidget(clear_);
}

CheckList* HotColdFilterPanel::makePatternList(ListId id, const QString& tooltip) {
    auto* list = new CheckList(listEntry(id), this);
    describe(list, fromEngine(listEntry(id).heading), tooltip);
    const QFontMetrics fm(list->font());
    list->setMinimumWidth(fm.horizontalAdvance(QStringLiteral("HotCold-filter activated")) + 16);
    // Room for every pattern without scrolling.
    const auto rows = static_cast<int>(listEntry(id).items.size());
    list->setFixedHeight(rows * (fm.height() + 4) + 2 * list->frameWidth() + 4);
    connect(list, &CheckList::itemTickChanged, this,
            [this, id](int row, bool ticked) { Q_EMIT patternTicked(id, row, ticked); });
    return list;
}

void HotColdFilterPanel::fillPatternLists() {
    box_->setItems(itemsOf(listEntry(ListId::HCBox)));
    straight_->setItems(itemsOf(listEntry(ListId::HCStraight)));
}

void HotColdFilterPanel::untickPatterns() {
    for (CheckList* list : {box_, straight_}) {
        const QSignalBlocker block(list);
        list->setAllTicked(false);
    }
}

void HotColdFilterPanel::setPatternTicks(ListId store, const Ticks& ticks) {
    CheckList* list = store == ListId::HCBox ? box_ : straight_;
    for (int row = 0; row < list->count(); ++row) {
        list->setTicked(row, static_cast<std::size_t>(row) < ticks.size() &&
                                 ticks[static_cast<std::size_t>(row)]);
    }
}

void HotColdFilterPanel::showActivated(bool activated) {
    status_->setText(activated ? QStringLiteral("HotCold-filter activated")
                               : QStringLiteral("HotCold-filter de-activated"));
    setTextColour(status_, activated ? kStatusBlue : kStatusRed);
}

bool HotColdFilterPanel::settingsSaved() const {
    return saved_->isChecked();
}

void HotColdFilterPanel::setSettingsSaved(bool saved) {
    saved_->setChecked(saved);
}

void HotColdFilterPanel::enablePatternListFor(DigitMode mode) {
    box_->setEnabled(mode == DigitMode::AnyPosition);
    straight_->setEnabled(mode == DigitMode::Positional);
}

void HotColdFilterPanel::disablePatternLists() {
    box_->setEnabled(false);
    straight_->setEnabled(false);
}

void HotColdFilterPanel::showPatternLists() {
    box_->setVisible(true);
    straight_->setVisible(true);
}

std::vector<QWidget*> HotColdFilterPanel::tabOrder() const {
    return {box_, straight_, clear_};
}

} // namespace pick3
