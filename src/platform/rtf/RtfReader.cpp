#include "platform/rtf/RtfReader.h"

#include "platform/TextDecoding.h"
#include "platform/rtf/RtfTokenizer.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <iterator>
#include <vector>

namespace {

enum class Destination { Text, FontTable, ColorTable, Skip };

// The character formatting in effect, as numbers into the document's tables.
struct CharState {
    int font = -1; // -1: the document's default font
    int halfPoints = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    int foreground = 0; // colour table index; 0 is the automatic colour
    int background = 0;

    bool operator==(const CharState& o) const {
        return font == o.font && halfPoints == o.halfPoints && bold == o.bold &&
               italic == o.italic && underline == o.underline && strike == o.strike &&
               foreground == o.foreground && background == o.background;
    }
    bool operator!=(const CharState& o) const { return !(*this == o); }
};

// What a group inherits from its parent and restores when it ends.
struct GroupState {
    CharState chars;
    Destination destination = Destination::Text;
    int unicodeSkip = 1; // fallback characters after \uN (\ucN)
};

// Deeper groups are still matched but share the state of the deepest kept one, so hostile
// nesting costs neither stack nor memory.
constexpr std::size_t kMaxKeptDepth = 256;
constexpr int kMaxUnicodeSkip = 16;
constexpr int kMaxHalfPoints = 3276;

// Characters that the document would turn into block or frame boundaries, or that have no
// place in a post's text.
bool isInsertable(char16_t c) {
    if (c < 0x20)
        return c == u'\t';
    return c != 0x2029 && c != 0xFDD0 && c != 0xFDD1 && c != 0xFFFE && c != 0xFFFF;
}

// What the reader does with a control word.
enum class Action {
    Ignore,
    Character, // a character that RTF names
    Paragraph,
    Unicode,
    UnicodeSkip,
    Bin,
    FontTable,
    ColorTable,
    SkipDestination, // a destination whose content is not text of the document
    Red,
    Green,
    Blue,
    DefaultFont,
    Plain,
    Font,
    FontSize,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Strike,
    Foreground,
    Background,
};

struct Word {
    const char* name;
    Action action;
    char16_t character = 0;
};

// Sorted by name, for a binary search that needs no copy of the word.
constexpr Word kWords[] = {
    {"annotation", Action::SkipDestination},
    {"atnauthor", Action::SkipDestination},
    {"atnid", Action::SkipDestination},
    {"b", Action::Bold},
    {"bin", Action::Bin},
    {"blue", Action::Blue},
    {"bullet", Action::Character, 0x2022},
    {"cb", Action::Background},
    {"cell", Action::Character, u'\t'},
    {"cf", Action::Foreground},
    {"chcbpat", Action::Background},
    {"colorschememapping", Action::SkipDestination},
    {"colortbl", Action::ColorTable},
    {"datastore", Action::SkipDestination},
    {"deff", Action::DefaultFont},
    {"emdash", Action::Character, 0x2014},
    {"emspace", Action::Character, 0x2003},
    {"endash", Action::Character, 0x2013},
    {"enspace", Action::Character, 0x2002},
    {"f", Action::Font},
    {"filetbl", Action::SkipDestination},
    {"fldinst", Action::SkipDestination},
    {"fonttbl", Action::FontTable},
    {"footer", Action::SkipDestination},
    {"footerf", Action::SkipDestination},
    {"footerl", Action::SkipDestination},
    {"footerr", Action::SkipDestination},
    {"footnote", Action::SkipDestination},
    {"fs", Action::FontSize},
    {"generator", Action::SkipDestination},
    {"green", Action::Green},
    {"header", Action::SkipDestination},
    {"headerf", Action::SkipDestination},
    {"headerl", Action::SkipDestination},
    {"headerr", Action::SkipDestination},
    {"highlight", Action::Background},
    {"i", Action::Italic},
    {"info", Action::SkipDestination},
    {"latentstyles", Action::SkipDestination},
    {"ldblquote", Action::Character, 0x201C},
    {"line", Action::Character, 0x2028},
    {"listoverridetable", Action::SkipDestination},
    {"listtable", Action::SkipDestination},
    {"lquote", Action::Character, 0x2018},
    {"object", Action::SkipDestination},
    {"page", Action::Paragraph},
    {"par", Action::Paragraph},
    {"pict", Action::SkipDestination},
    {"plain", Action::Plain},
    {"rdblquote", Action::Character, 0x201D},
    {"red", Action::Red},
    {"revtbl", Action::SkipDestination},
    {"row", Action::Paragraph},
    {"rquote", Action::Character, 0x2019},
    {"rsidtbl", Action::SkipDestination},
    {"sect", Action::Paragraph},
    {"strike", Action::Strike},
    {"striked", Action::Strike},
    {"stylesheet", Action::SkipDestination},
    {"tab", Action::Character, u'\t'},
    {"themedata", Action::SkipDestination},
    {"u", Action::Unicode},
    {"uc", Action::UnicodeSkip},
    {"ul", Action::Underline},
    {"uld", Action::Underline},
    {"uldash", Action::Underline},
    {"uldb", Action::Underline},
    {"ulnone", Action::UnderlineNone},
    {"ulth", Action::Underline},
    {"ulw", Action::Underline},
    {"ulwave", Action::Underline},
    {"xmlnstbl", Action::SkipDestination},
};

constexpr bool lessThan(const char* a, const char* b) {
    while (*a && *a == *b) {
        ++a;
        ++b;
    }
    return static_cast<unsigned char>(*a) < static_cast<unsigned char>(*b);
}

constexpr bool sortedByName() {
    for (std::size_t i = 1; i < std::size(kWords); ++i) {
        if (!lessThan(kWords[i - 1].name, kWords[i].name))
            return false;
    }
    return true;
}
static_assert(sortedByName(), "kWords must be sorted for the binary search");

Word lookUp(QStringView name) {
    const auto it = std::lower_bound(std::begin(kWords), std::end(kWords), name,
                                     [](const Word& word, QStringView key) {
                                         return key.compare(QLatin1String(word.name)) > 0;
                                     });
    if (it != std::end(kWords) && name.compare(QLatin1String(it->name)) == 0)
        return *it;
    return {"", Action::Ignore};
}

// Inserts what an RTF string describes at a cursor.
class RtfParser {
public:
    RtfParser(QStringView rtf, QTextCursor& cursor) : m_tokens(rtf), m_cursor(cursor) {}

