#include "markup/TagHolders.h"

namespace {
// Every holder but the ends, from the outermost tag in.
constexpr Holder kStartOrder[] = {Holder::CodeStart,
                                  Holder::QuoteStart,
                                  Holder::CreditedQuoteStart,
                                  Holder::BoldStart,
                                  Holder::ItalicStart,
                                  Holder::UnderlineStart,
                                  Holder::StrikeStart,
                                  Holder::MonoStart,
                                  Holder::ColourOpen,
                                  Holder::Black,
                                  Holder::Blue,
                                  Holder::Fuchsia,
                                  Holder::Gray,
                                  Holder::Green,
                                  Holder::Navy,
                                  Holder::Olive,
                                  Holder::Purple,
                                  Holder::Red,
                                  Holder::Teal,
                                  Holder::White,
                                  Holder::HighlightAqua,
                                  Holder::HighlightBlack,
                                  Holder::HighlightBlue,
                                  Holder::HighlightFuchsia,
                                  Holder::HighlightGreen,
                                  Holder::HighlightNavy,
                                  Holder::HighlightSilver,
                                  Holder::HighlightPurple,
                                  Holder::HighlightRed,
                                  Holder::HighlightWhite,
                                  Holder::HighlightYellow,
                                  Holder::ColourClose};
// The ends, from the innermost tag out.
constexpr Holder kEndOrder[] = {Holder::ColourEnd,        Holder::MonoEnd,   Holder::StrikeEnd,
                                Holder::UnderlineEnd,     Holder::ItalicEnd, Holder::BoldEnd,
                                Holder::CreditedQuoteEnd, Holder::QuoteEnd,  Holder::CodeEnd};

template <size_t N> QString join(const TagHolders& holders, const Holder (&order)[N]) {
    QString result;
    for (Holder holder : order)
        result += holders[holder];
    return result;
}
} // namespace

void TagHolders::apply(const HolderWrites& writes) {
    for (const HolderWrite& write : writes)
        set(write.holder, write.value);
}

QString TagHolders::startTag() const {
    return join(*this, kStartOrder);
}

QString TagHolders::endTag() const {
    return join(*this, kEndOrder);
}

QString TagHolders::display() const {
    return startTag() + " YOUR TEXT " + endTag();
}
