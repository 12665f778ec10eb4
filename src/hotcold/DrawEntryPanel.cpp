#include "hotcold/DrawEntryPanel.h"

#include "widgets/Look.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace pick3 {

DrawEntryPanel::DrawEntryPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("drawEntryPanel"));
    QLabel* heading =
        makeHeading(QStringLiteral("Label1"), QStringLiteral("Enter the drawn numbers"), this);
    QLabel* hint = makeLabel(QStringLiteral("Label2"),
                             QStringLiteral("The numbers can be entered pretty much as you like, "
                                            "seperate them by a comma/dash/space/nothing/..., it "
                                            "does not matter"),
                             this);
    hint->setWordWrap(true);
    txtDrawnNumber_ = named(new QPlainTextEdit(this), QStringLiteral("txtDrawnNumber"));
    txtDrawnNumber_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtDrawnNumber_->setTabChangesFocus(true);
    describe(txtDrawnNumber_, heading->text(),
             QStringLiteral("Type or paste the drawn numbers; every digit counts, three digits "
                            "make one draw"));
    heading->setBuddy(txtDrawnNumber_);
    auto* go = named(new QPushButton(QStringLiteral("Count"), this), QStringLiteral("cmdGo"));
    describe(go, go->text(),
             QStringLiteral("Counts the digits drawn in each position and in any position, ranks "
                            "them and activates the hot/cold filter"));
    cmdGo_ = go;
    connect(go, &QPushButton::clicked, this, &DrawEntryPanel::countRequested);

    auto* frame = named(new QGroupBox(QStringLiteral("Sort order digits counted"), this),
                        QStringLiteral("Frame2"));
    auto* sortLayout = new QVBoxLayout(frame);
    const std::array<QString, 2> captions{QStringLiteral("Hits desc + digits asc"),
                                          QStringLiteral("Hits desc + digits desc")};
    for (std::size_t i = 0; i < 2; ++i) {
        optSortOrder_[i] =
            named(new QRadioButton(captions[i], frame), QStringLiteral("optSortOrder(%1)").arg(i));
        describe(optSortOrder_[i], captions[i],
                 QStringLiteral("How digits with equal hits are ranked; used by the next count"));
        sortLayout->addWidget(optSortOrder_[i]);
    }
    optSortOrder_[0]->setChecked(true);

    auto* countColumn = new QVBoxLayout;
    countColumn->addWidget(go);
    countColumn->addWidget(frame);
    countColumn->addStretch(1);
    auto* entryRow = new QHBoxLayout;
    entryRow->addWidget(txtDrawnNumber_, 1);
    entryRow->addLayout(countColumn);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(heading);
    column->addWidget(hint);
    column->addLayout(entryRow, 1);
}

std::string DrawEntryPanel::draws() const {
    return toEngine(txtDrawnNumber_->toPlainText());
}

SortOrder DrawEntryPanel::sortOrder() const {
    return optSortOrder_[0]->isChecked() ? SortOrder::HitsDescDigitsAsc
                                         : SortOrder::HitsDescDigitsDesc;
}

void DrawEntryPanel::focusEntry() {
    txtDrawnNumber_->setFocus();
}

std::vector<QWidget*> DrawEntryPanel::tabOrder() const {
    return {txtDrawnNumber_, cmdGo_, optSortOrder_[0], optSortOrder_[1]};
}

} // namespace pick3
