#include "platform/rtf/RtfReader.h"

#include "platform/TextDecoding.h"
#include "platform/rtf/RtfTokenizer.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QSet>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
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

class RtfParser {
public:
    RtfParser(QStringView rtf, QTextDocument& document)
        : tokens_(rtf), cursor_(&document), document_(document) {}

    void run();

private:
    void controlWord(const RtfToken& token);
    void controlSymbol(QChar symbol);
    void text(QStringView text);
    // An escaped character is never markup: a ';' from \'3b is part of a font name.
    void character(QChar c, bool escaped = false);
    void unicode(int value);
    void groupStart();
    void groupEnd();
    void paragraph();
    void flush();
    QTextCharFormat formatFor(const CharState& chars) const;
    GroupState& state() { return stack_.back(); }

    RtfTokenizer tokens_;
    QTextCursor cursor_;
    QTextDocument& document_;

    std::vector<GroupState> stack_{GroupState()};
    int untrackedDepth_ = 0;
    int fallbackToSkip_ = 0;

    QHash<int, QString> fonts_;
    int defaultFont_ = -1;
    int fontNumber_ = 0;
    QString fontName_;
    QList<QColor> colors_;
    int red_ = 0, green_ = 0, blue_ = 0;
    bool colorGiven_ = false;

    QString pending_;
    CharState pendingChars_;
};

