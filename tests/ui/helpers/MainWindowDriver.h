#pragma once
// Driving the main window from a UI test as a user would: start it through
// Main(), find controls by objectName, click tick boxes and buttons, read lists.

#include "app/CheckList.h"

#include <QAbstractButton>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <initializer_list>

namespace pick3::test {

// Loads and shows the main window through Main() and waits until it is shown.
QWidget* startMainWindow();
// Deletes the main window (and with it every window it owns), if there is one.
void unloadMainWindow();

// A list of `window` by objectName; null when there is none.
CheckList* listNamed(const QWidget* window, const QString& name);

// Clicks the tick box of `row` with the left mouse button, scrolling it into view first.
void clickTick(CheckList* list, int row);
// Clicks the tick boxes of the rows whose item texts are given, in that order.
void clickTicks(CheckList* list, std::initializer_list<const char*> texts);
// Right-clicks the middle of the list's first visible item.
void rightClick(CheckList* list);
// Left-clicks a button (a push button, an option, a check box) in its middle.
void clickButton(const QWidget* window, const QString& name);

// The item texts of `list`, and of its ticked items.
QStringList itemTexts(const CheckList* list);
QStringList tickedTexts(const CheckList* list);

} // namespace pick3::test
