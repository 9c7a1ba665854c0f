#include "platform/rtf/RtfWriter.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QHash>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <optional>
#include <vector>

namespace {

// Collects the fonts and colours in order of first use, so that equal documents give
// equal tables and an edit only touches the tables when it brings something new.
class Tables {
public:
    int font(const QString& family) { return indexOf(m_fonts, m_fontOrder, family); }
    // Colour table entries start at 1; 0 is the automatic colour.
    int color(QRgb rgb) { return indexOf(m_colors, m_colorOrder, rgb) + 1; }

    QString header() const;

private:
    template <typename Key>
    static int indexOf(QHash<Key, int>& index, QList<Key>& order, const Key& key) {
        auto it = index.constFind(key);
        if (it != index.constEnd())
            return *it;
        order.append(key);
        return *index.insert(key, order.size() - 1);
    }

    QHash<QString, int> m_fonts;
    QList<QString> m_fontOrder;
    QHash<QRgb, int> m_colors;
    QList<QRgb> m_colorOrder;
};

bool isPlainAscii(char16_t u) {
    return u >= 0x20 && u < 0x7F && u != u'\\' && u != u'{' && u != u'}';
}

void appendEscaped(QString& out, QStringView text) {
    qsizetype i = 0;
    while (i < text.size()) {
        // Most text is plain ASCII: copy it a stretch at a time.
        qsizetype end = i;
        while (end < text.size() && isPlainAscii(text[end].unicode()))
            ++end;
        out += text.mid(i, end - i);
        if (end == text.size())
            break;
        const char16_t u = text[end].unicode();
        if (u == u'\\' || u == u'{' || u == u'}') {
            out += u'\\';
            out += QChar(u);
        } else if (u == u'\t') {
            out += QLatin1String("\\tab ");
        } else if (u == 0x2028) {
            out += QLatin1String("\\line ");
        } else {
            // RTF numbers are signed 16-bit; a surrogate pair becomes two escapes.
            out += QLatin1String("\\u");
            out += QString::number(static_cast<int16_t>(u));
            out += u'?';
        }
        i = end + 1;
    }
}

const QLatin1String kOpening("{\\rtf1\\ansi\\ansicpg1252\\uc1\n{\\fonttbl");
const QLatin1String kColorTable("}\n{\\colortbl;");
const QLatin1String kHeaderEnd("}\n");

QString Tables::header() const {
    QString out = kOpening;
    for (int i = 0; i < m_fontOrder.size(); ++i) {
        out += QStringLiteral("{\\f%1 ").arg(i);
        // ';' ends a name in the table, so it travels as a hex escape.
        QString name;
        appendEscaped(name, m_fontOrder[i]);
        out += name.replace(u';', QLatin1String("\\'3b"));
        out += QLatin1String(";}");
    }
    out += kColorTable;
    for (QRgb rgb : m_colorOrder)
        out += QStringLiteral("\\red%1\\green%2\\blue%3;")
                   .arg(qRed(rgb))
                   .arg(qGreen(rgb))
                   .arg(qBlue(rgb));
    out += kHeaderEnd;
    return out;
}

QString familyOf(const QTextCharFormat& format) {
    const QStringList families = format.property(QTextFormat::FontFamilies).toStringList();
    if (!families.isEmpty())
        return families.first();
    return format.property(QTextFormat::FontFamily).toString();
}

bool hasBrush(const QTextCharFormat& format, int property) {
    return format.hasProperty(property) && format.brushProperty(property).style() != Qt::NoBrush;
}

// The control words that set a run's formatting, ending with the delimiting space;
// empty for a run without formatting.
QString controlWordsFor(const QTextCharFormat& format, Tables& tables) {
    QString words;
    const QString family = familyOf(format);
    if (!family.isEmpty())
        words += QStringLiteral("\\f%1").arg(tables.font(family));
    if (format.fontPointSize() > 0)
        words += QStringLiteral("\\fs%1").arg(qRound(format.fontPointSize() * 2));
    if (format.fontWeight() >= QFont::DemiBold)
        words += QLatin1String("\\b");
    if (format.fontItalic())
        words += QLatin1String("\\i");
    if (format.fontUnderline())
        words += QLatin1String("\\ul");
    if (format.fontStrikeOut())
        words += QLatin1String("\\strike");
    if (hasBrush(format, QTextFormat::ForegroundBrush))
        words += QStringLiteral("\\cf%1").arg(tables.color(format.foreground().color().rgb()));
    if (hasBrush(format, QTextFormat::BackgroundBrush))
        words +=
            QStringLiteral("\\highlight%1").arg(tables.color(format.background().color().rgb()));
    if (!words.isEmpty())
        words += u' ';
    return words;
}

// The control words of each of the document's formats, worked out once per write.
class FormatWords {
public:
    const QString& of(const QTextFragment& fragment, Tables& tables) {
        const auto index = std::size_t(fragment.charFormatIndex());
        if (index >= m_words.size())
            m_words.resize(index + 1);
        std::optional<QString>& words = m_words[index];
        if (!words)
            words = controlWordsFor(fragment.charFormat(), tables);
        return *words;
    }

private:
    std::vector<std::optional<QString>> m_words; // by format index
};

// Writes one paragraph: one group per run of equal formatting, unformatted text bare.
// Adjacent fragments that come out alike are merged, so the output does not depend on
// how the document happens to split its fragments. text is the paragraph's raw text.
void writeBlock(const QTextBlock& block, QStringView text, Tables& tables, FormatWords& formatWords,
                QString& out) {
    QString openWords;
    int offset = 0; // fragments follow each other without a gap
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const QString& words = formatWords.of(fragment, tables);
        if (words != openWords) {
            if (!openWords.isEmpty())
                out += u'}';
            if (!words.isEmpty()) {
                out += u'{';
                out += words;
            }
            openWords = words;
        }
        appendEscaped(out, text.mid(offset, fragment.length()));
        offset += fragment.length();
    }
    if (!openWords.isEmpty())
        out += u'}';
}

