#include "services/WebBrowserWindow.h"

#include "platform/Clipboard.h"
#include "platform/EditingSurface.h"
#include "platform/Twips.h"
#include "services/BrowserAddresses.h"
#include "services/WebBrowser.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolBar>

namespace {
int px(int twips) {
    return Twips::toPixels(twips);
}
const char* const kIdleCaption = "Insert Smileys";
} // namespace

WebBrowserWindow::WebBrowserWindow(EditingSurface& surface, QWidget* parent)
    : QWidget(parent, Qt::Window), m_surface(surface) {
    setObjectName("frmBrowser");
    setWindowTitle("Vornet Forum Smiley");
    setAttribute(Qt::WA_DeleteOnClose);
    resize(px(10000), px(7500));
    createControls();
    layOut();
}

void WebBrowserWindow::createControls() {
    createToolBar();
    brwWebBrowser = new WebBrowser(this);
    brwWebBrowser->move(px(250), px(1000));
    connect(brwWebBrowser, &WebBrowser::DownloadComplete, this,
            [this] { setWindowTitle(kIdleCaption); });
    connect(brwWebBrowser, &WebBrowser::loadFinished, this,
            &WebBrowserWindow::openLocalCopyIfFailed);

    lblAddress = new QLabel("&Address:", this);
    lblAddress->setObjectName("lblAddress");
    lblAddress->move(px(50), tbToolBar->height());
    lblAddress->adjustSize();
    txtAddress = new QLineEdit(BrowserAddresses::localSmileyPage(), this);
    txtAddress->setObjectName("txtAddress");
    txtAddress->move(px(50), lblAddress->y() + lblAddress->height() + px(15));
    txtAddress->installEventFilter(this);
    lblAddress->setBuddy(txtAddress);

    // Right-aligned on the toolbar's line, clear of its buttons.
    Label2 = new QLabel("Select name of smiley including square brackets ( [ ] ) and click "
                        "insert button ",
                        this);
    Label2->setObjectName("Label2");
    Label1 = new QLabel("You must be connected to the Internet to use this feature.", this);
    Label1->setObjectName("Label1");
    for (QLabel* label : {Label2, Label1}) {
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        QFont small = label->font();
        small.setPointSizeF(small.pointSizeF() - 1);
        label->setFont(small);
    }
    Label2->move(0, 0);
    Label1->move(0, tbToolBar->height() / 2);

    Command1 = new QPushButton(this);
    Command1->setObjectName("Command1");
    Command1->hide();
    connect(Command1, &QPushButton::clicked, this, &WebBrowserWindow::Insert);

    timTimer = new QTimer(this);
    timTimer->setObjectName("timTimer");
    timTimer->setInterval(5);
    connect(timTimer, &QTimer::timeout, this, &WebBrowserWindow::timTimer_Timer);
}

void WebBrowserWindow::createToolBar() {
    tbToolBar = new QToolBar(this);
    tbToolBar->setObjectName("tbToolBar");
    tbToolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    for (const char* key : {"Back", "Forward", "Refresh", "Insert"}) {
        QAction* button = tbToolBar->addAction(key);
        button->setObjectName(key);
        connect(button, &QAction::triggered, this, [this, key] { tbToolBar_ButtonClick(key); });
    }
    tbToolBar->adjustSize();
}

void WebBrowserWindow::tbToolBar_ButtonClick(const QString& key) {
    timTimer->start();
    if (key == "Back")
        brwWebBrowser->GoBack();
    else if (key == "Forward")
        brwWebBrowser->GoForward();
    else if (key == "Refresh")
        brwWebBrowser->Refresh();
    else if (key == "Insert")
        Command1->click();
}

void WebBrowserWindow::Navigate(const QUrl& address) {
    timTimer->start();
    brwWebBrowser->Navigate(address);
}

void WebBrowserWindow::openLocalCopyIfFailed(bool loaded) {
    const QUrl localCopy(txtAddress->text());
    if (!loaded && brwWebBrowser->url() != localCopy && localCopy.isValid())
        brwWebBrowser->Navigate(localCopy);
}

void WebBrowserWindow::Insert() {
    Clipboard::instance().clear();
    brwWebBrowser->setFocus();
    // The page hands its selection over directly, rather than through the clipboard.
    const QString selected = brwWebBrowser->selectedText();
    m_surface.setSelText(selected);
    Clipboard::instance().clear();
    hide();
}

void WebBrowserWindow::timTimer_Timer() {
    if (brwWebBrowser->Busy()) {
        setWindowTitle("Working...");
        return;
    }
    timTimer->stop();
    setWindowTitle(kIdleCaption);
}

bool WebBrowserWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtAddress) {
        const bool clicked = event->type() == QEvent::MouseButtonPress;
        const bool enter = event->type() == QEvent::KeyPress &&
                           (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Return ||
                            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Enter);
        if (clicked || enter)
            timTimer->start(); // the address box does not navigate
    }
    return QWidget::eventFilter(watched, event);
}

void WebBrowserWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}

void WebBrowserWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isVisible() && !isActiveWindow())
        hide();
}

void WebBrowserWindow::closeEvent(QCloseEvent* event) {
    hide();
    QWidget::closeEvent(event);
}

void WebBrowserWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layOut();
}

void WebBrowserWindow::layOut() {
    const int innerWidth = width(), innerHeight = height();
    for (QLabel* label : {Label2, Label1})
        label->resize(innerWidth, tbToolBar->height() / 2);
    if (innerWidth - px(100) >= 0)
        txtAddress->resize(innerWidth - px(100), txtAddress->height());
    if (innerWidth - px(500) >= 0 && innerHeight - px(1200) >= 0)
        brwWebBrowser->setGeometry(brwWebBrowser->x(), px(1000), innerWidth - px(500),
                                   innerHeight - px(1200));
}
