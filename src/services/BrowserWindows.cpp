#include "services/BrowserWindows.h"

#include "platform/DesktopLinks.h"
#include "platform/DocumentWindows.h"
#include "platform/Twips.h"
#include "services/BrowserModule.h"
#include "services/BrowserModuleLoader.h"
#include "services/WebWindow.h"

#include <QMdiSubWindow>

BrowserWindows::BrowserWindows(const BrowserHost& host, EditingSurface& surface,
                               QWidget* smileyOwner, QObject* parent)
    : QObject(parent), m_host(host), m_surface(surface), m_smileyOwner(smileyOwner) {}

WebWindow* BrowserWindows::loadForumBrowser() {
    if (m_forumBrowser)
        return m_forumBrowser;
    BrowserModule* module = BrowserModuleLoader::load(m_smileyOwner);
    if (!module)
        return nullptr;
    m_forumBrowser = module->createForumBrowser(m_addresses, m_host);
    QMdiSubWindow* subWindow =
        m_host.addToFrame ? m_host.addToFrame(m_forumBrowser, m_forumBrowser->menuBarItems())
                          : nullptr;
    if (subWindow) {
        subWindow->setAttribute(Qt::WA_DeleteOnClose);
        // Closing the browser gives the frame back to the work area.
        connect(subWindow, &QObject::destroyed, this, [this] {
            if (m_host.showWorkArea)
                m_host.showWorkArea();
        });
    } else {
        m_forumBrowser->setAttribute(Qt::WA_DeleteOnClose);
    }
    return m_forumBrowser;
}

void BrowserWindows::showInstead(const QUrl& address) {
    WebWindow* browser = loadForumBrowser();
    if (!browser)
        return;
    DocumentWindows::bringToFront(browser);
    if (!address.isEmpty())
        browser->navigate(address);
    if (m_host.hideWorkArea)
        m_host.hideWorkArea();
}

void BrowserWindows::viewBrowser() {
    showInstead();
}

void BrowserWindows::vornetHome() {
    showInstead(m_addresses.forumHome());
}

void BrowserWindows::forumList() {
    showInstead(m_addresses.forumListFromEditor());
}

void BrowserWindows::advancedSearch() {
    showInstead(m_addresses.advancedSearch());
}

void BrowserWindows::visitHomePage() {
    WebWindow* browser = loadForumBrowser();
    if (!browser)
        return;
    DocumentWindows::bringToFront(browser);
    browser->navigate(m_addresses.authorHomePage());
}

void BrowserWindows::mailToAuthor() {
    DesktopLinks::open(m_addresses.mailToAuthor());
}

void BrowserWindows::openPage(const QUrl& address, bool maximised) {
    showInstead(address);
    if (maximised && m_forumBrowser && m_forumBrowser->parentWidget())
        m_forumBrowser->parentWidget()->showMaximized();
}

void BrowserWindows::moreSmileys() {
    if (!m_smileyBrowser) {
        BrowserModule* module = BrowserModuleLoader::load(m_smileyOwner);
        if (!module)
            return;
        m_smileyBrowser = module->createSmileyBrowser(m_surface, m_smileyOwner);
    }
    m_smileyBrowser->show();
    m_smileyBrowser->raise();
    m_smileyBrowser->activateWindow();
    m_smileyBrowser->navigate(m_addresses.smileyPage());
    m_smileyBrowser->resize(Twips::toPixels(10000), m_smileyBrowser->height());
}
