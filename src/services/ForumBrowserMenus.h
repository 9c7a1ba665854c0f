#pragma once

#include <QList>
#include <QObject>

class QAction;
class QMenu;
class QWidget;

// Every item of the forum browser's menus, by what it does.
struct ForumBrowserActions {
    // File
    QAction* introduction = nullptr;
    QAction* copyAddress = nullptr;
    QAction* exit = nullptr;
    // Navigate
    QAction* back = nullptr;
    QAction* forward = nullptr;
    QAction* stop = nullptr;
    QAction* refresh = nullptr;
    // On the bar itself, with no menu under it
    QAction* textEditor = nullptr;
    // Browser
    QAction* forumHome = nullptr;
    QAction* forumList = nullptr;
    QAction* advancedSearch = nullptr;
    // Help
    QAction* mailAuthor = nullptr;
    QAction* homePage = nullptr;
    QAction* about = nullptr;
    // The address box's pop-up menu
    QAction* popUpCopyAddress = nullptr;
};

// The forum browser's menus; the frame shows barItems() while the browser is active.
// The pop-up menu of the address box is kept off the bar.
class ForumBrowserMenus : public QObject {
    Q_OBJECT
public:
    explicit ForumBrowserMenus(QWidget* owner);

    const ForumBrowserActions& actions() const { return m_actions; }
    QList<QAction*> barItems() const { return m_barItems; }
    QMenu* popUp() const { return m_popUp; }

private:
    QMenu* addMenu(const char* name, const char* caption);

    QWidget* m_owner;
    QList<QAction*> m_barItems;
    QMenu* m_popUp = nullptr;
    ForumBrowserActions m_actions;
};
