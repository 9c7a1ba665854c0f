#pragma once

#include <QString>

class Clipboard;
class EditingSurface;

// The two ways the markup commands put text into the post.
namespace Insertion {

// Focuses the surface and replaces its selection (or inserts at the caret) with text.
void insertDirect(EditingSurface& surface, const QString& text);

// Wraps the selection in start and end by passing it through the clipboard, which is
// left empty. When the clipboard cannot be used the selection is wrapped directly, so
// the selected text is never lost.
void wrapThroughClipboard(EditingSurface& surface, Clipboard& clipboard, const QString& start,
                          const QString& end);

} // namespace Insertion