// Writes the paragraphs from first to last, each taking its raw text from textOf.
template <typename TextOf>
QString writeBlocks(const QTextBlock& first, const QTextBlock& last, TextOf textOf,
                    qsizetype reserve) {
    Tables tables;
    FormatWords formatWords;
    QString body;
    body.reserve(reserve);
    for (QTextBlock block = first; block.isValid(); block = block.next()) {
        if (block != first)
            body += QLatin1String("\\par\n");
        writeBlock(block, textOf(block), tables, formatWords, body);
        if (block == last)
            break;
    }
    body += u'}';
    return body.prepend(tables.header());
}

} // namespace

namespace RtfWriter {

QString write(const QTextDocument& document) {
    // One copy of the text, sliced by paragraph, saves a string per paragraph.
    const QString text = document.toRawText();
    const auto textOf = [&text](const QTextBlock& block) {
        return QStringView(text).mid(block.position(), block.length() - 1);
    };
    return writeBlocks(document.begin(), document.lastBlock(), textOf,
                       text.size() + text.size() / 8 + 64);
}

QString write(const QTextBlock& first, const QTextBlock& last) {
    const auto textOf = [](const QTextBlock& block) { return block.text(); };
    return writeBlocks(first, last, textOf,
                       last.position() + last.length() - first.position() + 64);
}

QString emptyHeader() {
    return QString(kOpening) + kColorTable + kHeaderEnd;
}

qsizetype bodyStart(QStringView rtf) {
    if (!rtf.startsWith(kOpening) || !rtf.endsWith(u'}'))
        return -1;
    // Font names cannot hold a line break, so the first one before the colour table is
    // the font table's end; colour entries hold no brace.
    const qsizetype colors = rtf.indexOf(kColorTable);
    const qsizetype end = colors < 0 ? -1 : rtf.indexOf(kHeaderEnd, colors + kColorTable.size());
    return end < 0 ? -1 : end + kHeaderEnd.size();
}

} // namespace RtfWriter
