#include "markup/LinkDialog.h"

#include "markup/Insertion.h"
#include "markup/MarkupDialogs.h"
#include "platform/Clipboard.h"
#include "platform/DialogButtons.h"
#include "platform/Prompter.h"
#include "platform/Sites.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QUrl>

namespace {
QString missingAddressMessage() {
    return " You must enter a link like  http:// " + QUrl(Sites::Forum).host() + "/";
}
} // namespace

LinkDialog::LinkDialog(EditingSurface& surface, QWidget* parent)
    : QDialog(parent), m_surface(surface) {
    setObjectName("FrmAnchor");
    setWindowTitle("Insert link to a web page");
    m_addressField = new QLineEdit(this);
    m_addressField->setObjectName("txtLink");
    m_textField = new QLineEdit(this);
    m_textField->setObjectName("txtLinkText");
    auto* note = new QLabel(
        "Make sure you are entering exact url. This program will not validate the link", this);
    note->setObjectName("Label3");

    QPushButton* insertButton = DialogButtons::make("&Insert", "CmdAnchor", this, true);
    QPushButton* cancelButton = DialogButtons::make("&Canel", "CmdCancel", this);
    connect(insertButton, &QPushButton::clicked, this, &LinkDialog::insertLink);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    MarkupDialogs::layOutAddressDialog(
        this, {{"Enter link address:", m_addressField}, {"Enter display text:", m_textField}}, note,
        {insertButton, cancelButton});
}

void LinkDialog::insertLink() {
    const QString address = m_addressField->text();
    const QString display = m_textField->text();
    if (!address.isEmpty() && !display.isEmpty()) {
        insertAndClose("[link " + address + "]" + display + "[/link]");
        return;
    }
    if (address.isEmpty()) {
        Prompter::instance().ask(this, {"Quillet", missingAddressMessage(), Prompter::Icon::None,
                                        Prompter::Buttons::Ok});
        m_addressField->setFocus();
        return;
    }
    const Prompter::Answer keepAddress =
        Prompter::instance().ask(this, {"Quillet", "Do you want to keep the URL as link text",
                                        Prompter::Icon::None, Prompter::Buttons::YesNo});
    if (keepAddress == Prompter::Answer::Yes)
        insertAndClose(address);
    else
        m_textField->setFocus();
}

void LinkDialog::insertAndClose(const QString& text) {
    Insertion::insertClearingClipboard(m_surface, Clipboard::instance(), text);
    accept();
}
