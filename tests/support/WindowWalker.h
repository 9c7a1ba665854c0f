#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

// Opens every window of the program and every tool page of the work area in turn, in the
// frame as at start, and hands each, shown, to visit with its name. Modal windows are
// answered with Escape after the visit. Returns the names visited, in order.
using WindowVisit = std::function<void(const QString& name, QWidget& window)>;
QStringList walkWindows(const WindowVisit& visit);

// What a person would see wrong in a shown window, one line each: a label's, button's or
// check box's text that needs more room than it has (or is elided), two visible sibling
// controls that overlap, and a control that reaches outside its parent.
QStringList crampedControls(QWidget& window);
// Visible texts that read under 4.5:1 on the background they are painted on (links in rich
// text labels too); the colour samples of the formatting page aside.
QStringList faintTexts(QWidget& window);
