#pragma once

#include <QList>
#include <QTextLayout>

// Formats drawn over one paragraph of a document (as QTextLayout::setFormats draws them),
// set so that only that paragraph needs laying out again. Qt's public call also counts the
// first character of the next paragraph as changed, so each mark set while typing had the
// paragraph after the one typed in laid out and redrawn as well. Where Qt's private headers
// were found at build time the formats go to the layout's engine alone; elsewhere through
// the public call.
namespace LayoutFormats {

// The caller has the paragraph laid out again: a change of its text is under way, or
// QTextDocument::markContentsDirty over its characters follows.
void set(QTextLayout& layout, const QList<QTextLayout::FormatRange>& formats);

// Sets the formats of a paragraph outside any change under way, keeping the lines it has:
// formats that only colour and underline never move a line break, so the paragraphs around
// it keep their places and the document's layout need not walk them. A paragraph not laid
// out yet takes the formats into the layout it is given later. Asking the document to lay a
// paragraph out again instead (markContentsDirty) would end a layout still under way in the
// background, leaving the rest of the text without one. Returns false, having set nothing,
// without Qt's private headers; the caller then uses set.
bool setKeepingLines(QTextLayout& layout, const QList<QTextLayout::FormatRange>& formats);

} // namespace LayoutFormats
