#include "services/ForumBrowserWindow.h"

#include "platform/Clipboard.h"
#include "platform/DesktopLinks.h"
#include "platform/DocumentWindows.h"
#include "platform/HandCursor.h"
#include "platform/Prompter.h"
#include "platform/Twips.h"
#include "services/ForumBrowserMenus.h"
#include "services/WebBrowser.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QWebEnginePage>

using Twips::toPixels;

ForumBrowserWindow::ForumBrowserWindow(const BrowserAddresses& addresses, const BrowserHost& host,
                                       QWidget* parent)
    : WebWindow(parent), m_addresses(addresses), m_host(host) {
    setObjectName("frmVNBrowser");
    setWindowTitle("Browser");
    setFocusPolicy(Qt::ClickFocus);
    resize(toPixels(12000), toPixels(9000));
    m_menus = new ForumBrowserMenus(this);
    createControls();
    connectCommands();
    connectBrowserEvents();
    navigate(m_addresses.forumHome());
}

void ForumBrowserWindow::createControls() {
    m_browser = new WebBrowser(this);

    // Each button does what its menu item does.
    const ForumBrowserActions& actions = m_menus->actions();
    const struct {
        const char* name;
        const char* caption;
        const char* toolTip;
        QAction* item;
        QPushButton** member;
    } buttons[] = {{"cmdBack", "<", "<< Back", actions.back, nullptr},
                   {"cmdForward", ">", "Forward >>", actions.forward, nullptr},
                   {"cmdRefresh", "=", "<< Refresh >>", actions.refresh, nullptr},
                   {"cmdHoem", "VN", "Vornet Home", actions.forumHome, nullptr},
                   {"cmdStop", "!", "!! STOP !!", actions.stop, nullptr},
                   {"cmdCopyURL", "Copy URL", "", actions.copyAddress, &m_copyAddressButton}};
    const int buttonWidth = toPixels(500), buttonHeight = toPixels(330);
    int left = toPixels(50);
    for (const auto& entry : buttons) {
        auto* button = new QPushButton(entry.caption, this);
        button->setObjectName(entry.name);
        button->setToolTip(entry.toolTip);
        button->setGeometry(left, toPixels(35), buttonWidth, buttonHeight);
        HandCursor::showOver(button);
        connect(button, &QPushButton::clicked, entry.item, &QAction::trigger);
        left += buttonWidth + toPixels(20);
        if (entry.member)
            *entry.member = button;
    }
    m_copyAddressButton->resize(toPixels(1200), buttonHeight);

    m_addressBox = new QLineEdit(this);
    m_addressBox->setObjectName("txtURL");
    m_addressBox->setGeometry(toPixels(2700), toPixels(35), toPixels(4000), buttonHeight);
    // A right click offers the one-item pop-up menu instead of the box's own.
    m_addressBox->setContextMenuPolicy(Qt::PreventContextMenu);
    m_addressBox->installEventFilter(this);

    createStatusBar();
}

void ForumBrowserWindow::createStatusBar() {
    // Two sunken panels along the bottom: the status text, and room for the progress bar.
    m_statusBar = new QWidget(this);
    m_statusBar->setObjectName("StatusBar1");
    auto* panels = new QHBoxLayout(m_statusBar);
    panels->setContentsMargins(toPixels(30), toPixels(15), toPixels(30), toPixels(15));
    panels->setSpacing(toPixels(30));
    m_statusText = new QLabel(m_statusBar);
    m_statusText->setObjectName("StatusBar1Panel1");
    m_progressPanel = new QLabel(m_statusBar);
    m_progressPanel->setObjectName("StatusBar1Panel2");
    m_progressPanel->setFixedWidth(toPixels(2600));
    for (QLabel* panel : {m_statusText, m_progressPanel}) {
        panel->setTextFormat(Qt::PlainText);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
    }
    // Long addresses must not widen the window.
    m_statusText->setMinimumWidth(1);
    m_statusText->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    panels->addWidget(m_statusText, 1);
    panels->addWidget(m_progressPanel);
    m_progressPanel->installEventFilter(this); // the progress bar follows panel 2

    // Drawn in front of panel 2, flat and without a border; it counts the percent loaded.
    m_progressBar = new QProgressBar(m_statusBar);
    m_progressBar->setObjectName("ProgressBar1");
    m_progressBar->setTextVisible(false);
    m_progressBar->setStyleSheet("QProgressBar { border: none; background: transparent; }"
                                 "QProgressBar::chunk { background: palette(highlight); }");
    m_progressBar->setRange(0, 100);
    m_progressBar->setValue(0);
}

