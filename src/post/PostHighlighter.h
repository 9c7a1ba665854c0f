#pragma once

#include <QList>
#include <QSyntaxHighlighter>

class TextMarker;

// Draws the marks of every writing aid over the post's paragraphs. Each paragraph is
// marked again when its text changes; a marker whose marks change for another reason (a
// word added to the dictionary, an aid switched off) asks for a refresh. Marks of several
// markers on the same characters are merged, the later marker's properties winning.
class PostHighlighter : public QSyntaxHighlighter {
    Q_OBJECT
public:
    explicit PostHighlighter(QTextDocument* document);

    // The marker is not owned and must outlive the highlighter or be removed first.
    void addMarker(TextMarker* marker);
    void removeMarker(TextMarker* marker);

    void refreshParagraph(const QTextBlock& paragraph);
    void refreshAll();

protected:
    void highlightBlock(const QString& text) override;

private:
    QList<TextMarker*> m_markers;
};
