#include "markup/FrmImage.h"

#include "markup/Insertion.h"
#include "platform/Clipboard.h"
#include "platform/ModMouseCurser.h"
#include "platform/Prompter.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

FrmImage::FrmImage(EditingSurface& surface, QWidget* parent) : QDialog(parent), m_surface(surface) {
    setObjectName("FrmImage");
    setWindowTitle("Insert Image");
    txtImgURL = new QLineEdit(this);
    txtImgURL->setObjectName("txtImgURL");
    auto* label3 = new QLabel("Make sure you are entering exact url with image extension. This "
                              "program will not validate the link",
                              this);
    label3->setObjectName("Label3");
    label3->setWordWrap(true);

    auto* cmdInsert = new QPushButton("&Insert", this);
    cmdInsert->setObjectName("cmdInsert");
    cmdInsert->setAutoDefault(false);
    auto* cmdCancel = new QPushButton("&Cancel", this);
    cmdCancel->setObjectName("cmdCancel");
    cmdCancel->setAutoDefault(false);
    connect(cmdInsert, &QPushButton::clicked, this, &FrmImage::cmdInsert_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &FrmImage::cmdCancel_Click);

    auto* fields = new QFormLayout;
    fields->addRow("Enter image URL:", txtImgURL);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* button : {cmdInsert, cmdCancel}) {
        ModMouseCurser::useHandCursor(button);
        buttons->addWidget(button);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(label3);
    layout->addLayout(buttons);
    setMinimumWidth(420);
}

void FrmImage::cmdInsert_Click() {
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

void FrmImage::cmdCancel_Click() {
    txtImgURL->clear();
    QDialog::reject();
}

void FrmImage::reject() {
    cmdCancel_Click();
}
