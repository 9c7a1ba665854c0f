#include "services/BrowserModuleLoader.h"

#include "platform/Modules.h"
#include "platform/Prompter.h"
#include "services/BrowserModule.h"

BrowserModule* BrowserModuleLoader::load(QWidget* parent) {
    QString error;
    auto* module = qobject_cast<BrowserModule*>(Modules::load(kFileName, &error));
    if (!module)
        Prompter::instance().ask(parent,
                                 {"Quillet",
                                  "The web browser could not be started: its module is missing or "
                                  "damaged. Reinstalling Quillet should bring it back.\n\n" +
                                      error,
                                  Prompter::Icon::Critical, Prompter::Buttons::Ok});
    return module;
}
