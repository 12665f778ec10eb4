#include "widgets/PrintAccess.h"

#include "widgets/ModuleLoader.h"

namespace pick3 {
namespace {

constexpr char kModuleName[] = "pick3_print";
constexpr char kEntryName[] = "pick3_print_api";

const PrintModuleApi*& inForce() {
    static const PrintModuleApi* api = nullptr;
    return api;
}

} // namespace

const PrintModuleApi* loadPrintModule(const QStringList& folders, QString* problem) {
    return loadModuleApi<PrintModuleApi>(
        folders, kModuleName, kEntryName,
        QStringLiteral("Nothing could be printed: the print module is missing or broken."),
        problem);
}

const PrintModuleApi* printing(QString* problem) {
    const PrintModuleApi*& api = inForce();
    if (api == nullptr)
        api = loadPrintModule(moduleFolders(), problem);
    return api;
}

void setPrinting(const PrintModuleApi* api) {
    inForce() = api;
}

} // namespace pick3
