#include "app/frmOutputBox.h"

#include "app/CheckList.h"
#include "app/mdlGradient.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace pick3 {

frmOutputBox::frmOutputBox(MainWindowLink link, QWidget* parent)
    : DiscardableDialog(parent), link_(std::move(link)) {
    setObjectName(QStringLiteral("frmOutputBox"));
    setWindowTitle(QStringLiteral("Select output for boxed combo's"));
    setModal(true);

    auto* banner = new BannerFrame(QStringLiteral("Select the output for boxed combo's"), this);
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

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(banner);

    connect(banner->closeButton(), &QPushButton::clicked, this, &frmOutputBox::reject);
    connect(sixWay_, &QButtonGroup::idClicked, this, [this](int id) {
        i6Way_ = id;
        sbWriteOutputOrder();
    });
    connect(llh_, &QButtonGroup::idClicked, this, [this](int id) {
        iLLH_ = id;
        sbWriteOutputOrder();
    });
    connect(lhh_, &QButtonGroup::idClicked, this, [this](int id) {
        iLHH_ = id;
        sbWriteOutputOrder();
    });

    sbShowOutputOrder();
    // The keyboard starts at the chosen order, not on Close.
    sixWay_->checkedButton()->setFocus();
}

QButtonGroup* frmOutputBox::makeFamily(const QString& frameName, const QString& caption,
                                       const QString& optionName, const QStringList& captions) {
    auto* frame = new QGroupBox(caption, this);
    frame->setObjectName(frameName);
    QPalette pal = frame->palette();
    pal.setColor(QPalette::Window, listColour(ListColour::LightBlue));
    frame->setPalette(pal);
    frame->setAutoFillBackground(true);
    auto* group = new QButtonGroup(frame);
    auto* column = new QVBoxLayout(frame);
    for (int i = 0; i < captions.size(); ++i) {
        auto* option = new QRadioButton(captions[i], frame);
        option->setObjectName(QStringLiteral("%1(%2)").arg(optionName).arg(i));
        group->addButton(option, i);
        column->addWidget(option);
    }
    group->button(0)->setChecked(true);
    return group;
}

void frmOutputBox::sbShowOutputOrder() {
    const OutputOrder codes = link_.codes();
    const auto show = [](QButtonGroup* group, OrderFamily family, const std::string& code,
                         int& index) {
        const int at = orderCodeIndex(family, code);
        if (at >= 0) {
            group->button(at)->setChecked(true);
            index = at;
        }
    };
    show(sixWay_, OrderFamily::SixWay, codes.sixWay, i6Way_);
    show(lhh_, OrderFamily::LHH, codes.lhh, iLHH_);
    show(llh_, OrderFamily::LLH, codes.llh, iLLH_);
}

void frmOutputBox::sbWriteOutputOrder() {
    OutputOrder codes = link_.codes();
    const auto write = [](OrderFamily family, int index, std::string& field) {
        const std::string_view code = orderCode(family, index);
        if (!code.empty()) {
            field = std::string(code);
        }
    };
    write(OrderFamily::SixWay, i6Way_, codes.sixWay);
    write(OrderFamily::LHH, iLHH_, codes.lhh);
    write(OrderFamily::LLH, iLLH_, codes.llh);
    link_.writeCodes(codes);
}


} // namespace pick3
