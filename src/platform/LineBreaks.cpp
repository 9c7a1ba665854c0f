#include "platform/LineBreaks.h"

#include "platform/TextDecoding.h"

namespace LineBreaks {

QString toInternal(const QString& text) {
    QString unified = text;
    unified.replace(QChar::ParagraphSeparator, u'\n').replace(QChar::LineSeparator, u'\n');
    return TextDecoding::normalizeLineBreaks(unified, u"\n");
}

QString toCrLf(const QString& text) {
    QString internal = toInternal(text);
    return internal.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

} // namespace LineBreaks
