#include "settings/IniDocument.h"

#include "platform/TextDecoding.h"

namespace {

// White space as the profile functions skip it; 0x1A is the old end-of-file mark.
bool isProfileSpace(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\v' || c == u'\f' || c == QChar(0x1A);
}

QStringView trimmed(QStringView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isProfileSpace(text[begin]))
        ++begin;
    while (end > begin && isProfileSpace(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}

QStringView withoutLineBreak(QStringView line) {
    while (!line.isEmpty() && (line.back() == u'\r' || line.back() == u'\n'))
        line.chop(1);
    return line;
}

bool hasLineBreak(QStringView text) {
    return text.contains(u'\r') || text.contains(u'\n');
}

bool sameName(QStringView a, QStringView b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The name of a section header line ("[name]", up to the last "]"), or nothing.
std::optional<QStringView> sectionName(QStringView line) {
    const QStringView content = trimmed(withoutLineBreak(line));
    if (!content.startsWith(u'['))
        return std::nullopt;
    const qsizetype close = content.lastIndexOf(u']');
    if (close <= 0)
        return std::nullopt;
    return trimmed(content.mid(1, close - 1));
}

struct KeyLine {
    QStringView name;
    qsizetype valueStart; // index in the line just after the "="
    QStringView value;
};

std::optional<KeyLine> keyLine(QStringView line) {
    const QStringView content = withoutLineBreak(line);
    const qsizetype equals = content.indexOf(u'=');
    if (equals < 0)
        return std::nullopt;
    return KeyLine{trimmed(content.left(equals)), equals + 1, trimmed(content.mid(equals + 1))};
}

QStringView withoutEnclosingQuotes(QStringView value) {
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
        value.back() == value.front())
        return value.mid(1, value.size() - 2);
    return value;
}

bool isBlank(QStringView line) {
    return trimmed(withoutLineBreak(line)).isEmpty();
}

} // namespace

IniDocument::IniDocument(const QString& text)
    : m_lines(TextDecoding::splitKeepingLineBreaks(text)) {}

std::optional<IniDocument::Range> IniDocument::findSection(const QString& section) const {
    const QStringView wanted = trimmed(section);
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        const auto name = sectionName(m_lines[i]);
        if (!name || !sameName(*name, wanted))
            continue;
        qsizetype end = i + 1;
        while (end < m_lines.size() && !sectionName(m_lines[end]))
            ++end;
        return Range{i + 1, end};
    }
    return std::nullopt;
}

std::optional<qsizetype> IniDocument::findKey(const Range& range, const QString& key) const {
    const QStringView wanted = trimmed(key);
    for (qsizetype i = range.begin; i < range.end; ++i) {
        const auto line = keyLine(m_lines[i]);
        if (line && sameName(line->name, wanted))
            return i;
    }
    return std::nullopt;
}

std::optional<QString> IniDocument::value(const QString& section, const QString& key) const {
    if (trimmed(section).isEmpty() || trimmed(key).isEmpty())
        return std::nullopt;
    const auto range = findSection(section);
    if (!range)
        return std::nullopt;
    const auto index = findKey(*range, key);
    if (!index)
        return std::nullopt;
    return withoutEnclosingQuotes(keyLine(m_lines[*index])->value).toString();
}

QString IniDocument::lineBreak() const {
    for (const QString& line : m_lines) {
        const QString found = TextDecoding::firstLineBreak(line, QString());
        if (!found.isEmpty())
            return found;
    }
    return QStringLiteral("\r\n");
}

void IniDocument::ensureLineBreakAt(qsizetype line) {
    if (line >= 0 && line < m_lines.size() && withoutLineBreak(m_lines[line]) == m_lines[line])
        m_lines[line] += lineBreak();
}

IniDocument::Change IniDocument::setValue(const QString& section, const QString& key,
                                          const QString& value) {
    const QStringView sectionText = trimmed(section);
    const QStringView keyText = trimmed(key);
    if (sectionText.isEmpty() || keyText.isEmpty() || hasLineBreak(sectionText) ||
        hasLineBreak(keyText) || keyText.contains(u'=') || keyText.startsWith(u'[') ||
        hasLineBreak(value))
        return Change::Refused;

    const QString eol = lineBreak();
    const QString newKeyLine = keyText.toString() + u'=' + value + eol;
    const auto range = findSection(section);
    if (!range) {
        ensureLineBreakAt(m_lines.size() - 1);
        m_lines.append(u'[' + sectionText.toString() + u']' + eol);
        m_lines.append(newKeyLine);
        return Change::Changed;
    }

    if (const auto index = findKey(*range, key)) {
        QString& line = m_lines[*index];
        const KeyLine existing = *keyLine(line);
        if (existing.value == value)
            return Change::Unchanged;
        const QStringView ownBreak = QStringView(line).mid(withoutLineBreak(line).size());
        line = line.left(existing.valueStart) + value + ownBreak.toString();
        return Change::Changed;
    }

    qsizetype insertAt = range->end;
    while (insertAt > range->begin && isBlank(m_lines[insertAt - 1]))
        --insertAt;
    ensureLineBreakAt(insertAt - 1);
    m_lines.insert(insertAt, newKeyLine);
    return Change::Changed;
}
