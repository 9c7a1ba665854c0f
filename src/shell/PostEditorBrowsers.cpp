#include "shell/PostEditorBrowsers.h"

#include "platform/DocumentWindows.h"
#include "services/BrowserWindows.h"
#include "shell/MainFrame.h"
#include "shell/PostEditorMenus.h"
#include "shell/ProgramExit.h"

#include <QAction>

PostEditorBrowsers::PostEditorBrowsers(QWidget& workArea, EditingSurface& surface,
                                       const EditorActions& actions)
    : QObject(&workArea), m_workArea(workArea) {
    BrowserHost host;
    host.addToFrame = [this](QWidget* window, const QList<QAction*>& barItems) {
        auto* frame = qobject_cast<MainFrame*>(m_workArea.window());
        return frame ? frame->addChild(window, barItems) : nullptr;
    };
    host.showWorkArea = [this] { DocumentWindows::bringToFront(&m_workArea); };
    host.hideWorkArea = [this] { DocumentWindows::hide(&m_workArea); };
    host.confirmExit = [this] { ProgramExit::confirm(&m_workArea); };
    // The browser's Introduction and About do what the work area's items do.
    host.showIntroduction = [&actions] { actions.introduction->trigger(); };
    host.showAbout = [&actions] { actions.about->trigger(); };
    m_windows = new BrowserWindows(host, surface, &workArea, this);

    const struct {
        QAction* item;
        void (BrowserWindows::*command)();
    } items[] = {{actions.viewBrowser, &BrowserWindows::viewBrowser},
                 {actions.forumHome, &BrowserWindows::vornetHome},
                 {actions.forumList, &BrowserWindows::forumList},
                 {actions.advancedSearch, &BrowserWindows::advancedSearch},
                 {actions.homePage, &BrowserWindows::visitHomePage},
                 {actions.mailAuthor, &BrowserWindows::mailToAuthor}};
    for (const auto& entry : items) {
        auto command = entry.command;
        connect(entry.item, &QAction::triggered, this,
                [this, command] { (m_windows->*command)(); });
    }
}
