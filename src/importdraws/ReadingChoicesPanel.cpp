#include "importdraws/ReadingChoicesPanel.h"

#include "widgets/Look.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <array>

namespace pick3 {

namespace {

// A combo box with a label whose access key leads to it, in a form.
QComboBox* addCombo(QFormLayout* form, const QString& name, const QString& caption,
                    const QString& tooltip, QWidget* parent) {
    auto* combo = named(new QComboBox(parent), name);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    QString plain = caption;
    describe(combo, plain.remove(QLatin1Char('&')).chopped(1), tooltip);
    form->addRow(caption, combo);
    return combo;
}

} // namespace

ReadingChoicesPanel::ReadingChoicesPanel(QWidget* parent)
    : QGroupBox(QStringLiteral("How the text is read"), parent) {
    setObjectName(QStringLiteral("fraReading"));
    auto* form = new QFormLayout(this);
    const QString column =
        QStringLiteral("Which column holds it; \"As found\" keeps what was recognised");
    cboDateColumn_ = addCombo(form, QStringLiteral("cboDateColumn"),
                              QStringLiteral("D&ate column:"), column, this);
    cboTimeColumn_ = addCombo(form, QStringLiteral("cboTimeColumn"),
                              QStringLiteral("Draw t&ime column:"), column, this);
    cboDrawColumn_ = addCombo(form, QStringLiteral("cboDrawColumn"),
                              QStringLiteral("Draw colu&mn:"), column, this);
    cboDateOrder_ = addCombo(form, QStringLiteral("cboDateOrder"), QStringLiteral("Date &order:"),
                             QStringLiteral("How the dates are written"), this);
    cboDateOrder_->addItem(QStringLiteral("As found"), -1);
    for (const DateOrder order :
         {DateOrder::MonthDayYear, DateOrder::DayMonthYear, DateOrder::YearMonthDay}) {
        cboDateOrder_->addItem(fromEngine(dateOrderText(order)), static_cast<int>(order));
    }
    for (QComboBox* combo : {cboDateColumn_, cboTimeColumn_, cboDrawColumn_, cboDateOrder_}) {
        connect(combo, &QComboBox::activated, this, &ReadingChoicesPanel::changed);
    }
    txtTimeCodes_ = named(new QLineEdit(this), QStringLiteral("txtTimeCodes"));
    txtTimeCodes_->setPlaceholderText(QStringLiteral("none"));
    describe(txtTimeCodes_, QStringLiteral("Draw-time codes"),
             QStringLiteral("The codes that name the draw times, earliest in the day first, as "
                            "\"M = Midday, E = Evening\"; empty reads no codes"));
    auto* label = new QLabel(QStringLiteral("Draw-time s&horthand:"), this);
    label->setBuddy(txtTimeCodes_);
    form->addRow(label, txtTimeCodes_);
    connect(txtTimeCodes_, &QLineEdit::editingFinished, this,
            &ReadingChoicesPanel::timeCodesEdited);
}

void ReadingChoicesPanel::timeCodesEdited() {
    if (txtTimeCodes_->text() != shownTimeCodes_) {
        shownTimeCodes_ = txtTimeCodes_->text();
        timeCodesChosen_ = true;
        Q_EMIT changed();
    }
}

ImportChoices ReadingChoicesPanel::choices() const {
    const auto chosen = [](const QComboBox* combo) -> std::optional<int> {
        return combo->currentIndex() <= 0 ? std::nullopt
                                          : std::optional<int>(combo->currentData().toInt());
    };
    ImportChoices choices;
    choices.dateColumn = chosen(cboDateColumn_);
    choices.timeColumn = chosen(cboTimeColumn_);
    choices.drawColumn = chosen(cboDrawColumn_);
    if (const auto order = chosen(cboDateOrder_)) {
        choices.dateOrder = static_cast<DateOrder>(*order);
    }
    if (timeCodesChosen_) {
        choices.timeCodes = parseTimeCodes(toEngine(txtTimeCodes_->text()));
    }
    return choices;
}

void ReadingChoicesPanel::readAsFound() {
    for (QComboBox* combo : {cboDateColumn_, cboTimeColumn_, cboDrawColumn_, cboDateOrder_}) {
        combo->setCurrentIndex(0);
    }
    timeCodesChosen_ = false;
}

bool ReadingChoicesPanel::editingTimeCodes() const {
    return window()->focusWidget() == txtTimeCodes_;
}

void ReadingChoicesPanel::showLayout(const ImportLayout& layout) {
    shownTimeCodes_ = fromEngine(timeCodesText(layout.timeCodes));
    txtTimeCodes_->setText(shownTimeCodes_);
    const std::array<std::pair<QComboBox*, int>, 3> columns{
        std::pair{cboDateColumn_, layout.dateColumn},
        {cboTimeColumn_, layout.timeColumn},
        {cboDrawColumn_, layout.drawColumn}};
    for (const auto& [combo, found] : columns) {
        const int current = combo->currentIndex();
        const QSignalBlocker quiet(combo);
        combo->clear();
        const QString foundName =
            found >= 0 && static_cast<std::size_t>(found) < layout.columns.size()
                ? fromEngine(layout.columns[static_cast<std::size_t>(found)])
                : QStringLiteral("none");
        combo->addItem(QStringLiteral("As found (%1)").arg(foundName), -1);
        combo->addItem(combo == cboTimeColumn_ ? QStringLiteral("none: no draw times")
                                               : QStringLiteral("anywhere on the line"),
                       -1);
        for (std::size_t c = 0; c < layout.columns.size(); ++c) {
            combo->addItem(fromEngine(layout.columns[c]), static_cast<int>(c));
        }
        combo->setCurrentIndex(current < combo->count() ? std::max(current, 0) : 0);
    }
}

} // namespace pick3
