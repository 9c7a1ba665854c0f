#include "info/SplashWindow.h"

#include "info/InfoWidgets.h"
#include "info/LinkLabel.h"
#include "info/ProgramInfo.h"
#include "platform/DesktopLinks.h"
#include "platform/Sites.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

SplashWindow::SplashWindow(int showMilliseconds, QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint) {
    setObjectName("FrmFlash");

    auto* border = new QFrame(this); // the window's whole background
    border->setObjectName("Shape1");
    border->setFrameStyle(QFrame::Box | QFrame::Plain);
    border->setLineWidth(2);
    border->setAutoFillBackground(true); // the palette's window colour, light or dark

    QLabel* title = InfoWidgets::title("Vornet Forum Quillet utility", border);
    QLabel* developedBy = InfoWidgets::label("lblDevelop", "Developed by", border);
    QLabel* authorName = InfoWidgets::label("Label1", Sites::AuthorName, border);
    QFont bold = authorName->font();
    bold.setBold(true);
    authorName->setFont(bold);
    QLabel* version = InfoWidgets::label("lblVersion", ProgramInfo::versionText(), border);
    QLabel* disclaimer =
        InfoWidgets::label("lblDisclaimer", ProgramInfo::splashDisclaimer(), border);
    auto* mailLink = new LinkLabel("lblEmail", Sites::AuthorMail, "Send mail to author", border);
    auto* webLink = new LinkLabel("lblWeb", Sites::HomePage, "Visit Author Home Page", border);

    auto* text = new QVBoxLayout;
    text->addWidget(title);
    text->addWidget(version);
    text->addSpacing(12);
    text->addWidget(developedBy);
    text->addWidget(authorName);
    text->addWidget(mailLink, 0, Qt::AlignLeft);
    text->addWidget(webLink, 0, Qt::AlignLeft);
    text->addSpacing(12);
    text->addWidget(InfoWidgets::line(border));
    text->addWidget(disclaimer);

    auto* inside = new QHBoxLayout(border);
    inside->setContentsMargins(20, 20, 28, 16);
    inside->addWidget(InfoWidgets::emblem(96, border), 0, Qt::AlignTop);
    inside->addSpacing(20);
    inside->addLayout(text, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(border);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    LinkLabel::watchBackground(border);
    connect(mailLink, &LinkLabel::clicked, this,
            [] { DesktopLinks::open(QUrl(ProgramInfo::mailAddress())); });
    connect(webLink, &LinkLabel::clicked, this, [] { DesktopLinks::open(QUrl(Sites::HomePage)); });

    m_timer = new QTimer(this);
    m_timer->setObjectName("Timer1");
    m_timer->setSingleShot(true);
    m_timer->setInterval(showMilliseconds);
    connect(m_timer, &QTimer::timeout, this, &SplashWindow::onTimeout);
    m_timer->start();
}

void SplashWindow::closeEvent(QCloseEvent* event) {
    if (m_timer->isActive())
        event->ignore(); // the timer decides when the splash goes
    else
        QDialog::closeEvent(event);
}

void SplashWindow::onTimeout() {
    m_timer->stop();
    done(QDialog::Accepted);
}
