#pragma once

#include <QList>
#include <QObject>

class QAction;
class QMenu;
class QWidget;

// The work area's menu bar: every menu and item with its caption, shortcut and name.
// The frame shows these menus while the work area is its active window.
class PostEditorMenus : public QObject {
    Q_OBJECT
public:
    explicit PostEditorMenus(QWidget* owner);

    QList<QMenu*> menus() const { return m_menus; }
    // The item of the File menu with the given index (0 to 9; 6 and 7 do not exist).
    QAction* fileItem(int index) const;
    // Any item or menu by its name, e.g. "mnuPaste".
    QAction* item(const QString& name) const;
    QMenu* menu(const QString& name) const;

signals:
    // A File item was chosen; its index decides what runs.
    void fileItemChosen(int index);

private:
    QMenu* addMenu(const char* name, const char* caption);
    QAction* addItem(QMenu* menu, const char* name, const char* caption, const char* shortcut = "");
    void addSeparator(QMenu* menu, const char* name);
    void buildFileMenu();
    void buildEditMenu();
    void buildToolsMenu();
    void buildBrowserMenu();
    void buildHelpMenu();

    QWidget* m_owner;
    QList<QMenu*> m_menus;
};
