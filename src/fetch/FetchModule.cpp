// The fetch module's one entry point, found by name when Update is first pressed.

#include "fetch/SourceFetch.h"

extern "C" Q_DECL_EXPORT pick3::SourceFetcher* pick3_new_source_fetcher(QObject* parent) {
    return new pick3::SourceFetch(parent);
}
