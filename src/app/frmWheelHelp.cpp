#include "app/frmWheelHelp.h"

#include "app/AppInfo.h"
#include "app/mdlGradient.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

namespace pick3 {

namespace {

QLabel* makeTextLabel(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText); // "$$$" and the addresses are shown as they are
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

frmWheelHelp::frmWheelHelp(QWidget* parent) : DiscardableDialog(parent) {
    setObjectName(QStringLiteral("frmWheelHelp"));
    setModal(true);
    setWindowTitle(QStringLiteral("Pick3 Tallymoor ") + sVersion() +
                   QStringLiteral("  from Quorvel"));

    auto* close = makeCloseButton(this);
    // The same square as in the windows with a banner.
    const int side =
        std::max(44, close->fontMetrics().horizontalAdvance(QStringLiteral("Close")) + 18);
    close->setFixedSize(side, side);
    auto* help =
        makeTextLabel(QStringLiteral("lblhelp"),
                      QStringLiteral("Click the button to open the helpfile,\n"
                                     "please make sure you are connected to the internet."),
                      this);
    auto* surf = new QPushButton(QStringLiteral("Surf to the Helpfile"), this);
    surf->setObjectName(QStringLiteral("cmdHelp"));
    surf->setAccessibleName(surf->text());
    surf->setToolTip(QStringLiteral("Opens the help document in the web browser"));
    surf->setAccessibleDescription(surf->toolTip());
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
