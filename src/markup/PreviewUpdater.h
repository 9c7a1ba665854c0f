#pragma once

#include "markup/PreviewDocument.h"

#include <QFutureWatcher>
#include <QObject>
#include <QTimer>
#include <memory>
#include <optional>

// Keeps a view's document showing a post as renderVnml renders it, without holding up the
// typing: the post is rendered and compared with what is shown on a worker thread, and the
// view's document gets only the paragraphs that changed, a few at a time between events.
// A text handed in while one is rendered waits and replaces any text waiting, so a stale
// render never overwrites a newer one. Destroying the updater during a render is safe.
class PreviewUpdater : public QObject {
    Q_OBJECT
public:
    // `shown` is the view's document; it must outlive the updater and change only through it.
    PreviewUpdater(QTextDocument& shown, QObject* parent = nullptr);

    // Renders `post` (a plain text, or a document's raw characters) and brings the shown
    // document to match it. Returns at once.
    void update(const QString& post, const VnmlRenderOptions& options);

    // The shown document matches the last text handed in.
    bool isUpToDate() const;

    // A step never moves many more characters than this.
    static constexpr int kStepSize = 2 * 1024;
    // Steps are applied until this much time has gone, then the events come first.
    static constexpr int kStepBudgetMs = 8;

signals:
    // The shown document has caught up with the last text handed in.
    void upToDate();

private:
    struct Request {
        QString post;
        VnmlRenderOptions options;
    };
    struct Rendered {
        std::shared_ptr<QTextDocument> document;
        PreviewPatch patch;
    };

    void start(const Request& request);
    void rendered();
    void applySteps();

    QTextDocument& m_shown;
    // What the shown document holds once the steps waiting are applied. Only the render
    // running reads it.
    std::shared_ptr<QTextDocument> m_target;
    QFutureWatcher<Rendered> m_rendering;
    bool m_busy = false; // from start() until its result is taken in
    std::optional<Request> m_waiting;
    QList<PreviewPatch::Step> m_steps;
    QTimer m_stepTimer;
};
