#include "platform/rtf/RtfParagraphs.h"

#include "platform/rtf/RtfReader.h"
#include "platform/rtf/RtfWriter.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

namespace {

const QByteArray kFullImage = QByteArrayLiteral("{\\rtf1");
const QByteArray kParagraphBreak = QByteArrayLiteral("\\par\n");

const QString& emptyHeader() {
    static const QString header = RtfWriter::emptyHeader();
    return header;
}

bool isBodyOnly(QByteArrayView image) {
    return !image.startsWith(kFullImage);
}

QString expanded(QByteArrayView image) {
    if (!isBodyOnly(image))
        return QString::fromLatin1(image);
    return emptyHeader() + QString::fromLatin1(image) + u'}';
}

// Puts an image's paragraphs at the cursor, in a paragraph emptied for them.
void insertAt(QTextCursor& cursor, QByteArrayView image) {
    // As a paragraph of a fresh read would be.
    cursor.setBlockFormat(QTextBlockFormat());
    cursor.setBlockCharFormat(QTextCharFormat());
    RtfReader::insert(expanded(image), cursor);
}

} // namespace

namespace RtfParagraphs {

QByteArray write(const QTextDocument& document, int first, int last) {
    const QString rtf =
        RtfWriter::write(document.findBlockByNumber(first), document.findBlockByNumber(last));
    const QString& header = emptyHeader();
    if (!rtf.startsWith(header))
        return rtf.toLatin1();
    return QStringView(rtf).mid(header.size(), rtf.size() - header.size() - 1).toLatin1();
}

QByteArray join(std::vector<QByteArray>::const_iterator begin,
                std::vector<QByteArray>::const_iterator end) {
    if (end - begin == 1)
        return *begin;
    if (std::all_of(begin, end, [](const QByteArray& image) { return isBodyOnly(image); })) {
        QByteArray joined;
        for (auto it = begin; it != end; ++it) {
            if (it != begin)
                joined += kParagraphBreak;
            joined += *it;
        }
        return joined;
    }
    // Tables differ from image to image: read them all and write them again as one.
    QTextDocument scratch;
    QTextCursor cursor(&scratch);
    for (auto it = begin; it != end; ++it) {
        if (it != begin)
            cursor.insertBlock();
        insertAt(cursor, *it);
    }
    return write(scratch, 0, scratch.blockCount() - 1);
}

void replace(QTextDocument& document, int first, int count, QByteArrayView image) {
    const QTextBlock firstBlock = document.findBlockByNumber(first);
    const QTextBlock lastBlock = document.findBlockByNumber(first + count - 1);
    if (!firstBlock.isValid() || !lastBlock.isValid())
        return;
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    cursor.setPosition(firstBlock.position());
    cursor.setPosition(lastBlock.position() + lastBlock.length() - 1, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    insertAt(cursor, image);
    cursor.endEditBlock();
}

} // namespace RtfParagraphs
