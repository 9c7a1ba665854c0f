#include "markup/MarkupDialogs.h"

#include "platform/DialogButtons.h"
#include "platform/Twips.h"

#include <QDialog>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace MarkupDialogs {

void layOutAddressDialog(QDialog* dialog, const QList<QPair<QString, QLineEdit*>>& fields,
                         QLabel* note, const QList<QPushButton*>& buttons) {
    auto* form = new QFormLayout;
    for (const auto& [label, field] : fields)
        form->addRow(label, field);
    note->setWordWrap(true);
    auto* layout = new QVBoxLayout(dialog);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addLayout(DialogButtons::row(buttons));
    dialog->setMinimumWidth(Twips::scaled(420));
}

} // namespace MarkupDialogs
