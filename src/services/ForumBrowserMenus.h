#pragma once

#include <QList>
#include <QObject>

class QAction;
class QMenu;
class QWidget;

// The forum browser's menus; the frame shows barItems() while the browser is active.
// The pop-up menu of the address box is kept off the bar.
class ForumBrowserMenus : public QObject {
    Q_OBJECT
public:
    explicit ForumBrowserMenus(QWidget* owner);

    QList<QAction*> barItems() const { return m_barItems; }
    QMenu* popUp() const { return m_popUp; }
    // Any item by its name, e.g. "mnuCopyURL1".
    QAction* item(const QString& name) const;

private:
    QMenu* addMenu(const char* name, const char* caption);
    QAction* addItem(QMenu* menu, const char* name, const char* caption);

    QWidget* m_owner;
    QList<QAction*> m_barItems;
    QList<QMenu*> m_menus;
    QMenu* m_popUp = nullptr;
};
