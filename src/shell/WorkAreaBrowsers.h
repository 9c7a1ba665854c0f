#pragma once

#include <QObject>

class BrowserWindows;
class FrmWorkArea;

// Connects the work area's Browser and Help menu items to the browser windows, and
// hands those windows the frame and the work area they give way to.
class WorkAreaBrowsers : public QObject {
    Q_OBJECT
public:
    explicit WorkAreaBrowsers(FrmWorkArea& workArea);

    BrowserWindows& windows() const { return *m_windows; }

private:
    void showWorkArea();
    void hideWorkArea();

    FrmWorkArea& m_workArea;
    BrowserWindows* m_windows = nullptr;
};
