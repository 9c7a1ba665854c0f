#pragma once

#include <QWebEngineView>

// The embedded browser both browser windows use: the engine's view on a SafeWebPage,
// with the operations and events the windows are written against.
class WebBrowser : public QWebEngineView {
    Q_OBJECT
public:
    explicit WebBrowser(QWidget* parent = nullptr);

    void Navigate(const QUrl& address);
    void GoBack();
    void GoForward();
    void Refresh();
    void Stop();

    QString LocationName() const; // the current page's title
    QString LocationURL() const;  // the current page's address
    bool Busy() const { return m_busy; }

signals:
    void StatusTextChange(const QString& text);
    void ProgressChange(int progress, int progressMax);
    void DownloadComplete();
    void NavigateComplete2(const QString& address);

private:
    bool m_busy = false;
};