    void run();

private:
    void controlWord(const RtfToken& token);
    void controlSymbol(QChar symbol);
    void text(QStringView text);
    // An escaped character is never markup: a ';' from \'3b is part of a font name.
    void character(QChar c, bool escaped = false);
    // Adds characters of the text destination to the run being collected.
    void append(QStringView characters);
    void unicode(int value);
    void groupStart();
    void groupEnd();
    void paragraph();
    void flush();
    const QTextCharFormat& formatFor(const CharState& chars);
    QTextCharFormat makeFormat(const CharState& chars) const;
    GroupState& state() { return m_stack.back(); }

    RtfTokenizer m_tokens;
    QTextCursor& m_cursor;

    std::vector<GroupState> m_stack{GroupState()};
    int m_untrackedDepth = 0;
    int m_fallbackToSkip = 0;

    QHash<int, QString> m_fonts;
    int m_defaultFont = -1;
    int m_fontNumber = 0;
    QString m_fontName;
    QList<QColor> m_colors;
    int m_red = 0, m_green = 0, m_blue = 0;
    bool m_colorGiven = false;

    QString m_pending;
    CharState m_pendingChars;
    // The formats made so far; emptied when the tables change.
    std::vector<std::pair<CharState, QTextCharFormat>> m_formats;
};

void RtfParser::run() {
    for (RtfToken token = m_tokens.next(); token.kind != RtfToken::Kind::End;
         token = m_tokens.next()) {
        switch (token.kind) {
        case RtfToken::Kind::GroupStart:
            groupStart();
            break;
        case RtfToken::Kind::GroupEnd:
            groupEnd();
            break;
        case RtfToken::Kind::ControlWord:
            controlWord(token);
            break;
        case RtfToken::Kind::ControlSymbol:
            controlSymbol(token.symbol);
            break;
        case RtfToken::Kind::HexByte:
            character(TextDecoding::fromWindows1252(token.byte), true);
            break;
        case RtfToken::Kind::Text:
            text(token.text);
            break;
        case RtfToken::Kind::End:
            break;
        }
    }
    flush();
}

void RtfParser::groupStart() {
    m_fallbackToSkip = 0;
    if (m_stack.size() < kMaxKeptDepth)
        m_stack.push_back(state());
    else
        ++m_untrackedDepth;
}

void RtfParser::groupEnd() {
    m_fallbackToSkip = 0;
    if (m_untrackedDepth > 0) {
        --m_untrackedDepth;
        return;
    }
    if (m_stack.size() == 1)
        return; // an unmatched closing brace
    if (state().destination == Destination::FontTable && !m_fontName.trimmed().isEmpty()) {
        m_fonts.insert(m_fontNumber, m_fontName.trimmed()); // an entry without its ';'
        m_fontName.clear();
        m_formats.clear();
    }
    m_stack.pop_back();
}

void RtfParser::text(QStringView run) {
    if (state().destination != Destination::Text) {
        for (QChar c : run)
            character(c);
        return;
    }
    const qsizetype skipped = std::min<qsizetype>(m_fallbackToSkip, run.size());
    m_fallbackToSkip -= int(skipped);
    run = run.mid(skipped);
    // Copy the text a stretch at a time, leaving out what cannot be inserted.
    qsizetype from = 0;
    for (qsizetype i = 0; i < run.size(); ++i) {
        if (!isInsertable(run[i].unicode())) {
            append(run.mid(from, i - from));
            from = i + 1;
        }
    }
    append(run.mid(from));
}

void RtfParser::append(QStringView characters) {
    if (characters.isEmpty())
        return;
    if (m_pendingChars != state().chars) {
        flush();
        m_pendingChars = state().chars;
    }
    m_pending += characters;
}

void RtfParser::character(QChar c, bool escaped) {
    if (m_fallbackToSkip > 0) {
        --m_fallbackToSkip;
        return;
    }
    switch (state().destination) {
    case Destination::Text:
        if (isInsertable(c.unicode()))
            append(QStringView(&c, 1));
        return;
    case Destination::FontTable:
        if (c == u';' && !escaped) {
            m_fonts.insert(m_fontNumber, m_fontName.trimmed());
            m_fontName.clear();
            m_formats.clear();
        } else if (c.unicode() >= 0x20) {
            m_fontName += c;
        }
        return;
    case Destination::ColorTable:
        if (c == u';') {
            m_colors.append(m_colorGiven ? QColor(m_red, m_green, m_blue) : QColor());
            m_red = m_green = m_blue = 0;
            m_colorGiven = false;
            m_formats.clear();
        }
        return;
    case Destination::Skip:
        return;
    }
}

void RtfParser::unicode(int value) {
    if (value < 0)
        value += 65536;
    if (value >= 0 && value <= 0xFFFF)
        character(QChar(char16_t(value)), true);
    m_fallbackToSkip = state().unicodeSkip;
}

void RtfParser::paragraph() {
    if (state().destination != Destination::Text)
        return;
    flush();
    m_cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
}

void RtfParser::flush() {
    if (m_pending.isEmpty())
        return;
    m_cursor.insertText(m_pending, formatFor(m_pendingChars));
    m_pending.clear();
}

const QTextCharFormat& RtfParser::formatFor(const CharState& chars) {
    // A text has few formats; a short list finds them faster than building each anew.
    constexpr std::size_t kMaxKept = 64;
    for (const auto& [kept, format] : m_formats) {
        if (kept == chars)
            return format;
    }
    if (m_formats.size() == kMaxKept)
        m_formats.clear();
    m_formats.emplace_back(chars, makeFormat(chars));
    return m_formats.back().second;
}

QTextCharFormat RtfParser::makeFormat(const CharState& chars) const {
    QTextCharFormat format;
    const QString family = m_fonts.value(chars.font < 0 ? m_defaultFont : chars.font);
    if (!family.isEmpty())
        format.setFontFamilies({family});
    if (chars.halfPoints > 0)
        format.setFontPointSize(chars.halfPoints / 2.0);
    if (chars.bold)
        format.setFontWeight(QFont::Bold);
    if (chars.italic)
        format.setFontItalic(true);
    if (chars.underline)
        format.setFontUnderline(true);
    if (chars.strike)
        format.setFontStrikeOut(true);
    const QColor foreground = m_colors.value(chars.foreground);
    if (chars.foreground > 0 && foreground.isValid())
        format.setForeground(foreground);
    const QColor background = m_colors.value(chars.background);
    if (chars.background > 0 && background.isValid())
        format.setBackground(background);
    return format;
}

void RtfParser::controlSymbol(QChar symbol) {
    switch (symbol.unicode()) {
    case u'\\':
    case u'{':
    case u'}':
        character(symbol);
        break;
    case u'~':
        character(QChar(0x00A0));
        break;
    case u'_':
        character(QChar(0x2011));
        break;
    case u'\r':
    case u'\n':
        paragraph();
        break;
    case u'*':
        state().destination = Destination::Skip;
        break;
    default: // \- optional hyphen, \: index entries and the like
        break;
    }
}

void RtfParser::controlWord(const RtfToken& token) {
    const Word word = lookUp(token.word);
    const int n = token.parameter;
    const bool on = !token.hasParameter || n != 0;
    CharState& chars = state().chars;
    Destination& destination = state().destination;

    if (destination == Destination::Skip) {
        if (word.action == Action::Bin)
            m_tokens.skip(n);
        return;
    }
    switch (word.action) {
    case Action::Character:
        character(QChar(word.character));
        return;
    case Action::Paragraph:
        paragraph();
        return;
    case Action::Unicode:
        unicode(n);
        return;
    case Action::UnicodeSkip:
        state().unicodeSkip = std::clamp(n, 0, kMaxUnicodeSkip);
        return;
    case Action::Bin:
        m_tokens.skip(n);
        return;
    case Action::FontTable:
        destination = Destination::FontTable;
        return;
    case Action::ColorTable:
        destination = Destination::ColorTable;
        return;
    case Action::SkipDestination:
        destination = Destination::Skip;
        return;
    default:
        break;
    }

    if (destination == Destination::FontTable) {
        if (word.action == Action::Font)
            m_fontNumber = n;
        return;
    }
    if (destination == Destination::ColorTable) {
        const int component = std::clamp(n, 0, 255);
        if (word.action == Action::Red)
            m_red = component;
        else if (word.action == Action::Green)
            m_green = component;
        else if (word.action == Action::Blue)
            m_blue = component;
        else
            return;
        m_colorGiven = true;
        return;
    }

    switch (word.action) {
    case Action::DefaultFont:
        m_defaultFont = n;
        m_formats.clear();
        break;
    case Action::Plain:
        chars = CharState();
        break;
    case Action::Font:
        chars.font = n;
        break;
    case Action::FontSize:
        if (n > 0)
            chars.halfPoints = std::min(n, kMaxHalfPoints);
        break;
    case Action::Bold:
        chars.bold = on;
        break;
    case Action::Italic:
        chars.italic = on;
        break;
    case Action::Underline:
        chars.underline = on;
        break;
    case Action::UnderlineNone:
        chars.underline = false;
        break;
    case Action::Strike:
        chars.strike = on;
        break;
    case Action::Foreground:
        chars.foreground = std::max(n, 0);
        break;
    case Action::Background:
        chars.background = std::max(n, 0);
        break;
    default: // every other control word is ignored
        break;
    }
}

} // namespace

namespace RtfReader {

void read(QStringView rtf, QTextDocument& document) {
    // The document's own undo history would only record every run of the rebuild.
    const bool undoRedo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    document.clear();
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    insert(rtf, cursor);
    cursor.endEditBlock();
    document.setUndoRedoEnabled(undoRedo);
}

void insert(QStringView rtf, QTextCursor& cursor) {
    RtfParser(rtf, cursor).run();
}

} // namespace RtfReader
