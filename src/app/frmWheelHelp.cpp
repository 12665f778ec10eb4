#include "app/frmWheelHelp.h"

#include "widgets/AppInfo.h"
#include "widgets/BannerFrame.h"
#include "widgets/Look.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace pick3 {

namespace {

QLabel* makeTextLabel(const QString& name, const QString& text, QWidget* parent) {
    QLabel* label = makeLabel(name, text, parent);
    label->setTextFormat(Qt::PlainText); // "$$$" and the addresses are shown as they are
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

frmWheelHelp::frmWheelHelp(QWidget* parent) : DiscardableDialog(parent) {
    setObjectName(QStringLiteral("frmWheelHelp"));
    setWindowTitle(QStringLiteral("Pick3 Tallymoor ") + sVersion() +
                   QStringLiteral("  from Quorvel"));

    auto* close = makeCloseButton(this); // the same square as in the windows with a banner
    auto* help =
        makeTextLabel(QStringLiteral("lblhelp"),
                      QStringLiteral("Click the button to open the helpfile,\n"
                                     "please make sure you are connected to the internet."),
                      this);
    auto* surf = named(new QPushButton(QStringLiteral("Surf to the Helpfile"), this),
                       QStringLiteral("cmdHelp"));
    describe(surf, surf->text(), QStringLiteral("Opens the help document in the web browser"));
    surf->setDefault(true);
    auto* donation = makeTextLabel(
        QStringLiteral("lblDonation"),
        QStringLiteral("Did you won some $$$ using this tool, ") +
            QStringLiteral(" and/or want to donate a few $'s for the nightly spent hours writing "
                           "this tool?") +
            QStringLiteral("\n") + QString::fromLatin1(kPaymentService) +
            QStringLiteral(", in name of ") + QString::fromLatin1(kMail),
        this);

    // No banner here: the red Close sits alone in the top-left corner.
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 16, 16);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(12);
    grid->addWidget(close, 0, 0, Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(help, 1, 1);
    grid->addWidget(surf, 2, 1, Qt::AlignLeft);
    grid->addWidget(donation, 3, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(4, 1);
    grid->setColumnMinimumWidth(1, fontMetrics().averageCharWidth() * 72);

    connect(surf, &QPushButton::clicked, this,
            [this] { sbOpenWebPage(QString::fromLatin1(kHelpDocument), this); });
    connect(close, &QPushButton::clicked, this, &frmWheelHelp::reject);
    setTabOrder(surf, close);
}

} // namespace pick3
