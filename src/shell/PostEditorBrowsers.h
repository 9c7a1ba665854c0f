#pragma once

#include <QObject>

class BrowserWindows;
class EditingSurface;
class QWidget;
struct EditorActions;

// Connects the work area's Browser and Help menu items to the browser windows, and
// hands those windows the frame and the work area they give way to.
class PostEditorBrowsers : public QObject {
    Q_OBJECT
public:
    // The smiley browser inserts into surface; the windows give way to workArea.
    PostEditorBrowsers(QWidget& workArea, EditingSurface& surface, const EditorActions& actions);

    BrowserWindows& windows() const { return *m_windows; }

private:
    QWidget& m_workArea;
    BrowserWindows* m_windows = nullptr;
};
