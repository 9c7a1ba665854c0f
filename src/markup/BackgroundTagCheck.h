#pragma once

#include "markup/TagChecker.h"

#include <QFutureWatcher>
#include <QObject>
#include <QTimer>

class QTextDocument;

// Runs the tag check on a copy of the post in a worker thread, a short pause after the
// last change, so typing never waits for it. A result that a change overtook is dropped;
// the next pause checks again.
class BackgroundTagCheck : public QObject {
    Q_OBJECT
public:
    static constexpr int kPauseMs = 500;

    explicit BackgroundTagCheck(QTextDocument& document, QObject* parent = nullptr);

    // Checks after the pause, and again after every change, until stopped.
    void start();
    void stop();

signals:
    void problemsFound(const QList<TagProblem>& problems);

private:
    void onContentsChange(int position, int removed, int added);
    void runCheck();
    void onCheckFinished();

    QTextDocument& m_document;
    QTimer m_pause;
    QFutureWatcher<QList<TagProblem>> m_check;
    bool m_running = false;
    bool m_overtaken = false; // the text changed while the check ran
};
