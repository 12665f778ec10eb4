#pragma once
// Driving the main window from a UI test as a user would: start it through
// Main(), find controls by objectName, click tick boxes and buttons, read lists.
// It brings the headers that every window test needs.

#include "app/frmPick3ZozevidAru.h"
#include "helpers/ModalHelper.h"
#include "widgets/CheckList.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>
#include <QStringList>
#include <QTest>
#include <functional>

namespace pick3::test {

// A test of the main window: every test function starts with a fresh one, shown.
class MainWindowFixture : public QObject {
    Q_OBJECT
  protected:
    frmPick3ZozevidAru* w = nullptr;
    CheckList* lst(const QString& name) const;

  private Q_SLOTS:
    void init();
    void cleanup();
};

// Loads and shows the main window through Main() and waits until it is shown.
QWidget* startMainWindow();
// Deletes the main window (and with it every window it owns), if there is one.
void unloadMainWindow();
// A list of `window` by objectName; null when there is none.
CheckList* listNamed(const QWidget* window, const QString& name);

// Clicks the tick box of `row` with the left mouse button, scrolling it into view first.
void clickTick(CheckList* list, int row);
// Right-clicks the middle of the list's first visible item.
void rightClick(CheckList* list);
// Left-clicks a button (a push button, an option, a check box) near its left edge.
void clickButton(const QWidget* window, const QString& name);
// Runs user steps on `window`: "name" clicks that button, "list:357" clicks the
// tick boxes of the items 3, 5 and 7, "list+" and "list-" tick or untick every row.
void doSteps(const QWidget* window, const QStringList& steps);

// The item texts of `list`, and of its ticked items.
QStringList itemTexts(const CheckList* list);
QStringList tickedTexts(const CheckList* list);

// The main window's results box; typing replaces the whole text.
QString resultsText(const QWidget* window);
void typeResults(const QWidget* window, const QString& text);
// The three-digit numbers of a text, in the order written.
QStringList numbersIn(const QString& text);

// Pastes `draws` into the hot/cold counter, counts them and leaves it by Esc, so
// that the count stays in force.
bool countInHotCold(const QWidget* window, const QString& draws);

// Clicks `button` of `window`, lets `operate` work in the modal window that
// opens, and closes that window if `operate` left it open. False when none opened.
bool inModal(const QWidget* window, const QString& button,
             const std::function<void(QWidget*)>& operate);

} // namespace pick3::test
