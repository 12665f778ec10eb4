#pragma once
// Catches the web addresses the program hands to the desktop: while a catcher
// lives, QDesktopServices::openUrl gives http and https addresses to it instead
// of the browser.

#include <QList>
#include <QObject>
#include <QUrl>

namespace pick3::test {

class UrlCatcher : public QObject {
    Q_OBJECT
  public:
    UrlCatcher();
    ~UrlCatcher() override;

    const QList<QUrl>& urls() const { return urls_; }

  public Q_SLOTS:
    void openUrl(const QUrl& url);

  private:
    QList<QUrl> urls_;
};

// While it lives, every http and https address fails to open: the handler has
// no such method, so QDesktopServices::openUrl returns false, as it does with
// no browser at all.
class FailingUrlHandler : public QObject {
    Q_OBJECT
  public:
    FailingUrlHandler();
    ~FailingUrlHandler() override;
};

} // namespace pick3::test
