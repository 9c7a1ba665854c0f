#include "services/ForumBrowserWindow.h"

#include "platform/Clipboard.h"
#include "platform/DesktopLinks.h"
#include "platform/HandCursor.h"
#include "platform/Prompter.h"
#include "platform/Twips.h"
#include "services/ForumBrowserMenus.h"
#include "services/WebBrowser.h"

#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

namespace {
int px(int twips) {
    return Twips::toPixels(twips);
}
} // namespace

ForumBrowserWindow::ForumBrowserWindow(const BrowserAddresses& addresses, const BrowserHost& host,
                                       QWidget* parent)
    : QWidget(parent), m_addresses(addresses), m_host(host) {
    setObjectName("frmVNBrowser");
    setWindowTitle("Browser");
    setFocusPolicy(Qt::ClickFocus);
    resize(px(12000), px(9000));
    m_menus = new ForumBrowserMenus(this);
    createControls();
    connectCommands();
    connectBrowserEvents();
    Navigate(m_addresses.forumHome());
}

void ForumBrowserWindow::createControls() {
    brwWebBrowser = new WebBrowser(this);

    const struct {
        QPushButton** button;
        const char* name;
        const char* caption;
        const char* toolTip;
    } buttons[] = {{&cmdBack, "cmdBack", "<", "<< Back"},
                   {&cmdForward, "cmdForward", ">", "Forward >>"},
                   {&cmdRefresh, "cmdRefresh", "=", "<< Refresh >>"},
                   {&cmdHoem, "cmdHoem", "VN", "Vornet Home"},
                   {&cmdStop, "cmdStop", "!", "!! STOP !!"},
                   {&cmdCopyURL, "cmdCopyURL", "Copy URL", ""}};
    const int buttonWidth = px(500), buttonHeight = px(330);
    int left = px(50);
    for (const auto& entry : buttons) {
        *entry.button = new QPushButton(entry.caption, this);
        (*entry.button)->setObjectName(entry.name);
        (*entry.button)->setToolTip(entry.toolTip);
        (*entry.button)->setGeometry(left, px(35), buttonWidth, buttonHeight);
        HandCursor::showOver(*entry.button);
        left += buttonWidth + px(20);
    }
    cmdCopyURL->resize(px(1200), buttonHeight);

    txtURL = new QLineEdit(this);
    txtURL->setObjectName("txtURL");
    txtURL->setGeometry(px(2700), px(35), px(4000), buttonHeight);
    // A right click offers the one-item pop-up menu instead of the box's own.
    txtURL->setContextMenuPolicy(Qt::PreventContextMenu);
    txtURL->installEventFilter(this);

    createStatusBar();

    timTimer = new QTimer(this);
    timTimer->setObjectName("timTimer");
    timTimer->setInterval(5);
    connect(timTimer, &QTimer::timeout, this, &ForumBrowserWindow::timTimer_Timer);
}

void ForumBrowserWindow::createStatusBar() {
    // Two sunken panels along the bottom: the status text, and room for the progress bar.
    StatusBar1 = new QWidget(this);
    StatusBar1->setObjectName("StatusBar1");
    auto* panels = new QHBoxLayout(StatusBar1);
    panels->setContentsMargins(px(30), px(15), px(30), px(15));
    panels->setSpacing(px(30));
    statusPanel1 = new QLabel(StatusBar1);
    statusPanel1->setObjectName("StatusBar1Panel1");
    statusPanel2 = new QLabel(StatusBar1);
    statusPanel2->setObjectName("StatusBar1Panel2");
    statusPanel2->setFixedWidth(px(2600));
    for (QLabel* panel : {statusPanel1, statusPanel2}) {
        panel->setTextFormat(Qt::PlainText);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
    }
    // Long addresses must not widen the window.
    statusPanel1->setMinimumWidth(1);
    statusPanel1->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    panels->addWidget(statusPanel1, 1);
    panels->addWidget(statusPanel2);
    statusPanel2->installEventFilter(this); // the progress bar follows panel 2

    // Drawn in front of panel 2, flat and without a border.
    ProgressBar1 = new QProgressBar(StatusBar1);
    ProgressBar1->setObjectName("ProgressBar1");
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setStyleSheet("QProgressBar { border: none; background: transparent; }"
                                "QProgressBar::chunk { background: palette(highlight); }");
    ProgressBar1->setValue(0);
}

void ForumBrowserWindow::connectCommands() {
    const auto on = [this](const char* name, auto command) {
        connect(m_menus->item(name), &QAction::triggered, this, command);
    };
    const auto navigateTo = [this](QUrl (BrowserAddresses::*address)() const) {
        return [this, address] { Navigate((m_addresses.*address)()); };
    };
    on("mnuBack", [this] { brwWebBrowser->GoBack(); });
    on("mnuForward", [this] { brwWebBrowser->GoForward(); });
    on("mnuRefresh", [this] { brwWebBrowser->Refresh(); });
    on("mnuStop", [this] { mnuStop_Click(); });
    on("mnuVornetHome", navigateTo(&BrowserAddresses::forumHome));
    on("mnuForums", navigateTo(&BrowserAddresses::forumList));
    on("mnuAdvSearch", navigateTo(&BrowserAddresses::advancedSearch));
    on("mnuHomePage", navigateTo(&BrowserAddresses::authorHomePage));
    on("mnuEmail", [this] { mnuEmail_Click(); });
    on("mnuCopyURL", [this] { CopyURL(); });
    on("mnuCopyURL1", [this] { CopyURL(); });
    on("mnuEditor", [this] { mnuEditor_Click(); });
    on("mnuExit", [this] {
        if (m_host.confirmExit)
            m_host.confirmExit();
    });
    on("mnuIntroduction", [this] {
        if (m_host.showIntroduction)
            m_host.showIntroduction();
    });
    on("mnuHelpAbout", [this] {
        if (m_host.showAbout)
            m_host.showAbout();
    });

    // Each button does what its menu item does.
    const struct {
        QPushButton* button;
        const char* item;
    } buttons[] = {{cmdBack, "mnuBack"},       {cmdForward, "mnuForward"},
                   {cmdRefresh, "mnuRefresh"}, {cmdHoem, "mnuVornetHome"},
                   {cmdStop, "mnuStop"},       {cmdCopyURL, "mnuCopyURL"}};
    for (const auto& entry : buttons)
        connect(entry.button, &QPushButton::clicked, m_menus->item(entry.item), &QAction::trigger);
}

