#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// A tag that the forum cannot pair up as the writer meant.
struct TagProblem {
    enum class Kind {
        NotClosed, // a start tag without its end tag
        NotOpened, // an end tag without its start tag
        Crossed,   // an end tag that closes its start tag while a later tag is still open
    };
    Kind kind = Kind::NotClosed;
    QString tag;      // the offending tag as written, e.g. "[b]" or "[/b]"
    QString innerTag; // Crossed: the start tag still open inside, e.g. "[i]"
    int line = 0;     // 1-based
    int column = 0;   // 1-based, in characters
    // Where the tag is in the editing surface, a line break counting as one character,
    // and how many characters it takes.
    int position = 0;
    int length = 0;

    // "Line 2, column 5: [b] is never closed"
    QString message() const;

    bool operator==(const TagProblem& other) const;
};

// Every problem of the post, in the order of the tags in the text. The text may have
// CR LF, CR or LF line breaks.
QList<TagProblem> checkTags(QStringView post);
