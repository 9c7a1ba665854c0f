#include "markup/PreviewDocument.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextList>
#include <algorithm>
#include <vector>

namespace {

const QLatin1String kLineBreak("<br>");
const QLatin1String kParagraphBreak("</p><p style=\"margin-top:0px; margin-bottom:0px;\">");

bool isBlockElement(QStringView name) {
    for (const char* block : {"table", "tr", "td", "ul", "ol", "li", "pre", "p"}) {
        if (name == QLatin1String(block))
            return true;
    }
    return false;
}

// renderVnml's HTML with each line break outside boxes and lists made a paragraph break; the
// inline elements open there close before it and open again after it. A paragraph that
// holds many pictures takes the rich-text import a time that grows with its square, and a
// post of lines without boxes would otherwise be one paragraph.
QString paragraphPerLine(const QString& html) {
    struct Open {
        QStringView name;
        QStringView tag;
    };
    std::vector<Open> open;
    int blocksOpen = 0;
    QString result;
    result.reserve(html.size() + html.size() / 8);
    qsizetype copied = 0;
    for (qsizetype start = html.indexOf(QLatin1Char('<')); start >= 0;
         start = html.indexOf(QLatin1Char('<'), start + 1)) {
        const qsizetype end = html.indexOf(QLatin1Char('>'), start);
        if (end < 0)
            break;
        const QStringView tag = QStringView(html).mid(start, end + 1 - start);
        if (tag == kLineBreak) {
            if (blocksOpen > 0 || html.mid(end + 1, 3) == QLatin1String("<ta"))
                continue;
            result += QStringView(html).mid(copied, start - copied);
            for (auto it = open.rbegin(); it != open.rend(); ++it) {
                result += QLatin1String("</");
                result += it->name;
                result += QLatin1Char('>');
            }
            result += kParagraphBreak;
            for (const Open& element : open)
                result += element.tag;
            copied = end + 1;
        } else if (tag.startsWith(QLatin1String("</"))) {
            if (!open.empty()) {
                blocksOpen -= isBlockElement(open.back().name);
                open.pop_back();
            }
        } else if (!tag.startsWith(QLatin1String("<img"))) {
            const qsizetype nameEnd = tag.indexOf(QLatin1Char(' '));
            const QStringView name = tag.mid(1, (nameEnd < 0 ? tag.size() - 1 : nameEnd) - 1);
            open.push_back({name, tag});
            blocksOpen += isBlockElement(name);
        }
    }
    result += QStringView(html).mid(copied);
    return result;
}

// Turns each line break of a paragraph outside a list into a paragraph break. The parts keep
// the paragraph's format, its top margin on the first and its bottom margin on the last, so
// the lines stand where they stood.
void splitLines(QTextDocument& document) {
    QTextCursor cursor(&document);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.textList())
            continue;
        const QString text = block.text();
        std::vector<int> breaks;
        for (qsizetype i = text.indexOf(QChar::LineSeparator); i >= 0;
             i = text.indexOf(QChar::LineSeparator, i + 1))
            breaks.push_back(block.position() + int(i));
        if (breaks.empty())
            continue;
        const QTextBlockFormat whole = block.blockFormat();
        QTextBlockFormat first = whole;
        first.setBottomMargin(0);
        QTextBlockFormat later = whole;
        later.setTopMargin(0);
        later.setTextIndent(0);
        QTextBlockFormat middle = later;
        middle.setBottomMargin(0);
        const int start = block.position();
        for (auto it = breaks.rbegin(); it != breaks.rend(); ++it) {
            cursor.setPosition(*it + 1);
            const QTextCharFormat lineFormat = cursor.charFormat(); // of the line break
            cursor.deletePreviousChar();
            cursor.insertBlock(it == breaks.rbegin() ? later : middle, lineFormat);
        }
        cursor.setPosition(start);
        cursor.setBlockFormat(first);
        block = document.findBlock(breaks.back() + 1);
    }
}

