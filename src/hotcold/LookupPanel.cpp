#include "hotcold/LookupPanel.h"

#include "engine/stats/ChartSeries.h"
#include "engine/stats/NumberLookup.h"
#include "widgets/Look.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace pick3 {

LookupPanel::LookupPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("lookupPanel"));
    QLabel* label = makeLabel(QStringLiteral("lblLookUp"), QStringLiteral("&Look up:"), this);
    txtLookUp_ = named(new QLineEdit(this), QStringLiteral("txtLookUp"));
    txtLookUp_->setPlaceholderText(QStringLiteral("123"));
    txtLookUp_->setMaxLength(16);
    txtLookUp_->setFixedWidth(txtLookUp_->fontMetrics().horizontalAdvance(QStringLiteral("00000")) +
                              16);
    describe(txtLookUp_, QStringLiteral("Look up"),
             QStringLiteral("A number of three digits: when it came in the counted draws, "
                            "straight and boxed, and how long it has been away"));
    label->setBuddy(txtLookUp_);
    cboNewest_ = named(new QComboBox(this), QStringLiteral("cboLookUpNewest"));
    cboNewest_->addItems({QStringLiteral("Newest draw first"), QStringLiteral("Newest draw last")});
    describe(cboNewest_, QStringLiteral("Newest draw"),
             QStringLiteral("Which end of the history holds the newest draw; skips count from it"));
    txtLookUpResult_ = named(new QPlainTextEdit(this), QStringLiteral("txtLookUpResult"));
    txtLookUpResult_->setReadOnly(true);
    txtLookUpResult_->setTabChangesFocus(true);
    describe(txtLookUpResult_, QStringLiteral("Look-up result"));
    setBaseColour(txtLookUpResult_, kLightYellow);

    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(txtLookUp_);
    row->addWidget(cboNewest_, 1);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addLayout(row);
    column->addWidget(txtLookUpResult_, 1);
    setMinimumWidth(260);

    txtLookUp_->installEventFilter(this);
    connect(txtLookUp_, &QLineEdit::textEdited, this, [this] { lookUp(false); });
    connect(cboNewest_, &QComboBox::currentIndexChanged, this, [this] { lookUp(false); });
}

bool LookupPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtLookUp_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            lookUp(true);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void LookupPanel::setDraws(DrawList draws, std::function<std::string(std::size_t)> labelOf) {
    draws_ = std::move(draws);
    labelOf_ = std::move(labelOf);
    // An imported history says by its dates which end is newest.
    if (labelOf_ && draws_.size() > 1) {
        if (const auto newest = newestEndOfLabels(labelOf_(0), labelOf_(draws_.size() - 1))) {
            const QSignalBlocker quiet(cboNewest_);
            cboNewest_->setCurrentIndex(*newest == NewestEnd::Last ? 1 : 0);
        }
    }
    lookUp(false);
}

void LookupPanel::lookUp(bool whenIncomplete) {
    const std::string typed = toEngine(txtLookUp_->text().trimmed());
    if (typed.empty() || (!whenIncomplete && typed.size() < 3)) {
        txtLookUpResult_->clear(); // still typing
        return;
    }
    const Result<int> number = readLookupNumber(typed);
    if (!number.ok()) {
        txtLookUpResult_->setPlainText(fromEngine(number.refusal()));
        return;
    }
    if (draws_.empty()) {
        txtLookUpResult_->setPlainText(fromEngine(kMsgLookupNoDraws));
        return;
    }
    const NewestEnd newest = cboNewest_->currentIndex() == 1 ? NewestEnd::Last : NewestEnd::First;
    txtLookUpResult_->setPlainText(
        fromEngine(lookupText(lookUpNumber(*number, draws_, newest), draws_, labelOf_)));
}

std::vector<QWidget*> LookupPanel::tabOrder() const {
    return {txtLookUp_, cboNewest_, txtLookUpResult_};
}

} // namespace pick3
