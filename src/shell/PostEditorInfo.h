#pragma once

#include "info/ProgramInfo.h"

#include <QObject>
#include <QPointer>

class IntroductionWindow;
class TipsWindow;
class QWidget;
struct EditorActions;

// The work area's informational windows: the introduction (File > Introduction), the tips
// window (loaded hidden with the work area, shown by Help > Help && Tips) and the about box
// (Help > About Quillet). The forum browser's menus show the same windows through here.
class PostEditorInfo : public QObject {
    Q_OBJECT
public:
    PostEditorInfo(QWidget& workArea, const EditorActions& actions, QString settingsPath);
    ~PostEditorInfo() override;

    // The introduction window, loaded (its box read from the settings file) if it is not.
    IntroductionWindow& introduction();
    void showIntroduction(); // modal
    void showAbout();        // modal
    TipsWindow& tips();      // loaded hidden if it is not
    void showTips();         // not modal

signals:
    // A forum link in one of the windows was clicked.
    void forumPageRequested(const QString& address, bool maximised);

private:
    void showFrame();
    void showWorkArea();
    OpenInForumBrowser forumOpener();

    QWidget& m_workArea;
    QString m_settingsPath;
    // Windows of their own, not the work area's children, so that their controls' names
    // are never taken for the work area's.
    QPointer<IntroductionWindow> m_introduction;
    QPointer<TipsWindow> m_tips;
};
