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
    void openUrl(const QUrl& url) { urls_.append(url); }

  private:
    QList<QUrl> urls_;
};

} // namespace pick3::test
