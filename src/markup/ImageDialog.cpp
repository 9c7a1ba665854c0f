#include "markup/ImageDialog.h"

#include "markup/Insertion.h"
#include "markup/MarkupDialogs.h"
#include "platform/Clipboard.h"
#include "platform/DialogButtons.h"
#include "platform/Prompter.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

ImageDialog::ImageDialog(EditingSurface& surface, QWidget* parent)
    : QDialog(parent), m_surface(surface) {
    setObjectName("FrmImage");
    setWindowTitle("Insert Image");
    m_addressField = new QLineEdit(this);
    m_addressField->setObjectName("txtImgURL");
    auto* label3 = new QLabel("Make sure you are entering exact url with image extension. This "
                              "program will not validate the link",
                              this);
    label3->setObjectName("Label3");

    QPushButton* insertButton = DialogButtons::make("&Insert", "cmdInsert", this, true);
    QPushButton* cancelButton = DialogButtons::make("&Cancel", "cmdCancel", this);
    connect(insertButton, &QPushButton::clicked, this, &ImageDialog::insertImage);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    MarkupDialogs::layOutAddressDialog(this, {{"Enter image URL:", m_addressField}}, label3,
                                       {insertButton, cancelButton});
}

void ImageDialog::insertImage() {
    const QString address = m_addressField->text();
    if (address.isEmpty()) {
        Prompter::instance().ask(this,
                                 {"Quillet", " You must enter complete url with image extension",
                                  Prompter::Icon::None, Prompter::Buttons::Ok});
        m_addressField->setFocus();
        return;
    }
    Insertion::insertClearingClipboard(m_surface, Clipboard::instance(), "[img " + address + "]");
    m_addressField->clear();
    accept();
}
