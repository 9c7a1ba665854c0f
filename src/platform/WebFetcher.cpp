#include "platform/WebFetcher.h"

#include "platform/Modules.h"

#include <QObject>

WebFetcher* WebFetcher::load() {
    return qobject_cast<WebFetcher*>(Modules::load(kModuleFileName));
}
