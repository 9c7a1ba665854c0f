#include "LaidOutLines.h"

#include "platform/LayoutPause.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

QList<QList<qreal>> laidOutLines(const QTextDocument& document) {
    QList<QList<qreal>> lines;
    for (QTextBlock paragraph = document.begin(); paragraph.isValid();
         paragraph = paragraph.next()) {
        const QTextLayout& layout = *paragraph.layout();
        for (int i = 0; i < layout.lineCount(); ++i) {
            const QTextLine line = layout.lineAt(i);
            const QRectF place = line.rect().translated(layout.position());
            lines.append({qreal(paragraph.position() + line.textStart()), qreal(line.textLength()),
                          place.x(), place.y(), place.width(), place.height(),
                          line.naturalTextWidth()});
        }
    }
    return lines;
}

bool laidOutAsQtWould(QTextDocument& document) {
    const QList<QList<qreal>> lines = laidOutLines(document);
    LayoutPause::layOutAgain(document);
    document.documentLayout()->documentSize(); // to the end
    return lines == laidOutLines(document);
}
