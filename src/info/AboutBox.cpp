#include "info/AboutBox.h"

#include "info/InfoWidgets.h"
#include "info/LinkLabel.h"
#include "platform/DesktopLinks.h"
#include "platform/HandCursor.h"
#include "platform/Sites.h"
#include "platform/Twips.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

AboutBox::AboutBox(OpenInForumBrowser openInForumBrowser, QWidget* parent)
    : QDialog(parent), m_openInForumBrowser(std::move(openInForumBrowser)) {
    setObjectName("frmAbout");
    setWindowTitle("About Quillet");

    QLabel* title = InfoWidgets::title("Vornet Forum Quillet utility", this);
    QLabel* version = InfoWidgets::label("lblVersion", ProgramInfo::versionText(), this);
    QLabel* authorName = InfoWidgets::label("Label1", Sites::AuthorName, this);
    auto* handleLink =
        new LinkLabel("lblHandle", Sites::AuthorHandle, "Click to see my handle in Vornet", this);
    auto* mailLink = new LinkLabel("lblEmail", Sites::AuthorMail, "Send a mail to me", this);
    auto* webLink = new LinkLabel("lblWeb", Sites::HomePage, "Visit my Home Page", this);
    QLabel* resolution =
        InfoWidgets::label("Label2", "Screen resolution must be 1024 X 768 or higher", this);
    QLabel* disclaimer = InfoWidgets::label("lblDisclaimer", ProgramInfo::aboutDisclaimer(), this);
    disclaimer->setWordWrap(true);
    disclaimer->setFixedWidth(Twips::scaled(380));
    auto* okButton = new QPushButton("OK", this);
    okButton->setObjectName("cmdOK");
    okButton->setDefault(true);
    HandCursor::showOver(okButton);

    auto* author = new QGridLayout;
    author->setColumnMinimumWidth(0, 12);
    author->addWidget(authorName, 0, 0, 1, 2);
    author->addWidget(handleLink, 1, 1, Qt::AlignLeft);
    author->addWidget(mailLink, 2, 1, Qt::AlignLeft);
    author->addWidget(webLink, 3, 1, Qt::AlignLeft);

    auto* text = new QVBoxLayout;
    text->addWidget(title);
    text->addWidget(version);
    text->addSpacing(8);
    text->addLayout(author);
    text->addSpacing(8);
    text->addWidget(resolution);
    text->addWidget(InfoWidgets::line(this));
    text->addWidget(disclaimer);

    auto* top = new QHBoxLayout;
    top->addWidget(InfoWidgets::emblem(64, this), 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(text, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(okButton, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    LinkLabel::watchBackground(this);
    connect(okButton, &QPushButton::clicked, this, &AboutBox::accept);
    connect(handleLink, &LinkLabel::clicked, this,
            [this] { closeIntoForumBrowser(ProgramInfo::authorHandlePage()); });
    connect(mailLink, &LinkLabel::clicked, this,
            [] { DesktopLinks::open(QUrl(ProgramInfo::mailAddress())); });
    connect(webLink, &LinkLabel::clicked, this,
            [this] { closeIntoForumBrowser(ProgramInfo::homePageAddress()); });
}

void AboutBox::closeIntoForumBrowser(const QString& address) {
    accept();
    if (m_openInForumBrowser)
        m_openInForumBrowser(address, false);
}
