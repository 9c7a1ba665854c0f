#include "markup/ColourOptions.h"

#include "platform/Contrast.h"

namespace {

constexpr ColourFamily Text = ColourFamily::Text;
constexpr ColourFamily Highlight = ColourFamily::Highlight;

// Enough for a colour sample to be told apart from the page; it is not body text.
constexpr double kSampleContrast = 2.5;
// Enough for text to read.
constexpr double kReadableContrast = 4.5;

constexpr std::array<ColourOption, kColourOptionCount> kOptions{{
    {"OptionWhite", "White", Text, Holder::White, "white", qRgb(255, 255, 255), false},
    {"OptionBlack", "Black", Text, Holder::Black, "black", qRgb(0, 0, 0), true},
    {"OptionRed", "Red", Text, Holder::Red, "red", qRgb(255, 0, 0), false},
    {"OptionGreen", "Green", Text, Holder::Green, "green", qRgb(0, 128, 0), false},
    {"OptionFuchsia", "Fuchsia", Text, Holder::Fuchsia, "fuchsia", qRgb(255, 0, 255), false},
    {"OptionGray", "Gray", Text, Holder::Gray, "gray", qRgb(128, 128, 128), false},
    {"OptionNavy", "Navy", Text, Holder::Navy, "navy", qRgb(0, 0, 128), false},
    {"OptionOlive", "Olive", Text, Holder::Olive, "olive", qRgb(128, 128, 0), false},
    {"OptionPurple", "Purple", Text, Holder::Purple, "purple", qRgb(128, 0, 128), false},
    {"OptionTeal", "Teal", Text, Holder::Teal, "teal", qRgb(0, 128, 128), false},
    {"OptionBlue", "Blue", Text, Holder::Blue, "blue", qRgb(0, 0, 255), false},

    {"OptionHLBlack", "Black", Highlight, Holder::HighlightBlack, " black", qRgb(0, 0, 0), false},
    {"OptionHLFuchsia", "Fuchsia", Highlight, Holder::HighlightFuchsia, " fuchsia",
     qRgb(255, 0, 255), false},
    {"OptionHLBlue", "Blue", Highlight, Holder::HighlightBlue, " blue", qRgb(0, 0, 255), false},
    {"OptionHLYellow", "Yellow", Highlight, Holder::HighlightYellow, " yellow", qRgb(255, 255, 0),
     false},
    {"OptionHLSilver", "Silver", Highlight, Holder::HighlightSilver, " silver", qRgb(192, 192, 192),
     false},
    {"OptionHLNavy", "Navy", Highlight, Holder::HighlightNavy, " navy", qRgb(0, 0, 128), false},
    {"OptionHLPurple", "Purple", Highlight, Holder::HighlightPurple, " purple", qRgb(128, 0, 128),
     false},
    {"OptionHLRed", "Red", Highlight, Holder::HighlightRed, " red", qRgb(255, 0, 0), false},
    // The sample shows aqua lightened, so text on it stays readable.
    {"OptionHLAqua", "Aqua", Highlight, Holder::HighlightAqua, " aqua", qRgb(128, 255, 255), false},
    {"OptionHLGreen", "Green", Highlight, Holder::HighlightGreen, " green", qRgb(0, 128, 0), false},
    // There is no "White" highlight: None writes the word white when a colour needs it.
    {"OptionHLNone", "None", Highlight, Holder::HighlightWhite, " white", qRgb(255, 255, 255),
     true},
}};

void emptyFamily(HolderWrites& writes, ColourFamily family,
                 std::optional<Holder> except = std::nullopt) {
    for (Holder holder : colourWordHolders(family)) {
        if (holder != except)
            writes.append(HolderWrite{holder, QString()});
    }
}

void writeFrame(HolderWrites& writes, bool on) {
    writes.append(HolderWrite{Holder::ColourOpen, on ? kColourOpen : ""});
    writes.append(HolderWrite{Holder::ColourClose, on ? kColourClose : ""});
    writes.append(HolderWrite{Holder::ColourEnd, on ? kColourEnd : ""});
}

QList<Holder> holderRange(Holder first, Holder last) {
    QList<Holder> holders;
    for (int holder = int(first); holder <= int(last); ++holder)
        holders.append(Holder(holder));
    return holders;
}

} // namespace

const std::array<ColourOption, kColourOptionCount>& colourOptions() {
    return kOptions;
}

const ColourOption* findColourOption(QStringView objectName) {
    for (const ColourOption& option : kOptions) {
        if (objectName == QLatin1String(option.objectName))
            return &option;
    }
    return nullptr;
}

const ColourOption& defaultColourOption(ColourFamily family) {
    return *findColourOption(family == Text ? u"OptionBlack" : u"OptionHLNone");
}

QList<Holder> colourWordHolders(ColourFamily family) {
    return family == Text ? holderRange(Holder::Black, Holder::White)
                          : holderRange(Holder::HighlightAqua, Holder::HighlightYellow);
}

QColor captionForeground(const ColourOption& option) {
    if (option.family == Text)
        return QColor(option.colour);
    return qGray(option.colour) < 128 ? QColor(Qt::white) : QColor(Qt::black);
}

std::optional<QColor> captionBackground(const ColourOption& option, const QColor& page,
                                        const QColor& pageText) {
    const QColor text(option.colour);
    if (option.family == Highlight)
        return text;
    // On a light page a caption shows as the post will, unless it is too close to the page
    // (White). The colours are made for light pages: on a dark one every caption that does
    // not read gets a backdrop.
    const bool darkPage = relativeLuminance(page) < relativeLuminance(pageText);
    if (contrastRatio(text, page) >= (darkPage ? kReadableContrast : kSampleContrast))
        return std::nullopt;
    // The page's text colour, the page's opposite (as for Black and Navy on a dark page),
    // else black or white, whichever reads better (the mid-tones: Red, Olive, Teal, Gray).
    if (contrastRatio(text, pageText) >= kReadableContrast)
        return pageText;
    return contrastRatio(text, Qt::black) > contrastRatio(text, Qt::white) ? QColor(Qt::black)
                                                                           : QColor(Qt::white);
}

ColourSelection selectColourOption(const ColourOption& option, bool otherFamilyAtDefault) {
    ColourSelection selection;
    if (option.isDefault && otherFamilyAtDefault) {
        // Black with None: no colour tag at all. Only None resets the background.
        emptyFamily(selection.writes, Text);
        writeFrame(selection.writes, false);
        emptyFamily(selection.writes, Highlight);
        selection.sampleText = QColor(Qt::black);
        if (option.family == Highlight)
            selection.sampleBackground = QColor(Qt::white);
        return selection;
    }

    // One word in this family, the others emptied; the other family's word is kept.
    selection.writes.append(HolderWrite{option.holder, option.word});
    emptyFamily(selection.writes, option.family, option.holder);
    writeFrame(selection.writes, true);
    if (option.family == Text)
        selection.sampleText = QColor(option.colour);
    else
        selection.sampleBackground = QColor(option.colour);
    return selection;
}
