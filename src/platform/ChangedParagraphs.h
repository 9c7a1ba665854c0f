#pragma once

class QTextDocument;
class QTextEdit;

// Laying out only the paragraphs a change replaced. Qt lays out every paragraph between the
// first and the last character a change touched: for an edit made of many small changes far
// apart (Undo All of a long session) that is most of the text, though few of its paragraphs
// changed. Paragraphs replaced within an edit block drop their lines first; when the block
// ends, those are laid out one by one and every other paragraph keeps its lines and is only
// moved into place. Needs Qt's private headers; without them the calls do nothing and Qt
// lays the text out as usual.
namespace ChangedParagraphs {

// Gives the document the layout that can do this, once, before the document is shown.
void installLayout(QTextDocument& document);

// Paragraphs count from first (numbers) are about to be replaced within an edit block.
void dropLines(QTextDocument& document, int first, int count);

// Asks that the edit block about to end in the editor's document lays out only the paragraphs
// of its change that have no lines; the block must change the text. Returns false, asking
// nothing, where that cannot be done: the text is still being laid out in the background, is
// laid out in pages or in fixed columns, or holds a table or other frame.
bool layOutOnlyThem(QTextEdit& editor);

// True from layOutOnlyThem until the change has been laid out: the paragraphs of the change
// that still have lines keep them.
bool othersKeepLines(const QTextDocument& document);

} // namespace ChangedParagraphs
