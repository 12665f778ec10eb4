#include "fetch/SourceFetcher.h"

#include "widgets/ModuleLoader.h"

namespace pick3 {
namespace {

// The module's one entry point, a plain C name so that it is found by name.
constexpr char kModuleName[] = "pick3_fetch";
constexpr char kMakerName[] = "pick3_new_source_fetcher";
FetcherMaker& makerInForce() {
    static FetcherMaker make = nullptr;
    return make;
}

} // namespace

void setSourceFetcherMaker(FetcherMaker make) {
    makerInForce() = make;
}

SourceFetcher* newSourceFetcher(QObject* parent, QString* problem) {
    FetcherMaker& make = makerInForce();
    if (make == nullptr) {
        make = reinterpret_cast<FetcherMaker>(loadModuleEntry(
            moduleFolders(), kModuleName, kMakerName,
            QStringLiteral("Update could not start: the fetch module is missing or broken."),
            problem));
    }
    return make != nullptr ? make(parent) : nullptr;
}

} // namespace pick3
