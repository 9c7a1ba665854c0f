#include "services/BrowserModuleLoader.h"

#include "platform/Prompter.h"
#include "services/BrowserModule.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPluginLoader>
#include <dlfcn.h>

namespace {

// The folder of the library this code is linked into: in the build folder and when
// installed alike, the module lies beside it.
QString coreLibraryFolder() {
    Dl_info info;
    if (dladdr(reinterpret_cast<void*>(&BrowserModuleLoader::load), &info) == 0 || !info.dli_fname)
        return QCoreApplication::applicationDirPath();
    return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absolutePath();
}

} // namespace

BrowserModule* BrowserModuleLoader::load(QWidget* parent) {
    // Qt keeps a loaded plugin and its one instance for the rest of the run, so a second
    // loader of the same file finds them at once.
    QPluginLoader loader(coreLibraryFolder() + '/' + kFileName);
    auto* module = qobject_cast<BrowserModule*>(loader.instance());
    if (!module)
        Prompter::instance().ask(parent,
                                 {"Quillet",
                                  "The web browser could not be started: its module is missing or "
                                  "damaged. Reinstalling Quillet should bring it back.\n\n" +
                                      loader.errorString(),
                                  Prompter::Icon::Critical, Prompter::Buttons::Ok});
    return module;
}
