#pragma once

#include <QList>
#include <QTextEdit>

// A text control has one list of extra selections, shared by every aid that highlights
// something in it (the tag pair, the find matches). Each aid tags its own selections with
// a format property of its own and replaces only those, keeping the others'.
namespace ExtraSelections {

void replaceOwn(QTextEdit& editor, int ownerProperty, QList<QTextEdit::ExtraSelection> own);

} // namespace ExtraSelections
