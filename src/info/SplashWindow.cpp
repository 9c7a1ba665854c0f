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
    border->setStyleSheet("#Shape1 { background: white; border: 2px solid #1f4e8c; }");

    QLabel* lblTitle = InfoWidgets::title("Vornet Forum Quillet utility", border);
    QLabel* lblDevelop = InfoWidgets::label("lblDevelop", "Developed by", border);
    QLabel* Label1 = InfoWidgets::label("Label1", Sites::AuthorName, border);
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    lblVersion = InfoWidgets::label("lblVersion", ProgramInfo::versionText(), border);
    lblDisclaimer = InfoWidgets::label("lblDisclaimer", ProgramInfo::splashDisclaimer(), border);
    lblEmail = new LinkLabel("lblEmail", Sites::AuthorMail, "Send mail to author", border);
    lblWeb = new LinkLabel("lblWeb", Sites::HomePage, "Visit Author Home Page", border);

    auto* text = new QVBoxLayout;
    text->addWidget(lblTitle);
    text->addWidget(lblVersion);
    text->addSpacing(12);
    text->addWidget(lblDevelop);
    text->addWidget(Label1);
    text->addWidget(lblEmail, 0, Qt::AlignLeft);
    text->addWidget(lblWeb, 0, Qt::AlignLeft);
    text->addSpacing(12);
    text->addWidget(InfoWidgets::line(border));
    text->addWidget(lblDisclaimer);

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
    connect(lblEmail, &LinkLabel::clicked, this, &SplashWindow::lblEmail_Click);
    connect(lblWeb, &LinkLabel::clicked, this, &SplashWindow::lblWeb_Click);

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setSingleShot(true);
    Timer1->setInterval(showMilliseconds);
    connect(Timer1, &QTimer::timeout, this, &SplashWindow::Timer1_Timer);
    Timer1->start();
}

void SplashWindow::closeEvent(QCloseEvent* event) {
    if (Timer1->isActive())
        event->ignore(); // the timer decides when the splash goes
    else
        QDialog::closeEvent(event);
}

void SplashWindow::Timer1_Timer() {
    Timer1->stop();
    done(QDialog::Accepted);
}

void SplashWindow::lblEmail_Click() {
    DesktopLinks::open(QUrl(ProgramInfo::mailAddress()));
}

void SplashWindow::lblWeb_Click() {
    DesktopLinks::open(QUrl(Sites::HomePage));
}
