#pragma once

#include <QString>

// The strings from which the start and end tags put around a selection are composed.
// Each control of the formatting page writes its own holders; `compose` builds the two
// tags in a fixed order, whatever order the user chose things in: the main tag
// outermost, then bold, italic, underline, strike, monospace, and the one colour tag
// innermost.
struct TagHolders {
    // Main tag
    QString TxtCodeStart, TxtCodeEnd;
    QString TxtQuoteStart, TxtQuoteEnd;
    QString TxtQuoteDaveStart, TxtQuoteDaveEnd;
    // Style
    QString TxtBoldStart, TxtBoldEnd;
    QString TxtItalicStart, TxtItalicEnd;
    QString TxtUlineStart, TxtUlineEnd;
    QString TxtStrikeStart, TxtStrikeEnd;
    QString TxtMonoStart, TxtMonoEnd;
    // Colour frame
    QString TxtLBracket, TxtRBracket, TxtColorEnd;
    // Text colour names
    QString TxtBlack, TxtBlue, TxtFuchsia, TxtGray, TxtGreen, TxtNavy, TxtOlive, TxtPurple, TxtRed,
        TxtTeal, TxtWhite;
    // Highlight names, each with its leading blank
    QString TxtHLAqua, TxtHLBlack, TxtHLBlue, TxtHLFuchsia, TxtHLGreen, TxtHLNavy, TxtHLSilver,
        TxtHLPurple, TxtHLRed, TxtHLWhite, TxtHLYellow;
    // Composed
    QString TxtStartTag, TxtEndTag;

    // Recomputes TxtStartTag and TxtEndTag from the holders.
    void compose();
    // The tag display's text: the composed tags around " YOUR TEXT ".
    QString display() const;
    // The holder of the given name (as the fields are named), or nullptr.
    QString* holder(const QString& name);
};
