#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QRectF>
#include <QTextCursor>
#include <QTextLayout>
#include <QTimer>
#include <vector>

class QTextBlock;
class QTextDocument;
class QTextEdit;
class TextMarker;

// Draws the marks of every writing aid over the post's paragraphs, as layout formats only
// (QTextLayout::setFormats), which never reach the text, its formats or its undo history.
// A paragraph is marked again when its text changes; a marker whose marks change for
// another reason (a word added to the dictionary, an aid switched off) asks for a refresh.
// Marks of several markers on the same characters are merged, the later marker's
// properties winning.
//
// A small change is marked at once. A large one (a whole post opened) is marked between
// events in slices of a few milliseconds, the paragraphs on show first, as they are drawn,
// so a long post opens and scrolls without waiting for its marks.
class PostHighlighter : public QObject {
    Q_OBJECT
public:
    explicit PostHighlighter(QTextDocument* document);

    QTextDocument* document() const { return m_document; }
    // The paragraphs this view shows are marked before the others.
    void followView(QTextEdit* view);

    // The marker is not owned and must outlive the highlighter or be removed first.
    void addMarker(TextMarker* marker);
    void removeMarker(TextMarker* marker);

    // Marks the paragraphs holding the characters from..to again: at once when they are few,
    // else between events like a large change.
    void refresh(int from, int to);
    void refreshAll();

    // The state the marker's stateAfter handed to this paragraph (0 for the first).
    int stateBefore(const QTextBlock& paragraph, const TextMarker* marker) const;
    // Paragraphs still wait to be marked.
    bool isBusy() const { return !m_pending.empty(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    // Every paragraph has its marks.
    void settled();

private:
    // A stretch of paragraphs waiting to be marked; the cursors move with the edits.
    struct PendingStretch {
        QTextCursor start;
        QTextCursor end;
    };

    void onContentsChange(int position, int removed, int added);
    void addPending(int from, int to);
    void markStretchNow(int from, int to);
    void markVisible();
    void markSlice();
    // Paragraphs whose marks changed are laid out again together, one run of neighbours at a
    // time, rather than one by one: each relayout has a cost of its own beside the text's.
    struct MarkedRun {
        int from = -1;
        int to = -1;
    };
    void noteMarked(const QTextBlock& paragraph);
    // Lays out the run gathered and redraws the paragraphs marked in place.
    void relayOutMarked();
    // A paragraph marked in place, keeping its lines, is only drawn again.
    void noteRedrawn(const QRectF& paragraph);
    void redrawNoted();
    void dropMarks(int from, int to);
    // Marks one paragraph; returns whether the state it hands on changed.
    bool markParagraph(const QTextBlock& paragraph);
    QList<QTextLayout::FormatRange> mergedMarks(const QTextBlock& paragraph, const QString& text,
                                                int packedStateBefore);

    QTextDocument* m_document;
    QPointer<QTextEdit> m_view;
    QList<TextMarker*> m_markers;
    std::vector<PendingStretch> m_pending;
    MarkedRun m_marked;
    MarkedRun m_change; // the characters of the change under way, which Qt lays out again
    QRectF m_redraw;    // around the paragraphs marked in place, to be drawn again
    bool m_drawnAnyway = false;
    bool m_visibleMarked = false;
    QTimer m_idle;
};