QTextFormat withoutObject(QTextFormat format) {
    format.clearProperty(QTextFormat::ObjectIndex);
    return format;
}

// The paragraphs of a document in order, where each starts, and before which of them (or at
// the end) the document can be cut without splitting a table or a list.
struct Outline {
    explicit Outline(const QTextDocument& document) {
        int listEnd = -1; // where the last item of every list begun so far starts
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
            const int position = block.position();
            blocks.push_back(block);
            positions.push_back(position);
            cuts.push_back(position == 0 ||
                           (document.characterAt(position - 1) == QChar::ParagraphSeparator &&
                            document.frameAt(position - 1) == document.rootFrame() &&
                            listEnd < position));
            if (const QTextList* list = block.textList())
                listEnd = std::max(listEnd, list->item(list->count() - 1).position());
        }
        positions.push_back(document.characterCount());
        cuts.push_back(true);
    }
    int count() const { return int(blocks.size()); }

    std::vector<QTextBlock> blocks;
    std::vector<int> positions; // one more than blocks: the end
    std::vector<bool> cuts;     // likewise
};

bool sameFrames(const QTextBlock& a, const QTextBlock& b) {
    const QTextFrame* frameA = a.document()->frameAt(a.position());
    const QTextFrame* frameB = b.document()->frameAt(b.position());
    for (; frameA && frameB; frameA = frameA->parentFrame(), frameB = frameB->parentFrame()) {
        if (withoutObject(frameA->frameFormat()) != withoutObject(frameB->frameFormat()))
            return false;
    }
    return !frameA && !frameB;
}

bool sameBlock(const QTextBlock& a, const QTextBlock& b) {
    if (a.length() != b.length() || a.charFormat() != b.charFormat() ||
        withoutObject(a.blockFormat()) != withoutObject(b.blockFormat()) || a.text() != b.text())
        return false;
    const QTextList* listA = a.textList();
    const QTextList* listB = b.textList();
    if (bool(listA) != bool(listB) || (listA && listA->format() != listB->format()))
        return false;
    auto fragmentA = a.begin();
    auto fragmentB = b.begin();
    for (; !fragmentA.atEnd() && !fragmentB.atEnd(); ++fragmentA, ++fragmentB) {
        if (fragmentA.fragment().length() != fragmentB.fragment().length() ||
            fragmentA.fragment().charFormat() != fragmentB.fragment().charFormat())
            return false;
    }
    const int endA = a.position() + a.length() - 1;
    const int endB = b.position() + b.length() - 1;
    return fragmentA.atEnd() && fragmentB.atEnd() &&
           a.document()->characterAt(endA) == b.document()->characterAt(endB) && sameFrames(a, b);
}

// Cut points from `first` to `last` (both cut points), about `stepSize` characters apart.
std::vector<int> spacedCuts(const Outline& outline, int first, int last, int stepSize) {
    std::vector<int> cuts{first};
    for (int i = first + 1; i < last; ++i) {
        if (outline.cuts[i] && outline.positions[i] - outline.positions[cuts.back()] >= stepSize)
            cuts.push_back(i);
    }
    cuts.push_back(last);
    return cuts;
}

// A fragment's document makes its frames and lists on first use. Inserting it once here
// makes them on this thread, so that the thread the fragment goes to only reads it.
QTextDocumentFragment madeWhole(const QTextDocumentFragment& fragment) {
    QTextDocument scratch;
    QTextCursor(&scratch).insertFragment(fragment);
    return fragment;
}

} // namespace

std::unique_ptr<QTextDocument> buildPreviewDocument(QStringView post,
                                                    const VnmlRenderOptions& options) {
    auto document = std::make_unique<QTextDocument>();
    document->setUndoRedoEnabled(false);
    document->setHtml(paragraphPerLine(renderVnml(post, options)));
    splitLines(*document);
    return document;
}

