#include "settings/StyleNameDialog.h"

#include "platform/HandCursor.h"
#include "platform/Prompter.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

StyleNameDialog::StyleNameDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("frmPresetMSG");
    setWindowTitle("Enter a code");

    auto* prompt = new QLabel("Please enter a recognizable code to the custom format", this);
    prompt->setObjectName("Label1");
    auto* example = new QLabel("Eg: PURPLE-BOLD-ITALIC", this);
    example->setObjectName("Label2");
    TxtSettingName = new QLineEdit(this);
    TxtSettingName->setObjectName("TxtSettingName");

    cmdApply = new QPushButton("&Apply", this);
    cmdApply->setObjectName("cmdApply");
    cmdApply->setDefault(true);
    cmdCancel = new QPushButton("&Cancel", this);
    cmdCancel->setObjectName("cmdCancel");
    cmdCancel->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* button : {cmdApply, cmdCancel}) {
        HandCursor::showOver(button);
        buttons->addWidget(button);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(example);
    layout->addWidget(TxtSettingName);
    layout->addLayout(buttons);

    connect(cmdApply, &QPushButton::clicked, this, &StyleNameDialog::cmdApply_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &StyleNameDialog::cmdCancel_Click);
}

QString StyleNameDialog::settingName() const {
    return TxtSettingName->text();
}

void StyleNameDialog::cmdApply_Click() {
    if (TxtSettingName->text().isEmpty()) {
        Prompter::inform(this, "You must enter a code for later use");
        TxtSettingName->setFocus();
        return;
    }
    accept();
}

void StyleNameDialog::cmdCancel_Click() {
    reject();
}
