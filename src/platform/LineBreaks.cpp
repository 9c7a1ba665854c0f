#include "platform/LineBreaks.h"

namespace LineBreaks {

QString toInternal(const QString& text) {
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r')) {
            result += QLatin1Char('\n');
            if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
        } else if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator) {
            result += QLatin1Char('\n');
        } else {
            result += c;
        }
    }
    return result;
}

QString toCrLf(const QString& text) {
    QString internal = toInternal(text);
    return internal.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

} // namespace LineBreaks
