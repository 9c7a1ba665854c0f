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

} // namespace LayoutFormats
