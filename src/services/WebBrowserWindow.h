#pragma once

#include "services/WebWindow.h"

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
class WebBrowserWindow : public WebWindow {
    Q_OBJECT
public:
    WebBrowserWindow(EditingSurface& surface, QWidget* parent = nullptr);

    // Opens the page; should it not load, the copy that ships with the program opens.
    void navigate(const QUrl& address) override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void createToolBar();
    void runToolButton(const QString& key);
    // Puts the page's selected text in place of the surface's selection.
    void insertSelection();
    // While the busy timer runs, the caption says whether the page is still loading.
    void updateCaption();
    void openLocalCopyIfFailed(bool loaded);
    void layOut();

    EditingSurface& m_surface;
    QToolBar* m_toolBar = nullptr;
    WebBrowser* m_browser = nullptr;
    QLabel* m_addressLabel = nullptr;
    QLineEdit* m_addressBox = nullptr;
    QLabel* m_selectHint = nullptr;
    QLabel* m_connectionHint = nullptr;
    QPushButton* m_insertButton = nullptr;
    QTimer* m_busyTimer = nullptr;
};
