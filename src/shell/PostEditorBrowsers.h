#pragma once

#include <QObject>

class BrowserWindows;
class PostEditor;

// Connects the work area's Browser and Help menu items to the browser windows, and
// hands those windows the frame and the work area they give way to.
class PostEditorBrowsers : public QObject {
    Q_OBJECT
public:
    explicit PostEditorBrowsers(PostEditor& workArea);

    BrowserWindows& windows() const { return *m_windows; }

private:
    void showWorkArea();
    void hideWorkArea();

    PostEditor& m_workArea;
    BrowserWindows* m_windows = nullptr;
};
