#include "platform/ExtraSelections.h"

#include <algorithm>

void ExtraSelections::replaceOwn(QTextEdit& editor, int ownerProperty,
                                 QList<QTextEdit::ExtraSelection> own) {
    QList<QTextEdit::ExtraSelection> selections = editor.extraSelections();
    const auto ownBefore = std::remove_if(selections.begin(), selections.end(), [&](const auto& s) {
        return s.format.hasProperty(ownerProperty);
    });
    if (ownBefore == selections.end() && own.isEmpty())
        return; // nothing of ours to take away or to add: no relayout
    selections.erase(ownBefore, selections.end());
    for (QTextEdit::ExtraSelection& selection : own) {
        selection.format.setProperty(ownerProperty, true);
        selections << selection;
    }
    editor.setExtraSelections(selections);
}
