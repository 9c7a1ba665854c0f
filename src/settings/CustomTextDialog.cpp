#include "settings/CustomTextDialog.h"

#include "platform/HandCursor.h"
#include "platform/Prompter.h"
#include "platform/Twips.h"
#include "settings/CustomTextFile.h"
#include "settings/CustomTextList.h"

#include <QDir>
#include <QFileInfo>
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
    m_entryBox = new QLineEdit(this);
    m_entryBox->setObjectName("TxtCustom");
    m_list = new QListWidget(this);
    m_list->setObjectName("ListCustom");
    m_list->setMinimumSize(Twips::scaled(320), Twips::scaled(200));

    m_addButton = new QPushButton("&Add", this);
    m_addButton->setObjectName("cmdAdd");
    m_addButton->setDefault(true); // Enter adds while Add is enabled
    auto* deleteButton = new QPushButton("&Delete", this);
    deleteButton->setObjectName("cmdDelete");
    auto* closeButton = new QPushButton("&Close", this);
    closeButton->setObjectName("cmdClose");
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {m_addButton, deleteButton, closeButton}) {
        HandCursor::showOver(button);
        if (button != m_addButton)
            button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    buttons->addStretch(1);

    auto* grid = new QGridLayout(this);
    grid->addWidget(help, 0, 0, 1, 2);
    grid->addWidget(m_entryBox, 1, 0);
    grid->addWidget(m_list, 2, 0);
    grid->addLayout(buttons, 1, 1, 2, 1);

    connect(m_entryBox, &QLineEdit::textChanged, this, &CustomTextDialog::updateAddButton);
    connect(m_addButton, &QPushButton::clicked, this, &CustomTextDialog::addTypedEntry);
    connect(deleteButton, &QPushButton::clicked, this, &CustomTextDialog::deleteSelectedEntry);
    connect(closeButton, &QPushButton::clicked, this, &CustomTextDialog::writeAndClose);

    for (const QString& entry : CustomTextFile::read(m_listPath))
        addEntry(entry);
    m_loadedEntries = m_entries;
    m_addButton->setEnabled(false);
    help->setText(QStringLiteral("Enter all the custom text into this list.") +
                  QStringLiteral(" Use CTRL+L to get the list while you are typing."));
}

void CustomTextDialog::addEntry(const QString& entry) {
    const auto row = CustomTextList::insertSorted(m_entries, entry);
    m_list->insertItem(int(row), entry);
}

void CustomTextDialog::updateAddButton() {
    m_addButton->setEnabled(CustomTextList::canAdd(m_entryBox->text()));
}

void CustomTextDialog::addTypedEntry() {
    if (!CustomTextList::canAdd(m_entryBox->text()))
        return; // Enter in an empty box
    addEntry(m_entryBox->text());
    m_entryBox->clear();
    m_entryBox->setFocus();
}

void CustomTextDialog::deleteSelectedEntry() {
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    if (selected.isEmpty())
        return;
    const int row = m_list->row(selected.first());
    m_entries.removeAt(row);
    delete m_list->takeItem(row);
}

void CustomTextDialog::writeAndClose() {
    const bool written = CustomTextFile::update(m_listPath, [this](const QStringList& current) {
        return CustomTextList::merge(m_loadedEntries, m_entries, current);
    });
    if (!written && m_entries != m_loadedEntries && !confirmCloseUnwritten())
        return; // stays open with the changes, to be closed (and written) again
    QDialog::done(QDialog::Accepted);
    emit closedAndWritten();
}

bool CustomTextDialog::confirmCloseUnwritten() {
    const QString text =
        QStringLiteral("The custom text list could not be saved to %1: it cannot be written, or "
                       "another Quillet is changing it.\r\n\r\nClose without saving your "
                       "changes?")
            .arg(QDir::toNativeSeparators(QFileInfo(m_listPath).absoluteFilePath()));
    return Prompter::instance().ask(this, {"Quillet", text, Prompter::Icon::Warning,
                                           Prompter::Buttons::YesNo}) == Prompter::Answer::Yes;
}

void CustomTextDialog::reject() {
    writeAndClose();
}
