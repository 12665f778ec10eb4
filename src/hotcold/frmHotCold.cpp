#include "hotcold/frmHotCold.h"

#include "app/AppInfo.h"
#include "app/CheckList.h"
#include "app/mdlGradient.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace pick3 {

namespace {

const QColor kStatusBlue{0x00, 0x00, 0xFF};
const QColor kStatusRed{0xFF, 0x00, 0x00};

QString fromStd(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The engine ends lines with CR LF; a text box shows plain line breaks.
QString toBoxText(const std::string& text) {
    QString boxText = QString::fromStdString(text);
    boxText.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return boxText;
}

QStringList catalogueItems(ListId id) {
    QStringList items;
    for (const std::string_view item : listEntry(id).items) {
        items << fromStd(item);
    }
    return items;
}

template <typename W> W* named(W* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

// Caption (or heading) as accessible name, tooltip as accessible description.
void describe(QWidget* widget, const QString& name, const QString& tooltip) {
    widget->setAccessibleName(name);
    widget->setToolTip(tooltip);
    widget->setAccessibleDescription(tooltip);
}

QLabel* makeLabel(const QString& name, const QString& caption, QWidget* parent) {
    return named(new QLabel(caption, parent), name);
}

void keepPlaceWhenHidden(QWidget* widget) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

QListWidget* makeHitList(const QString& name, const QString& heading, QWidget* parent) {
    auto* list = named(new QListWidget(parent), name);
    // Several digits may be picked at once; a click toggles one.
    list->setSelectionMode(QAbstractItemView::MultiSelection);
    list->setUniformItemSizes(true);
    describe(list, heading,
             QStringLiteral("Ranked digits, most drawn first; the first five are hot. Select "
                            "digits here to create numbers from them."));
    const QFontMetrics fm(list->font());
    const int frame = 2 * list->frameWidth() + 6;
    list->setMinimumWidth(fm.horizontalAdvance(QStringLiteral("0   (000000 hits)")) + frame +
                          list->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    list->setMinimumHeight(10 * fm.height() + frame);
    // Hidden until the first count; the layout keeps their place.
    keepPlaceWhenHidden(list);
    return list;
}

// Lets a check box show a state that only the program sets.
class IgnoreUserInput : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            return true;
        default:
            return QObject::eventFilter(watched, event);
        }
    }
};

} // namespace

struct frmHotCold::Ui {
    BannerFrame* banner = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QPlainTextEdit* txtDrawnNumber = nullptr;
    QPushButton* cmdGo = nullptr;
    QGroupBox* Frame2 = nullptr;
    std::array<QRadioButton*, 2> optSortOrder{};
    std::array<QLabel*, 4> hitHeadings{};   // lblPos1, lblPos2, lblPos3, lblBox
    std::array<QListWidget*, 4> hitLists{}; // lstPos1, lstPos2, lstPos3, lstBox
    QLabel* Label6 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QButtonGroup* optBoxGroup = nullptr;
    std::array<QRadioButton*, 2> optBox{};
    QCheckBox* chk6Ways = nullptr;
    QCheckBox* chkDoubles = nullptr;
    QCheckBox* chkTriples = nullptr;
    QPushButton* cmdCreateNumbers = nullptr;
    QLabel* Label7 = nullptr;
    QPlainTextEdit* txtOutput = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    CheckList* lstHCBox = nullptr;
    CheckList* lstHCStraight = nullptr;
    QLabel* lblSettings = nullptr;
    QCheckBox* chkSettingsSaved = nullptr;
    QPushButton* cmdClearSettings = nullptr;
};

frmHotCold::frmHotCold(MainWindowLink link, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui>()), link_(std::move(link)) {
    setObjectName(QStringLiteral("frmHotCold"));
    setWindowTitle(QStringLiteral("HotCold-counter & wheel"));
    setSizeGripEnabled(true);
    buildUi();
    connectControls();

    // The load: nothing counted, the filter de-activated.
    ui_->chkSettingsSaved->setChecked(false);
    setStatus(QStringLiteral("HotCold-filter de-activated"), kStatusRed);
    kinds_ = NumberKinds{};
    straightBox_ = StraightBox::Straight;
    sbFillHCPatternLists();
    sbResetCountView();
    // The hit lists appear with the first count (or a Straight/box click).
    for (std::size_t i = 0; i < 4; ++i) {
        ui_->hitLists[i]->setVisible(false);
        ui_->hitHeadings[i]->setVisible(false);
    }
    ui_->lstHCBox->setEnabled(false);
    ui_->lstHCStraight->setEnabled(false);
    // The keyboard starts at the draw entry, not on the Close that discards the count.
    ui_->txtDrawnNumber->setFocus();
}

