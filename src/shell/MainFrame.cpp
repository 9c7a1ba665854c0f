#include "shell/MainFrame.h"

#include "platform/DocumentWindows.h"
#include "platform/Twips.h"
#include "shell/LengthCounter.h"
#include "shell/PostEditor.h"
#include "shell/PostEditorMenus.h"
#include "shell/PostEditorTextTools.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QWindow>

MainFrame::MainFrame(QWidget* parent) : QMainWindow(parent), m_mdiArea(new QMdiArea(this)) {
    setObjectName("frmMain");
    setWindowTitle("Vornet FORUMS QUILLET");
    m_mdiArea->setObjectName("mdiArea");
    setCentralWidget(m_mdiArea);
    // The frame never gets smaller than 12000 by 9700 twips, as far as its screen allows.
    m_wantedMinimumSize = QSize(Twips::toPixels(12000), Twips::toPixels(9700));
    fitMinimumSizeToScreen();
    resize(Twips::toPixels(15000), Twips::toPixels(11000));
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, &MainFrame::childActivated);
}

MainFrame::~MainFrame() {
    // The children outlive this object's members while the base class tears them down.
    for (QMdiSubWindow* subWindow : m_childMenus.keys())
        disconnect(subWindow, nullptr, this, nullptr);
    disconnect(m_mdiArea, nullptr, this, nullptr);
}

QMdiSubWindow* MainFrame::addWorkArea(PostEditor* workArea) {
    m_workArea = workArea;
    QMdiSubWindow* subWindow = addChild(workArea, workArea->menus().menus());
    LengthCounter& counter = workArea->textTools().lengthCounter();
    statusBar()->addWidget(&counter);
    counter.show();
    // The status bar comes on top of the smallest size, so the work area keeps its room.
    m_wantedMinimumSize.setHeight(Twips::toPixels(9700) + statusBar()->sizeHint().height());
    fitMinimumSizeToScreen();
    subWindow->showMaximized();
    // Restoring the work area fits it to the frame, never the size it was added at (a title bar).
    connect(subWindow, &QMdiSubWindow::windowStateChanged, workArea,
            [workArea](Qt::WindowStates before) {
                if (before & (Qt::WindowMaximized | Qt::WindowMinimized))
                    DocumentWindows::fitToFrame(workArea);
            });
    return subWindow;
}

QMdiSubWindow* MainFrame::addChild(QWidget* child, const QList<QMenu*>& menus) {
    QList<QAction*> barItems;
    for (QMenu* menu : menus)
        barItems.append(menu->menuAction());
    return addChild(child, barItems);
}

QMdiSubWindow* MainFrame::addChild(QWidget* child, const QList<QAction*>& barItems) {
    QMdiSubWindow* subWindow = m_mdiArea->addSubWindow(child);
    subWindow->setWindowIcon(windowIcon());
    m_childMenus.insert(subWindow, barItems);
    connect(subWindow, &QObject::destroyed, this,
            [this, subWindow] { m_childMenus.remove(subWindow); });
    return subWindow;
}

void MainFrame::childActivated(QMdiSubWindow* subWindow) {
    if (!subWindow)
        return; // the frame itself lost activation; keep the menus shown
    menuBar()->clear();
    for (QAction* item : m_childMenus.value(subWindow))
        menuBar()->addAction(item);
    if (subWindow->widget() == m_workArea)
        m_workArea->activate();
}

void MainFrame::fitMinimumSizeTo(const QRect& available) {
    const QSize decoration = frameGeometry().size() - size();
    setMinimumSize(m_wantedMinimumSize.boundedTo(available.size() - decoration));
}

void MainFrame::fitMinimumSizeToScreen() {
    if (const QScreen* shown = screen())
        fitMinimumSizeTo(shown->availableGeometry());
    else
        setMinimumSize(m_wantedMinimumSize);
}

// Once the frame has its own native window, a move to another screen or a change of the
// screen's available area fits the smallest size again.
void MainFrame::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    QWindow* window = windowHandle();
    if (!window || m_followsScreen)
        return;
    m_followsScreen = true;
    auto follow = [this](QScreen* shown) {
        fitMinimumSizeToScreen();
        if (shown)
            connect(shown, &QScreen::availableGeometryChanged, this,
                    &MainFrame::fitMinimumSizeToScreen, Qt::UniqueConnection);
    };
    connect(window, &QWindow::screenChanged, this, follow);
    follow(window->screen());
}

void MainFrame::closeEvent(QCloseEvent* event) {
    // Closing the frame asks the work area to close, and the work area never closes:
    // only the exit flow ends the program.
    event->ignore();
    if (m_workArea)
        m_workArea->requestExit();
}
