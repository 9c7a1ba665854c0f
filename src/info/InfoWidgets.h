#pragma once

#include <QString>

class QLabel;
class QFrame;
class QWidget;

// Small pieces the informational windows are made of.
namespace InfoWidgets {

// A plain-text label with the given name.
QLabel* label(const char* name, const QString& text, QWidget* parent);
// The program's title, large and bold.
QLabel* title(const QString& text, QWidget* parent);
// The program's picture, size pixels square.
QLabel* emblem(int size, QWidget* parent);
// A sunken horizontal line.
QFrame* line(QWidget* parent);

} // namespace InfoWidgets
