#pragma once

#include "platform/ModalDialogs.h"

#include <QList>
#include <QPair>
#include <QString>

class EditingSurface;
class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// The link, image and irregular tag dialogs are opened fresh and modally each time, so
// each opening starts with empty fields and no option chosen.
namespace MarkupDialogs {
template <class Dialog> void openModal(EditingSurface& surface, QWidget* owner) {
    Dialog dialog(surface, owner);
    ModalDialogs::run(dialog);
}

// The address dialogs' shape: labelled fields, a note below them, then the buttons.
void layOutAddressDialog(QDialog* dialog, const QList<QPair<QString, QLineEdit*>>& fields,
                         QLabel* note, const QList<QPushButton*>& buttons);
} // namespace MarkupDialogs
