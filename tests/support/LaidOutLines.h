#pragma once

#include <QList>

class QTextDocument;

// Each line of the document where its layout put it: first character, length, place and
// size, and the width of its text.
QList<QList<qreal>> laidOutLines(const QTextDocument& document);

// Whether every line is where Qt's own layout of the whole text puts it. Leaves the text
// laid out by Qt.
bool laidOutAsQtWould(QTextDocument& document);
