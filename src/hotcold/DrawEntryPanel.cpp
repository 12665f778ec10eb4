#include "hotcold/DrawEntryPanel.h"

#include "engine/history/DrawImport.h"
#include "widgets/FileAccess.h"
#include "widgets/Look.h"
#include "widgets/TextBox.h"

#include <QDropEvent>

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextCursor>
#include <QTimer>
#include <QVBoxLayout>
#include <functional>

namespace pick3 {

namespace {

// The draw box: a dropped file goes to the import window, dropped text in as before.
class DrawBox : public TextBox {
  public:
    DrawBox(QWidget* parent, std::function<void(const QString&)> fileDropped)
        : TextBox(parent), fileDropped_(std::move(fileDropped)) {}

  protected:
    void dragEnterEvent(QDragEnterEvent* event) override {
        droppedFile(event->mimeData()).isEmpty() ? TextBox::dragEnterEvent(event)
                                                 : event->acceptProposedAction();
    }
    void dragMoveEvent(QDragMoveEvent* event) override {
        droppedFile(event->mimeData()).isEmpty() ? TextBox::dragMoveEvent(event)
                                                 : event->acceptProposedAction();
    }
    void dropEvent(QDropEvent* event) override {
        const QString path = droppedFile(event->mimeData());
        if (path.isEmpty()) {
            return TextBox::dropEvent(event);
        }
        event->acceptProposedAction();
        // Opened once the drop is over, so the source of the drag is not kept waiting.
        QTimer::singleShot(0, this, [this, path] { fileDropped_(path); });
    }

  private:
    std::function<void(const QString&)> fileDropped_;
};

} // namespace

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
    makeDrawBox(heading);
    makeButtons();
    makeDatedWarning();
    layOut(heading, hint, makeSortFrame());
}

void DrawEntryPanel::makeDrawBox(QLabel* heading) {
    txtDrawnNumber_ =
        named(new DrawBox(this, [this](const QString& path) { Q_EMIT fileDropped(path); }),
              QStringLiteral("txtDrawnNumber"));
    txtDrawnNumber_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtDrawnNumber_->setTabChangesFocus(true);
    describe(txtDrawnNumber_, heading->text(),
             QStringLiteral("Type or paste the drawn numbers; every digit counts, three digits "
                            "make one draw"));
    heading->setBuddy(txtDrawnNumber_);
}

void DrawEntryPanel::makeButtons() {
    auto* go = named(new QPushButton(QStringLiteral("Count"), this), QStringLiteral("cmdGo"));
    describe(go, go->text(),
             QStringLiteral("Counts the digits drawn in each position and in any position, ranks "
                            "them and activates the hot/cold filter"));
    cmdGo_ = go;
    connect(go, &QPushButton::clicked, this, &DrawEntryPanel::countRequested);
    auto* import = named(new QPushButton(QStringLiteral("&Import draws..."), this),
                         QStringLiteral("cmdImportDraws"));
    describe(import, QStringLiteral("Import draws..."),
             QStringLiteral("Reads a dated draw history (a results page, a CSV or TSV download) "
                            "from a file, the clipboard or this box, and writes its draws here "
                            "one per line"));
    cmdImportDraws_ = import;
    connect(import, &QPushButton::clicked, this, &DrawEntryPanel::importRequested);
    auto* charts =
        named(new QPushButton(QStringLiteral("C&harts..."), this), QStringLiteral("cmdCharts"));
    describe(charts, QStringLiteral("Charts..."),
             QStringLiteral("Draws the draws of the last count as charts: digits, sums and skips "
                            "against what luck alone gives"));
    cmdCharts_ = charts;
    connect(charts, &QPushButton::clicked, this, &DrawEntryPanel::chartsRequested);
}

// Under the box: why "Count" would mislead on a dated history.
void DrawEntryPanel::makeDatedWarning() {
    lblDatedText_ = makeLabel(QStringLiteral("lblDatedText"), QString(), this);
    lblDatedText_->setWordWrap(true);
    setTextColour(lblDatedText_, QColor(0xA0, 0x00, 0x00));
    lblDatedText_->hide();
    connect(txtDrawnNumber_, &QPlainTextEdit::textChanged, this, [this] {
        // One look per turn of the event loop, however many edits came in it.
        if (!warningDue_) {
            warningDue_ = true;
            QTimer::singleShot(0, this, &DrawEntryPanel::showWarning);
        }
    });
}

QWidget* DrawEntryPanel::makeSortFrame() {
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
    return frame;
}

void DrawEntryPanel::layOut(QLabel* heading, QLabel* hint, QWidget* sortFrame) {
    auto* countColumn = new QVBoxLayout;
    countColumn->addWidget(cmdGo_);
    countColumn->addWidget(cmdImportDraws_);
    countColumn->addWidget(cmdCharts_);
    countColumn->addWidget(sortFrame);
    countColumn->addStretch(1);
    entryRow_ = new QHBoxLayout;
    entryRow_->addWidget(txtDrawnNumber_, 1);
    entryRow_->addLayout(countColumn);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(heading);
    column->addWidget(hint);
    column->addLayout(entryRow_, 1);
    column->addWidget(lblDatedText_);
}

std::string DrawEntryPanel::draws() const {
    return toEngine(txtDrawnNumber_->toPlainText());
}

QString DrawEntryPanel::text() const {
    return txtDrawnNumber_->toPlainText();
}

void DrawEntryPanel::replaceDraws(const QString& text) {
    txtDrawnNumber_->replaceAll(text); // the first draw in sight
}

void DrawEntryPanel::showWarning() {
    warningDue_ = false;
    // The warning reads the start of a text only; a pasted megabyte need not be copied.
    constexpr qsizetype kLooksAt = 64 * 1024;
    const std::optional<std::string> warning =
        datedTextWarning(toEngine(txtDrawnNumber_->toPlainText().left(kLooksAt)));
    lblDatedText_->setVisible(warning.has_value());
    lblDatedText_->setText(warning ? fromEngine(*warning) : QString());
}

SortOrder DrawEntryPanel::sortOrder() const {
    return optSortOrder_[0]->isChecked() ? SortOrder::HitsDescDigitsAsc
                                         : SortOrder::HitsDescDigitsDesc;
}

void DrawEntryPanel::focusEntry() {
    txtDrawnNumber_->setFocus();
}

void DrawEntryPanel::addBesideCount(QWidget* widget) {
    entryRow_->addWidget(widget, 1);
}

std::vector<QWidget*> DrawEntryPanel::tabOrder() const {
    return {txtDrawnNumber_, cmdGo_,           cmdImportDraws_,
            cmdCharts_,      optSortOrder_[0], optSortOrder_[1]};
}

} // namespace pick3
