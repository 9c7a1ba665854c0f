#pragma once

#include "markup/TagChecker.h"

#include <QFutureWatcher>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <optional>

class QTextDocument;

// The tag check of a post, run on a worker thread so that a long post never holds up the
// typing. A text handed in while a check runs waits for that check to end and replaces any
// text still waiting, so a result never arrives for an older text after one for a newer
// text, and a burst of changes costs at most two checks. Destroying it during a check is
// safe: the check ends on its own and its result is dropped.
//
// Made on a document, it can also follow that document: checked a pause after the last
// change, and a result that a change overtook is dropped, since its positions no longer fit.
class BackgroundTagCheck : public QObject {
    Q_OBJECT
public:
    static constexpr int kPauseMs = 500;

    explicit BackgroundTagCheck(QObject* parent = nullptr);
    BackgroundTagCheck(QTextDocument& document, QObject* parent = nullptr);

    // Asks for the problems of `post`: a plain text (CR LF, CR or LF line breaks, as
    // checkTags takes them) or a document's raw characters. Returns at once.
    void check(const QString& post);

    // Checks the document after the pause, and again after every change, until stopped.
    void start();
    void stop();

    // The problems of the text last reported, in the order of the text.
    const QList<TagProblem>& problems() const { return m_problems; }
    // A check runs or waits.
    bool isChecking() const { return m_busy; }

signals:
    void problemsFound(const QList<TagProblem>& problems);

private:
    void run(const QString& post);
    void onContentsChange(int position, int removed, int added);
    void onCheckFinished();

    QPointer<QTextDocument> m_document;
    QTimer m_pause;
    QFutureWatcher<QList<TagProblem>> m_check;
    bool m_busy = false;      // from run() until a result is taken in
    bool m_overtaken = false; // the followed document changed since the check began
    std::optional<QString> m_waiting;
    QList<TagProblem> m_problems;
};
