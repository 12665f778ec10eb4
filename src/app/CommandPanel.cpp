#include "app/CommandPanel.h"

#include "app/Picture1.h"
#include "engine/numbers/Commands.h"
#include "widgets/Look.h"
#include "widgets/TextBox.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTextDocument>
#include <QVBoxLayout>
#include <array>

namespace pick3 {

CommandPanel::CommandPanel(QWidget* parent)
    : QWidget(parent),
      produce_(makeButton(QStringLiteral("cmdProduce"), QStringLiteral("Create numbers"),
                          QStringLiteral("Create the numbers"))),
      filterMore_(makeButton(QStringLiteral("cmdFilterMore"), QStringLiteral("Filter more"),
                             QStringLiteral("Run the numbers in the textbox through the filters "
                                            "set in the \"Exclude section\""))),
      resetFilters_(makeButton(QStringLiteral("cmdResetFilters"), QStringLiteral("Reset filters"),
                               QStringLiteral("Reset filters to their default values"))),
      boxedPairs_(makeWindowButton(ChildWindow::BoxedPairs,
                                   QStringLiteral("cmdFilterOutBoxedPairs"),
                                   QStringLiteral("Filter pairs - BOXED"), QString())),
      straightPairs_(makeWindowButton(ChildWindow::StraightPairs,
                                      QStringLiteral("cmdFilterPairsStraight"),
                                      QStringLiteral("Filter pairs - STRAIGHT"), QString(), true)),
      outputBox_(makeWindowButton(ChildWindow::OutputBox, QStringLiteral("cmdOutputBox"),
                                  QStringLiteral("Output format box"),
                                  QStringLiteral("Output for Boxed combo's"))),
      hotCold_(makeWindowButton(ChildWindow::HotCold, QStringLiteral("cmdHotCold"),
                                QStringLiteral("HotCold"),
                                QStringLiteral("Output for Boxed combo's"))),
      help_(makeWindowButton(ChildWindow::Help, QStringLiteral("cmdHelp"),
                             QStringLiteral("Wheel-help"), QString())),
      backTest_(makeWindowButton(
          ChildWindow::BackTest, QStringLiteral("cmdBackTest"), QStringLiteral("Back-test"),
          QStringLiteral("How the filters set now would have done on the draws counted in "
                         "\"HotCold\", and which digits are due"))),
      myPlays_(makeWindowButton(ChildWindow::MyPlays, QStringLiteral("cmdMyPlays"),
                                QStringLiteral("&My plays..."),
                                QStringLiteral("Your own tickets: kept, checked against the draws "
                                               "of their game, and what you staked and won"))),
      saveNumbers_(makeButton(QStringLiteral("cmdSaveNumbers"), QStringLiteral("Save &numbers..."),
                              QStringLiteral("Save the numbers of the results box to a file: as "
                                             "shown, or as CSV with each number's structure"))),
      print_(makeButton(QStringLiteral("cmdPrint"), QStringLiteral("&Print..."),
                        QStringLiteral("Print the numbers of the results box with the date, the "
                                       "mode and the filters in force"))),
      playThese_(makeButton(QStringLiteral("cmdPlayThese"), QStringLiteral("Pla&y these..."),
                            QStringLiteral("Keep the numbers of the results box as tickets for "
                                           "a game's draws, with their cost shown first"))),
      sixWay_(makeCodeField(QStringLiteral("txtOutputBox6Way"), QStringLiteral("LMH"),
                            QStringLiteral("Order of boxed singles"))),
      llh_(makeCodeField(QStringLiteral("txtOutputBoxLLH"), QStringLiteral("LLH"),
                         QStringLiteral("Order of doubles with the lower digit doubled"))),
      lhh_(makeCodeField(QStringLiteral("txtOutputBoxLHH"), QStringLiteral("LHH"),
                         QStringLiteral("Order of doubles with the higher digit doubled"))),
      numbersCreated_(makeLabel(QStringLiteral("lblNumbersCreated"), QString(), this)),
      liveCount_(makeLabel(QStringLiteral("lblLiveCount"), QString(), this)),
      results_(makeResults()), picture_(new Picture1(this)) {
    setObjectName(QStringLiteral("commandPanel"));
    connectButtons();
    layOut();
    straightPairs_->hide();
    setTabOrderOfPanel();
}

void CommandPanel::connectButtons() {
    connect(produce_, &QPushButton::clicked, this, &CommandPanel::produceRequested);
    connect(filterMore_, &QPushButton::clicked, this, &CommandPanel::filterMoreRequested);
    connect(resetFilters_, &QPushButton::clicked, this, &CommandPanel::resetRequested);
    connect(saveNumbers_, &QPushButton::clicked, this, &CommandPanel::saveNumbersRequested);
    connect(print_, &QPushButton::clicked, this, &CommandPanel::printRequested);
    connect(playThese_, &QPushButton::clicked, this, &CommandPanel::playTheseRequested);
    new QShortcut(QKeySequence::Print, this, print_, &QPushButton::click);
}

void CommandPanel::layOut() {
    auto* codes = new QHBoxLayout;
    codes->setSpacing(2);
    for (QLineEdit* field : {sixWay_, llh_, lhh_}) {
        codes->addWidget(field);
    }
    // The live count stands right under "Create numbers", whose result it foretells.
    describe(liveCount_, QStringLiteral("Live count"),
             QStringLiteral("How many numbers \"Create numbers\" would create with the settings "
                            "as they stand, and the share of all 1000 possible draws they cover"));
    liveCount_->setWordWrap(true);
    // Room for two lines, always: a count that wraps moves no button, and the
    // window's height does not follow the width of the line (the longest count
    // or refusal takes two lines in the narrowest column).
    liveCount_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    liveCount_->setFixedHeight(2 * liveCount_->fontMetrics().lineSpacing() + 2);
    QSizePolicy policy = liveCount_->sizePolicy();
    policy.setHeightForWidth(false);
    liveCount_->setSizePolicy(policy);
    auto* buttons = new QGridLayout;
    buttons->addWidget(produce_, 0, 0);
    buttons->addWidget(filterMore_, 0, 1);
    buttons->addWidget(liveCount_, 1, 0, 1, 2);
    buttons->addWidget(resetFilters_, 2, 0);
    buttons->addWidget(hotCold_, 2, 1);
    buttons->addWidget(boxedPairs_, 3, 0, 1, 2);
    buttons->addWidget(straightPairs_, 3, 0, 1, 2);
    buttons->addWidget(outputBox_, 4, 0);
    buttons->addLayout(codes, 4, 1);
    buttons->addWidget(help_, 5, 0);
    auto* backTestRow = new QHBoxLayout;
    backTestRow->setSpacing(buttons->horizontalSpacing());
    backTestRow->addWidget(backTest_, 1);
    backTestRow->addWidget(myPlays_, 1);
    buttons->addLayout(backTestRow, 5, 1);
    buttons->addWidget(saveNumbers_, 6, 0);
    buttons->addWidget(print_, 6, 1);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addLayout(buttons);
    // "Play these..." stands beside the results box whose numbers it plays.
    auto* resultsRow = new QHBoxLayout;
    resultsRow->addWidget(numbersCreated_, 1);
    resultsRow->addWidget(playThese_);
    column->addLayout(resultsRow);
    column->addWidget(results_, 1);
    column->addWidget(picture_, 0, Qt::AlignHCenter);
}

QPlainTextEdit* CommandPanel::makeResults() {
    auto* results = named(new TextBox(this), QStringLiteral("txtResults"));
    results->setAccessibleName(QStringLiteral("Results"));
    results->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab leaves the box instead of typing into it, so the keyboard reaches the picture.
    results->setTabChangesFocus(true);
    setBaseColour(results, kLightYellow);
    // "Filter more" has something to read once the box holds four characters,
    // a line break counted as the CR LF it stands for.
    filterMore_->setEnabled(false);
    connect(results, &QPlainTextEdit::textChanged, this, [this, results] {
        const QTextDocument* text = results->document();
        filterMore_->setEnabled(
            fnFilterMoreEnabled(static_cast<std::size_t>(text->characterCount() - 1),
                                static_cast<std::size_t>(text->blockCount() - 1)));
    });
    return results;
}

// Tab goes row by row through the button grid, then the results and the picture.
void CommandPanel::setTabOrderOfPanel() {
    const std::array<QWidget*, 18> order{
        produce_,   filterMore_,  resetFilters_, hotCold_,   boxedPairs_, straightPairs_,
        outputBox_, sixWay_,      llh_,          lhh_,       help_,       backTest_,
        myPlays_,   saveNumbers_, print_,        playThese_, results_,    picture_};
    for (std::size_t i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

QPushButton* CommandPanel::makeButton(const QString& name, const QString& caption,
                                      const QString& tip, bool straight) {
    auto* button = named(new QPushButton(caption, this), name);
    button->setAutoDefault(false);
    describe(button, QString(), tip);
    QPalette pal = button->palette();
    pal.setColor(QPalette::Button,
                 listColour(straight ? ListColour::LightOrange : ListColour::LightBlue));
    button->setPalette(pal);
    return button;
}

QPushButton* CommandPanel::makeWindowButton(ChildWindow window, const QString& name,
                                            const QString& caption, const QString& tip,
                                            bool straight) {
    QPushButton* button = makeButton(name, caption, tip, straight);
    connect(button, &QPushButton::clicked, this,
            [this, window] { Q_EMIT windowRequested(window); });
    return button;
}

QLineEdit* CommandPanel::makeCodeField(const QString& name, const QString& code,
                                       const QString& what) {
    auto* field = named(new QLineEdit(code, this), name);
    // Only the order window writes a code, so no invalid code reaches the engine.
    field->setReadOnly(true);
    describe(field, what, what);
    field->setAlignment(Qt::AlignCenter);
    field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("MMMM")) + 12);
    return field;
}

void CommandPanel::setResultsText(const std::string& engineText) {
    results_->setPlainText(fromEngine(engineText));
}

std::string CommandPanel::resultsText() const {
    return toEngine(results_->toPlainText());
}

void CommandPanel::setCountCaption(const std::string& caption) {
    numbersCreated_->setText(fromEngine(caption));
}

OutputOrder CommandPanel::outputOrder() const {
    return {toEngine(sixWay_->text()), toEngine(llh_->text()), toEngine(lhh_->text())};
}

void CommandPanel::setOutputOrder(const OutputOrder& order) {
    sixWay_->setText(fromEngine(order.sixWay));
    llh_->setText(fromEngine(order.llh));
    lhh_->setText(fromEngine(order.lhh));
}

void CommandPanel::showPairCounts(const PairSets& pairs) {
    boxedPairs_->setText(fromEngine(boxedPairsCaption(pairs)));
    straightPairs_->setText(fromEngine(straightPairsCaption(pairs)));
}

void CommandPanel::showLiveCount(const std::string& line, bool refused) {
    liveCount_->setText(fromEngine(line));
    const QColor colour =
        refused ? QColor(0xA0, 0x00, 0x00) : palette().color(QPalette::WindowText);
    // A new palette at every tick would restyle the label each time for nothing.
    if (liveCount_->palette().color(QPalette::WindowText) != colour) {
        setTextColour(liveCount_, colour);
    }
}

void CommandPanel::addCommands(QWidget* commands, const std::vector<QWidget*>& tabStops) {
    static_cast<QVBoxLayout*>(layout())->insertWidget(1, commands);
    QWidget* previous = print_;
    for (QWidget* stop : tabStops) {
        setTabOrder(previous, stop);
        previous = stop;
    }
    setTabOrder(previous, playThese_);
    setTabOrder(playThese_, results_);
}

void CommandPanel::showMode(DigitMode mode) {
    const bool any = mode == DigitMode::AnyPosition;
    boxedPairs_->setVisible(any);
    straightPairs_->setVisible(!any);
    outputBox_->setEnabled(any);
}

} // namespace pick3
