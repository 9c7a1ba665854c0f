#pragma once

#include <QList>
#include <QObject>

class QAction;
class QMenu;
class QWidget;

// Every item of the work area's menus, by what it does.
struct EditorActions {
    // File
    QAction* introduction = nullptr;
    QAction* newPost = nullptr;
    QAction* open = nullptr;
    QAction* save = nullptr;
    QAction* copyAll = nullptr;
    QAction* recoverDrafts = nullptr;
    QAction* exit = nullptr;
    // Edit
    QAction* undo = nullptr;
    QAction* redo = nullptr;
    QAction* cut = nullptr;
    QAction* copy = nullptr;
    QAction* paste = nullptr;
    QAction* undoAll = nullptr;
    QAction* redoAll = nullptr;
    QAction* resetUndo = nullptr;
    QAction* clearAll = nullptr;
    QAction* find = nullptr;
    QAction* replace = nullptr;
    // Tools
    QAction* spellCheck = nullptr;
    QAction* spellAsYouType = nullptr; // checkable
    QMenu* languages = nullptr;        // filled by the live spelling check
    QAction* fontSettings = nullptr;
    QAction* insertImage = nullptr;
    QAction* insertLink = nullptr;
    QAction* irregularTags = nullptr;
    QAction* customStyles = nullptr;
    QAction* customText = nullptr;
    QAction* preview = nullptr;
    QAction* colourTags = nullptr;
    QAction* completeTags = nullptr; // checkable
    QAction* lengthLimit = nullptr;
    // Browser
    QAction* viewBrowser = nullptr;
    QAction* forumHome = nullptr;
    QAction* forumList = nullptr;
    QAction* advancedSearch = nullptr;
    // Help
    QAction* tips = nullptr;
    QAction* mailAuthor = nullptr;
    QAction* homePage = nullptr;
    QAction* about = nullptr;
};

// The work area's menu bar: every menu and item with its caption, shortcut and name.
// The frame shows these menus while the work area is its active window.
class PostEditorMenus : public QObject {
    Q_OBJECT
public:
    explicit PostEditorMenus(QWidget* owner);

    const EditorActions& actions() const { return m_actions; }
    QList<QMenu*> menus() const { return m_menus; }
    // The Edit menu, which a right click in the post opens too.
    QMenu* editMenu() const { return m_editMenu; }

private:
    QMenu* addMenu(const char* name, const char* caption);
    QAction* addFileItem(QMenu* menu, int index, const char* caption, const char* shortcut = "");
    void addFileSeparator(QMenu* menu, int index);
    void buildFileMenu();
    void buildEditMenu();
    void buildToolsMenu();
    void buildBrowserMenu();
    void buildHelpMenu();

    QWidget* m_owner;
    QList<QMenu*> m_menus;
    QMenu* m_editMenu = nullptr;
    EditorActions m_actions;
};
