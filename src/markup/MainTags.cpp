#include "markup/MainTags.h"

namespace {

constexpr std::array<MainTagOption, kMainTagCount> kOptions{{
    {"OptionNone", "Text Only", std::nullopt, std::nullopt, "", "", "PicNone", ItalicBox::Enabled,
     false, false},
    {"OptionQuote", "Quote", Holder::QuoteStart, Holder::QuoteEnd, "[quote]", "[/quote]",
     "PicQuote", ItalicBox::DisabledAndCleared, true, false},
    {"OptionQuoteDave", "Quote( )", Holder::CreditedQuoteStart, Holder::CreditedQuoteEnd, "[quote]",
     "[/quote]", "PicQuoteDave", ItalicBox::DisabledAndCleared, true, true},
    {"Optioncode", "Code", Holder::CodeStart, Holder::CodeEnd, "[code]", "[/code]", "picCode",
     ItalicBox::EnabledAndCleared, false, false},
}};

} // namespace

QString MainTagOption::picturePath() const {
    return QStringLiteral(":/maintags/%1.svg").arg(QLatin1String(pictureName));
}

const std::array<MainTagOption, kMainTagCount>& mainTagOptions() {
    return kOptions;
}

const MainTagOption* findMainTagOption(QStringView objectName) {
    for (const MainTagOption& option : kOptions) {
        if (objectName == QLatin1String(option.objectName))
            return &option;
    }
    return nullptr;
}

QList<Holder> mainTagHolders() {
    return {Holder::CodeStart,          Holder::CodeEnd,
            Holder::QuoteStart,         Holder::QuoteEnd,
            Holder::CreditedQuoteStart, Holder::CreditedQuoteEnd};
}

HolderWrites selectMainTag(const MainTagOption& option) {
    HolderWrites writes;
    for (Holder holder : mainTagHolders()) {
        if (holder == option.startHolder)
            writes.append(HolderWrite{holder, option.startTag});
        else if (holder == option.endHolder)
            writes.append(HolderWrite{holder, option.endTag});
        else
            writes.append(HolderWrite{holder, QString()});
    }
    return writes;
}

QString Handle::quoteStart(const QString& handle) {
    return "[quote " + handle + "]";
}

QString Handle::display(const QString& handle) {
    return "(" + handle + "):";
}
