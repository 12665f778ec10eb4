#include "app/ChartsLoader.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace pick3 {
namespace {

// The module's one entry point, a plain C name so that it is found by name.
constexpr char kModuleName[] = "pick3_charts";
constexpr char kOpenerName[] = "pick3_open_charts";

ChartsOpener& openerInForce() {
    static ChartsOpener opener = nullptr;
    return opener;
}

} // namespace

QStringList chartsModuleFolders() {
    const QString here = QCoreApplication::applicationDirPath();
    return {here, QDir::cleanPath(here + QLatin1Char('/') + QLatin1String(PICK3_CHARTS_FROM_BIN))};
}

ChartsOpener loadChartsModule(const QStringList& folders, QString* problem) {
    QStringList reasons;
    for (const QString& folder : folders) {
        // Never unloaded: the module's windows and types live as long as the program.
        auto* module = new QLibrary(QDir(folder).filePath(QLatin1String(kModuleName)));
        // Every symbol resolved at once: a module that does not fit this program is
        // refused here, not in the middle of drawing a chart.
        module->setLoadHints(QLibrary::ResolveAllSymbolsHint);
        if (module->load()) {
            if (auto open = reinterpret_cast<ChartsOpener>(module->resolve(kOpenerName)))
                return open;
            reasons << module->errorString();
            module->unload();
        } else {
            reasons << module->errorString();
        }
        delete module;
    }
    if (problem != nullptr)
        *problem = QStringLiteral("The charts could not be opened: the charts module is missing "
                                  "or broken.\n\n") +
                   reasons.join(QLatin1Char('\n'));
    return nullptr;
}

ChartsOpener chartsOpener(QString* problem) {
    ChartsOpener& opener = openerInForce();
    if (opener == nullptr)
        opener = loadChartsModule(chartsModuleFolders(), problem);
    return opener;
}

void setChartsOpener(ChartsOpener open) {
    openerInForce() = open;
}

} // namespace pick3
