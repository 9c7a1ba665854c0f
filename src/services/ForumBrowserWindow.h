#pragma once

#include "services/BrowserAddresses.h"
#include "services/BrowserHost.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTimer;
class ForumBrowserMenus;
class WebBrowser;

// The forum browser: a child window of the frame, beside the work area, for reading the
// forums without leaving the program. It opens on the forum's home page.
class ForumBrowserWindow : public QWidget {
    Q_OBJECT
public:
    ForumBrowserWindow(const BrowserAddresses& addresses, const BrowserHost& host,
                       QWidget* parent = nullptr);

    ForumBrowserMenus& menus() const { return *m_menus; }
    WebBrowser* browser() const { return brwWebBrowser; }
    void Navigate(const QUrl& address);

    // The commands of the menus and buttons.
    void CopyURL();
    void mnuStop_Click();
    void mnuEditor_Click();
    void mnuEmail_Click();

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
    void showProgress(int progress, int progressMax);
    void timTimer_Timer();

    BrowserAddresses m_addresses;
    BrowserHost m_host;
    ForumBrowserMenus* m_menus = nullptr;

    WebBrowser* brwWebBrowser = nullptr;
    QLineEdit* txtURL = nullptr;
    QPushButton* cmdBack = nullptr;
    QPushButton* cmdForward = nullptr;
    QPushButton* cmdRefresh = nullptr;
    QPushButton* cmdHoem = nullptr;
    QPushButton* cmdStop = nullptr;
    QPushButton* cmdCopyURL = nullptr;
    QWidget* StatusBar1 = nullptr;
    QLabel* statusPanel1 = nullptr;
    QLabel* statusPanel2 = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QTimer* timTimer = nullptr;
};
