#pragma once

#include <QWidget>

class EditingSurface;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class QToolBar;
class WebBrowser;

// The smiley browser: the user selects a smiley's code on a page of smileys and Insert
// puts it into the post at the caret. It hides when it loses the focus and after each
// insert, and Escape closes it.
class WebBrowserWindow : public QWidget {
    Q_OBJECT
public:
    WebBrowserWindow(EditingSurface& surface, QWidget* parent = nullptr);

    WebBrowser* browser() const { return brwWebBrowser; }
    // Opens the page; should it not load, the copy that ships with the program opens.
    void Navigate(const QUrl& address);
    // Puts the page's selected text in place of the surface's selection.
    void Insert();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void createToolBar();
    void tbToolBar_ButtonClick(const QString& key);
    void timTimer_Timer();
    void openLocalCopyIfFailed(bool loaded);
    void layOut();

    EditingSurface& m_surface;
    QToolBar* tbToolBar = nullptr;
    WebBrowser* brwWebBrowser = nullptr;
    QLabel* lblAddress = nullptr;
    QLineEdit* txtAddress = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* Command1 = nullptr;
    QTimer* timTimer = nullptr;
};
