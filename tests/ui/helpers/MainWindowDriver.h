#pragma once
// Driving the windows from a UI test as a user would: the main window started
// through Main(), controls found by objectName, tick boxes and buttons clicked,
// lists read, modal windows and message boxes operated, web addresses caught.
// It brings the headers that every window test needs.

#include "app/frmPick3ZozevidAru.h"
#include "widgets/CheckList.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>
#include <QTest>
#include <QUrl>
#include <functional>
#include <memory>

namespace pick3::test {

// A list of `window` by objectName; null when there is none.
CheckList* listNamed(const QWidget* window, const QString& name);

// A test of the main window: every test function starts with a fresh one, shown.
class MainWindowFixture : public QObject {
    Q_OBJECT
  protected:
    frmPick3ZozevidAru* w = nullptr;
    CheckList* lst(const QString& name) const { return listNamed(w, name); }
    template <typename T = QWidget> T* ctl(const char* name) const {
        return w->findChild<T*>(QLatin1String(name));
    }

  private Q_SLOTS:
    void init();
    void cleanup();
};

// Loads and shows the main window through Main() and waits until it is shown.
QWidget* startMainWindow();
// Deletes the main window (and with it every window it owns), if there is one.
void unloadMainWindow();

// Clicks the tick box of `row` with the left mouse button, scrolling it into view first.
void clickTick(CheckList* list, int row);
// Right-clicks the middle of the list's first visible item.
void rightClick(CheckList* list);
// Left-clicks a button (a push button, an option, a check box) near its left edge.
void clickButton(const QWidget* window, const QString& name);
// Runs user steps on `window`: "name" clicks that button, "list:357" clicks the
// tick boxes of the items 3, 5 and 7, "list+" and "list-" tick or untick every row.
void doSteps(const QWidget* window, const QStringList& steps);

// The item texts of `list`, or of its ticked items.
QStringList itemTexts(const CheckList* list, bool tickedOnly = false);
inline QStringList tickedTexts(const CheckList* list) {
    return itemTexts(list, true);
}

// The main window's results box; typing replaces the whole text.
// A table view's rows, each as its cells joined by a space: "2026-12-05 Sat Evening 555 4".
QStringList rowsOf(const QWidget* window, const char* table);

QString resultsText(const QWidget* window);
void typeResults(const QWidget* window, const QString& text);
// The three-digit numbers of a text, in the order written.
QStringList numbersIn(const QString& text);

// Clicks `button` of `window`, lets `operate` work in the modal window that
// opens, and closes that window if `operate` left it open. False when none opened.
bool inModal(const QWidget* window, const QString& button,
             const std::function<void(QWidget*)>& operate);
// Clicks `button` and answers the message box it shows: its title and text, or
// empty texts when none was shown.
struct MessageSeen {
    QString title;
    QString text;
};
MessageSeen messageAfterClicking(const QWidget* window, const QString& button);

// Pastes `draws` into the hot/cold counter, counts them and leaves it by Esc, so
// that the count stays in force.
bool countInHotCold(const QWidget* window, const QString& draws);

// While a catcher lives, QDesktopServices::openUrl gives http and https
// addresses to it instead of the browser.
class UrlCatcher : public QObject {
    Q_OBJECT
  public:
    UrlCatcher();
    ~UrlCatcher() override;
    const QList<QUrl>& urls() const { return urls_; }

  public Q_SLOTS:
    void openUrl(const QUrl& url) { urls_.append(url); }

  private:
    QList<QUrl> urls_;
};

} // namespace pick3::test
