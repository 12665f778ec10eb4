#include "fetch/SourceFetcher.h"

#include "app/ChartsLoader.h"

#include <QDir>
#include <QLibrary>

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
    QStringList reasons;
    // The fetch module sits beside the charts module.
    const QStringList folders = chartsModuleFolders();
    for (qsizetype i = 0; make == nullptr && i < folders.size(); ++i) {
        // Never unloaded: fetchers made by it may live as long as the program.
        auto* module = new QLibrary(QDir(folders[i]).filePath(QLatin1String(kModuleName)));
        module->setLoadHints(QLibrary::ResolveAllSymbolsHint);
        if (module->load())
            make = reinterpret_cast<FetcherMaker>(module->resolve(kMakerName));
        if (make == nullptr) {
            reasons << module->errorString();
            delete module;
        }
    }
    if (make == nullptr && problem != nullptr)
        *problem = QStringLiteral("Update could not start: the fetch module is missing or "
                                  "broken.\n\n") +
                   reasons.join(QLatin1Char('\n'));
    return make != nullptr ? make(parent) : nullptr;
}

} // namespace pick3
