#include "markup/TagHolders.h"

#include <QStringList>
#include <initializer_list>
#include <utility>

namespace {
QString concat(std::initializer_list<const QString*> parts) {
    QString result;
    for (const QString* part : parts)
        result += *part;
    return result;
}
} // namespace

void TagHolders::compose() {
    TxtStartTag = concat({&TxtCodeStart,   &TxtQuoteStart, &TxtQuoteDaveStart, &TxtBoldStart,
                          &TxtItalicStart, &TxtUlineStart, &TxtStrikeStart,    &TxtMonoStart,
                          &TxtLBracket,    &TxtBlack,      &TxtBlue,           &TxtFuchsia,
                          &TxtGray,        &TxtGreen,      &TxtNavy,           &TxtOlive,
                          &TxtPurple,      &TxtRed,        &TxtTeal,           &TxtWhite,
                          &TxtHLAqua,      &TxtHLBlack,    &TxtHLBlue,         &TxtHLFuchsia,
                          &TxtHLGreen,     &TxtHLNavy,     &TxtHLSilver,       &TxtHLPurple,
                          &TxtHLRed,       &TxtHLWhite,    &TxtHLYellow,       &TxtRBracket});
    TxtEndTag = concat({&TxtColorEnd, &TxtMonoEnd, &TxtStrikeEnd, &TxtUlineEnd, &TxtItalicEnd,
                        &TxtBoldEnd, &TxtQuoteDaveEnd, &TxtQuoteEnd, &TxtCodeEnd});
}

QString TagHolders::display() const {
    return TxtStartTag + " YOUR TEXT " + TxtEndTag;
}

QString* TagHolders::holder(const QString& name) {
    const std::pair<const char*, QString*> holders[] = {
        {"TxtCodeStart", &TxtCodeStart},
        {"TxtCodeEnd", &TxtCodeEnd},
        {"TxtQuoteStart", &TxtQuoteStart},
        {"TxtQuoteEnd", &TxtQuoteEnd},
        {"TxtQuoteDaveStart", &TxtQuoteDaveStart},
        {"TxtQuoteDaveEnd", &TxtQuoteDaveEnd},
        {"TxtBoldStart", &TxtBoldStart},
        {"TxtBoldEnd", &TxtBoldEnd},
        {"TxtItalicStart", &TxtItalicStart},
        {"TxtItalicEnd", &TxtItalicEnd},
        {"TxtUlineStart", &TxtUlineStart},
        {"TxtUlineEnd", &TxtUlineEnd},
        {"TxtStrikeStart", &TxtStrikeStart},
        {"TxtStrikeEnd", &TxtStrikeEnd},
        {"TxtMonoStart", &TxtMonoStart},
        {"TxtMonoEnd", &TxtMonoEnd},
        {"TxtLBracket", &TxtLBracket},
        {"TxtRBracket", &TxtRBracket},
        {"TxtColorEnd", &TxtColorEnd},
        {"TxtBlack", &TxtBlack},
        {"TxtBlue", &TxtBlue},
        {"TxtFuchsia", &TxtFuchsia},
        {"TxtGray", &TxtGray},
        {"TxtGreen", &TxtGreen},
        {"TxtNavy", &TxtNavy},
        {"TxtOlive", &TxtOlive},
        {"TxtPurple", &TxtPurple},
        {"TxtRed", &TxtRed},
        {"TxtTeal", &TxtTeal},
        {"TxtWhite", &TxtWhite},
        {"TxtHLAqua", &TxtHLAqua},
        {"TxtHLBlack", &TxtHLBlack},
        {"TxtHLBlue", &TxtHLBlue},
        {"TxtHLFuchsia", &TxtHLFuchsia},
        {"TxtHLGreen", &TxtHLGreen},
        {"TxtHLNavy", &TxtHLNavy},
        {"TxtHLSilver", &TxtHLSilver},
        {"TxtHLPurple", &TxtHLPurple},
        {"TxtHLRed", &TxtHLRed},
        {"TxtHLWhite", &TxtHLWhite},
        {"TxtHLYellow", &TxtHLYellow},
        {"TxtStartTag", &TxtStartTag},
        {"TxtEndTag", &TxtEndTag},
    };
    for (const auto& [holderName, field] : holders) {
        if (name == QLatin1String(holderName))
            return field;
    }
    return nullptr;
}
