#include "markup/TagChecker.h"

#include "markup/VnmlPairing.h"
#include "markup/VnmlTokens.h"

#include <algorithm>

namespace {

struct Found {
    TagProblem::Kind kind;
    int token;
    int innerToken;
};

// Fills in line, column and surface position, walking the text once: the problems come
// sorted by offset.
class Locator {
public:
    explicit Locator(QStringView text) : m_text(text) {}

    void locate(TagProblem& problem, int offset) {
        for (; m_pos < offset; ++m_pos) {
            const QChar c = m_text[m_pos];
            if (c == QLatin1Char('\n') && m_pos > 0 && m_text[m_pos - 1] == QLatin1Char('\r')) {
                m_lineStart = m_pos + 1; // the LF of a CR LF: the break was counted at CR
                ++m_crLfCount;
            } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
                ++m_line;
                m_lineStart = m_pos + 1;
            }
        }
        problem.line = m_line;
        problem.column = offset - m_lineStart + 1;
        problem.position = offset - m_crLfCount;
    }

private:
    QStringView m_text;
    int m_pos = 0;
    int m_line = 1;
    int m_lineStart = 0;
    int m_crLfCount = 0;
};

} // namespace

QString TagProblem::message() const {
    QString what;
    switch (kind) {
    case Kind::NotClosed:
        what = tag + " is never closed";
        break;
    case Kind::NotOpened:
        what = tag + " has no start tag";
        break;
    case Kind::Crossed:
        what = tag + " closes before " + innerTag + " inside it is closed";
        break;
    }
    return QStringLiteral("Line %1, column %2: %3").arg(line).arg(column).arg(what);
}

bool TagProblem::operator==(const TagProblem& other) const {
    return kind == other.kind && tag == other.tag && innerTag == other.innerTag &&
           line == other.line && column == other.column && position == other.position &&
           length == other.length;
}

QList<TagProblem> checkTags(QStringView post) {
    const std::vector<VnmlToken> tokens = tokenizeVnml(post);
    const VnmlPairing pairing = pairVnmlTags(tokens);

    std::vector<Found> found;
    for (int i = 0; i < int(tokens.size()); ++i) {
        const VnmlToken::Kind kind = tokens[i].kind;
        if (pairing.partner[i] != VnmlPairing::kNone)
            continue;
        if (kind == VnmlToken::Kind::Start)
            found.push_back({TagProblem::Kind::NotClosed, i, -1});
        else if (kind == VnmlToken::Kind::End)
            found.push_back({TagProblem::Kind::NotOpened, i, -1});
    }
    for (const VnmlPairing::Crossing& crossing : pairing.crossings)
        found.push_back({TagProblem::Kind::Crossed, crossing.end, crossing.innerStart});
    std::sort(found.begin(), found.end(),
              [](const Found& a, const Found& b) { return a.token < b.token; });

    auto textOf = [&](int token) {
        return post.mid(tokens[token].offset, tokens[token].length).toString();
    };
    QList<TagProblem> problems;
    problems.reserve(qsizetype(found.size()));
    Locator locator(post);
    for (const Found& entry : found) {
        TagProblem problem;
        problem.kind = entry.kind;
        problem.tag = textOf(entry.token);
        if (entry.innerToken >= 0)
            problem.innerTag = textOf(entry.innerToken);
        problem.length = tokens[entry.token].length;
        locator.locate(problem, tokens[entry.token].offset);
        problems.append(problem);
    }
    return problems;
}
