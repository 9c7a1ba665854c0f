#pragma once

#include "markup/TagHolders.h"

#include <QString>
#include <array>
#include <optional>

// The "Main Tags" group: the outermost tag that Apply puts around the selection.
enum class ItalicBox {
    Enabled,            // left as it is and enabled
    DisabledAndCleared, // quotes are drawn in italic already
    EnabledAndCleared,
};

struct MainTagOption {
    const char* objectName; // "OptionNone", "OptionQuote", "OptionQuoteDave", "Optioncode"
    const char* caption;
    std::optional<Holder> startHolder; // none for Text Only, which fills none
    std::optional<Holder> endHolder;
    const char* startTag;
    const char* endTag;
    const char* pictureName; // the picture shown while selected, e.g. "PicQuote"
    ItalicBox italicBox;
    bool sampleItalic;
    bool asksForHandle; // Quote( ): the handle field, its label, Paste and display show

    QString picturePath() const; // ":/maintags/PicQuote.svg"
};

inline constexpr int kMainTagCount = 4;

// Text Only, Quote, Quote( ), Code.
const std::array<MainTagOption, kMainTagCount>& mainTagOptions();
const MainTagOption* findMainTagOption(QStringView objectName);

// The six main tag holders, starts and ends.
QList<Holder> mainTagHolders();

// Selecting an option fills its own pair and empties the other holders, so at most one
// pair is ever filled.
HolderWrites selectMainTag(const MainTagOption& option);

namespace Handle {
inline constexpr const char* fieldName = "TxtHandle";
inline constexpr const char* labelName = "LblHandle";
inline constexpr const char* labelCaption = "Enter Handle Name";
inline constexpr const char* pasteName = "cmdHandlePaste";
inline constexpr const char* pasteCaption = "&Paste";
inline constexpr const char* displayName = "TxtQuoteDisplay";
// Apply refuses a credited quote without a handle.
inline constexpr const char* missingMessage = "Please enter a Handle Name";

// "[quote Jo]"; "[quote ]" (blank kept) for an empty handle.
QString quoteStart(const QString& handle);
// "(Jo):"
QString display(const QString& handle);
// The start holder the handle field writes.
inline constexpr Holder startHolder = Holder::CreditedQuoteStart;
} // namespace Handle
