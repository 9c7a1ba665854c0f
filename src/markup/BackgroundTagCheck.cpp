#include "markup/BackgroundTagCheck.h"

#include <QPromise>
#include <QTextDocument>
#include <QThreadPool>
#include <memory>

BackgroundTagCheck::BackgroundTagCheck(QTextDocument& document, QObject* parent)
    : QObject(parent), m_document(document) {
    m_pause.setSingleShot(true);
    m_pause.setInterval(kPauseMs);
    connect(&m_pause, &QTimer::timeout, this, &BackgroundTagCheck::runCheck);
    connect(&m_check, &QFutureWatcher<QList<TagProblem>>::finished, this,
            &BackgroundTagCheck::onCheckFinished);
}

void BackgroundTagCheck::start() {
    if (!m_running)
        connect(&m_document, &QTextDocument::contentsChange, this,
                &BackgroundTagCheck::onContentsChange);
    m_running = true;
    m_pause.start();
}

void BackgroundTagCheck::stop() {
    disconnect(&m_document, &QTextDocument::contentsChange, this,
               &BackgroundTagCheck::onContentsChange);
    m_running = false;
    m_pause.stop();
    m_overtaken = true; // a check under way is of no use any more
}

void BackgroundTagCheck::onContentsChange(int, int removed, int added) {
    if (removed == 0 && added == 0)
        return;
    m_overtaken = true;
    m_pause.start();
}

void BackgroundTagCheck::runCheck() {
    if (m_check.isRunning()) {
        m_pause.start(); // one check at a time; this one waits for the next pause
        return;
    }
    m_overtaken = false;
    auto promise = std::make_shared<QPromise<QList<TagProblem>>>();
    m_check.setFuture(promise->future());
    promise->start();
    QThreadPool::globalInstance()->start([promise, text = m_document.toPlainText()] {
        promise->addResult(checkTags(text));
        promise->finish();
    });
}

void BackgroundTagCheck::onCheckFinished() {
    if (!m_overtaken && m_running && m_check.future().resultCount() > 0)
        emit problemsFound(m_check.result());
}
