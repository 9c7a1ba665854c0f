#include "info/AboutBox.h"

#include "info/InfoWidgets.h"
#include "info/LinkLabel.h"
#include "platform/DesktopLinks.h"
#include "platform/HandCursor.h"
#include "platform/Sites.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

AboutBox::AboutBox(OpenInForumBrowser openInForumBrowser, QWidget* parent)
    : QDialog(parent), m_openInForumBrowser(std::move(openInForumBrowser)) {
    setObjectName("frmAbout");
    setWindowTitle("About Quillet");

    QLabel* lblTitle = InfoWidgets::title("Vornet Forum Quillet utility", this);
    lblVersion = InfoWidgets::label("lblVersion", ProgramInfo::versionText(), this);
    QLabel* Label1 = InfoWidgets::label("Label1", Sites::AuthorName, this);
    lblHandle =
        new LinkLabel("lblHandle", Sites::AuthorHandle, "Click to see my handle in Vornet", this);
    lblEmail = new LinkLabel("lblEmail", Sites::AuthorMail, "Send a mail to me", this);
    lblWeb = new LinkLabel("lblWeb", Sites::HomePage, "Visit my Home Page", this);
    QLabel* Label2 =
        InfoWidgets::label("Label2", "Screen resolution must be 1024 X 768 or higher", this);
    lblDisclaimer = InfoWidgets::label("lblDisclaimer", ProgramInfo::aboutDisclaimer(), this);
    lblDisclaimer->setWordWrap(true);
    lblDisclaimer->setFixedWidth(380);
    cmdOK = new QPushButton("OK", this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setDefault(true);
    HandCursor::showOver(cmdOK);

    auto* author = new QGridLayout;
    author->setColumnMinimumWidth(0, 12);
    author->addWidget(Label1, 0, 0, 1, 2);
    author->addWidget(lblHandle, 1, 1, Qt::AlignLeft);
    author->addWidget(lblEmail, 2, 1, Qt::AlignLeft);
    author->addWidget(lblWeb, 3, 1, Qt::AlignLeft);

    auto* text = new QVBoxLayout;
    text->addWidget(lblTitle);
    text->addWidget(lblVersion);
    text->addSpacing(8);
    text->addLayout(author);
    text->addSpacing(8);
    text->addWidget(Label2);
    text->addWidget(InfoWidgets::line(this));
    text->addWidget(lblDisclaimer);

    auto* top = new QHBoxLayout;
    top->addWidget(InfoWidgets::emblem(64, this), 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(text, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(cmdOK, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    LinkLabel::watchBackground(this);
    connect(cmdOK, &QPushButton::clicked, this, &AboutBox::cmdOK_Click);
    connect(lblHandle, &LinkLabel::clicked, this, &AboutBox::lblHandle_Click);
    connect(lblEmail, &LinkLabel::clicked, this, &AboutBox::lblEmail_Click);
    connect(lblWeb, &LinkLabel::clicked, this, &AboutBox::lblWeb_Click);
}

void AboutBox::cmdOK_Click() {
    accept();
}

void AboutBox::lblHandle_Click() {
    closeIntoForumBrowser(ProgramInfo::authorHandlePage());
}

void AboutBox::lblWeb_Click() {
    closeIntoForumBrowser(ProgramInfo::homePageAddress());
}

void AboutBox::lblEmail_Click() {
    DesktopLinks::open(QUrl(ProgramInfo::mailAddress()));
}

void AboutBox::closeIntoForumBrowser(const QString& address) {
    cmdOK_Click();
    if (m_openInForumBrowser)
        m_openInForumBrowser(address, false);
}
