#include "platform/Modules.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPluginLoader>
#include <dlfcn.h>

namespace {

// The folder of the library this code is linked into: in the build folder and when
// installed alike, the modules lie beside it.
QString coreLibraryFolder() {
    Dl_info info;
    if (dladdr(reinterpret_cast<void*>(&Modules::load), &info) == 0 || !info.dli_fname)
        return QCoreApplication::applicationDirPath();
    return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absolutePath();
}

} // namespace

QObject* Modules::load(const QString& fileName, QString* error) {
    // Qt keeps a loaded plugin and its one instance for the rest of the run, so a second
    // loader of the same file finds them at once.
    QPluginLoader loader(coreLibraryFolder() + '/' + fileName);
    QObject* instance = loader.instance();
    if (!instance && error)
        *error = loader.errorString();
    return instance;
}
