#include "shell/WorkAreaInfo.h"

#include "info/FrmStartup.h"
#include "info/frmAbout.h"
#include "info/frmTips.h"
#include "platform/ModalDialogs.h"
#include "shell/WorkAreaMenus.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>

WorkAreaInfo::WorkAreaInfo(QWidget& workArea, WorkAreaMenus& menus, QString settingsPath)
    : QObject(&workArea), m_workArea(workArea), m_settingsPath(std::move(settingsPath)) {
    tips();
    connect(menus.item("mnuTips"), &QAction::triggered, this, &WorkAreaInfo::showTips);
    connect(menus.item("mnuHelpAbout"), &QAction::triggered, this, &WorkAreaInfo::showAbout);
}

WorkAreaInfo::~WorkAreaInfo() {
    delete m_introduction;
    delete m_tips;
}

FrmStartup& WorkAreaInfo::introduction() {
    if (!m_introduction) {
        m_introduction = new FrmStartup(m_settingsPath, forumOpener());
        connect(m_introduction, &FrmStartup::frameWanted, this, &WorkAreaInfo::showFrame);
        connect(m_introduction, &FrmStartup::unloaded, this, [this] {
            m_introduction->deleteLater();
            m_introduction = nullptr;
            showWorkArea();
        });
    }
    return *m_introduction;
}

void WorkAreaInfo::showIntroduction() {
    ModalDialogs::run(introduction());
}

void WorkAreaInfo::showAbout() {
    frmAbout about(forumOpener());
    ModalDialogs::run(about);
}

frmTips& WorkAreaInfo::tips() {
    if (!m_tips) {
        m_tips = new frmTips;
        connect(m_tips, &frmTips::unloaded, this, [this] {
            m_tips->deleteLater();
            m_tips = nullptr;
        });
    }
    return *m_tips;
}

void WorkAreaInfo::showTips() {
    frmTips& window = tips();
    window.show();
    window.raise();
    window.activateWindow();
}

void WorkAreaInfo::showFrame() {
    m_workArea.window()->show();
}

void WorkAreaInfo::showWorkArea() {
    showFrame();
    auto* subWindow = qobject_cast<QMdiSubWindow*>(m_workArea.parentWidget());
    if (subWindow && subWindow->mdiArea())
        subWindow->mdiArea()->setActiveSubWindow(subWindow);
    m_workArea.show();
}

OpenInForumBrowser WorkAreaInfo::forumOpener() {
    // Looked up at the click, so a forum browser wired in later is used.
    return [this](const QString& address, bool maximised) {
        if (openInForumBrowser)
            openInForumBrowser(address, maximised);
    };
}
