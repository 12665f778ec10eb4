#include "hotcold/NumberMakingPanel.h"

#include "widgets/Look.h"
#include "widgets/TextBox.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace pick3 {

namespace {

struct Kind {
    const char* name;
    const char* caption;
    const char* tooltip;
    bool NumberKinds::*flag;
};
const std::array<Kind, 3> kKinds{{
    {"chk6Ways", "6-ways", "Write numbers whose three digits all differ", &NumberKinds::sixWays},
    {"chkDoubles", "Doubles", "Write numbers with exactly two equal digits", &NumberKinds::doubles},
    {"chkTriples", "Triples", "Write numbers with three equal digits", &NumberKinds::triples},
}};

} // namespace

NumberMakingPanel::NumberMakingPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("numberMakingPanel"));
    auto* frame =
        named(new QGroupBox(QStringLiteral("Straight/box"), this), QStringLiteral("Frame1"));
    auto* options = new QHBoxLayout(frame);
    auto* group = new QButtonGroup(this);
    const std::array<QString, 2> captions{QStringLiteral("Straight"), QStringLiteral("Box")};
    const std::array<QString, 2> tips{
        QStringLiteral("Numbers from one digit of each position list, in position order"),
        QStringLiteral("Boxed combinations of at least three digits picked in the Rank list")};
    for (std::size_t i = 0; i < 2; ++i) {
        optBox_[i] =
            named(new QRadioButton(captions[i], frame), QStringLiteral("optBox(%1)").arg(i));
        describe(optBox_[i], captions[i], tips[i]);
        group->addButton(optBox_[i], static_cast<int>(i));
        options->addWidget(optBox_[i]);
    }
    optBox_[0]->setChecked(true);
    connect(group, &QButtonGroup::idClicked, this, [this](int index) {
        choice_ = index == 1 ? StraightBox::Box : StraightBox::Straight;
        Q_EMIT choiceChanged();
    });

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(makeHeading(QStringLiteral("Label6"),
                                  QStringLiteral("Select digits to create numbers"), this));
    column->addWidget(frame);
    for (std::size_t i = 0; i < kKinds.size(); ++i) {
        const Kind& k = kKinds[i];
        kindBoxes_[i] =
            named(new QCheckBox(QString::fromLatin1(k.caption), this), QString::fromLatin1(k.name));
        describe(kindBoxes_[i], kindBoxes_[i]->text(), QString::fromLatin1(k.tooltip));
        kindBoxes_[i]->setChecked(true);
        connect(kindBoxes_[i], &QCheckBox::toggled, this,
                [this, flag = k.flag](bool on) { kinds_.*flag = on; });
        column->addWidget(kindBoxes_[i]);
    }
    auto* create = named(new QPushButton(QStringLiteral("Create numbers"), this),
                         QStringLiteral("cmdCreateNumbers"));
    describe(create, create->text(),
             QStringLiteral("Writes every number that the selected digits make into the output"));
    connect(create, &QPushButton::clicked, this, &NumberMakingPanel::createRequested);
    create_ = create;
    column->addWidget(create);
    column->addStretch(1);
    makeOutputArea(parent);
}

// The output box, placed by the window under the hit lists.
void NumberMakingPanel::makeOutputArea(QWidget* parent) {
    outputArea_ = new QWidget(parent);
    QLabel* heading = makeHeading(QStringLiteral("Label7"), QStringLiteral("Output"), outputArea_);
    txtOutput_ = named(new TextBox(outputArea_), QStringLiteral("txtOutput"));
    txtOutput_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtOutput_->setTabChangesFocus(true);
    describe(txtOutput_, heading->text(),
             QStringLiteral("The numbers made from the selected digits, with their count"));
    heading->setBuddy(txtOutput_);
    auto* outputColumn = new QVBoxLayout(outputArea_);
    outputColumn->setContentsMargins(0, 0, 0, 0);
    outputColumn->addWidget(heading);
    outputColumn->addWidget(txtOutput_, 1);
}

void NumberMakingPanel::setUsable(bool usable) {
    for (QCheckBox* box : kindBoxes_) {
        box->setEnabled(usable);
    }
    create_->setEnabled(usable);
    txtOutput_->setEnabled(usable);
    txtOutput_->clear();
}

void NumberMakingPanel::showOutput(const std::string& engineText) {
    txtOutput_->setPlainText(fromEngine(engineText));
}

void NumberMakingPanel::clearOutput() {
    txtOutput_->clear();
}

void NumberMakingPanel::resetChoices() {
    for (QCheckBox* box : kindBoxes_) {
        box->setChecked(true);
    }
    optBox_[0]->setChecked(true);
    choice_ = StraightBox::Straight;
}

std::vector<QWidget*> NumberMakingPanel::tabOrder() const {
    return {optBox_[0], optBox_[1], kindBoxes_[0], kindBoxes_[1], kindBoxes_[2], create_};
}

QWidget* NumberMakingPanel::output() const {
    return txtOutput_;
}

} // namespace pick3
