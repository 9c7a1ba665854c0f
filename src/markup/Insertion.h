#pragma once

#include <QString>

class Clipboard;
class EditingSurface;

// The two ways the markup commands put text into the post.
namespace Insertion {

// Focuses the surface and replaces its selection (or inserts at the caret) with text.
void insertDirect(EditingSurface& surface, const QString& text);

// Whether a wrap gives the surface the focus first. A window that wraps from beside the
// work area (the custom styles) keeps the focus itself.
enum class Focus { TakeFocus, KeepFocus };

// Wraps the selection in start and end by passing it through the clipboard, which is
// left empty. When the clipboard cannot be used the selection is wrapped directly, so
// the selected text is never lost.
void wrapThroughClipboard(EditingSurface& surface, Clipboard& clipboard, const QString& start,
                          const QString& end, Focus focus = Focus::TakeFocus);

} // namespace Insertion
