#include "markup/LinkDialog.h"

#include "markup/Insertion.h"
#include "markup/MarkupDialogs.h"
#include "platform/Clipboard.h"
#include "platform/Prompter.h"
#include "platform/Sites.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QUrl>

LinkDialog::LinkDialog(EditingSurface& surface, QWidget* parent)
    : QDialog(parent), m_surface(surface) {
    setObjectName("FrmAnchor");
    setWindowTitle("Insert link to a web page");
    txtLink = new QLineEdit(this);
    txtLink->setObjectName("txtLink");
    txtLinkText = new QLineEdit(this);
    txtLinkText->setObjectName("txtLinkText");
    auto* label3 = new QLabel(
        "Make sure you are entering exact url. This program will not validate the link", this);
    label3->setObjectName("Label3");

    QPushButton* cmdAnchor = MarkupDialogs::button("&Insert", "CmdAnchor", this);
    QPushButton* cmdCancel = MarkupDialogs::button("&Canel", "CmdCancel", this);
    connect(cmdAnchor, &QPushButton::clicked, this, &LinkDialog::CmdAnchor_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &LinkDialog::CmdCancel_Click);
    MarkupDialogs::layOutAddressDialog(
        this, {{"Enter link address:", txtLink}, {"Enter display text:", txtLinkText}}, label3,
        {cmdAnchor, cmdCancel});
}

QString LinkDialog::missingAddressMessage() {
    return " You must enter a link like  http:// " + QUrl(Sites::Forum).host() + "/";
}

void LinkDialog::CmdAnchor_Click() {
    const QString address = txtLink->text();
    const QString display = txtLinkText->text();
    if (!address.isEmpty() && !display.isEmpty()) {
        insertAndClose("[link " + address + "]" + display + "[/link]");
        return;
    }
    if (address.isEmpty()) {
        Prompter::instance().ask(this, {"Quillet", missingAddressMessage(), Prompter::Icon::None,
                                        Prompter::Buttons::Ok});
        txtLink->setFocus();
        return;
    }
    const Prompter::Answer keepAddress =
        Prompter::instance().ask(this, {"Quillet", "Do you want to keep the URL as link text",
                                        Prompter::Icon::None, Prompter::Buttons::YesNo});
    if (keepAddress == Prompter::Answer::Yes)
        insertAndClose(address);
    else
        txtLinkText->setFocus();
}

void LinkDialog::insertAndClose(const QString& text) {
    Insertion::insertClearingClipboard(m_surface, Clipboard::instance(), text);
    txtLink->clear();
    txtLinkText->clear();
    accept();
}

void LinkDialog::CmdCancel_Click() {
    txtLink->clear();
    txtLinkText->clear();
    QDialog::reject();
}

void LinkDialog::reject() {
    CmdCancel_Click();
}
