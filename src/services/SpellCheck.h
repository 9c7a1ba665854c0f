#pragma once

#include <functional>

class EditingSurface;
class IgnoredWords;
class QWidget;

// The spelling and grammar check: the surface's whole text goes to the word processor
// (see WordProcessor.h), whose dialog lets the user correct it, and comes back to
// replace the text as one change.
namespace SpellCheck {

enum class Kind { Spelling, SpellingAndGrammar };

// The Tools menu command: a message when there is nothing to check, otherwise the wait
// window, then the spelling-and-grammar check.
void checkSpellingAndGrammar(EditingSurface& surface, IgnoredWords& ignoredWords, QWidget* parent);

// The check itself; parent owns its messages and dialogs. The words in ignoredWords, the
// session's, are left alone, and Ignore All adds to them.
void check(Kind kind, EditingSurface& surface, IgnoredWords& ignoredWords, QWidget* parent);

// Shows the wait window modally until it has closed itself.
using ShowWaitWindow = std::function<void(QWidget* parent)>;
// Installs another wait window; an empty one restores the standard one.
void installWaitWindow(ShowWaitWindow showWaitWindow);

} // namespace SpellCheck
