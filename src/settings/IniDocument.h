#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The text of an INI file with the reading and writing rules of the classic Windows profile
// functions: a line "[name]" opens a section, a line "key=value" holds a value, section and
// key names match without regard to case and without the white space around them, and the
// first of two sections or keys of the same name is the one that counts. A change touches
// only the one line it needs (or adds lines); every other line, comments, blank and odd
// lines included, stays exactly as it was, with its own line break.
class IniDocument {
public:
    explicit IniDocument(const QString& text = {});

    // The value with the white space around it removed and one pair of matching enclosing
    // quotes (" or ') dropped; nothing when the section or key is missing. Lines outside
    // any section and lines without "=" hold no value.
    std::optional<QString> value(const QString& section, const QString& key) const;

    enum class Change { Unchanged, Changed, Refused };
    // Sets a value: an existing key gets the new value in place; a missing key is added
    // after the last non-blank line of its section; a missing section is added at the end.
    // Names that could not be read back (empty, a line break, "=" in a key, a key starting
    // with "[") and values with a line break are refused and leave the text as it was.
    Change setValue(const QString& section, const QString& key, const QString& value);

    QString text() const { return m_lines.join(QString()); }

private:
    struct Range {
        qsizetype begin; // first line after the section header
        qsizetype end;   // one past the section's last line
    };
    std::optional<Range> findSection(const QString& section) const;
    std::optional<qsizetype> findKey(const Range& range, const QString& key) const;
    void ensureLineBreakAt(qsizetype line);
    QString lineBreak() const;

    QStringList m_lines; // each line with its own line break (the last may have none)
};
