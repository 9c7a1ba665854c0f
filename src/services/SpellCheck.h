#pragma once

#include <QString>
#include <functional>

class EditingSurface;
class QWidget;

// The spelling and grammar check: the surface's whole text goes to the word processor
// (see WordProcessor.h), whose dialog lets the user correct it, and comes back to
// replace the text as one change.
namespace SpellCheck {

enum class Kind { Spelling, SpellingAndGrammar };

// The Tools menu command: a message when there is nothing to check, otherwise the wait
// window, then the spelling-and-grammar check.
void mnuGrammar_Click(EditingSurface& surface, QWidget* parent);

// The check routine; parent owns its messages and dialogs.
void CheckSpelling(EditingSurface& surface, QWidget* parent);
void CheckGrammar(EditingSurface& surface, QWidget* parent);
void Check(Kind kind, EditingSurface& surface, QWidget* parent);

// Shows the wait window modally until it has closed itself.
using WaitWindow = std::function<void(QWidget* parent)>;
// Installs another wait window; an empty one restores WaitWindow.
void installWaitWindow(WaitWindow waitWindow);

} // namespace SpellCheck
