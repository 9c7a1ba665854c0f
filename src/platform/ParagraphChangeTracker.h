#pragma once

#include "platform/ParagraphChange.h"

#include <QObject>
#include <optional>
#include <vector>

class QTextDocument;

// Follows the changes of a document's paragraphs from one recorded change to the next,
// at the cost of the paragraphs they touch. Every edit of the text is announced before it
// is made (an Edit over the characters it may touch): the first time a paragraph may
// change, its RTF is kept. The document's own change notification (position, removed,
// added) then widens the changed range, so take() serialises only the paragraphs that
// changed, as they were and as they are.
//
// Changes outside an Edit that leave the text alone (a syntax highlighter's layout
// formats) are no changes. A text change outside every Edit and outside the kept
// paragraphs cannot be given back; take() reports it as not followed.
class ParagraphChangeTracker : public QObject {
    Q_OBJECT
public:
    enum class Mode {
        Track,    // changes are followed and recorded
        Replay,   // the history is giving back a change: a text change, not a new one
        Disregard // formatting that is no change of the text (a preview, the default font)
    };

    explicit ParagraphChangeTracker(QTextDocument& document);

    // Announces an edit that may touch the characters from to to, for as long as it lives.
    class Edit {
    public:
        Edit(ParagraphChangeTracker& tracker, int from, int to);
        ~Edit();
        Edit(const Edit&) = delete;
        Edit& operator=(const Edit&) = delete;

    private:
        ParagraphChangeTracker& m_tracker;
    };

    // Puts the tracker in a mode for as long as it lives, then back in the one before.
    class ModeScope {
    public:
        ModeScope(ParagraphChangeTracker& tracker, Mode mode);
        ~ModeScope();
        ModeScope(const ModeScope&) = delete;
        ModeScope& operator=(const ModeScope&) = delete;

    private:
        ParagraphChangeTracker& m_tracker;
        Mode m_previous;
    };

    Mode mode() const { return m_mode; }
    // Back in Track after a Replay, what was replayed is the new starting point.
    void setMode(Mode mode);

    // The change since the last take() or forget(), or nothing when the paragraphs read as
    // they did; starts afresh.
    std::optional<ParagraphChange> take();
    // Starts afresh: the present paragraphs are the starting point. Nothing is kept or
    // followed before the first call, so a document whose changes nobody takes costs nothing.
    void forget();
    // True once after each change of the text (tracked or replayed), for the control's
    // change notification; false for layout-only and disregarded changes.
    bool takeTextChanged();

private:
    void keep(int from, int to);
    void onContentsChange(int position, int removed, int added);
    // Number of the paragraph that holds the character at position (clamped).
    int blockAt(int position) const;
    // The position just after the paragraph's text (its separator, or the very end).
    int endOf(int blockNumber) const;

    QTextDocument& m_document;
    Mode m_mode = Mode::Track;
    int m_openEdits = 0;
    bool m_textChanged = false;

    // The kept paragraphs, one image each, as they were before the pending change; they
    // now run from m_keptFrom to m_keptTo (the end of the last one).
    std::vector<QByteArray> m_kept;
    int m_keptFrom = 0;
    int m_keptTo = 0;
    // The characters that the pending change has made, in today's positions; -1 when none.
    int m_changedFrom = -1;
    int m_changedTo = -1;
    bool m_lost = false;
    bool m_following = false;
};
