#pragma once

#include <QtPlugin>

class EditingSurface;
class QWidget;
class WebWindow;
struct BrowserAddresses;
struct BrowserHost;

// The browser windows are built by a plugin that is loaded when the first of them opens
// (BrowserModuleLoader), so a session that opens no browser never maps the web engine.
class BrowserModule {
public:
    virtual ~BrowserModule() = default;

    // The forum browser, a child of the frame that gives way to the work area.
    virtual WebWindow* createForumBrowser(const BrowserAddresses& addresses,
                                          const BrowserHost& host) = 0;
    // The smiley browser, a window of its own that inserts into surface.
    virtual WebWindow* createSmileyBrowser(EditingSurface& surface, QWidget* parent) = 0;
};

#define QUILLET_BROWSER_MODULE_IID "example.vornet.quillet.BrowserModule/1.0"
Q_DECLARE_INTERFACE(BrowserModule, QUILLET_BROWSER_MODULE_IID)
