#include "platform/DialogButtons.h"

#include "platform/HandCursor.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace DialogButtons {

QPushButton* make(const QString& caption, const char* objectName, QWidget* dialog, bool isDefault) {
    auto* button = new QPushButton(caption, dialog);
    button->setObjectName(objectName);
    if (isDefault)
        button->setDefault(true);
    else
        button->setAutoDefault(false);
    HandCursor::showOver(button);
    return button;
}

QHBoxLayout* row(const QList<QPushButton*>& buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    for (QPushButton* button : buttons)
        row->addWidget(button);
    return row;
}

} // namespace DialogButtons
