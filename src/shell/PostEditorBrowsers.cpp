#include "shell/PostEditorBrowsers.h"

#include "platform/RichTextBox.h"
#include "services/BrowserWindows.h"
#include "shell/MainFrame.h"
#include "shell/PostEditor.h"
#include "shell/PostEditorMenus.h"
#include "shell/ProgramExit.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>

PostEditorBrowsers::PostEditorBrowsers(PostEditor& workArea)
    : QObject(&workArea), m_workArea(workArea) {
    PostEditorMenus& menus = workArea.menus();
    BrowserHost host;
    host.addToFrame = [this](QWidget* window, const QList<QAction*>& barItems) {
        auto* frame = qobject_cast<MainFrame*>(m_workArea.window());
        return frame ? frame->addChild(window, barItems) : nullptr;
    };
    host.showWorkArea = [this] { showWorkArea(); };
    host.hideWorkArea = [this] { hideWorkArea(); };
    host.confirmExit = [this] { ProgramExit::ConfirmExit(&m_workArea); };
    // The browser's Introduction and About do what the work area's items do.
    host.showIntroduction = [&menus] { menus.fileItem(0)->trigger(); };
    host.showAbout = [&menus] { menus.item("mnuHelpAbout")->trigger(); };
    m_windows = new BrowserWindows(host, workArea.RichTextBox1->surface(), &workArea, this);

    const struct {
        const char* item;
        void (BrowserWindows::*command)();
    } items[] = {{"mnuBrowser", &BrowserWindows::viewBrowser},
                 {"mnuVornetHome", &BrowserWindows::vornetHome},
                 {"mnuForums", &BrowserWindows::forumList},
                 {"mnuAdvSearch", &BrowserWindows::advancedSearch},
                 {"mnuHomePage", &BrowserWindows::visitHomePage},
                 {"mnuEmail", &BrowserWindows::mailToAuthor}};
    for (const auto& entry : items) {
        auto command = entry.command;
        connect(menus.item(entry.item), &QAction::triggered, this,
                [this, command] { (m_windows->*command)(); });
    }
}

void PostEditorBrowsers::showWorkArea() {
    auto* subWindow = qobject_cast<QMdiSubWindow*>(m_workArea.parentWidget());
    if (!subWindow) {
        m_workArea.show();
        m_workArea.raise();
        m_workArea.activateWindow();
        return;
    }
    subWindow->showMaximized();
    if (QMdiArea* area = subWindow->mdiArea())
        area->setActiveSubWindow(subWindow);
}

void PostEditorBrowsers::hideWorkArea() {
    auto* subWindow = qobject_cast<QMdiSubWindow*>(m_workArea.parentWidget());
    (subWindow ? static_cast<QWidget*>(subWindow) : &m_workArea)->hide();
}
