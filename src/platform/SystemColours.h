#pragma once

#include <QColor>

class QWidget;

// The desktop's colours that the program paints its controls with, and the painting.
namespace SystemColours {
QColor highlight();    // selected items' background
QColor grayText();     // disabled text
QColor window();       // a window's background
QColor appWorkspace(); // behind documents

// Paints a control's background (and optionally its text) with a style sheet, which
// every widget style honours.
void paint(QWidget* control, const QColor& background, const QColor& text = QColor());
QColor backgroundOf(const QWidget* control);
} // namespace SystemColours
