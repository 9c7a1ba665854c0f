#pragma once

#include <QList>
#include <QWidget>

class QAction;
class QUrl;

// A browser window as the program drives it. The windows themselves come from the browser
// module (BrowserModule), which alone links the web engine.
class WebWindow : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    virtual void navigate(const QUrl& address) = 0;
    // The items the frame's menu bar shows while this window is active; none by default.
    virtual QList<QAction*> menuBarItems() const { return {}; }
};
