#include "shell/PostEditorMenus.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

PostEditorMenus::PostEditorMenus(QWidget* owner) : QObject(owner), m_owner(owner) {
    buildFileMenu();
    buildEditMenu();
    buildToolsMenu();
    buildBrowserMenu();
    buildHelpMenu();
}

QMenu* PostEditorMenus::addMenu(const char* name, const char* caption) {
    auto* menu = new QMenu(caption, m_owner);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    m_menus.append(menu);
    return menu;
}

QAction* PostEditorMenus::addItem(QMenu* menu, const char* name, const char* caption,
                                  const char* shortcut) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    if (*shortcut)
        action->setShortcut(QKeySequence(shortcut));
    return action;
}

void PostEditorMenus::addSeparator(QMenu* menu, const char* name) {
    menu->addSeparator()->setObjectName(name);
}

void PostEditorMenus::buildFileMenu() {
    QMenu* file = addMenu("mnuFileTop", "&File");
    struct FileItem {
        int index;
        const char* caption;
        const char* shortcut;
    };
    const FileItem items[] = {{0, "Introduction", ""}, {1, "&New", "Ctrl+N"},
                              {2, "&Open", "Ctrl+O"},  {3, "&Save", "Ctrl+S"},
                              {4, nullptr, ""},        {5, "Copy All", ""},
                              {8, nullptr, ""},        {9, "E&xit", ""}};
    for (const FileItem& entry : items) {
        QAction* action = entry.caption ? addItem(file, "mnuFile", entry.caption, entry.shortcut)
                                        : file->addSeparator();
        action->setObjectName("mnuFile");
        action->setProperty("index", entry.index);
        if (entry.caption) {
            const int index = entry.index;
            connect(action, &QAction::triggered, this,
                    [this, index] { emit fileItemChosen(index); });
        }
    }
}

void PostEditorMenus::buildEditMenu() {
    QMenu* edit = addMenu("mnuEdit", "&Edit");
    addItem(edit, "mnuUndo", "Undo", "Ctrl+Z");
    addItem(edit, "mnuRedo", "Redo");
    addSeparator(edit, "mnuline");
    addItem(edit, "mnuCut", "Cut", "Ctrl+X");
    addItem(edit, "mnuCopy", "&Copy", "Ctrl+C");
    addItem(edit, "mnuPaste", "&Paste", "Ctrl+V");
    addSeparator(edit, "mnuLine7");
    addItem(edit, "mnuUndoAll", "Undo All");
    addItem(edit, "mnuRedoAll", "Redo All");
    addSeparator(edit, "mnuline8");
    addItem(edit, "mnuResetUndo", "Reset All");
    addItem(edit, "mnuClearAll", "Clear All");
    for (const char* name : {"mnuUndo", "mnuRedo", "mnuUndoAll", "mnuRedoAll", "mnuCut", "mnuCopy"})
        item(name)->setEnabled(false);
}

void PostEditorMenus::buildToolsMenu() {
    QMenu* tools = addMenu("mnuTools", "&Tools");
    addItem(tools, "mnuGrammar", "Spell && Grammar Check");
    addSeparator(tools, "mnuline15");
    addItem(tools, "mnuOptions", "Font Setting");
    addSeparator(tools, "mnuline10");
    addItem(tools, "mnuImage", "Insert Image Link");
    addItem(tools, "mnuLink", "Insert Web &Link");
    addSeparator(tools, "mnuline11");
    addItem(tools, "mnuIrregualr", "Irregular Tags");
    addItem(tools, "mnuPreSet", "Custom Styles");
    addItem(tools, "mnuPretype", "Custom Text");
    addItem(tools, "mnuPreview", "Pre&view", "F5");
}

void PostEditorMenus::buildBrowserMenu() {
    QMenu* browser = addMenu("mnBrowser", "&Browser");
    addItem(browser, "mnuBrowser", "View Browser");
    addSeparator(browser, "mnuline13");
    addItem(browser, "mnuVornetHome", "Vornet Home");
    addItem(browser, "mnuForums", "Forum List");
    addItem(browser, "mnuAdvSearch", "Advanced Search");
}

void PostEditorMenus::buildHelpMenu() {
    QMenu* help = addMenu("mnuHelp", "&Help");
    addItem(help, "mnuTips", "Help && Tips");
    addSeparator(help, "mnuline14");
    addItem(help, "mnuEmail", "E-Mail to Author");
    addItem(help, "mnuHomePage", "Visit Home Page");
    addSeparator(help, "mnuline3");
    addItem(help, "mnuHelpAbout", "&About Quillet");
}

QAction* PostEditorMenus::fileItem(int index) const {
    for (QAction* action : menu("mnuFileTop")->actions()) {
        if (!action->isSeparator() && action->property("index").toInt() == index)
            return action;
    }
    return nullptr;
}

QAction* PostEditorMenus::item(const QString& name) const {
    for (QMenu* top : m_menus) {
        if (top->objectName() == name)
            return top->menuAction();
        for (QAction* action : top->actions()) {
            if (action->objectName() == name)
                return action;
        }
    }
    return nullptr;
}

QMenu* PostEditorMenus::menu(const QString& name) const {
    for (QMenu* top : m_menus) {
        if (top->objectName() == name)
            return top;
    }
    return nullptr;
}
