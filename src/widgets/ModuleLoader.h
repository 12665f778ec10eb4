#pragma once
// The program's modules (charts, game library, fetch, print) are shared libraries loaded
// on first use, each found by one plain C entry point.

#include <QLibrary>
#include <QStringList>

namespace pick3 {

// Where the modules are looked for: beside the program (the build tree), then in the
// folder they are installed to.
QStringList moduleFolders();

// The entry point `entry` of the module `name` in the first of `folders` that holds a
// loadable one. The module is never unloaded: what it makes may live as long as the
// program. Every symbol is resolved at load, so a module that does not fit this program
// is refused there, not at its first use. Null where none loads, with `refusal` and each
// folder's reason in `problem`.
QFunctionPointer loadModuleEntry(const QStringList& folders, const char* name, const char* entry,
                                 const QString& refusal, QString* problem);

// What the entry point `entry` (a function without arguments) of the module `name` gives,
// or null as loadModuleEntry tells.
template <typename Api>
const Api* loadModuleApi(const QStringList& folders, const char* name, const char* entry,
                         const QString& refusal, QString* problem) {
    using Entry = const Api* (*)();
    const auto found =
        reinterpret_cast<Entry>(loadModuleEntry(folders, name, entry, refusal, problem));
    return found != nullptr ? found() : nullptr;
}

} // namespace pick3
