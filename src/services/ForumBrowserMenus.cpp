#include "services/ForumBrowserMenus.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

namespace {
QAction* addItem(QMenu* menu, const char* name, const char* caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}
} // namespace

ForumBrowserMenus::ForumBrowserMenus(QWidget* owner) : QObject(owner), m_owner(owner) {
    QMenu* file = addMenu("mnuFile", "&File");
    m_actions.introduction = addItem(file, "mnuIntroduction", "Introduction");
    m_actions.copyAddress = addItem(file, "mnuCopyURL", "Copy URL");
    file->addSeparator();
    m_actions.exit = addItem(file, "mnuExit", "Exit");

    QMenu* navigate = addMenu("mnuNavigate", "Na&vigate");
    m_actions.back = addItem(navigate, "mnuBack", "Back");
    m_actions.forward = addItem(navigate, "mnuForward", "Forward");
    m_actions.stop = addItem(navigate, "mnuStop", "Stop");
    m_actions.refresh = addItem(navigate, "mnuRefresh", "Refresh");

    m_actions.textEditor = new QAction("Text &Editor", owner);
    m_actions.textEditor->setObjectName("mnuEditor");
    m_barItems.append(m_actions.textEditor);

    QMenu* browser = addMenu("mnuBrowser", "&Browser");
    m_actions.forumHome = addItem(browser, "mnuVornetHome", "Vornet Home");
    m_actions.forumList = addItem(browser, "mnuForums", "Forum List");
    m_actions.advancedSearch = addItem(browser, "mnuAdvSearch", "Advanced Search");

    QMenu* help = addMenu("mnuHelp", "&Help");
    m_actions.mailAuthor = addItem(help, "mnuEmail", "E-Mail to Author");
    m_actions.homePage = addItem(help, "mnuHomePage", "Visit Home Page");
    help->addSeparator();
    m_actions.about = addItem(help, "mnuHelpAbout", "&About Quillet");

    m_popUp = new QMenu("PopUp", owner);
    m_popUp->setObjectName("mnuPopUp");
    m_actions.popUpCopyAddress = addItem(m_popUp, "mnuCopyURL1", "Copy URL");
}

QMenu* ForumBrowserMenus::addMenu(const char* name, const char* caption) {
    auto* menu = new QMenu(caption, m_owner);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    m_barItems.append(menu->menuAction());
    return menu;
}
