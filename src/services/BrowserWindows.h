#pragma once

#include "services/BrowserAddresses.h"
#include "services/BrowserHost.h"

#include <QObject>
#include <QPointer>

class EditingSurface;
class WebWindow;

// The two browser windows and the work area's commands that lead to them. A window is
// created the first time a command needs it, and again after the user has closed it;
// until then the browser module, and the web engine with it, is not even loaded. Should
// the module be missing, the command shows why and does nothing else.
class BrowserWindows : public QObject {
    Q_OBJECT
public:
    // smileyOwner also owns the message about a missing module.
    BrowserWindows(const BrowserHost& host, EditingSurface& surface, QWidget* smileyOwner,
                   QObject* parent = nullptr);

    void setAddresses(const BrowserAddresses& addresses) { m_addresses = addresses; }

    // The work area's Browser and Help menu items.
    void viewBrowser();
    void vornetHome();
    void forumList();
    void advancedSearch();
    void visitHomePage();
    void mailToAuthor();
    // Any forum page, from the introduction window and the about box.
    void openPage(const QUrl& address, bool maximised);
    // The smiley page's More Smileys button.
    void moreSmileys();

private:
    // The forum browser, created when needed; nullptr when the module is missing.
    WebWindow* loadForumBrowser();
    // Shows the forum browser in place of the work area, optionally on another page.
    void showInstead(const QUrl& address = QUrl());

    BrowserHost m_host;
    EditingSurface& m_surface;
    QWidget* m_smileyOwner;
    BrowserAddresses m_addresses = BrowserAddresses::standard();
    QPointer<WebWindow> m_forumBrowser;
    QPointer<WebWindow> m_smileyBrowser;
};