void RtfParser::run() {
    // The document's own undo history would only record every run of the rebuild.
    const bool undoRedo = document_.isUndoRedoEnabled();
    document_.setUndoRedoEnabled(false);
    document_.clear();
    cursor_ = QTextCursor(&document_);
    cursor_.beginEditBlock();
    for (RtfToken token = tokens_.next(); token.kind != RtfToken::Kind::End;
         token = tokens_.next()) {
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
    cursor_.endEditBlock();
    document_.setUndoRedoEnabled(undoRedo);
}

void RtfParser::groupStart() {
    fallbackToSkip_ = 0;
    if (stack_.size() < kMaxKeptDepth)
        stack_.push_back(state());
    else
        ++untrackedDepth_;
}

void RtfParser::groupEnd() {
    fallbackToSkip_ = 0;
    if (untrackedDepth_ > 0) {
        --untrackedDepth_;
        return;
    }
    if (stack_.size() == 1)
        return; // an unmatched closing brace
    if (state().destination == Destination::FontTable && !fontName_.trimmed().isEmpty()) {
        fonts_.insert(fontNumber_, fontName_.trimmed()); // an entry without its ';'
        fontName_.clear();
    }
    stack_.pop_back();
}

void RtfParser::text(QStringView run) {
    for (QChar c : run)
        character(c);
}

void RtfParser::character(QChar c, bool escaped) {
    if (fallbackToSkip_ > 0) {
        --fallbackToSkip_;
        return;
    }
    switch (state().destination) {
    case Destination::Text:
        if (!isInsertable(c.unicode()))
            return;
        if (pendingChars_ != state().chars) {
            flush();
            pendingChars_ = state().chars;
        }
        pending_ += c;
        return;
    case Destination::FontTable:
        if (c == u';' && !escaped) {
            fonts_.insert(fontNumber_, fontName_.trimmed());
            fontName_.clear();
        } else if (c.unicode() >= 0x20) {
            fontName_ += c;
        }
        return;
    case Destination::ColorTable:
        if (c == u';') {
            colors_.append(colorGiven_ ? QColor(red_, green_, blue_) : QColor());
            red_ = green_ = blue_ = 0;
            colorGiven_ = false;
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
    fallbackToSkip_ = state().unicodeSkip;
}

void RtfParser::paragraph() {
    if (state().destination != Destination::Text)
        return;
    flush();
    cursor_.insertBlock(QTextBlockFormat(), QTextCharFormat());
}

void RtfParser::flush() {
    if (pending_.isEmpty())
        return;
    cursor_.insertText(pending_, formatFor(pendingChars_));
    pending_.clear();
}

QTextCharFormat RtfParser::formatFor(const CharState& chars) const {
    QTextCharFormat format;
    const QString family = fonts_.value(chars.font < 0 ? defaultFont_ : chars.font);
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
    const QColor foreground = colors_.value(chars.foreground);
    if (chars.foreground > 0 && foreground.isValid())
        format.setForeground(foreground);
    const QColor background = colors_.value(chars.background);
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
    const QStringView word = token.word;
    const int n = token.parameter;
    const bool on = !token.hasParameter || n != 0;
    CharState& chars = state().chars;
    Destination& destination = state().destination;

    // Characters that RTF names.
    static const QHash<QString, char16_t> named = {
        {"tab", u'\t'},        {"cell", u'\t'},    {"line", 0x2028},    {"emdash", 0x2014},
        {"endash", 0x2013},    {"lquote", 0x2018}, {"rquote", 0x2019},  {"ldblquote", 0x201C},
        {"rdblquote", 0x201D}, {"bullet", 0x2022}, {"enspace", 0x2002}, {"emspace", 0x2003}};
    // Destinations whose content is not text of the document.
    static const QSet<QString> skipped = {"info",
                                          "stylesheet",
                                          "pict",
                                          "object",
                                          "header",
                                          "headerl",
                                          "headerr",
                                          "headerf",
                                          "footer",
                                          "footerl",
                                          "footerr",
                                          "footerf",
                                          "footnote",
                                          "listtable",
                                          "listoverridetable",
                                          "revtbl",
                                          "rsidtbl",
                                          "themedata",
                                          "colorschememapping",
                                          "latentstyles",
                                          "datastore",
                                          "xmlnstbl",
                                          "filetbl",
                                          "generator",
                                          "fldinst",
                                          "annotation",
                                          "atnid",
                                          "atnauthor"};

    if (destination == Destination::Skip) {
        if (word == u"bin")
            tokens_.skip(n);
        return;
    }
    const QString name = word.toString();
    if (auto it = named.constFind(name); it != named.constEnd()) {
        character(QChar(*it));
    } else if (word == u"par" || word == u"row" || word == u"page" || word == u"sect") {
        paragraph();
    } else if (word == u"u") {
        unicode(n);
    } else if (word == u"uc") {
        state().unicodeSkip = std::clamp(n, 0, kMaxUnicodeSkip);
    } else if (word == u"bin") {
        tokens_.skip(n);
    } else if (word == u"fonttbl") {
        destination = Destination::FontTable;
    } else if (word == u"colortbl") {
        destination = Destination::ColorTable;
    } else if (skipped.contains(name)) {
        destination = Destination::Skip;
    } else if (destination == Destination::FontTable) {
        if (word == u"f")
            fontNumber_ = n;
    } else if (destination == Destination::ColorTable) {
        const int component = std::clamp(n, 0, 255);
        if (word == u"red")
            red_ = component;
        else if (word == u"green")
            green_ = component;
        else if (word == u"blue")
            blue_ = component;
        else
            return;
        colorGiven_ = true;
    } else if (word == u"deff") {
        defaultFont_ = n;
    } else if (word == u"plain") {
        chars = CharState();
    } else if (word == u"f") {
        chars.font = n;
    } else if (word == u"fs") {
        if (n > 0)
            chars.halfPoints = std::min(n, kMaxHalfPoints);
    } else if (word == u"b") {
        chars.bold = on;
    } else if (word == u"i") {
        chars.italic = on;
    } else if (word == u"ul" || word == u"uld" || word == u"uldb" || word == u"ulw" ||
               word == u"uldash" || word == u"ulwave" || word == u"ulth") {
        chars.underline = on;
    } else if (word == u"ulnone") {
        chars.underline = false;
    } else if (word == u"strike" || word == u"striked") {
        chars.strike = on;
    } else if (word == u"cf") {
        chars.foreground = std::max(n, 0);
    } else if (word == u"highlight" || word == u"cb" || word == u"chcbpat") {
        chars.background = std::max(n, 0);
    }
    // Every other control word is ignored.
}

} // namespace

namespace RtfReader {

void read(const QString& rtf, QTextDocument& document) {
    RtfParser(rtf, document).run();
}

} // namespace RtfReader
