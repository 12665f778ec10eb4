#include "helpers/UrlCatcher.h"

#include <QDesktopServices>

namespace pick3::test {

namespace {
const QString kSchemes[] = {QStringLiteral("http"), QStringLiteral("https")};
} // namespace

UrlCatcher::UrlCatcher() {
    for (const QString& scheme : kSchemes) {
        QDesktopServices::setUrlHandler(scheme, this, "openUrl");
    }
}

UrlCatcher::~UrlCatcher() {
    for (const QString& scheme : kSchemes) {
        QDesktopServices::unsetUrlHandler(scheme);
    }
}

void UrlCatcher::openUrl(const QUrl& url) {
    urls_.append(url);
}

FailingUrlHandler::FailingUrlHandler() {
    for (const QString& scheme : kSchemes) {
        QDesktopServices::setUrlHandler(scheme, this, "noSuchMethod");
    }
}

FailingUrlHandler::~FailingUrlHandler() {
    for (const QString& scheme : kSchemes) {
        QDesktopServices::unsetUrlHandler(scheme);
    }
}

} // namespace pick3::test
