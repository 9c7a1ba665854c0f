// Checks the tags of any post and finds each problem again from its line and column: the
// tag it names is there in the text, its surface position counts a CR LF as one
// character, and the problems come in the order of the text. Turning every CR LF into
// LF moves no problem.
#include "FuzzSupport.h"
#include "markup/TagChecker.h"

#include <QList>

using FuzzSupport::check;

namespace {

// Where each line starts, lines broken by CR LF, LF or CR as the surface breaks them.
QList<qsizetype> lineStarts(const QString& post) {
    QList<qsizetype> starts{0};
    for (const QString& line : TextDecoding::splitKeepingLineBreaks(post))
        starts.append(starts.last() + line.size());
    return starts;
}

// For each offset, how many CR LF pairs end before it.
QList<int> crLfsBefore(const QString& post) {
    QList<int> counts(post.size() + 1, 0);
    for (qsizetype i = 1; i <= post.size(); ++i)
        counts[i] = counts[i - 1] + (i >= 2 && post.at(i - 2) == u'\r' && post.at(i - 1) == u'\n');
    return counts;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString post = FuzzSupport::textOf(data, size);
    const QList<TagProblem> problems = checkTags(post);
    const QList<qsizetype> starts = lineStarts(post);
    const QList<int> crLfs = crLfsBefore(post);
    int previousPosition = -1;
    for (const TagProblem& problem : problems) {
        check(problem.line >= 1 && problem.line <= starts.size() && problem.column >= 1);
        const qsizetype offset = starts.at(problem.line - 1) + problem.column - 1;
        check(problem.length > 0 && offset + problem.length <= post.size());
        check(post.mid(offset, problem.length) == problem.tag && problem.tag.startsWith(u'['));
        check(problem.position == offset - crLfs.at(offset));
        check(problem.position >= previousPosition);
        check((problem.kind == TagProblem::Kind::Crossed) == !problem.innerTag.isEmpty());
        previousPosition = problem.position;
    }

    const QList<TagProblem> withLf = checkTags(TextDecoding::normalizeLineBreaks(post, u"\n"));
    check(withLf.size() == problems.size());
    for (qsizetype i = 0; i < problems.size(); ++i) {
        check(withLf.at(i).kind == problems.at(i).kind);
        check(withLf.at(i).line == problems.at(i).line);
        check(withLf.at(i).position == problems.at(i).position);
    }
    return 0;
}
