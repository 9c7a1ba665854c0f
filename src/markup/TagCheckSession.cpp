#include "markup/TagCheckSession.h"

#include "markup/BackgroundWork.h"

#include <algorithm>

TagCheckSession::TagCheckSession(QObject* parent) : QObject(parent) {
    connect(&m_running, &QFutureWatcher<QList<TagProblem>>::finished, this,
            &TagCheckSession::finished);
}

void TagCheckSession::check(const QString& post) {
    if (m_busy)
        m_waiting = post;
    else
        start(post);
}

QList<TagProblem> TagCheckSession::problemsBetween(int from, int to) const {
    auto byPosition = [](const TagProblem& problem, int position) {
        return problem.position < position;
    };
    const auto first = std::lower_bound(m_problems.begin(), m_problems.end(), from, byPosition);
    const auto last = std::lower_bound(first, m_problems.end(), to, byPosition);
    return QList<TagProblem>(first, last);
}

void TagCheckSession::start(const QString& post) {
    m_busy = true;
    m_running.setFuture(runInBackground<QList<TagProblem>>([post] { return checkTags(post); }));
}

void TagCheckSession::finished() {
    if (m_waiting) {
        start(*m_waiting); // this result is already out of date
        m_waiting.reset();
        return;
    }
    m_busy = false;
    m_problems = m_running.result();
    emit problemsFound(m_problems);
}
