#include "app/ChartsLoader.h"

#include "widgets/ModuleLoader.h"

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

ChartsOpener loadChartsModule(const QStringList& folders, QString* problem) {
    return reinterpret_cast<ChartsOpener>(loadModuleEntry(
        folders, kModuleName, kOpenerName,
        QStringLiteral("The charts could not be opened: the charts module is missing or broken."),
        problem));
}

ChartsOpener chartsOpener(QString* problem) {
    ChartsOpener& opener = openerInForce();
    if (opener == nullptr)
        opener = loadChartsModule(moduleFolders(), problem);
    return opener;
}

void setChartsOpener(ChartsOpener open) {
    openerInForce() = open;
}

} // namespace pick3
