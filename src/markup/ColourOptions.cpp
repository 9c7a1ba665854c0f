#include "markup/ColourOptions.h"

namespace {

constexpr ColourFamily Text = ColourFamily::Text;
constexpr ColourFamily Highlight = ColourFamily::Highlight;

constexpr std::array<ColourOption, kColourOptionCount> kOptions{{
    {"OptionWhite", "White", Text, "TxtWhite", "white", qRgb(255, 255, 255), false},
    {"OptionBlack", "Black", Text, "TxtBlack", "black", qRgb(0, 0, 0), true},
    {"OptionRed", "Red", Text, "TxtRed", "red", qRgb(255, 0, 0), false},
    {"OptionGreen", "Green", Text, "TxtGreen", "green", qRgb(0, 128, 0), false},
    {"OptionFuchsia", "Fuchsia", Text, "TxtFuchsia", "fuchsia", qRgb(255, 0, 255), false},
    {"OptionGray", "Gray", Text, "TxtGray", "gray", qRgb(128, 128, 128), false},
    {"OptionNavy", "Navy", Text, "TxtNavy", "navy", qRgb(0, 0, 128), false},
    {"OptionOlive", "Olive", Text, "TxtOlive", "olive", qRgb(128, 128, 0), false},
    {"OptionPurple", "Purple", Text, "TxtPurple", "purple", qRgb(128, 0, 128), false},
    {"OptionTeal", "Teal", Text, "TxtTeal", "teal", qRgb(0, 128, 128), false},
    {"OptionBlue", "Blue", Text, "TxtBlue", "blue", qRgb(0, 0, 255), false},

    {"OptionHLBlack", "Black", Highlight, "TxtHLBlack", " black", qRgb(0, 0, 0), false},
    {"OptionHLFuchsia", "Fuchsia", Highlight, "TxtHLFuchsia", " fuchsia", qRgb(255, 0, 255), false},
    {"OptionHLBlue", "Blue", Highlight, "TxtHLBlue", " blue", qRgb(0, 0, 255), false},
    {"OptionHLYellow", "Yellow", Highlight, "TxtHLYellow", " yellow", qRgb(255, 255, 0), false},
    {"OptionHLSilver", "Silver", Highlight, "TxtHLSilver", " silver", qRgb(192, 192, 192), false},
    {"OptionHLNavy", "Navy", Highlight, "TxtHLNavy", " navy", qRgb(0, 0, 128), false},
    {"OptionHLPurple", "Purple", Highlight, "TxtHLPurple", " purple", qRgb(128, 0, 128), false},
    {"OptionHLRed", "Red", Highlight, "TxtHLRed", " red", qRgb(255, 0, 0), false},
    // The sample shows aqua lightened, so text on it stays readable.
    {"OptionHLAqua", "Aqua", Highlight, "TxtHLAqua", " aqua", qRgb(128, 255, 255), false},
    {"OptionHLGreen", "Green", Highlight, "TxtHLGreen", " green", qRgb(0, 128, 0), false},
    // There is no "White" highlight: None writes the word white when a colour needs it.
    {"OptionHLNone", "None", Highlight, "TxtHLWhite", " white", qRgb(255, 255, 255), true},
}};

const QStringList kTextHolders{"TxtBlack", "TxtBlue", "TxtFuchsia", "TxtGray",
                               "TxtGreen", "TxtNavy", "TxtOlive",   "TxtPurple",
                               "TxtRed",   "TxtTeal", "TxtWhite"};
const QStringList kHighlightHolders{"TxtHLAqua",  "TxtHLBlack", "TxtHLBlue",   "TxtHLFuchsia",
                                    "TxtHLGreen", "TxtHLNavy",  "TxtHLSilver", "TxtHLPurple",
                                    "TxtHLRed",   "TxtHLWhite", "TxtHLYellow"};

void emptyFamily(HolderWrites& writes, ColourFamily family, const QString& except = {}) {
    for (const QString& holder : colourNameHolders(family)) {
        if (holder != except)
            writes.append(HolderWrite{holder, QString()});
    }
}

void writeFrame(HolderWrites& writes, bool on) {
    writes.append(HolderWrite{kColourOpenHolder, on ? kColourOpen : ""});
    writes.append(HolderWrite{kColourCloseHolder, on ? kColourClose : ""});
    writes.append(HolderWrite{kColourEndHolder, on ? kColourEnd : ""});
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

QStringList colourNameHolders(ColourFamily family) {
    return family == Text ? kTextHolders : kHighlightHolders;
}

QColor captionForeground(const ColourOption& option) {
    if (option.family == Text)
        return QColor(option.colour);
    return qGray(option.colour) < 128 ? QColor(Qt::white) : QColor(Qt::black);
}

std::optional<QColor> captionBackground(const ColourOption& option) {
    if (option.family == Text)
        return std::nullopt;
    return QColor(option.colour);
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
