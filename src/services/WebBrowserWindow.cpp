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

using Twips::toPixels;

namespace {
const char* const kIdleCaption = "Insert Smileys";
} // namespace

WebBrowserWindow::WebBrowserWindow(EditingSurface& surface, QWidget* parent)
    : WebWindow(parent, Qt::Window), m_surface(surface) {
    setObjectName("frmBrowser");
    setWindowTitle("Vornet Forum Smiley");
    setAttribute(Qt::WA_DeleteOnClose);
    resize(toPixels(10000), toPixels(7500));
    createControls();
    layOut();
}

void WebBrowserWindow::createControls() {
    createToolBar();
    m_browser = new WebBrowser(this);
    m_browser->move(toPixels(250), toPixels(1000));
    connect(m_browser, &WebBrowser::loadFinished, this, [this] { setWindowTitle(kIdleCaption); });
    connect(m_browser, &WebBrowser::loadFinished, this, &WebBrowserWindow::openLocalCopyIfFailed);

    m_addressLabel = new QLabel("&Address:", this);
    m_addressLabel->setObjectName("lblAddress");
    m_addressLabel->adjustSize();
    m_addressBox = new QLineEdit(BrowserAddresses::localSmileyPage(), this);
    m_addressBox->setObjectName("txtAddress");
    m_addressBox->installEventFilter(this);
    m_addressLabel->setBuddy(m_addressBox);

    // Right of the toolbar's buttons, right-aligned, wrapped when the window is narrow.
    m_selectHint = new QLabel("Select name of smiley including square brackets ( [ ] ) and click "
                              "insert button ",
                              this);
    m_selectHint->setObjectName("Label2");
    m_connectionHint =
        new QLabel("You must be connected to the Internet to use this feature.", this);
    m_connectionHint->setObjectName("Label1");
    for (QLabel* label : {m_selectHint, m_connectionHint}) {
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setWordWrap(true);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        QFont small = label->font();
        small.setPointSizeF(small.pointSizeF() - 1);
        label->setFont(small);
    }

    m_insertButton = new QPushButton(this);
    m_insertButton->setObjectName("Command1");
    m_insertButton->hide();
    connect(m_insertButton, &QPushButton::clicked, this, &WebBrowserWindow::insertSelection);

    m_busyTimer = new QTimer(this);
    m_busyTimer->setObjectName("timTimer");
    m_busyTimer->setInterval(5);
    connect(m_busyTimer, &QTimer::timeout, this, &WebBrowserWindow::updateCaption);
}

void WebBrowserWindow::createToolBar() {
    m_toolBar = new QToolBar(this);
    m_toolBar->setObjectName("tbToolBar");
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    for (const char* key : {"Back", "Forward", "Refresh", "Insert"}) {
        QAction* button = m_toolBar->addAction(key);
        button->setObjectName(key);
        connect(button, &QAction::triggered, this, [this, key] { runToolButton(key); });
    }
    m_toolBar->adjustSize();
}

void WebBrowserWindow::runToolButton(const QString& key) {
    m_busyTimer->start();
    if (key == "Back")
        m_browser->back();
    else if (key == "Forward")
        m_browser->forward();
    else if (key == "Refresh")
        m_browser->reload();
    else if (key == "Insert")
        m_insertButton->click();
}

void WebBrowserWindow::navigate(const QUrl& address) {
    m_busyTimer->start();
    m_browser->load(address);
}

void WebBrowserWindow::openLocalCopyIfFailed(bool loaded) {
    const QUrl localCopy(m_addressBox->text());
    if (!loaded && m_browser->url() != localCopy && localCopy.isValid())
        m_browser->load(localCopy);
}

void WebBrowserWindow::insertSelection() {
    Clipboard::instance().clear();
    m_browser->setFocus();
    // The page hands its selection over directly, rather than through the clipboard.
    const QString selected = m_browser->selectedText();
    m_surface.setSelText(selected);
    Clipboard::instance().clear();
    hide();
}

void WebBrowserWindow::updateCaption() {
    if (m_browser->isBusy()) {
        setWindowTitle("Working...");
        return;
    }
    m_busyTimer->stop();
    setWindowTitle(kIdleCaption);
}

bool WebBrowserWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_addressBox) {
        const bool clicked = event->type() == QEvent::MouseButtonPress;
        const bool enter = event->type() == QEvent::KeyPress &&
                           (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Return ||
                            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Enter);
        if (clicked || enter)
            m_busyTimer->start(); // the address box does not navigate
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
    const int hintLeft = m_toolBar->width() + toPixels(100);
    const int hintWidth = qMax(1, innerWidth - hintLeft);
    int hintsBottom = 0;
    for (QLabel* label : {m_selectHint, m_connectionHint}) {
        label->setGeometry(hintLeft, hintsBottom, hintWidth, label->heightForWidth(hintWidth));
        hintsBottom += label->height();
    }
    // The address below the toolbar and the hints, the page below the address.
    m_addressLabel->move(toPixels(50), qMax(m_toolBar->height(), hintsBottom));
    m_addressBox->move(toPixels(50), m_addressLabel->y() + m_addressLabel->height() + toPixels(15));
    if (innerWidth - toPixels(100) >= 0)
        m_addressBox->resize(innerWidth - toPixels(100), m_addressBox->height());
    const int pageTop =
        qMax(toPixels(1000), m_addressBox->y() + m_addressBox->height() + toPixels(50));
    if (innerWidth - toPixels(500) >= 0 && innerHeight - pageTop - toPixels(200) >= 0)
        m_browser->setGeometry(m_browser->x(), pageTop, innerWidth - toPixels(500),
                               innerHeight - pageTop - toPixels(200));
}
