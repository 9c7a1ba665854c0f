#include "shell/PostEditorMenus.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

namespace {
QAction* addItem(QMenu* menu, const char* name, const char* caption, const char* shortcut = "") {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    if (*shortcut)
        action->setShortcut(QKeySequence(shortcut));
    return action;
}

void addSeparator(QMenu* menu, const char* name) {
    menu->addSeparator()->setObjectName(name);
}
} // namespace

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

// The File items share one name and tell themselves apart by an index, gaps included.
QAction* PostEditorMenus::addFileItem(QMenu* menu, int index, const char* caption,
                                      const char* shortcut) {
    QAction* action = addItem(menu, "mnuFile", caption, shortcut);
    action->setProperty("index", index);
    return action;
}

void PostEditorMenus::addFileSeparator(QMenu* menu, int index) {
    QAction* separator = menu->addSeparator();
    separator->setObjectName("mnuFile");
    separator->setProperty("index", index);
}

void PostEditorMenus::buildFileMenu() {
    QMenu* file = addMenu("mnuFileTop", "&File");
    m_actions.introduction = addFileItem(file, 0, "Introduction");
    m_actions.newPost = addFileItem(file, 1, "&New", "Ctrl+N");
    m_actions.open = addFileItem(file, 2, "&Open", "Ctrl+O");
    m_actions.save = addFileItem(file, 3, "&Save", "Ctrl+S");
    addFileSeparator(file, 4);
    m_actions.copyAll = addFileItem(file, 5, "Copy All");
    m_actions.recoverDrafts = addItem(file, "mnuRecover", "Recover Drafts...");
    addFileSeparator(file, 8);
    m_actions.exit = addFileItem(file, 9, "E&xit");
}

void PostEditorMenus::buildEditMenu() {
    QMenu* edit = m_editMenu = addMenu("mnuEdit", "&Edit");
    m_actions.undo = addItem(edit, "mnuUndo", "Undo", "Ctrl+Z");
    m_actions.redo = addItem(edit, "mnuRedo", "Redo");
    addSeparator(edit, "mnuline");
    m_actions.cut = addItem(edit, "mnuCut", "Cut", "Ctrl+X");
    m_actions.copy = addItem(edit, "mnuCopy", "&Copy", "Ctrl+C");
    m_actions.paste = addItem(edit, "mnuPaste", "&Paste", "Ctrl+V");
    addSeparator(edit, "mnuLine7");
    m_actions.undoAll = addItem(edit, "mnuUndoAll", "Undo All");
    m_actions.redoAll = addItem(edit, "mnuRedoAll", "Redo All");
    addSeparator(edit, "mnuline8");
    m_actions.resetUndo = addItem(edit, "mnuResetUndo", "Reset All");
    m_actions.clearAll = addItem(edit, "mnuClearAll", "Clear All");
    addSeparator(edit, "mnuLineFind");
    m_actions.find = addItem(edit, "mnuFind", "&Find...", "Ctrl+F");
    m_actions.replace = addItem(edit, "mnuReplace", "R&eplace...", "Ctrl+H");
    for (QAction* item : {m_actions.undo, m_actions.redo, m_actions.undoAll, m_actions.redoAll,
                          m_actions.cut, m_actions.copy})
        item->setEnabled(false);
}

void PostEditorMenus::buildToolsMenu() {
    QMenu* tools = addMenu("mnuTools", "&Tools");
    m_actions.spellCheck = addItem(tools, "mnuGrammar", "Spell && Grammar Check");
    m_actions.spellAsYouType = addItem(tools, "mnuSpellAsYouType", "Check Spelling As You Type");
    m_actions.spellAsYouType->setCheckable(true);
    m_actions.spellAsYouType->setChecked(true);
    m_actions.languages = tools->addMenu("Language");
    m_actions.languages->setObjectName("mnuLanguage");
    m_actions.languages->menuAction()->setObjectName("mnuLanguage");
    addSeparator(tools, "mnuline15");
    m_actions.fontSettings = addItem(tools, "mnuOptions", "Font Setting");
    addSeparator(tools, "mnuline10");
    m_actions.insertImage = addItem(tools, "mnuImage", "Insert Image Link");
    m_actions.insertLink = addItem(tools, "mnuLink", "Insert Web &Link");
    addSeparator(tools, "mnuline11");
    m_actions.irregularTags = addItem(tools, "mnuIrregualr", "Irregular Tags");
    m_actions.customStyles = addItem(tools, "mnuPreSet", "Custom Styles");
    m_actions.customText = addItem(tools, "mnuPretype", "Custom Text");
    m_actions.preview = addItem(tools, "mnuPreview", "Pre&view", "F5");
    addSeparator(tools, "mnuLineCompletion");
    m_actions.colourTags = addItem(tools, "mnuColourTags", "Colour Tags");
    m_actions.colourTags->setCheckable(true);
    m_actions.completeTags = addItem(tools, "mnuCompleteTags", "Complete Tags");
    m_actions.completeTags->setCheckable(true);
    m_actions.completeTags->setChecked(true);
    m_actions.lengthLimit = addItem(tools, "mnuLengthLimit", "Post Length Limit...");
}

void PostEditorMenus::buildBrowserMenu() {
    QMenu* browser = addMenu("mnBrowser", "&Browser");
    m_actions.viewBrowser = addItem(browser, "mnuBrowser", "View Browser");
    addSeparator(browser, "mnuline13");
    m_actions.forumHome = addItem(browser, "mnuVornetHome", "Vornet Home");
    m_actions.forumList = addItem(browser, "mnuForums", "Forum List");
    m_actions.advancedSearch = addItem(browser, "mnuAdvSearch", "Advanced Search");
}

void PostEditorMenus::buildHelpMenu() {
    QMenu* help = addMenu("mnuHelp", "&Help");
    m_actions.tips = addItem(help, "mnuTips", "Help && Tips");
    addSeparator(help, "mnuline14");
    m_actions.mailAuthor = addItem(help, "mnuEmail", "E-Mail to Author");
    m_actions.homePage = addItem(help, "mnuHomePage", "Visit Home Page");
    addSeparator(help, "mnuline3");
    m_actions.about = addItem(help, "mnuHelpAbout", "&About Quillet");
}