frmHotCold::~frmHotCold() = default;

void frmHotCold::buildUi() {
    Ui& u = *ui_;
    u.banner = new BannerFrame(QStringLiteral("HotCold-counter Pick 3 ") + sVersion(), this);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(u.banner);
    QWidget* area = u.banner->content();

    // Draw entry and "Count".
    u.Label1 = makeLabel(QStringLiteral("Label1"), QStringLiteral("Enter the drawn numbers"), area);
    QFont headingFont = u.Label1->font();
    headingFont.setBold(true);
    u.Label1->setFont(headingFont);
    u.Label2 = makeLabel(QStringLiteral("Label2"),
                         QStringLiteral("The numbers can be entered pretty much as you like, "
                                        "seperate them by a comma/dash/space/nothing/..., it "
                                        "does not matter"),
                         area);
    u.Label2->setWordWrap(true);
    u.txtDrawnNumber = named(new QPlainTextEdit(area), QStringLiteral("txtDrawnNumber"));
    u.txtDrawnNumber->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    u.txtDrawnNumber->setTabChangesFocus(true);
    describe(u.txtDrawnNumber, u.Label1->text(),
             QStringLiteral("Type or paste the drawn numbers; every digit counts, three digits "
                            "make one draw"));
    u.Label1->setBuddy(u.txtDrawnNumber);
    u.cmdGo = named(new QPushButton(QStringLiteral("Count"), area), QStringLiteral("cmdGo"));
    describe(u.cmdGo, QStringLiteral("Count"),
             QStringLiteral("Counts the digits drawn in each position and in any position, ranks "
                            "them and activates the hot/cold filter"));

    u.Frame2 = named(new QGroupBox(QStringLiteral("Sort order digits counted"), area),
                     QStringLiteral("Frame2"));
    auto* sortLayout = new QVBoxLayout(u.Frame2);
    const std::array<QString, 2> sortCaptions{QStringLiteral("Hits desc + digits asc"),
                                              QStringLiteral("Hits desc + digits desc")};
    for (std::size_t i = 0; i < 2; ++i) {
        u.optSortOrder[i] = named(new QRadioButton(sortCaptions[i], u.Frame2),
                                  QStringLiteral("optSortOrder(%1)").arg(i));
        describe(u.optSortOrder[i], sortCaptions[i],
                 QStringLiteral("How digits with equal hits are ranked; used by the next count"));
        sortLayout->addWidget(u.optSortOrder[i]);
    }
    u.optSortOrder[0]->setChecked(true);

    // The four ranked hit lists.
    const std::array<QString, 4> hitNames{QStringLiteral("lstPos1"), QStringLiteral("lstPos2"),
                                          QStringLiteral("lstPos3"), QStringLiteral("lstBox")};
    const std::array<QString, 4> headingNames{QStringLiteral("lblPos1"), QStringLiteral("lblPos2"),
                                              QStringLiteral("lblPos3"), QStringLiteral("lblBox")};
    const std::array<QString, 4> headings{QStringLiteral("Pos 1"), QStringLiteral("Pos 2"),
                                          QStringLiteral("Pos 3"), QStringLiteral("Rank")};
    auto* hitRow = new QHBoxLayout;
    for (std::size_t i = 0; i < 4; ++i) {
        u.hitHeadings[i] = makeLabel(headingNames[i], headings[i], area);
        keepPlaceWhenHidden(u.hitHeadings[i]);
        u.hitLists[i] = makeHitList(hitNames[i], headings[i], area);
        u.hitHeadings[i]->setBuddy(u.hitLists[i]);
        auto* column = new QVBoxLayout;
        column->addWidget(u.hitHeadings[i]);
        column->addWidget(u.hitLists[i], 1);
        hitRow->addLayout(column);
    }

    // Making numbers from picked digits.
    u.Label6 = makeLabel(QStringLiteral("Label6"),
                         QStringLiteral("Select digits to create numbers"), area);
    u.Label6->setFont(headingFont);
    u.Frame1 = named(new QGroupBox(QStringLiteral("Straight/box"), area), QStringLiteral("Frame1"));
    auto* boxLayout = new QHBoxLayout(u.Frame1);
    u.optBoxGroup = new QButtonGroup(this);
    const std::array<QString, 2> boxCaptions{QStringLiteral("Straight"), QStringLiteral("Box")};
    const std::array<QString, 2> boxTips{
        QStringLiteral("Numbers from one digit of each position list, in position order"),
        QStringLiteral("Boxed combinations of at least three digits picked in the Rank list")};
    for (std::size_t i = 0; i < 2; ++i) {
        u.optBox[i] =
            named(new QRadioButton(boxCaptions[i], u.Frame1), QStringLiteral("optBox(%1)").arg(i));
        describe(u.optBox[i], boxCaptions[i], boxTips[i]);
        u.optBoxGroup->addButton(u.optBox[i], static_cast<int>(i));
        boxLayout->addWidget(u.optBox[i]);
    }
    u.optBox[0]->setChecked(true);
    u.chk6Ways = named(new QCheckBox(QStringLiteral("6-ways"), area), QStringLiteral("chk6Ways"));
    describe(u.chk6Ways, QStringLiteral("6-ways"),
             QStringLiteral("Write numbers whose three digits all differ"));
    u.chkDoubles =
        named(new QCheckBox(QStringLiteral("Doubles"), area), QStringLiteral("chkDoubles"));
    describe(u.chkDoubles, QStringLiteral("Doubles"),
             QStringLiteral("Write numbers with exactly two equal digits"));
    u.chkTriples =
        named(new QCheckBox(QStringLiteral("Triples"), area), QStringLiteral("chkTriples"));
    describe(u.chkTriples, QStringLiteral("Triples"),
             QStringLiteral("Write numbers with three equal digits"));
    for (QCheckBox* box : {u.chk6Ways, u.chkDoubles, u.chkTriples}) {
        box->setChecked(true);
    }
    u.cmdCreateNumbers = named(new QPushButton(QStringLiteral("Create numbers"), area),
                               QStringLiteral("cmdCreateNumbers"));
    describe(u.cmdCreateNumbers, QStringLiteral("Create numbers"),
             QStringLiteral("Writes every number that the selected digits make into the output"));
    auto* createColumn = new QVBoxLayout;
    createColumn->addWidget(u.Label6);
    createColumn->addWidget(u.Frame1);
    createColumn->addWidget(u.chk6Ways);
    createColumn->addWidget(u.chkDoubles);
    createColumn->addWidget(u.chkTriples);
    createColumn->addWidget(u.cmdCreateNumbers);
    createColumn->addStretch(1);
    hitRow->addLayout(createColumn);

    u.Label7 = makeLabel(QStringLiteral("Label7"), QStringLiteral("Output"), area);
    u.Label7->setFont(headingFont);
    u.txtOutput = named(new QPlainTextEdit(area), QStringLiteral("txtOutput"));
    u.txtOutput->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    u.txtOutput->setTabChangesFocus(true);
    describe(u.txtOutput, QStringLiteral("Output"),
             QStringLiteral("The numbers made from the selected digits, with their count"));
    u.Label7->setBuddy(u.txtOutput);

    // The hot/cold patterns to throw out, and the filter's status.
    u.Label5 = makeLabel(QStringLiteral("Label5"), QStringLiteral("Filter selection"), area);
    u.Label5->setFont(headingFont);
    u.Label3 = makeLabel(QStringLiteral("Label3"), QStringLiteral("Box"), area);
    u.Label4 = makeLabel(QStringLiteral("Label4"), QStringLiteral("Straight"), area);
    u.lstHCBox = new CheckList(listEntry(ListId::HCBox), area);
    u.lstHCStraight = new CheckList(listEntry(ListId::HCStraight), area);
    describe(u.lstHCBox, QStringLiteral("Box"),
             QStringLiteral("Tick the hot/cold patterns whose boxed numbers the main window "
                            "throws out in Any position mode"));
    describe(u.lstHCStraight, QStringLiteral("Straight"),
             QStringLiteral("Tick the hot/cold patterns (H hot, C cold, in position order) whose "
                            "numbers the main window throws out in Positional mode"));
    u.Label3->setBuddy(u.lstHCBox);
    u.Label4->setBuddy(u.lstHCStraight);
    for (auto [list, id] :
         {std::pair{u.lstHCBox, ListId::HCBox}, std::pair{u.lstHCStraight, ListId::HCStraight}}) {
        const QFontMetrics fm(list->font());
        list->setMinimumWidth(fm.horizontalAdvance(QStringLiteral("HotCold-filter activated")) +
                              16);
        // Room for every pattern without scrolling.
        const auto rows = static_cast<int>(listEntry(id).items.size());
        list->setMinimumHeight(rows * (fm.height() + 4) + 2 * list->frameWidth() + 4);
    }
    u.lstHCBox->setMaximumHeight(u.lstHCBox->minimumHeight());
    u.lstHCStraight->setMaximumHeight(u.lstHCStraight->minimumHeight());
    u.lblSettings = makeLabel(QStringLiteral("lblSettings"), QString(), area);
    u.lblSettings->setFont(headingFont);
    u.chkSettingsSaved = named(new QCheckBox(QStringLiteral("Settings saved"), area),
                               QStringLiteral("chkSettingsSaved"));
    // Shows the state of the count; never operated by the user.
    u.chkSettingsSaved->installEventFilter(new IgnoreUserInput(u.chkSettingsSaved));
    u.chkSettingsSaved->setFocusPolicy(Qt::NoFocus);
    describe(u.chkSettingsSaved, QStringLiteral("Settings saved"),
             QStringLiteral("Ticked by a count while its hot/cold settings are in force"));
    u.cmdClearSettings = named(new QPushButton(QStringLiteral("Clear Hotcold-filter"), area),
                               QStringLiteral("cmdClearSettings"));
    describe(u.cmdClearSettings, QStringLiteral("Clear Hotcold-filter"),
             QStringLiteral("Unticks every hot/cold pattern here and in the main window"));
    QPushButton* close = u.banner->closeButton();
    describe(close, QStringLiteral("Close"),
             QStringLiteral("Clears the hot/cold filter and the count, then closes this window. "
                            "Esc or the title-bar close hide the window and keep the filter in "
                            "force."));

    auto* filterColumn = new QVBoxLayout;
    filterColumn->addWidget(u.Label5);
    filterColumn->addWidget(u.Label3);
    filterColumn->addWidget(u.lstHCBox);
    filterColumn->addWidget(u.Label4);
    filterColumn->addWidget(u.lstHCStraight);
    filterColumn->addStretch(1);
    filterColumn->addWidget(u.lblSettings);
    filterColumn->addWidget(u.chkSettingsSaved);
    filterColumn->addWidget(u.cmdClearSettings);

    auto* countColumn = new QVBoxLayout;
    countColumn->addWidget(u.cmdGo);
    countColumn->addWidget(u.Frame2);
    countColumn->addStretch(1);
    auto* entryRow = new QHBoxLayout;
    entryRow->addWidget(u.txtDrawnNumber, 1);
    entryRow->addLayout(countColumn);

    auto* left = new QVBoxLayout;
    left->addWidget(u.Label1);
    left->addWidget(u.Label2);
    left->addLayout(entryRow, 2);
    left->addLayout(hitRow);
    left->addWidget(u.Label7);
    left->addWidget(u.txtOutput, 1);

    auto* grid = new QHBoxLayout(area);
    grid->setContentsMargins(10, 8, 10, 10);
    grid->setSpacing(14);
    grid->addLayout(left, 1);
    grid->addLayout(filterColumn);

    // Reading order: entry, count, ranking, creation, output, patterns, Close last.
    const std::vector<QWidget*> order{u.txtDrawnNumber,
                                      u.cmdGo,
                                      u.optSortOrder[0],
                                      u.optSortOrder[1],
                                      u.hitLists[0],
                                      u.hitLists[1],
                                      u.hitLists[2],
                                      u.hitLists[3],
                                      u.optBox[0],
                                      u.optBox[1],
                                      u.chk6Ways,
                                      u.chkDoubles,
                                      u.chkTriples,
                                      u.cmdCreateNumbers,
                                      u.txtOutput,
                                      u.lstHCBox,
                                      u.lstHCStraight,
                                      u.cmdClearSettings,
                                      close};
    for (std::size_t i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
    resize(980, 700);
}

void frmHotCold::connectControls() {
    Ui& u = *ui_;
    connect(u.cmdGo, &QPushButton::clicked, this, &frmHotCold::cmdGo_Click);
    connect(u.cmdCreateNumbers, &QPushButton::clicked, this, &frmHotCold::cmdCreateNumbers_Click);
    connect(u.cmdClearSettings, &QPushButton::clicked, this, &frmHotCold::sbClearP3HCSettings);
    connect(u.banner->closeButton(), &QPushButton::clicked, this, &frmHotCold::cmdClose_Click);
    connect(u.optBoxGroup, &QButtonGroup::idClicked, this, [this](int index) {
        straightBox_ = index == 1 ? StraightBox::Box : StraightBox::Straight;
        sbShowHitLists();
    });
    connect(u.chk6Ways, &QCheckBox::toggled, this, [this](bool on) { kinds_.sixWays = on; });
    connect(u.chkDoubles, &QCheckBox::toggled, this, [this](bool on) { kinds_.doubles = on; });
    connect(u.chkTriples, &QCheckBox::toggled, this, [this](bool on) { kinds_.triples = on; });
    connect(u.lstHCBox, &CheckList::itemTickChanged, this,
            [this](int row, bool ticked) { mirror(ListId::HCBox, row, ticked); });
    connect(u.lstHCStraight, &CheckList::itemTickChanged, this,
            [this](int row, bool ticked) { mirror(ListId::HCStraight, row, ticked); });
}

bool frmHotCold::settingsSaved() const {
    return ui_->chkSettingsSaved->isChecked();
}

void frmHotCold::enablePatternListFor(DigitMode mode) {
    ui_->lstHCBox->setEnabled(mode == DigitMode::AnyPosition);
    ui_->lstHCStraight->setEnabled(mode == DigitMode::Positional);
}

void frmHotCold::sbClearP3HCSettings() {
    for (auto [list, store] : {std::pair{ui_->lstHCBox, ListId::HCBox},
                               std::pair{ui_->lstHCStraight, ListId::HCStraight}}) {
        const int rows = static_cast<int>(listEntry(store).items.size());
        for (int row = 0; row < rows; ++row) {
            {
                // Both windows are cleared here, row by row, whatever the list holds.
                const QSignalBlocker block(list);
                list->setTicked(row, false);
            }
            mirror(store, row, false);
        }
    }
    setStatus(QStringLiteral("HotCold-filter de-activated"), kStatusRed);
    // The status is drawn at once; user input waits for the handler to finish.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

HotDigits frmHotCold::hotDigits() const {
    std::array<std::vector<std::string>, 4> texts;
    for (std::size_t i = 0; i < 4; ++i) {
        const QListWidget* list = ui_->hitLists[i];
        // Only the first five items can hold a hot digit.
        for (int row = 0; row < std::min(list->count(), 5); ++row) {
            texts[i].push_back(list->item(row)->text().toStdString());
        }
    }
    return hotDigitsFromLists(texts);
}

void frmHotCold::sbFillHCPatternLists() {
    ui_->lstHCBox->setItems(catalogueItems(ListId::HCBox));
    ui_->lstHCStraight->setItems(catalogueItems(ListId::HCStraight));
}

void frmHotCold::cmdGo_Click() {
    ui_->txtOutput->clear();
    sbResetCountView();
    const QByteArray text = ui_->txtDrawnNumber->toPlainText().toUtf8();
    const std::string_view view(text.constData(), static_cast<std::size_t>(text.size()));
    if (!isCountable(view)) {
        return; // too short to hold a draw: nothing counted, nothing said
    }
    const SortOrder order = ui_->optSortOrder[0]->isChecked() ? SortOrder::HitsDescDigitsAsc
                                                              : SortOrder::HitsDescDigitsDesc;
    sbFillHitLists(rankHits(countDraws(view), order));
    sbEnableCountView();
    activateSettings();
}

// The hit lists and the creation controls are usable only after a completed count.
void frmHotCold::setCountViewEnabled(bool enabled) {
    Ui& u = *ui_;
    for (QListWidget* list : u.hitLists) {
        list->setEnabled(enabled);
    }
    for (QWidget* w : std::initializer_list<QWidget*>{u.chk6Ways, u.chkDoubles, u.chkTriples,
                                                      u.cmdCreateNumbers, u.txtOutput}) {
        w->setEnabled(enabled);
    }
    u.txtOutput->clear();
}

void frmHotCold::sbResetCountView() {
    for (QListWidget* list : ui_->hitLists) {
        list->clear();
    }
    setCountViewEnabled(false);
}

void frmHotCold::sbEnableCountView() {
    sbShowHitLists();
    setCountViewEnabled(true);
}

void frmHotCold::sbShowHitLists() {
    for (std::size_t i = 0; i < 4; ++i) {
        ui_->hitLists[i]->setVisible(true);
        ui_->hitHeadings[i]->setVisible(true);
    }
}

void frmHotCold::sbFillHitLists(const RankedHits& ranked) {
    for (std::size_t i = 0; i < 4; ++i) {
        QListWidget* list = ui_->hitLists[i];
        list->clear();
        const HitTable& table = i < 3 ? ranked.positions[i] : ranked.box;
        for (const std::string& item : hitListItems(table)) {
            list->addItem(QString::fromStdString(item));
        }
    }
}

void frmHotCold::activateSettings() {
    ui_->chkSettingsSaved->setChecked(true);
    setStatus(QStringLiteral("HotCold-filter activated"), kStatusBlue);
    ui_->lstHCBox->setVisible(true);
    ui_->lstHCStraight->setVisible(true);
    enablePatternListFor(mainDigitMode());
}

std::array<std::vector<std::string>, 4> frmHotCold::selectedHitTexts() const {
    std::array<std::vector<std::string>, 4> texts;
    for (std::size_t i = 0; i < 4; ++i) {
        const QListWidget* list = ui_->hitLists[i];
        // In list order, which is rank order.
        for (int row = 0; row < list->count(); ++row) {
            if (list->item(row)->isSelected()) {
                texts[i].push_back(list->item(row)->text().toStdString());
            }
        }
    }
    return texts;
}

void frmHotCold::cmdCreateNumbers_Click() {
    const HotColdNumbers made = createHotColdNumbers(straightBox_, selectedHitTexts(), kinds_);
    if (made.refusal) {
        showMessage(this, sAppTitle(), QString::fromStdString(*made.refusal));
        return;
    }
    ui_->txtOutput->setPlainText(toBoxText(made.text));
}

void frmHotCold::cmdClose_Click() {
    sbClearP3HCSettings();
    ui_->chkSettingsSaved->setChecked(false);
    // The creation choices go back to their defaults (the check boxes keep kinds_).
    for (QCheckBox* box : {ui_->chk6Ways, ui_->chkDoubles, ui_->chkTriples}) {
        box->setChecked(true);
    }
    ui_->optBox[0]->setChecked(true);
    straightBox_ = StraightBox::Straight;
    sbFillHCPatternLists();
    // Closing ends the modal loop; the owner then discards this window.
    accept();
    Q_EMIT discardRequested();
}

void frmHotCold::setStatus(const QString& text, const QColor& colour) {
    QPalette pal = ui_->lblSettings->palette();
    pal.setColor(QPalette::WindowText, colour);
    ui_->lblSettings->setPalette(pal);
    ui_->lblSettings->setText(text);
}

void frmHotCold::mirror(ListId store, int row, bool ticked) const {
    if (link_.mirrorTick) {
        link_.mirrorTick(store, row, ticked);
    }
}

DigitMode frmHotCold::mainDigitMode() const {
    return link_.digitMode ? link_.digitMode() : DigitMode::AnyPosition;
}

} // namespace pick3
