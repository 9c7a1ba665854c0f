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
    m_nameBox = new QLineEdit(this);
    m_nameBox->setObjectName("TxtSettingName");

    auto* applyButton = new QPushButton("&Apply", this);
    applyButton->setObjectName("cmdApply");
    applyButton->setDefault(true);
    auto* cancelButton = new QPushButton("&Cancel", this);
    cancelButton->setObjectName("cmdCancel");
    cancelButton->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* button : {applyButton, cancelButton}) {
        HandCursor::showOver(button);
        buttons->addWidget(button);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(example);
    layout->addWidget(m_nameBox);
    layout->addLayout(buttons);

    connect(applyButton, &QPushButton::clicked, this, &StyleNameDialog::acceptName);
    connect(cancelButton, &QPushButton::clicked, this, &StyleNameDialog::reject);
}

QString StyleNameDialog::styleName() const {
    return m_nameBox->text();
}

void StyleNameDialog::acceptName() {
    if (m_nameBox->text().isEmpty()) {
        Prompter::inform(this, "You must enter a code for later use");
        m_nameBox->setFocus();
        return;
    }
    accept();
}
