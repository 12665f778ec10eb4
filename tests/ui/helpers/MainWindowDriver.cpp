#include "helpers/MainWindowDriver.h"

#include "app/frmPick3ZozevidAru.h"
#include "app/mdlMain.h"

#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTest>

namespace pick3::test {

QWidget* startMainWindow() {
    Main();
    QWidget* window = mainWindow();
    if (window != nullptr && !QTest::qWaitForWindowExposed(window)) {
        return nullptr;
    }
    return window;
}

void unloadMainWindow() {
    delete mainWindow();
}

CheckList* listNamed(const QWidget* window, const QString& name) {
    return window->findChild<CheckList*>(name);
}

void clickTick(CheckList* list, int row) {
    QListWidgetItem* item = list->item(row);
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
    option.checkState = item->checkState();
    const QRect box =
        list->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, list);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, box.center());
}

void clickTicks(CheckList* list, std::initializer_list<const char*> texts) {
    for (const char* text : texts) {
        for (int row = 0; row < list->count(); ++row) {
            if (list->itemText(row) == QLatin1String(text)) {
                clickTick(list, row);
                break;
            }
        }
    }
}

void rightClick(CheckList* list) {
    const QRect first = list->count() > 0 ? list->visualItemRect(list->item(0)) : QRect();
    const QPoint at = first.isValid() ? first.center() : list->viewport()->rect().center();
    QTest::mouseClick(list->viewport(), Qt::RightButton, {}, at);
}

void clickButton(const QWidget* window, const QString& name) {
    auto* button = window->findChild<QAbstractButton*>(name);
    if (button != nullptr) {
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    }
}

QStringList itemTexts(const CheckList* list) {
    QStringList texts;
    for (int row = 0; row < list->count(); ++row) {
        texts << list->itemText(row);
    }
    return texts;
}

QStringList tickedTexts(const CheckList* list) {
    QStringList texts;
    for (int row = 0; row < list->count(); ++row) {
        if (list->isTicked(row)) {
            texts << list->itemText(row);
        }
    }
    return texts;
}

} // namespace pick3::test
