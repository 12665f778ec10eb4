#include "app/CommandPanel.h"

#include "app/CheckList.h"
#include "app/Picture1.h"
#include "engine/Pairs.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QTextDocument>
#include <QVBoxLayout>
#include <array>

namespace pick3 {

namespace {

QString fromEngine(const std::string& text) {
    return QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

CommandPanel::CommandPanel(QWidget* parent)
    : QWidget(parent),
      produce_(makeButton(QStringLiteral("cmdProduce"), QStringLiteral("Create numbers"),
                          QStringLiteral("Create the numbers"))),
      filterMore_(makeButton(QStringLiteral("cmdFilterMore"), QStringLiteral("Filter more"),
                             QStringLiteral("Run the numbers in the textbox through the filters "
                                            "set in the \"Exclude section\""))),
      resetFilters_(makeButton(QStringLiteral("cmdResetFilters"), QStringLiteral("Reset filters"),
                               QStringLiteral("Reset filters to their default values"))),
      boxedPairs_(makeButton(QStringLiteral("cmdFilterOutBoxedPairs"),
                             QStringLiteral("Filter pairs - BOXED"), QString())),
      straightPairs_(makeButton(QStringLiteral("cmdFilterPairsStraight"),
                                QStringLiteral("Filter pairs - STRAIGHT"), QString(), true)),
      outputBox_(makeButton(QStringLiteral("cmdOutputBox"), QStringLiteral("Output format box"),
                            QStringLiteral("Output for Boxed combo's"))),
      hotCold_(makeButton(QStringLiteral("cmdHotCold"), QStringLiteral("HotCold"),
                          QStringLiteral("Output for Boxed combo's"))),
      help_(makeButton(QStringLiteral("cmdHelp"), QStringLiteral("Wheel-help"), QString())),
      sixWay_(makeCodeField(QStringLiteral("txtOutputBox6Way"), QStringLiteral("LMH"),
                            QStringLiteral("Order of boxed singles"))),
      llh_(makeCodeField(QStringLiteral("txtOutputBoxLLH"), QStringLiteral("LLH"),
                         QStringLiteral("Order of doubles with the lower digit doubled"))),
      lhh_(makeCodeField(QStringLiteral("txtOutputBoxLHH"), QStringLiteral("LHH"),
                         QStringLiteral("Order of doubles with the higher digit doubled"))),
      numbersCreated_(new QLabel(this)), results_(new QPlainTextEdit(this)),
      picture_(new Picture1(this)) {
    setObjectName(QStringLiteral("commandPanel"));
    numbersCreated_->setObjectName(QStringLiteral("lblNumbersCreated"));
    picture_->setObjectName(QStringLiteral("Picture1"));

    results_->setObjectName(QStringLiteral("txtResults"));
    results_->setAccessibleName(QStringLiteral("Results"));
    results_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab leaves the box instead of typing into it, so the keyboard reaches the picture.
    results_->setTabChangesFocus(true);
    QPalette pal = results_->palette();
    pal.setColor(QPalette::Base, kLightYellow);
    results_->setPalette(pal);
    // "Filter more" has something to read once the box holds four characters.
    filterMore_->setEnabled(false);
    connect(results_, &QPlainTextEdit::textChanged, this,
            [this] { filterMore_->setEnabled(results_->document()->characterCount() - 1 > 3); });

    auto* codes = new QHBoxLayout;
    codes->setSpacing(2);
    for (QLineEdit* field : {sixWay_, llh_, lhh_}) {
        codes->addWidget(field);
    }

    auto* buttons = new QGridLayout;
    buttons->addWidget(produce_, 0, 0);
    buttons->addWidget(filterMore_, 0, 1);
    buttons->addWidget(resetFilters_, 1, 0);
    buttons->addWidget(hotCold_, 1, 1);
    buttons->addWidget(boxedPairs_, 2, 0, 1, 2);
    buttons->addWidget(straightPairs_, 2, 0, 1, 2);
    buttons->addWidget(outputBox_, 3, 0);
    buttons->addLayout(codes, 3, 1);
    buttons->addWidget(help_, 4, 0);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addLayout(buttons);
    column->addWidget(numbersCreated_);
    column->addWidget(results_, 1);
    column->addWidget(picture_, 0, Qt::AlignHCenter);

    straightPairs_->hide();

    // Tab goes row by row through the button grid, then the results and the picture.
    const std::array<QWidget*, 13> order{
        produce_, filterMore_, resetFilters_, hotCold_, boxedPairs_, straightPairs_, outputBox_,
        sixWay_,  llh_,        lhh_,          help_,    results_,    picture_};
    for (std::size_t i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

QPushButton* CommandPanel::makeButton(const QString& name, const QString& caption,
                                      const QString& tip, bool straight) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setAutoDefault(false);
    if (!tip.isEmpty()) {
        button->setToolTip(tip);
        button->setAccessibleDescription(tip);
    }
    QPalette pal = button->palette();
    pal.setColor(QPalette::Button,
                 listColour(straight ? ListColour::LightOrange : ListColour::LightBlue));
    button->setPalette(pal);
    return button;
}

QLineEdit* CommandPanel::makeCodeField(const QString& name, const QString& code,
                                       const QString& what) {
    auto* field = new QLineEdit(code, this);
    field->setObjectName(name);
    // Only the order window writes a code, so no invalid code reaches the engine.
    field->setReadOnly(true);
    field->setAccessibleName(what);
    field->setToolTip(what);
    field->setAlignment(Qt::AlignCenter);
    field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("MMMM")) + 12);
    return field;
}

void CommandPanel::setResultsText(const std::string& engineText) {
    results_->setPlainText(fromEngine(engineText));
}

std::string CommandPanel::resultsText() const {
    return results_->toPlainText().toStdString();
}

void CommandPanel::setCountCaption(const std::string& caption) {
    numbersCreated_->setText(QString::fromStdString(caption));
}

OutputOrder CommandPanel::outputOrder() const {
    return {sixWay_->text().toStdString(), llh_->text().toStdString(), lhh_->text().toStdString()};
}

void CommandPanel::setOutputOrder(const OutputOrder& order) {
    sixWay_->setText(QString::fromStdString(order.sixWay));
    llh_->setText(QString::fromStdString(order.llh));
    lhh_->setText(QString::fromStdString(order.lhh));
}

void CommandPanel::showPairCounts(const PairSets& pairs) {
    boxedPairs_->setText(QString::fromStdString(boxedPairsCaption(pairs)));
    straightPairs_->setText(QString::fromStdString(straightPairsCaption(pairs)));
}

void CommandPanel::showMode(DigitMode mode) {
    const bool any = mode == DigitMode::AnyPosition;
    boxedPairs_->setVisible(any);
    straightPairs_->setVisible(!any);
    outputBox_->setEnabled(any);
}

} // namespace pick3
