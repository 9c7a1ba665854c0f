#include "markup/MainTags.h"

#include <QStringList>

namespace {

constexpr std::array<MainTagOption, kMainTagCount> kOptions{{
    {"OptionNone", "Text Only", nullptr, nullptr, "", "", "PicNone", ItalicBox::Enabled, false,
     false},
    {"OptionQuote", "Quote", "TxtQuoteStart", "TxtQuoteEnd", "[quote]", "[/quote]", "PicQuote",
     ItalicBox::DisabledAndCleared, true, false},
    {"OptionQuoteDave", "Quote( )", "TxtQuoteDaveStart", "TxtQuoteDaveEnd", "[quote]", "[/quote]",
     "PicQuoteDave", ItalicBox::DisabledAndCleared, true, true},
    {"Optioncode", "Code", "TxtCodeStart", "TxtCodeEnd", "[code]", "[/code]", "picCode",
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

QStringList mainTagHolders() {
    return {"TxtCodeStart", "TxtCodeEnd",        "TxtQuoteStart",
            "TxtQuoteEnd",  "TxtQuoteDaveStart", "TxtQuoteDaveEnd"};
}

HolderWrites selectMainTag(const MainTagOption& option) {
    HolderWrites writes;
    for (const QString& holder : mainTagHolders()) {
        if (option.startHolder && holder == QLatin1String(option.startHolder))
            writes.append(HolderWrite{holder, option.startTag});
        else if (option.endHolder && holder == QLatin1String(option.endHolder))
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
