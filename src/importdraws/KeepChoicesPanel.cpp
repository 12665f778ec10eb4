#include "importdraws/KeepChoicesPanel.h"

#include "importdraws/ImportDates.h"
#include "widgets/Look.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <array>

namespace pick3 {

KeepChoicesPanel::KeepChoicesPanel(QWidget* parent)
    : QGroupBox(QStringLiteral("What goes into the draw box"), parent) {
    setObjectName(QStringLiteral("fraKeep"));
    auto* form = new QFormLayout(this);
    drawTimesRow_ = new QHBoxLayout;
    drawTimesRow_->addStretch(1);
    form->addRow(QStringLiteral("Draw times:"), drawTimesRow_);
    QLayout* range = makeDateRange();
    form->addRow(QStringLiteral("F&rom:"), range);
    static_cast<QLabel*>(form->labelForField(range))->setBuddy(dtpFrom_);
    QLayout* keep = makeLastDraws();
    form->addRow(QStringLiteral("&Keep:"), keep);
    static_cast<QLabel*>(form->labelForField(keep))->setBuddy(cboLastDraws_);
    form->addRow(QStringLiteral("Order:"), makeOrder());
}

QLayout* KeepChoicesPanel::makeDateRange() {
    dtpFrom_ = named(new QDateEdit(this), QStringLiteral("dtpFrom"));
    dtpTo_ = named(new QDateEdit(this), QStringLiteral("dtpTo"));
    auto* range = new QHBoxLayout;
    auto* to = makeLabel(QStringLiteral("lblTo"), QStringLiteral("&to"), this);
    to->setBuddy(dtpTo_);
    range->addWidget(dtpFrom_);
    range->addWidget(to);
    range->addWidget(dtpTo_);
    range->addStretch(1);
    for (QDateEdit* edit : {dtpFrom_, dtpTo_}) {
        edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        edit->setCalendarPopup(true);
        connect(edit, &QDateEdit::dateChanged, this, &KeepChoicesPanel::changed);
    }
    describe(dtpFrom_, QStringLiteral("From"), QStringLiteral("The oldest date to use"));
    describe(dtpTo_, QStringLiteral("To"), QStringLiteral("The newest date to use"));
    return range;
}

QLayout* KeepChoicesPanel::makeLastDraws() {
    cboLastDraws_ = named(new QComboBox(this), QStringLiteral("cboLastDraws"));
    cboLastDraws_->addItem(QStringLiteral("all of them"), 0);
    for (const int last : {30, 100, 365, 730, 1000, 3650}) {
        cboLastDraws_->addItem(QStringLiteral("the newest %1 draws").arg(last), last);
    }
    describe(cboLastDraws_, QStringLiteral("Keep"),
             QStringLiteral("All draws in the date range, or only the newest of them"));
    connect(cboLastDraws_, &QComboBox::currentIndexChanged, this, &KeepChoicesPanel::changed);
    auto* keep = new QHBoxLayout;
    keep->addWidget(cboLastDraws_);
    keep->addStretch(1);
    return keep;
}

QLayout* KeepChoicesPanel::makeOrder() {
    auto* order = new QHBoxLayout;
    newest_ = new QButtonGroup(this);
    const std::array<QString, 2> captions{QStringLiteral("Newest fir&st"),
                                          QStringLiteral("Newest &last")};
    for (int i = 0; i < 2; ++i) {
        auto* option = named(new QRadioButton(captions[static_cast<std::size_t>(i)], this),
                             QStringLiteral("optImportNewest(%1)").arg(i));
        describe(option, QString(captions[static_cast<std::size_t>(i)]).remove(QLatin1Char('&')),
                 QStringLiteral("Where the newest draw goes in the draw box; the back-test "
                                "takes the newest first unless told otherwise"));
        newest_->addButton(option, i);
        order->addWidget(option);
    }
    newest_->button(0)->setChecked(true);
    order->addStretch(1);
    connect(newest_, &QButtonGroup::idClicked, this, &KeepChoicesPanel::changed);
    return order;
}

KeepChoices KeepChoicesPanel::choices() const {
    KeepChoices keep;
    for (const QCheckBox* tick : chkDrawTime_) {
        keep.drawTimes.push_back(tick->isChecked());
    }
    keep.from = dayOf(dtpFrom_->date());
    keep.to = dayOf(dtpTo_->date());
    if (const int last = cboLastDraws_->currentData().toInt(); last > 0) {
        keep.lastDraws = static_cast<std::size_t>(last);
    }
    keep.newestFirst = newestFirst();
    return keep;
}

bool KeepChoicesPanel::newestFirst() const {
    return newest_->checkedId() == 0;
}

void KeepChoicesPanel::showDrawTimes(const ImportResult* result) {
    QStringList unticked;
    for (QCheckBox* tick : chkDrawTime_) {
        if (!tick->isChecked()) {
            unticked << tick->text();
        }
        delete tick;
    }
    chkDrawTime_.clear();
    if (result == nullptr) {
        return;
    }
    for (std::size_t i = 0; i < result->drawTimes.size(); ++i) {
        const QString name = fromEngine(result->drawTimes[i]);
        auto* tick =
            named(new QCheckBox(name.isEmpty() ? QStringLiteral("(no draw time)") : name, this),
                  QStringLiteral("chkDrawTime(%1)").arg(i));
        tick->setChecked(!unticked.contains(tick->text()));
        describe(tick, tick->text(), QStringLiteral("Use the draws of this draw time"));
        connect(tick, &QCheckBox::toggled, this, &KeepChoicesPanel::changed);
        drawTimesRow_->insertWidget(static_cast<int>(i), tick);
        chkDrawTime_.push_back(tick);
    }
}

void KeepChoicesPanel::showDates(const ImportResult& result) {
    const QSignalBlocker quietFrom(dtpFrom_), quietTo(dtpTo_);
    // The conflicts' dates too: a number picked for one is used.
    std::vector<DayNumber> days;
    if (!result.draws.empty()) {
        days = {result.draws.back().day, result.draws.front().day};
    }
    for (const Conflict& c : result.conflicts) {
        days.push_back(c.day);
    }
    const auto [low, high] = days.empty() ? std::pair<DayNumber, DayNumber>{0, 0}
                                          : std::pair{*std::min_element(days.begin(), days.end()),
                                                      *std::max_element(days.begin(), days.end())};
    const QDate oldest = dateOf(low);
    const QDate newest = dateOf(high);
    for (QDateEdit* edit : {dtpFrom_, dtpTo_}) {
        edit->setDateRange(oldest, newest);
    }
    dtpFrom_->setDate(oldest);
    dtpTo_->setDate(newest);
}

} // namespace pick3
