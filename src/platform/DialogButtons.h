#pragma once

#include <QList>
#include <QString>

class QHBoxLayout;
class QPushButton;
class QWidget;

// The push buttons along the bottom of the program's dialogs.
namespace DialogButtons {
// A button with the hand cursor. Only the default button answers Enter; the others never
// become the default on their own when they have the focus.
QPushButton* make(const QString& caption, const char* objectName, QWidget* dialog,
                  bool isDefault = false);
// The buttons side by side, pushed to the right.
QHBoxLayout* row(const QList<QPushButton*>& buttons);
} // namespace DialogButtons