PreviewPatch diffPreviewDocuments(const QTextDocument& shown, QTextDocument& next, int stepSize) {
    const Outline before(shown);
    const Outline after(next);
    const int common = std::min(before.count(), after.count());
    int head = 0;
    while (head < common && sameBlock(before.blocks[head], after.blocks[head]))
        ++head;
    int tail = 0;
    while (tail < common - head && sameBlock(before.blocks[before.count() - 1 - tail],
                                             after.blocks[after.count() - 1 - tail]))
        ++tail;
    if (head == before.count() && head == after.count())
        return {};
    while (!before.cuts[head] || !after.cuts[head])
        --head;
    int beforeEnd = before.count() - tail;
    int afterEnd = after.count() - tail;
    while (!before.cuts[beforeEnd] || !after.cuts[afterEnd]) {
        ++beforeEnd;
        ++afterEnd;
    }
    const std::vector<int> removed = spacedCuts(before, head, beforeEnd, stepSize);
    const std::vector<int> added = spacedCuts(after, head, afterEnd, stepSize);

    // Where a piece starts or ends: just before the paragraph break that precedes the cut
    // point, which at the start is the leading break put in for the patch.
    const int shift = head == 0 ? 1 : 0;
    auto edge = [shift](const Outline& outline, int index) {
        return outline.positions[index] - 1 + shift;
    };
    PreviewPatch patch;
    using Kind = PreviewPatch::Step::Kind;
    if (shift)
        patch.steps.append({Kind::AddLeadingBreak, 0, 0, {}});
    for (size_t i = removed.size() - 1; i > 0; --i) {
        const int from = edge(before, removed[i - 1]);
        const int to = edge(before, removed[i]);
        if (to > from)
            patch.steps.append({Kind::Replace, from, to, {}});
    }
    if (shift)
        applyPreviewStep(next, patch.steps.first());
    QTextCursor source(&next);
    for (size_t i = 1; i < added.size(); ++i) {
        const int from = edge(after, added[i - 1]);
        source.setPosition(from);
        source.setPosition(edge(after, added[i]), QTextCursor::KeepAnchor);
        if (source.hasSelection())
            patch.steps.append(
                {Kind::Replace, from, from, madeWhole(QTextDocumentFragment(source))});
    }
    if (shift) {
        patch.steps.append({Kind::RemoveLeadingBreak, 0, 0, {}});
        applyPreviewStep(next, patch.steps.last());
    }
    return patch;
}

void applyPreviewStep(QTextDocument& document, const PreviewPatch::Step& step) {
    using Kind = PreviewPatch::Step::Kind;
    // The paragraph the step joins to keeps its format: the one the step starts in, or
    // the first when the leading break goes.
    const QTextBlock joined = step.kind == Kind::Replace           ? document.findBlock(step.from)
                              : step.kind == Kind::AddLeadingBreak ? document.begin()
                                                                   : document.begin().next();
    const QTextBlockFormat blockFormat = joined.blockFormat();
    const QTextCharFormat charFormat = joined.charFormat();
    QTextCursor cursor(&document);
    // One edit: a long preview is walked by its layout once per edit, not once per call.
    cursor.beginEditBlock();
    switch (step.kind) {
    case Kind::AddLeadingBreak:
        cursor.insertBlock(blockFormat, charFormat);
        cursor.endEditBlock();
        return;
    case Kind::RemoveLeadingBreak:
        cursor.deleteChar();
        break;
    case Kind::Replace:
        cursor.setPosition(step.from);
        cursor.setPosition(step.to, QTextCursor::KeepAnchor);
        if (step.insert.isEmpty())
            cursor.removeSelectedText();
        else
            cursor.insertFragment(step.insert);
        cursor.setPosition(step.from);
        break;
    }
    cursor.setBlockFormat(blockFormat);
    cursor.setBlockCharFormat(charFormat);
    // A view's layout may leave the joined paragraph out of its update.
    const QTextBlock block = cursor.block();
    document.markContentsDirty(block.position(), block.length());
    cursor.endEditBlock();
}
