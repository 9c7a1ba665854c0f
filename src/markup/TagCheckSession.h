#pragma once

#include "markup/TagChecker.h"

#include <QFutureWatcher>
#include <QObject>
#include <optional>

// The tag check of a post, run on a worker thread so that a long post never holds up the
// typing. Hand it the text after a change; it reports the problems of the newest text it
// was given. A text handed in while a check runs waits for that check to end, and replaces
// any text still waiting, so a result never arrives for an older text after one for a newer
// text, and a burst of changes costs at most two checks. Destroying the session during a
// check is safe: the check ends on its own and its result is dropped.
//
//     auto* tags = new TagCheckSession(this);
//     connect(tags, &TagCheckSession::problemsFound, this, &Marker::underline);
//     tags->check(surface.text()); // after each pause in the typing
class TagCheckSession : public QObject {
    Q_OBJECT
public:
    explicit TagCheckSession(QObject* parent = nullptr);

    // Asks for the problems of `post` (CR LF, CR or LF line breaks, as checkTags takes
    // them). Returns at once.
    void check(const QString& post);

    // The problems of the text last reported, in the order of the text; empty before the
    // first report.
    const QList<TagProblem>& problems() const { return m_problems; }
    // Those of them whose tag starts at a surface position in [from, to): the problems of
    // one paragraph, say, for a highlighter that marks them.
    QList<TagProblem> problemsBetween(int from, int to) const;

    // A check runs or waits.
    bool isChecking() const { return m_busy; }

signals:
    // The problems of the newest text given (also kept in problems()).
    void problemsFound(const QList<TagProblem>& problems);

private:
    void start(const QString& post);
    void finished();

    QFutureWatcher<QList<TagProblem>> m_running;
    bool m_busy = false; // from start() until a result is reported
    std::optional<QString> m_waiting;
    QList<TagProblem> m_problems;
};
