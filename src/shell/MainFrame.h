#pragma once

#include <QHash>
#include <QList>
#include <QMainWindow>

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class PostEditor;

// The main frame: a multiple-document window with no menu of its own. Its menu bar
// shows the menus of whichever child window is active.
class MainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit MainFrame(QWidget* parent = nullptr);
    ~MainFrame() override;

    // Adds the work area as the frame's document window, maximised inside it.
    QMdiSubWindow* addWorkArea(PostEditor* workArea);
    // Adds another child window that brings its own menus.
    QMdiSubWindow* addChild(QWidget* child, const QList<QMenu*>& menus);
    // The same for a child whose bar also holds commands with no menu under them.
    QMdiSubWindow* addChild(QWidget* child, const QList<QAction*>& barItems);

    QMdiArea* mdiArea() const { return m_mdiArea; }

    // Keeps the smallest size (12000 by 9700 twips and the status bar) within an available
    // screen area, so that a small or highly scaled screen still shows the whole frame.
    void fitMinimumSizeTo(const QRect& available);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void childActivated(QMdiSubWindow* subWindow);
    void fitMinimumSizeToScreen();

    QMdiArea* m_mdiArea;
    PostEditor* m_workArea = nullptr;
    QSize m_wantedMinimumSize;
    bool m_followsScreen = false;
    QHash<QMdiSubWindow*, QList<QAction*>> m_childMenus;
};
