#include "markup/PreviewUpdater.h"

#include "markup/BackgroundWork.h"
#include "markup/DocumentTextCopy.h"
#include "platform/LineBreaks.h"

#include <QElapsedTimer>
#include <QTextDocument>
#include <utility>

PreviewUpdater::PreviewUpdater(QTextDocument& shown, QObject* parent)
    : QObject(parent), m_shown(shown), m_target(std::make_shared<QTextDocument>()) {
    m_target->rootFrame(); // made here, so the render reading it makes nothing on its thread
    m_shown.setUndoRedoEnabled(false);
    m_shown.clear();
    m_stepTimer.setSingleShot(true);
    connect(&m_stepTimer, &QTimer::timeout, this, &PreviewUpdater::applySteps);
    connect(&m_rendering, &QFutureWatcher<Rendered>::finished, this, &PreviewUpdater::rendered);
}

void PreviewUpdater::update(const QString& post, const VnmlRenderOptions& options) {
    if (m_busy)
        m_waiting = Request{post, options};
    else
        start(Request{post, options});
}

bool PreviewUpdater::isUpToDate() const {
    return !m_busy && !m_waiting && m_steps.isEmpty();
}

void PreviewUpdater::start(const Request& request) {
    m_busy = true;
    m_rendering.setFuture(runInBackground<Rendered>([request, target = m_target] {
        const QString post = LineBreaks::toCrLf(plainTextOf(request.post));
        std::shared_ptr<QTextDocument> next = buildPreviewDocument(post, request.options);
        PreviewPatch patch = diffPreviewDocuments(*target, *next, kStepSize);
        return Rendered{std::move(next), std::move(patch)};
    }));
}

void PreviewUpdater::rendered() {
    m_busy = false;
    const Rendered result = m_rendering.result();
    // A long post's document takes a while to free: that happens off the typing path too.
    runInBackground<bool>([old = std::exchange(m_target, result.document)]() mutable {
        old.reset();
        return true;
    });
    m_steps += result.patch.steps;
    if (m_waiting) {
        start(*m_waiting);
        m_waiting.reset();
    }
    applySteps();
}

void PreviewUpdater::applySteps() {
    QElapsedTimer clock;
    clock.start();
    while (!m_steps.isEmpty() && (clock.elapsed() < kStepBudgetMs))
        applyPreviewStep(m_shown, m_steps.takeFirst());
    if (!m_steps.isEmpty())
        m_stepTimer.start();
    else if (isUpToDate())
        emit upToDate();
}
