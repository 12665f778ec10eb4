#include "widgets/ModuleLoader.h"

#include <QCoreApplication>
#include <QDir>

namespace pick3 {

QStringList moduleFolders() {
    const QString here = QCoreApplication::applicationDirPath();
    return {here, QDir::cleanPath(here + QLatin1Char('/') + QLatin1String(PICK3_MODULES_FROM_BIN))};
}

QFunctionPointer loadModuleEntry(const QStringList& folders, const char* name, const char* entry,
                                 const QString& refusal, QString* problem) {
    QStringList reasons;
    for (const QString& folder : folders) {
        auto* module = new QLibrary(QDir(folder).filePath(QLatin1String(name)));
        module->setLoadHints(QLibrary::ResolveAllSymbolsHint);
        if (module->load()) {
            if (const QFunctionPointer found = module->resolve(entry)) {
                return found; // the module stays loaded
            }
            reasons << module->errorString();
            module->unload();
        } else {
            reasons << module->errorString();
        }
        delete module;
    }
    if (problem != nullptr) {
        *problem = refusal + QStringLiteral("\n\n") + reasons.join(QLatin1Char('\n'));
    }
    return nullptr;
}

} // namespace pick3
