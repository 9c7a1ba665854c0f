#pragma once

#include "services/BrowserModule.h"

#include <QObject>

// The browser module's entry point: builds the browser windows, which link the web engine.
class BrowserModulePlugin : public QObject, public BrowserModule {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QUILLET_BROWSER_MODULE_IID)
    Q_INTERFACES(BrowserModule)
public:
    WebWindow* createForumBrowser(const BrowserAddresses& addresses,
                                  const BrowserHost& host) override;
    WebWindow* createSmileyBrowser(EditingSurface& surface, QWidget* parent) override;
};
