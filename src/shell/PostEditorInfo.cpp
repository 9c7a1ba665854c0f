#include "shell/PostEditorInfo.h"

#include "info/AboutBox.h"
#include "info/IntroductionWindow.h"
#include "info/TipsWindow.h"
#include "platform/DocumentWindows.h"
#include "platform/ModalDialogs.h"
#include "shell/PostEditorMenus.h"

#include <QAction>

PostEditorInfo::PostEditorInfo(QWidget& workArea, const EditorActions& actions,
                               QString settingsPath)
    : QObject(&workArea), m_workArea(workArea), m_settingsPath(std::move(settingsPath)) {
    tips();
    connect(actions.introduction, &QAction::triggered, this, &PostEditorInfo::showIntroduction);
    connect(actions.tips, &QAction::triggered, this, &PostEditorInfo::showTips);
    connect(actions.about, &QAction::triggered, this, &PostEditorInfo::showAbout);
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
    DocumentWindows::bringToFront(&m_workArea);
}

OpenInForumBrowser PostEditorInfo::forumOpener() {
    return [this](const QString& address, bool maximised) {
        emit forumPageRequested(address, maximised);
    };
}
