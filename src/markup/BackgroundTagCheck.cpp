#include "markup/BackgroundTagCheck.h"

#include "markup/BackgroundWork.h"
#include "markup/DocumentTextCopy.h"

#include <QTextDocument>
#include <utility>

BackgroundTagCheck::BackgroundTagCheck(QObject* parent) : QObject(parent) {
    connect(&m_check, &QFutureWatcher<QList<TagProblem>>::finished, this,
            &BackgroundTagCheck::onCheckFinished);
}

BackgroundTagCheck::BackgroundTagCheck(QTextDocument& document, QObject* parent)
    : BackgroundTagCheck(parent) {
    m_document = &document;
    m_pause.setSingleShot(true);
    m_pause.setInterval(kPauseMs);
    connect(&m_pause, &QTimer::timeout, this, [this] {
        if (m_document)
            check(m_document->toPlainText());
    });
}

void BackgroundTagCheck::check(const QString& post) {
    if (m_busy)
        m_waiting = post;
    else
        run(post);
}

void BackgroundTagCheck::start() {
    if (!m_document)
        return;
    disconnect(m_document, &QTextDocument::contentsChange, this,
               &BackgroundTagCheck::onContentsChange);
    connect(m_document, &QTextDocument::contentsChange, this,
            &BackgroundTagCheck::onContentsChange);
    m_pause.start();
}

void BackgroundTagCheck::stop() {
    if (m_document)
        disconnect(m_document, &QTextDocument::contentsChange, this,
                   &BackgroundTagCheck::onContentsChange);
    m_pause.stop();
    m_waiting.reset();
    m_overtaken = true; // a check under way is of no use any more
}

void BackgroundTagCheck::onContentsChange(int, int removed, int added) {
    if (removed == 0 && added == 0)
        return;
    m_waiting.reset();
    m_overtaken = true;
    m_pause.start();
}

void BackgroundTagCheck::run(const QString& post) {
    m_busy = true;
    m_overtaken = false;
    m_check.setFuture(
        runInBackground<QList<TagProblem>>([post] { return checkTags(plainTextOf(post)); }));
}

void BackgroundTagCheck::onCheckFinished() {
    if (m_waiting) {
        run(*std::exchange(m_waiting, std::nullopt)); // this result is already out of date
        return;
    }
    m_busy = false;
    if (m_overtaken)
        return;
    m_problems = m_check.result();
    emit problemsFound(m_problems);
}
