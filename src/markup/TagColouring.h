#pragma once

#include "markup/TagChecker.h"
#include "markup/TagColourMarker.h"

#include <QObject>
#include <QPointer>

class BackgroundTagCheck;
class PostHighlighter;
class QHelpEvent;
class QTextBlock;
class QTextEdit;

// Tag colouring on the post: the tags coloured, the problems the tag checker finds
// underlined with its message as their tooltip, and the tag at the caret highlighted with
// its partner. Everything it draws is layout only, never part of the text.
class TagColouring : public QObject {
    Q_OBJECT
public:
    // Starts switched off.
    TagColouring(QTextEdit& editor, PostHighlighter& highlighter, QObject* parent = nullptr);
    ~TagColouring() override;

    // Off takes the colours, the problem marks and the highlighted pair away.
    void setEnabled(bool enabled);
    bool isEnabled() const { return m_enabled; }

    const TagColours& colours() const { return m_marker.colours(); }

public slots:
    // The tag checker's problems for the whole post, replacing those shown.
    void setProblems(const QList<TagProblem>& problems);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refreshParagraphsAt(const QList<TagProblem>& problems);
    void showPairAtCaret();
    bool showProblemTip(const QHelpEvent& event);

    QTextEdit& m_editor;
    QPointer<PostHighlighter> m_highlighter; // goes first when the post's editor goes
    TagColourMarker m_marker;
    BackgroundTagCheck* m_check;
    bool m_enabled = false;
};
