#include "shell/PostEditorInfo.h"

#include "info/AboutBox.h"
#include "info/IntroductionWindow.h"
#include "info/TipsWindow.h"
#include "platform/ModalDialogs.h"
#include "shell/PostEditorMenus.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>

PostEditorInfo::PostEditorInfo(QWidget& workArea, PostEditorMenus& menus, QString settingsPath)
    : QObject(&workArea), m_workArea(workArea), m_settingsPath(std::move(settingsPath)) {
    tips();
    connect(menus.item("mnuTips"), &QAction::triggered, this, &PostEditorInfo::showTips);
    connect(menus.item("mnuHelpAbout"), &QAction::triggered, this, &PostEditorInfo::showAbout);
}

PostEditorInfo::~PostEditorInfo() {
    delete m_introduction;
    delete m_tips;
}

IntroductionWindow& PostEditorInfo::introduction() {
    if (!m_introduction) {
        m_introduction = new IntroductionWindow(m_settingsPath, forumOpener());
        connect(m_introduction, &IntroductionWindow::frameWanted, this, &PostEditorInfo::showFrame);
        connect(m_introduction, &IntroductionWindow::unloaded, this, [this] {
            m_introduction->deleteLater();
            m_introduction = nullptr;
            showWorkArea();
        });
    }
    return *m_introduction;
}

void PostEditorInfo::showIntroduction() {
    ModalDialogs::run(introduction());
}

void PostEditorInfo::showAbout() {
    AboutBox about(forumOpener());
    ModalDialogs::run(about);
}

TipsWindow& PostEditorInfo::tips() {
    if (!m_tips) {
        m_tips = new TipsWindow;
        connect(m_tips, &TipsWindow::unloaded, this, [this] {
            m_tips->deleteLater();
            m_tips = nullptr;
        });
    }
    return *m_tips;
}

void PostEditorInfo::showTips() {
    TipsWindow& window = tips();
    window.show();
    window.raise();
    window.activateWindow();
}

void PostEditorInfo::showFrame() {
    m_workArea.window()->show();
}

void PostEditorInfo::showWorkArea() {
    showFrame();
    auto* subWindow = qobject_cast<QMdiSubWindow*>(m_workArea.parentWidget());
    if (subWindow && subWindow->mdiArea())
        subWindow->mdiArea()->setActiveSubWindow(subWindow);
    m_workArea.show();
}

OpenInForumBrowser PostEditorInfo::forumOpener() {
    // Looked up at the click, so a forum browser wired in later is used.
    return [this](const QString& address, bool maximised) {
        if (openInForumBrowser)
            openInForumBrowser(address, maximised);
    };
}
