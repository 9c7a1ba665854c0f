#include "markup/ImageDialog.h"

#include "markup/Insertion.h"
#include "markup/MarkupDialogs.h"
#include "platform/Clipboard.h"
#include "platform/Prompter.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

ImageDialog::ImageDialog(EditingSurface& surface, QWidget* parent)
    : QDialog(parent), m_surface(surface) {
    setObjectName("FrmImage");
    setWindowTitle("Insert Image");
    txtImgURL = new QLineEdit(this);
    txtImgURL->setObjectName("txtImgURL");
    auto* label3 = new QLabel("Make sure you are entering exact url with image extension. This "
                              "program will not validate the link",
                              this);
    label3->setObjectName("Label3");

    QPushButton* cmdInsert = MarkupDialogs::button("&Insert", "cmdInsert", this);
    QPushButton* cmdCancel = MarkupDialogs::button("&Cancel", "cmdCancel", this);
    connect(cmdInsert, &QPushButton::clicked, this, &ImageDialog::cmdInsert_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &ImageDialog::cmdCancel_Click);
    MarkupDialogs::layOutAddressDialog(this, {{"Enter image URL:", txtImgURL}}, label3,
                                       {cmdInsert, cmdCancel});
}

void ImageDialog::cmdInsert_Click() {
    const QString address = txtImgURL->text();
    if (address.isEmpty()) {
        Prompter::instance().ask(this,
                                 {"Quillet", " You must enter complete url with image extension",
                                  Prompter::Icon::None, Prompter::Buttons::Ok});
        txtImgURL->setFocus();
        return;
    }
    Insertion::insertClearingClipboard(m_surface, Clipboard::instance(), "[img " + address + "]");
    txtImgURL->clear();
    accept();
}

void ImageDialog::cmdCancel_Click() {
    txtImgURL->clear();
    QDialog::reject();
}

void ImageDialog::reject() {
    cmdCancel_Click();
}
