#pragma once

#include <QObject>
#include <vector>

class QTextDocument;
class QTimer;

// The characters and words of a document, kept up to date from the range each change
// touched: the paragraphs in that range are counted again and the others keep their
// counts. A change too large to count at once (opening a file, one huge paragraph) is
// counted after a short pause instead, so typing never waits for a recount.
class TextCounts : public QObject {
    Q_OBJECT
public:
    explicit TextCounts(QTextDocument& document, QObject* parent = nullptr);

    // The document's characters, a line break counting as one.
    int characters() const;
    // Runs of characters other than blanks and line breaks.
    int words() const;
    // The words that have a character in [start, end).
    int wordsBetween(int start, int end) const;

signals:
    // The counts changed.
    void changed();

private:
    void onContentsChange(int position, int removed, int added);
    void recountAll();

    QTextDocument& m_document;
    std::vector<int> m_paragraphWords; // one entry per paragraph, in order
    int m_words = 0;
    bool m_stale = false; // waiting for the pause before a full recount
    QTimer* m_pause = nullptr;
};
