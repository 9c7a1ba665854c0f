#pragma once

#include "markup/VnmlRenderer.h"

#include <QList>
#include <QTextDocumentFragment>
#include <memory>

class QTextDocument;

// The preview's document for a post: renderVnml's HTML as a QTextDocument, with each line
// outside a list a paragraph of its own, so that a change lays out again only the lines it
// touches. Plain data: it may be made on any thread.
std::unique_ptr<QTextDocument> buildPreviewDocument(QStringView post,
                                                    const VnmlRenderOptions& options);

// The edits that turn one preview document into another. A step replaces the characters
// [from, to) of the document as the steps before it left it with a fragment (an empty
// fragment removes, from == to inserts). Each piece goes in behind the paragraph break before
// it, so it brings its paragraphs with their formats; a patch that starts at the document's
// start puts an empty paragraph there first, for that break, and takes it out last. Between
// two steps the document holds whole paragraphs, tables and lists and may be drawn.
struct PreviewPatch {
    struct Step {
        enum class Kind { Replace, AddLeadingBreak, RemoveLeadingBreak };
        Kind kind = Kind::Replace;
        int from = 0;
        int to = 0;
        QTextDocumentFragment insert;
    };
    QList<Step> steps;
};

// The patch that turns `shown` into a document equal to `next`. Only the paragraphs between
// the first and the last that differ are replaced (widened to whole tables and lists); no
// step moves more than about `stepSize` characters unless one table or list is longer.
// `next` is changed while the fragments are taken and left as it was.
PreviewPatch diffPreviewDocuments(const QTextDocument& shown, QTextDocument& next, int stepSize);

void applyPreviewStep(QTextDocument& document, const PreviewPatch::Step& step);
