// The window tests have the fetching linked in, and it reaches no host but 127.0.0.1.
#include "fetch/SourceFetch.h"

namespace {

pick3::SourceFetcher* loopbackFetcher(QObject* parent) {
    auto* fetch = new pick3::SourceFetch(parent);
    fetch->setLoopbackOnly(true);
    return fetch;
}

[[maybe_unused]] const bool linked = (pick3::setSourceFetcherMaker(&loopbackFetcher), true);

} // namespace
