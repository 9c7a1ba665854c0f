#include "settings/CustomTextDialog.h"

#include "platform/HandCursor.h"
#include "settings/CustomTextFile.h"
#include "settings/CustomTextList.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

CustomTextDialog::CustomTextDialog(const QString& listPath, QWidget* parent)
    : QDialog(parent), m_listPath(listPath) {
    setObjectName("frmCustomText");
    setWindowTitle("Custom Text");

    auto* help = new QLabel(this);
    help->setObjectName("Label1");
    help->setWordWrap(true);
    TxtCustom = new QLineEdit(this);
    TxtCustom->setObjectName("TxtCustom");
    ListCustom = new QListWidget(this);
    ListCustom->setObjectName("ListCustom");
    ListCustom->setMinimumSize(320, 200);

    cmdAdd = new QPushButton("&Add", this);
    cmdAdd->setObjectName("cmdAdd");
    cmdAdd->setDefault(true); // Enter adds while Add is enabled
    cmdDelete = new QPushButton("&Delete", this);
    cmdDelete->setObjectName("cmdDelete");
    cmdClose = new QPushButton("&Close", this);
    cmdClose->setObjectName("cmdClose");
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {cmdAdd, cmdDelete, cmdClose}) {
        HandCursor::showOver(button);
        if (button != cmdAdd)
            button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    buttons->addStretch(1);

    auto* grid = new QGridLayout(this);
    grid->addWidget(help, 0, 0, 1, 2);
    grid->addWidget(TxtCustom, 1, 0);
    grid->addWidget(ListCustom, 2, 0);
    grid->addLayout(buttons, 1, 1, 2, 1);

    connect(TxtCustom, &QLineEdit::textChanged, this, &CustomTextDialog::TxtCustom_Change);
    connect(cmdAdd, &QPushButton::clicked, this, &CustomTextDialog::cmdAdd_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &CustomTextDialog::cmdDelete_Click);
    connect(cmdClose, &QPushButton::clicked, this, &CustomTextDialog::cmdClose_Click);

    for (const QString& entry : CustomTextFile::read(m_listPath))
        addEntry(entry);
    cmdAdd->setEnabled(false);
    help->setText(QStringLiteral("Enter all the custom text into this list.") +
                  QStringLiteral(" Use CTRL+L to get the list while you are typing."));
}

void CustomTextDialog::addEntry(const QString& entry) {
    const auto row = CustomTextList::insertSorted(m_entries, entry);
    ListCustom->insertItem(int(row), entry);
}

void CustomTextDialog::TxtCustom_Change() {
    cmdAdd->setEnabled(CustomTextList::canAdd(TxtCustom->text()));
}

void CustomTextDialog::cmdAdd_Click() {
    if (!CustomTextList::canAdd(TxtCustom->text()))
        return; // Enter in an empty box
    addEntry(TxtCustom->text());
    TxtCustom->clear();
    TxtCustom->setFocus();
}

void CustomTextDialog::cmdDelete_Click() {
    const QList<QListWidgetItem*> selected = ListCustom->selectedItems();
    if (selected.isEmpty())
        return;
    const int row = ListCustom->row(selected.first());
    m_entries.removeAt(row);
    delete ListCustom->takeItem(row);
}

void CustomTextDialog::cmdClose_Click() {
    CustomTextFile::write(m_entries, m_listPath);
    QDialog::done(QDialog::Accepted);
    emit closedAndWritten();
}

void CustomTextDialog::reject() {
    cmdClose_Click();
}
