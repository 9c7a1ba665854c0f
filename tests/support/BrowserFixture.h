#pragma once

#include "LocalWebServer.h"
#include "ScriptedPrompter.h"
#include "TestClipboard.h"

#include <QList>
#include <QTemporaryDir>
#include <QUrl>

class BrowserWindows;
class PostEditor;
class QMdiSubWindow;
class WebBrowser;
class MainFrame;

// The frame with its work area, as the program starts, with scripted dialogs, an
// in-memory clipboard, the desktop's links recorded instead of opened, and every site
// of the browsers served by a local web server.
struct BrowserFixture {
    BrowserFixture();
    ~BrowserFixture();

    QTemporaryDir folder;
    ScriptedPrompter prompter;
    TestClipboard clipboard;
    LocalWebServer server;
    QList<QUrl> desktopLinks; // what would have gone to the desktop
    bool ended = false;
    MainFrame* frame = nullptr;
    PostEditor* workArea = nullptr;

    BrowserWindows& browsers() const;
    QMdiSubWindow* workAreaWindow() const;
    // Chooses a work area menu item by name, e.g. "mnuForums".
    void choose(const char* workAreaItem) const;

    // Waits until the browser has finished loading the server's page for a request target
    // such as "/search.cfm" (the page's title tells which it is); false after the timeout.
    static bool waitForPage(WebBrowser* browser, const QString& target, int timeoutMs = 15000);
    // Runs a script in the page and returns its result.
    static QVariant runScript(WebBrowser* browser, const QString& script);
};
