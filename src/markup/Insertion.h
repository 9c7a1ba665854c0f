#pragma once

#include <QString>

class Clipboard;
class EditingSurface;

// The ways the markup commands put text into the post.
namespace Insertion {

// Whether an insertion first gives the surface the focus. The work area's own buttons do;
// the dialogs write into the selection the surface kept and leave the focus alone.
enum class Focus { MoveToSurface, Keep };

// Focuses the surface and replaces its selection (or inserts at the caret) with text.
void insertDirect(EditingSurface& surface, const QString& text);

// Replaces the selection with text without moving the focus, clearing the clipboard
// before and after.
void insertClearingClipboard(EditingSurface& surface, Clipboard& clipboard, const QString& text);

// Wraps the selection in start and end by passing it through the clipboard, which is
// left empty. When the clipboard cannot be used the selection is wrapped directly, so
// the selected text is never lost.
void wrapThroughClipboard(EditingSurface& surface, Clipboard& clipboard, const QString& start,
                          const QString& end, Focus focus = Focus::MoveToSurface);

} // namespace Insertion
