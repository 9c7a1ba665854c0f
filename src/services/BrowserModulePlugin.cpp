#include "services/BrowserModulePlugin.h"

#include "services/ForumBrowserWindow.h"
#include "services/WebBrowserWindow.h"

WebWindow* BrowserModulePlugin::createForumBrowser(const BrowserAddresses& addresses,
                                                   const BrowserHost& host) {
    return new ForumBrowserWindow(addresses, host);
}

WebWindow* BrowserModulePlugin::createSmileyBrowser(EditingSurface& surface, QWidget* parent) {
    return new WebBrowserWindow(surface, parent);
}
