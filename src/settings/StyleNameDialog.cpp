#include "settings/StyleNameDialog.h"

#include "platform/DialogButtons.h"
#include "platform/Prompter.h"

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

    QPushButton* applyButton = DialogButtons::make("&Apply", "cmdApply", this, true);
    QPushButton* cancelButton = DialogButtons::make("&Cancel", "cmdCancel", this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(example);
    layout->addWidget(m_nameBox);
    layout->addLayout(DialogButtons::row({applyButton, cancelButton}));

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
