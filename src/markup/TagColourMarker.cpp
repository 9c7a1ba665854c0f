#include "markup/TagColourMarker.h"

#include "markup/VnmlTokens.h"

#include <QTextBlock>
#include <algorithm>

namespace {

QTextLayout::FormatRange mark(int start, int length, const QColor& colour) {
    QTextLayout::FormatRange range;
    range.start = start;
    range.length = length;
    range.format.setForeground(colour);
    return range;
}

// The first problem that ends after position.
QList<TagProblem>::const_iterator firstEndingAfter(const QList<TagProblem>& problems,
                                                   int position) {
    return std::upper_bound(
        problems.cbegin(), problems.cend(), position,
        [](int at, const TagProblem& problem) { return at < problem.position + problem.length; });
}

} // namespace

void TagColourMarker::contentsChange(int position, int removed, int added) {
    const int changeEnd = position + removed;
    QList<TagProblem> kept;
    kept.reserve(m_problems.size());
    for (TagProblem problem : std::as_const(m_problems)) {
        if (problem.position >= changeEnd) {
            problem.position += added - removed;
        } else if (problem.position + problem.length > position) {
            continue; // changed inside: it may read differently now
        }
        kept.append(problem);
    }
    m_problems = kept;
}

void TagColourMarker::markParagraph(const QTextBlock& paragraph, const QString& text,
                                    int stateBefore, QList<QTextLayout::FormatRange>& marks) {
    for (const VnmlToken& token : tokenizeVnmlParagraph(text, stateBefore != 0)) {
        switch (token.kind) {
        case VnmlToken::Kind::Text:
            break;
        case VnmlToken::Kind::Smiley:
            marks.append(mark(token.offset, token.length, m_colours.smiley));
            break;
        case VnmlToken::Kind::Start:
        case VnmlToken::Kind::End:
        case VnmlToken::Kind::Image:
            marks.append(mark(token.offset, token.length, m_colours.tag));
            if (token.argLength > 0)
                marks.append(mark(token.argOffset, token.argLength, m_colours.argument));
            break;
        }
    }
    markProblems(paragraph.position(), int(text.size()), marks);
}

int TagColourMarker::stateAfter(const QString& text, int stateBefore) {
    return insideCodeAfter(text, stateBefore != 0) ? 1 : 0;
}

void TagColourMarker::markProblems(int paragraphStart, int paragraphLength,
                                   QList<QTextLayout::FormatRange>& marks) const {
    for (auto problem = firstEndingAfter(m_problems, paragraphStart);
         problem != m_problems.cend() && problem->position < paragraphStart + paragraphLength;
         ++problem) {
        QTextLayout::FormatRange range;
        range.start = std::max(problem->position - paragraphStart, 0);
        range.length =
            std::min(problem->position + problem->length - paragraphStart, paragraphLength) -
            range.start;
        range.format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
        range.format.setUnderlineColor(m_colours.tag);
        range.format.setToolTip(problem->message());
        marks.append(range);
    }
}
