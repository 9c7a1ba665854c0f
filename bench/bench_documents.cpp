#include "bench_documents.h"

#include "platform/rtf/RtfWriter.h"

#include <QColor>
#include <QFont>
#include <QStringList>
#include <QTextCursor>
#include <QTextDocument>
#include <map>
#include <tuple>
#include <utility>

namespace {

const QStringList& sentences() {
    static const QStringList list = {
        "I tried the new release last night and it works much better than before. ",
        "Has anyone else seen the loader hang when the cache is full? ",
        "[quote]It only happens on the second start[/quote] ",
        "Thanks for the tip, that fixed it for me. ",
        QString::fromUtf8("The café down the road sells them for 3 € each. "),
        "See [url]https://forum.example/topic/42[/url] for the details. ",
        "We should meet up after the patch is out and compare notes. ",
        QString::fromUtf8("Nice one 😀 "),
    };
    return list;
}

QTextCharFormat coloured(int i) {
    static const QColor colours[] = {Qt::red, Qt::blue, QColor(0, 128, 0), QColor(128, 0, 128)};
    QTextCharFormat format;
    format.setForeground(colours[i % 4]);
    return format;
}

// A different combination of the writer's attributes for each of twelve words in turn.
QTextCharFormat wordFormat(int i) {
    QTextCharFormat format;
    switch (i % 12) {
    case 0:
        format.setFontWeight(QFont::Bold);
        break;
    case 1:
        format.setFontItalic(true);
        break;
    case 2:
        format.setFontUnderline(true);
        break;
    case 3:
        format.setForeground(Qt::red);
        break;
    case 4:
        format.setBackground(Qt::yellow);
        break;
    case 5:
        format.setFontFamilies({"Courier New"});
        break;
    case 6:
        format.setFontPointSize(14);
        break;
    case 7:
        format.setFontStrikeOut(true);
        break;
    case 8:
        format.setFontWeight(QFont::Bold);
        format.setForeground(Qt::blue);
        break;
    case 9:
        format.setFontItalic(true);
        format.setBackground(Qt::cyan);
        break;
    case 10:
        format.setFontFamilies({"Verdana"});
        format.setFontPointSize(9);
        break;
    default:
        break; // plain
    }
    return format;
}

void fillPost(QTextCursor& cursor, int size) {
    const QStringList& list = sentences();
    for (int paragraph = 0; cursor.document()->characterCount() < size; ++paragraph) {
        for (int s = 0; s < 5; ++s)
            cursor.insertText(list[(paragraph * 3 + s) % list.size()], QTextCharFormat());
        if (paragraph % 3 == 0) // a pasted stretch keeps its colour
            cursor.insertText("as the release notes say, in colour", coloured(paragraph));
        cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
    }
}

void fillFormatted(QTextCursor& cursor, int size) {
    const QStringList words = sentences().join(QString()).split(u' ', Qt::SkipEmptyParts);
    for (int i = 0; cursor.document()->characterCount() < size; ++i) {
        cursor.insertText(words[i % words.size()], wordFormat(i));
        cursor.insertText(" ", QTextCharFormat());
        if (i % 40 == 39)
            cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
    }
}

// Every fourth word is coloured or struck out, in turn.
QTextCharFormat markedWordFormat(int word) {
    if (word % 4 != 3)
        return QTextCharFormat();
    if (word % 8 == 3)
        return coloured(word / 8);
    QTextCharFormat format;
    format.setFontStrikeOut(true);
    return format;
}

void fillWorkText(QTextCursor& cursor, const BenchDocuments::WorkText& text) {
    const int sentencesPerBlock = text.shape == BenchDocuments::Shape::ShortLines ? 1 : 40;
    const QStringList& list = sentences();
    QString plainRun;
    int word = 0;
    for (int sentence = 0; cursor.document()->characterCount() < text.size;) {
        if (sentence > 0)
            cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
        for (int s = 0; s < sentencesPerBlock; ++s, ++sentence) {
            const QString line = list[sentence % list.size()].trimmed() + u' ';
            if (!text.formatted) {
                cursor.insertText(s + 1 < sentencesPerBlock ? line : line.trimmed());
                continue;
            }
            for (const QString& w : line.split(u' ', Qt::SkipEmptyParts)) {
                const QTextCharFormat format = markedWordFormat(word++);
                if (format.isEmpty()) {
                    plainRun += w + u' ';
                    continue;
                }
                cursor.insertText(plainRun, QTextCharFormat());
                cursor.insertText(w, format);
                plainRun = u' ';
            }
        }
        cursor.insertText(plainRun.trimmed(), QTextCharFormat());
        plainRun.clear();
    }
}

} // namespace

namespace BenchDocuments {

const QString& rtf(const WorkText& text) {
    static std::map<std::tuple<Shape, bool, int>, QString> built;
    QString& rtf = built[{text.shape, text.formatted, text.size}];
    if (rtf.isEmpty()) {
        QTextDocument document;
        document.setUndoRedoEnabled(false);
        QTextCursor cursor(&document);
        fillWorkText(cursor, text);
        rtf = RtfWriter::write(document);
    }
    return rtf;
}

QString describe(const WorkText& text) {
    return QString("%1 MB %2%3")
        .arg(text.size >> 20)
        .arg(text.shape == Shape::ShortLines ? "short lines" : "long paragraphs")
        .arg(text.formatted ? ", formatted" : "");
}

const QString& rtf(Kind kind, int size) {
    static std::map<std::pair<Kind, int>, QString> built;
    QString& rtf = built[{kind, size}];
    if (rtf.isEmpty()) {
        QTextDocument document;
        document.setUndoRedoEnabled(false);
        QTextCursor cursor(&document);
        if (kind == Kind::Post)
            fillPost(cursor, size);
        else
            fillFormatted(cursor, size);
        rtf = RtfWriter::write(document);
    }
    return rtf;
}

const char* name(Kind kind) {
    return kind == Kind::Post ? "post" : "formatted";
}

} // namespace BenchDocuments
