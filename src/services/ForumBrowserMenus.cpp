#include "services/ForumBrowserMenus.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

ForumBrowserMenus::ForumBrowserMenus(QWidget* owner) : QObject(owner), m_owner(owner) {
    QMenu* file = addMenu("mnuFile", "&File");
    addItem(file, "mnuIntroduction", "Introduction");
    addItem(file, "mnuCopyURL", "Copy URL");
    file->addSeparator();
    addItem(file, "mnuExit", "Exit");

    QMenu* navigate = addMenu("mnuNavigate", "Na&vigate");
    addItem(navigate, "mnuBack", "Back");
    addItem(navigate, "mnuForward", "Forward");
    addItem(navigate, "mnuStop", "Stop");
    addItem(navigate, "mnuRefresh", "Refresh");

    // A command on the bar itself, with no menu under it.
    auto* editor = new QAction("Text &Editor", owner);
    editor->setObjectName("mnuEditor");
    m_barItems.append(editor);

    QMenu* browser = addMenu("mnuBrowser", "&Browser");
    addItem(browser, "mnuVornetHome", "Vornet Home");
    addItem(browser, "mnuForums", "Forum List");
    addItem(browser, "mnuAdvSearch", "Advanced Search");

    QMenu* help = addMenu("mnuHelp", "&Help");
    addItem(help, "mnuEmail", "E-Mail to Author");
    addItem(help, "mnuHomePage", "Visit Home Page");
    help->addSeparator();
    addItem(help, "mnuHelpAbout", "&About Quillet");

    m_popUp = new QMenu("PopUp", owner);
    m_popUp->setObjectName("mnuPopUp");
    addItem(m_popUp, "mnuCopyURL1", "Copy URL");
    m_menus.append(m_popUp);
}

QMenu* ForumBrowserMenus::addMenu(const char* name, const char* caption) {
    auto* menu = new QMenu(caption, m_owner);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    m_menus.append(menu);
    m_barItems.append(menu->menuAction());
    return menu;
}

QAction* ForumBrowserMenus::addItem(QMenu* menu, const char* name, const char* caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

QAction* ForumBrowserMenus::item(const QString& name) const {
    for (QAction* action : m_barItems) {
        if (action->objectName() == name)
            return action;
    }
    for (QMenu* menu : m_menus) {
        for (QAction* action : menu->actions()) {
            if (action->objectName() == name)
                return action;
        }
    }
    return nullptr;
}
