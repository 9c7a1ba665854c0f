#include "ModalScript.h"

#include "platform/ModalDialogs.h"

#include <QDialog>

ModalScript::ModalScript() {
    ModalDialogs::install([this](QDialog& dialog) {
        opened << dialog.objectName();
        dialog.setResult(QDialog::Rejected);
        if (!steps.isEmpty())
            steps.takeFirst()(dialog);
        return dialog.result();
    });
}

ModalScript::~ModalScript() {
    ModalDialogs::install({});
}
