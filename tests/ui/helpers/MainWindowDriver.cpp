#include "helpers/MainWindowDriver.h"

#include "app/mdlMain.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTableView>
#include <QTimer>

namespace pick3::test {

QWidget* startMainWindow() {
    Main();
    QWidget* window = mainWindow();
    return window != nullptr && QTest::qWaitForWindowExposed(window) ? window : nullptr;
}

void unloadMainWindow() {
    delete mainWindow();
}

void MainWindowFixture::init() {
    w = qobject_cast<frmPick3ZozevidAru*>(startMainWindow());
    QVERIFY(w != nullptr);
}

void MainWindowFixture::cleanup() {
    unloadMainWindow();
}

CheckList* listNamed(const QWidget* window, const QString& name) {
    return window->findChild<CheckList*>(name);
}

void clickTick(CheckList* list, int row) {
    const CheckItem* item = list->item(row);
    if (item == nullptr) {
        return;
    }
    list->scrollToItem(item);
    // Where the style draws the tick box of this item.
    QStyleOptionViewItem option;
    option.initFrom(list->viewport());
    option.rect = list->visualItemRect(item);
    option.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
    option.text = item->text();
    const QRect box =
        list->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, list);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, box.center());
}

void rightClick(CheckList* list) {
    const QRect first = list->count() > 0 ? list->visualItemRect(list->item(0)) : QRect();
    const QPoint at = first.isValid() ? first.center() : list->viewport()->rect().center();
    QTest::mouseClick(list->viewport(), Qt::RightButton, {}, at);
}

void clickButton(const QWidget* window, const QString& name) {
    // Near the left edge: a check box stretches wider than its caption.
    if (auto* button = window->findChild<QAbstractButton*>(name)) {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }
}

void doSteps(const QWidget* window, const QStringList& steps) {
    for (const QString& step : steps) {
        const qsizetype colon = step.indexOf(QLatin1Char(':'));
        if (colon >= 0) {
            CheckList* list = listNamed(window, step.left(colon));
            for (const QChar text : step.mid(colon + 1)) {
                clickTick(list, static_cast<int>(itemTexts(list).indexOf(QString(text))));
            }
        } else if (step.endsWith(QLatin1Char('+')) || step.endsWith(QLatin1Char('-'))) {
            listNamed(window, step.chopped(1))->setAllTicked(step.endsWith(QLatin1Char('+')));
        } else {
            clickButton(window, step);
        }
    }
}

QStringList itemTexts(const CheckList* list, bool tickedOnly) {
    QStringList texts;
    for (int row = 0; row < list->count(); ++row) {
        if (!tickedOnly || list->isTicked(row)) {
            texts << list->itemText(row);
        }
    }
    return texts;
}

QString resultsText(const QWidget* window) {
    return window->findChild<QPlainTextEdit*>(QStringLiteral("txtResults"))->toPlainText();
}

void typeResults(const QWidget* window, const QString& text) {
    auto* box = window->findChild<QPlainTextEdit*>(QStringLiteral("txtResults"));
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

QStringList numbersIn(const QString& text) {
    static const QRegularExpression three(QStringLiteral("\\d{3}"));
    QStringList numbers;
    for (auto it = three.globalMatch(text); it.hasNext();) {
        numbers << it.next().captured();
    }
    return numbers;
}

namespace {

// Polls until a modal window shows (it may need a moment), then hands it to
// `handler`; a handler disarmed before that never runs.
void whenModal(const std::function<void(QWidget*)>& handler, std::shared_ptr<bool> armed,
               int triesLeft) {
    QTimer::singleShot(10, [handler, armed, triesLeft] {
        QWidget* modal = QApplication::activeModalWidget();
        if (*armed && modal != nullptr && modal->isVisible()) {
            *armed = false;
            handler(modal);
        } else if (*armed && triesLeft > 0) {
            whenModal(handler, armed, triesLeft - 1);
        }
    });
}

} // namespace

bool inModal(const QWidget* window, const QString& button,
             const std::function<void(QWidget*)>& operate) {
    bool ran = false;
    const auto armed = std::make_shared<bool>(true);
    whenModal(
        [&](QWidget* modal) {
            ran = true;
            const QPointer<QWidget> guard(modal);
            operate(modal); // a failed check in here returns early; the window still closes
            if (guard && guard->isVisible()) {
                guard->close();
            }
        },
        armed, 500);
    clickButton(window, button);
    *armed = false; // a window of a later step is not this handler's
    return ran;
}

MessageSeen messageAfterClicking(const QWidget* window, const QString& button) {
    MessageSeen seen;
    inModal(window, button, [&seen](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            seen = {box->windowTitle(), box->text()};
        }
    });
    return seen;
}

bool countInHotCold(const QWidget* window, const QString& draws) {
    return inModal(window, QStringLiteral("cmdHotCold"), [&draws](QWidget* counter) {
        counter->findChild<QPlainTextEdit*>(QStringLiteral("txtDrawnNumber"))->setPlainText(draws);
        clickButton(counter, QStringLiteral("cmdGo"));
        QTest::keyClick(counter, Qt::Key_Escape);
    });
}

UrlCatcher::UrlCatcher() {
    QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "openUrl");
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "openUrl");
}

UrlCatcher::~UrlCatcher() {
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
}

QStringList rowsOf(const QWidget* window, const char* table) {
    const auto* model = window->findChild<QTableView*>(QLatin1String(table))->model();
    QStringList rows;
    for (int r = 0; r < model->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < model->columnCount(); ++c) {
            cells << model->index(r, c).data().toString();
        }
        rows << cells.join(' ');
    }
    return rows;
}

} // namespace pick3::test
