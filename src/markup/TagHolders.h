#pragma once

#include <QList>
#include <QString>
#include <array>

// The pieces from which the start and end tags put around a selection are composed. Each
// control of the formatting page writes its own holders; the composed tags join them in
// a fixed order, whatever order the user chose things in: the main tag outermost, then
// bold, italic, underline, strike, monospace, and the one colour tag innermost.
enum class Holder {
    // Main tag: at most one of the three pairs is filled.
    CodeStart,
    CodeEnd,
    QuoteStart,
    QuoteEnd,
    CreditedQuoteStart, // "[quote Jo]"
    CreditedQuoteEnd,
    // Style
    BoldStart,
    BoldEnd,
    ItalicStart,
    ItalicEnd,
    UnderlineStart,
    UnderlineEnd,
    StrikeStart,
    StrikeEnd,
    MonoStart,
    MonoEnd,
    // The colour tag's frame: "[color " ... "]" ... "[/color]"
    ColourOpen,
    ColourClose,
    ColourEnd,
    // Text colour words, in the order the start tag joins them
    Black,
    Blue,
    Fuchsia,
    Gray,
    Green,
    Navy,
    Olive,
    Purple,
    Red,
    Teal,
    White,
    // Highlight words, each with its leading blank, in the order the start tag joins them
    HighlightAqua,
    HighlightBlack,
    HighlightBlue,
    HighlightFuchsia,
    HighlightGreen,
    HighlightNavy,
    HighlightSilver,
    HighlightPurple,
    HighlightRed,
    HighlightWhite,
    HighlightYellow,
};

inline constexpr int kHolderCount = int(Holder::HighlightYellow) + 1;

// One holder to be given a value; an empty value empties it.
struct HolderWrite {
    Holder holder;
    QString value;

    bool operator==(const HolderWrite& other) const {
        return holder == other.holder && value == other.value;
    }
};
using HolderWrites = QList<HolderWrite>;

class TagHolders {
public:
    const QString& operator[](Holder holder) const { return m_values[size_t(holder)]; }
    void set(Holder holder, const QString& value) { m_values[size_t(holder)] = value; }
    void apply(const HolderWrites& writes);

    // The composed tags.
    QString startTag() const;
    QString endTag() const;
    // The tag display's text: the composed tags around " YOUR TEXT ".
    QString display() const;

private:
    std::array<QString, kHolderCount> m_values;
};