void ForumBrowserWindow::connectBrowserEvents() {
    connect(brwWebBrowser, &WebBrowser::StatusTextChange, statusPanel1, &QLabel::setText);
    connect(brwWebBrowser, &WebBrowser::ProgressChange, this, &ForumBrowserWindow::showProgress);
    connect(brwWebBrowser, &WebBrowser::DownloadComplete, this, [this] {
        setWindowTitle(brwWebBrowser->LocationName());
        txtURL->setText(brwWebBrowser->LocationURL());
    });
    connect(brwWebBrowser, &WebBrowser::NavigateComplete2, statusPanel1, &QLabel::setText);
}

void ForumBrowserWindow::Navigate(const QUrl& address) {
    brwWebBrowser->Navigate(address);
}

void ForumBrowserWindow::showProgress(int progress, int progressMax) {
    // Values the bar cannot show (a negative progress at the end of a download, a zero
    // maximum) leave it as it was.
    if (progressMax > 0)
        ProgressBar1->setMaximum(progressMax);
    if (progress >= 0 && progress <= ProgressBar1->maximum())
        ProgressBar1->setValue(progress);
}

void ForumBrowserWindow::CopyURL() {
    Clipboard::instance().clear();
    txtURL->selectAll();
    const QString address = txtURL->selectedText();
    if (address.isEmpty()) {
        Prompter::inform(this, "No URL to copy");
        return;
    }
    Clipboard::instance().setText(address);
    txtURL->setCursorPosition(0);
    Prompter::inform(this, "Copied URL to Clipboard");
}

void ForumBrowserWindow::mnuStop_Click() {
    brwWebBrowser->Stop();
    setWindowTitle(brwWebBrowser->LocationName());
}

void ForumBrowserWindow::mnuEditor_Click() {
    if (m_host.showWorkArea)
        m_host.showWorkArea();
    QWidget* frameWindow = parentWidget() ? parentWidget() : this;
    frameWindow->hide();
}

void ForumBrowserWindow::mnuEmail_Click() {
    DesktopLinks::open(m_addresses.mailToAuthor());
}

bool ForumBrowserWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == statusPanel2 &&
        (event->type() == QEvent::Move || event->type() == QEvent::Resize) && !isMinimized())
        placeProgressBar();
    if (watched == txtURL && event->type() == QEvent::MouseButtonPress) {
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
    // The window takes the frame's size, less a margin.
    auto* subWindow = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (subWindow && !subWindow->isMaximized() && !subWindow->isMinimized()) {
        const QWidget* frame = window();
        subWindow->resize(frame->width() - px(100), frame->height() - px(100));
    }
}

void ForumBrowserWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layOut();
}

void ForumBrowserWindow::layOut() {
    const int innerWidth = width(), innerHeight = height();
    // A control that would get a negative size keeps the one it has.
    if (innerWidth - px(200) >= 0 && innerHeight - px(700) >= 0)
        brwWebBrowser->setGeometry(px(100), px(400), innerWidth - px(200), innerHeight - px(700));
    const int addressWidth = innerWidth - px(4150);
    if (addressWidth >= 0) {
        txtURL->setGeometry(px(2700), txtURL->y(), addressWidth, txtURL->height());
        cmdCopyURL->move(addressWidth + px(2800), cmdCopyURL->y());
    }
    const int statusHeight = px(330);
    StatusBar1->setGeometry(0, innerHeight - statusHeight, innerWidth, statusHeight);
    if (!isMinimized())
        placeProgressBar();
}

void ForumBrowserWindow::placeProgressBar() {
    StatusBar1->layout()->activate(); // panel 2 in its place first
    const QRect panel2 = statusPanel2->geometry();
    ProgressBar1->setGeometry(panel2.left() + px(25), px(45), panel2.width() - px(45),
                              StatusBar1->height() - px(75));
    ProgressBar1->raise();
}

// The busy timer: nothing starts it, but while it runs it walks the progress bar through
// one long step for a page that is still loading.
void ForumBrowserWindow::timTimer_Timer() {
    if (!brwWebBrowser->Busy()) {
        timTimer->stop();
        setWindowTitle(brwWebBrowser->LocationName());
        return;
    }
    setWindowTitle("Loading the page you requested");
    ProgressBar1->show();
    statusPanel1->setText("Status: Processing ...");
    ProgressBar1->setMaximum(10000);
    for (int step = 1; step <= ProgressBar1->maximum(); ++step) {
        ProgressBar1->setValue(step);
        QApplication::processEvents();
    }
    statusPanel1->setText("Status: Idle");
    ProgressBar1->setValue(0);
    ProgressBar1->hide();
}
