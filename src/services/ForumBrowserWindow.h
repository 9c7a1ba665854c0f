#pragma once

#include "services/BrowserAddresses.h"
#include "services/BrowserHost.h"
#include "services/WebWindow.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class ForumBrowserMenus;
class WebBrowser;

// The forum browser: a child window of the frame, beside the work area, for reading the
// forums without leaving the program. It opens on the forum's home page.
class ForumBrowserWindow : public WebWindow {
    Q_OBJECT
public:
    ForumBrowserWindow(const BrowserAddresses& addresses, const BrowserHost& host,
                       QWidget* parent = nullptr);

    ForumBrowserMenus& menus() const { return *m_menus; }
    void navigate(const QUrl& address) override;
    QList<QAction*> menuBarItems() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void createStatusBar();
    void connectCommands();
    void connectBrowserEvents();
    void layOut();
    void placeProgressBar();

    // The commands of the menus and buttons.
    void copyAddress();
    void stopLoading();
    void returnToWorkArea();

    BrowserAddresses m_addresses;
    BrowserHost m_host;
    ForumBrowserMenus* m_menus = nullptr;

    WebBrowser* m_browser = nullptr;
    QLineEdit* m_addressBox = nullptr;
    QPushButton* m_copyAddressButton = nullptr;
    QWidget* m_statusBar = nullptr;
    QLabel* m_statusText = nullptr;    // panel 1
    QLabel* m_progressPanel = nullptr; // panel 2, under the progress bar
    QProgressBar* m_progressBar = nullptr;
};
