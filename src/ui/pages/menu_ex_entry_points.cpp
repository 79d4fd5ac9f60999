#include "ui/pages/menu_ex_entry_points.h"

#include <QDir>
#include <QLibrary>

namespace oryn7px {

namespace {

MenuExEntryPoints& EntryPoints() {
    static MenuExEntryPoints entryPoints;
    return entryPoints;
}

}  // namespace

bool LoadMenuEx(const QString& programFolder) {
    // The library stays loaded for the life of the process: the macro page calls it until exit.
    QLibrary library(QDir(programFolder).filePath(QStringLiteral(MENUEX_LIBRARY_FILE)));
    if (!library.load()) return false;
    const auto create = reinterpret_cast<CreateMenuExProc>(library.resolve("CreateMenuEx"));
    const auto destroy = reinterpret_cast<DestroyMenuExProc>(library.resolve("DestroyMenuEx"));
    if (create == nullptr || destroy == nullptr) {
        library.unload();
        return false;
    }
    EntryPoints() = {create, destroy};
    return true;
}

const MenuExEntryPoints& MenuEx() { return EntryPoints(); }

}  // namespace oryn7px