void ForumBrowserWindow::connectCommands() {
    const ForumBrowserActions& actions = m_menus->actions();
    const auto on = [this](QAction* item, auto command) {
        connect(item, &QAction::triggered, this, command);
    };
    const auto navigateTo = [this](QUrl (BrowserAddresses::*address)() const) {
        return [this, address] { navigate((m_addresses.*address)()); };
    };
    on(actions.back, [this] { m_browser->back(); });
    on(actions.forward, [this] { m_browser->forward(); });
    on(actions.refresh, [this] { m_browser->reload(); });
    on(actions.stop, [this] { stopLoading(); });
    on(actions.forumHome, navigateTo(&BrowserAddresses::forumHome));
    on(actions.forumList, navigateTo(&BrowserAddresses::forumList));
    on(actions.advancedSearch, navigateTo(&BrowserAddresses::advancedSearch));
    on(actions.homePage, navigateTo(&BrowserAddresses::authorHomePage));
    on(actions.mailAuthor, [this] { DesktopLinks::open(m_addresses.mailToAuthor()); });
    on(actions.copyAddress, [this] { copyAddress(); });
    on(actions.popUpCopyAddress, [this] { copyAddress(); });
    on(actions.textEditor, [this] { returnToWorkArea(); });
    on(actions.exit, [this] {
        if (m_host.confirmExit)
            m_host.confirmExit();
    });
    on(actions.introduction, [this] {
        if (m_host.showIntroduction)
            m_host.showIntroduction();
    });
    on(actions.about, [this] {
        if (m_host.showAbout)
            m_host.showAbout();
    });
}

// The status panel says a page is on its way, then names it; the progress bar counts
// the load and is empty again when the load has finished or failed.
void ForumBrowserWindow::connectBrowserEvents() {
    connect(m_browser->page(), &QWebEnginePage::linkHovered, m_statusText, &QLabel::setText);
    connect(m_browser, &WebBrowser::urlChanged, this,
            [this](const QUrl& address) { m_statusText->setText(address.toString()); });
    connect(m_browser, &WebBrowser::loadStarted, this, [this] {
        m_statusText->setText("Status: Processing ...");
        m_progressBar->setValue(0);
    });
    connect(m_browser, &WebBrowser::loadProgress, m_progressBar, &QProgressBar::setValue);
    connect(m_browser, &WebBrowser::loadFinished, this, [this] {
        m_progressBar->setValue(0);
        const QString address = m_browser->url().toString();
        m_statusText->setText(address);
        m_addressBox->setText(address);
        setWindowTitle(m_browser->title());
    });
}

void ForumBrowserWindow::navigate(const QUrl& address) {
    m_browser->load(address);
}

QList<QAction*> ForumBrowserWindow::menuBarItems() const {
    return m_menus->barItems();
}

void ForumBrowserWindow::copyAddress() {
    Clipboard::instance().clear();
    m_addressBox->selectAll();
    const QString address = m_addressBox->selectedText();
    if (address.isEmpty()) {
        Prompter::inform(this, "No URL to copy");
        return;
    }
    Clipboard::instance().setText(address);
    m_addressBox->setCursorPosition(0);
    Prompter::inform(this, "Copied URL to Clipboard");
}

void ForumBrowserWindow::stopLoading() {
    m_browser->stop();
    setWindowTitle(m_browser->title());
}

void ForumBrowserWindow::returnToWorkArea() {
    if (m_host.showWorkArea)
        m_host.showWorkArea();
    QWidget* frameWindow = parentWidget() ? parentWidget() : this;
    frameWindow->hide();
}

bool ForumBrowserWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_progressPanel &&
        (event->type() == QEvent::Move || event->type() == QEvent::Resize) && !isMinimized())
        placeProgressBar();
    if (watched == m_addressBox && event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            m_menus->popUp()->popup(mouse->globalPosition().toPoint());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ForumBrowserWindow::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    DocumentWindows::fitToFrame(this);
}

void ForumBrowserWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layOut();
}

void ForumBrowserWindow::layOut() {
    const int innerWidth = width(), innerHeight = height();
    // A control that would get a negative size keeps the one it has.
    if (innerWidth - toPixels(200) >= 0 && innerHeight - toPixels(700) >= 0)
        m_browser->setGeometry(toPixels(100), toPixels(400), innerWidth - toPixels(200),
                               innerHeight - toPixels(700));
    const int addressWidth = innerWidth - toPixels(4150);
    if (addressWidth >= 0) {
        m_addressBox->setGeometry(toPixels(2700), m_addressBox->y(), addressWidth,
                                  m_addressBox->height());
        m_copyAddressButton->move(addressWidth + toPixels(2800), m_copyAddressButton->y());
    }
    const int statusHeight = toPixels(330);
    m_statusBar->setGeometry(0, innerHeight - statusHeight, innerWidth, statusHeight);
    if (!isMinimized())
        placeProgressBar();
}

void ForumBrowserWindow::placeProgressBar() {
    m_statusBar->layout()->activate(); // panel 2 in its place first
    const QRect panel = m_progressPanel->geometry();
    m_progressBar->setGeometry(panel.left() + toPixels(25), toPixels(45),
                               panel.width() - toPixels(45), m_statusBar->height() - toPixels(75));
    m_progressBar->raise();
}
