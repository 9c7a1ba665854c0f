#pragma once

#include <QColor>
#include <functional>

class QWidget;

// The desktop's colours that the program paints its controls with, and the painting.
namespace SystemColours {
QColor highlight(); // selected items' background
QColor highlightedText();
QColor text();         // text on window()
QColor grayText();     // disabled text
QColor window();       // a window's background
QColor appWorkspace(); // behind documents
QColor windowText();   // text on a window's background
QColor toolTipBase();  // small pop-ups' background
QColor toolTipText();

// Paints a control's background (and optionally its text) with a style sheet, which
// every widget style honours.
void paint(QWidget* control, const QColor& background, const QColor& text = QColor());
void clearPaint(QWidget* control); // back to the palette's colours
QColor backgroundOf(const QWidget* control);
QColor textOf(const QWidget* control); // the painted text colour, else the palette's

// Runs rederive after the control's colours change (the desktop switched its colour
// scheme), for a control whose colours were set by hand; the control's own palette is
// up to date by then.
void followPalette(QWidget* control, std::function<void()> rederive);
} // namespace SystemColours
