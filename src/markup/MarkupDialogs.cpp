#include "markup/MarkupDialogs.h"

#include "platform/HandCursor.h"

#include <QDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace MarkupDialogs {

QPushButton* button(const QString& caption, const char* name, QDialog* dialog) {
    auto* button = new QPushButton(caption, dialog);
    button->setObjectName(name);
    button->setAutoDefault(false);
    HandCursor::showOver(button);
    return button;
}

void layOutAddressDialog(QDialog* dialog, const QList<QPair<QString, QLineEdit*>>& fields,
                         QLabel* note, const QList<QPushButton*>& buttons) {
    auto* form = new QFormLayout;
    for (const auto& [label, field] : fields)
        form->addRow(label, field);
    note->setWordWrap(true);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    for (QPushButton* button : buttons)
        row->addWidget(button);
    auto* layout = new QVBoxLayout(dialog);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addLayout(row);
    dialog->setMinimumWidth(420);
}

} // namespace MarkupDialogs
