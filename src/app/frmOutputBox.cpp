#include "app/frmOutputBox.h"

#include "widgets/BannerFrame.h"
#include "widgets/Look.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace pick3 {

frmOutputBox::frmOutputBox(OutputOrder codes, QWidget* parent)
    : DiscardableDialog(parent), codes_(std::move(codes)) {
    setObjectName(QStringLiteral("frmOutputBox"));
    setWindowTitle(QStringLiteral("Select output for boxed combo's"));
    BannerFrame* banner =
        BannerFrame::around(this, QStringLiteral("Select the output for boxed combo's"));
    sixWay_ =
        makeFamily(QStringLiteral("fra6Ways"), QStringLiteral("6-ways"), QStringLiteral("opt6Ways"),
                   {QStringLiteral("LMH (E.g. 123)"), QStringLiteral("LHM (E.g. 132)"),
                    QStringLiteral("MLH (E.g. 213)"), QStringLiteral("MHL (E.g. 231)"),
                    QStringLiteral("HLM (E.g. 312)"), QStringLiteral("HML (E.g. 321)")});
    llh_ = makeFamily(QStringLiteral("fra3WaysLLH"), QStringLiteral("Doubles: LLH/LHL/HLL"),
                      QStringLiteral("opt3WaysLLH"),
                      {QStringLiteral("LLH (E.g. 113)"), QStringLiteral("LHL (E.g. 131)"),
                       QStringLiteral("HLL (E.g. 311)")});
    lhh_ = makeFamily(QStringLiteral("fra3WaysLHH"), QStringLiteral("Doubles: LHH/HLH/HHL"),
                      QStringLiteral("opt3WaysLHH"),
                      {QStringLiteral("LHH (E.g. 133)"), QStringLiteral("HLH (E.g. 313)"),
                       QStringLiteral("HHL (E.g. 331)")});

    auto* doubles = new QVBoxLayout;
    doubles->addWidget(llh_->button(0)->parentWidget());
    doubles->addWidget(lhh_->button(0)->parentWidget());
    auto* row = new QHBoxLayout(banner->content());
    row->setContentsMargins(12, 12, 12, 12);
    row->addWidget(sixWay_->button(0)->parentWidget(), 0, Qt::AlignTop);
    row->addLayout(doubles);
    // The title strip's text keeps a margin at its right end too.
    setMinimumWidth(banner->sideStrip()->width() + banner->titleStrip()->sizeHint().width() + 24);

    connect(banner->closeButton(), &QPushButton::clicked, this, &frmOutputBox::reject);
    for (auto [group, index] : {std::pair{sixWay_, &i6Way_}, {llh_, &iLLH_}, {lhh_, &iLHH_}}) {
        connect(group, &QButtonGroup::idClicked, this, [this, index = index](int id) {
            *index = id;
            sbWriteOutputOrder();
        });
    }
    sbShowOutputOrder();
    // The keyboard starts at the chosen order, not on Close.
    sixWay_->checkedButton()->setFocus();
}

QButtonGroup* frmOutputBox::makeFamily(const QString& frameName, const QString& caption,
                                       const QString& optionName, const QStringList& captions) {
    auto* frame = named(new QGroupBox(caption, this), frameName);
    setBackground(frame, listColour(ListColour::LightBlue));
    auto* group = new QButtonGroup(frame);
    auto* column = new QVBoxLayout(frame);
    for (int i = 0; i < captions.size(); ++i) {
        auto* option = named(new QRadioButton(captions[i], frame),
                             QStringLiteral("%1(%2)").arg(optionName).arg(i));
        group->addButton(option, i);
        column->addWidget(option);
    }
    group->button(0)->setChecked(true);
    return group;
}

void frmOutputBox::sbShowOutputOrder() {
    const auto show = [](QButtonGroup* group, OrderFamily family, const std::string& code,
                         int& index) {
        const int at = orderCodeIndex(family, code);
        if (at >= 0) {
            group->button(at)->setChecked(true);
            index = at;
        }
    };
    show(sixWay_, OrderFamily::SixWay, codes_.sixWay, i6Way_);
    show(lhh_, OrderFamily::LHH, codes_.lhh, iLHH_);
    show(llh_, OrderFamily::LLH, codes_.llh, iLLH_);
}

void frmOutputBox::sbWriteOutputOrder() {
    const auto write = [](OrderFamily family, int index, std::string& field) {
        const std::string_view code = orderCode(family, index);
        if (!code.empty()) {
            field = std::string(code);
        }
    };
    write(OrderFamily::SixWay, i6Way_, codes_.sixWay);
    write(OrderFamily::LHH, iLHH_, codes_.lhh);
    write(OrderFamily::LLH, iLLH_, codes_.llh);
    Q_EMIT orderChanged(codes_);
}

} // namespace pick3
