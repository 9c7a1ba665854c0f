#include "markup/FormattingPage.h"

#include "markup/ColourGroups.h"
#include "markup/ColourOptions.h"
#include "markup/Insertion.h"
#include "markup/MainTagGroup.h"
#include "markup/MainTags.h"
#include "markup/TagHolders.h"
#include "platform/Clipboard.h"
#include "platform/HandCursor.h"
#include "platform/Prompter.h"
#include "platform/Twips.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

// What a style box writes when ticked, and which effect it shows on the sample.
struct FormattingPage::StyleBox {
    const char* objectName;
    const char* caption;
    Holder startHolder;
    Holder endHolder;
    const char* startTag;
    const char* endTag;
    void (QFont::*sampleEffect)(bool); // nullptr for MonoSpace, which changes the font
};

namespace {
const char* const SampleFont = "Verdana";
constexpr int SampleSize = 10;
const char* const MonoFont = "Courier New";
constexpr int MonoSize = 11;
// The page is narrow; its controls use a small font so all of it fits.
constexpr int PageFontSize = 8;
constexpr int RowHeight = 17;
} // namespace

FormattingPage::FormattingPage(EditingSurface& surface, QWidget* parent)
    : QGroupBox("Formatting Tags", parent), m_surface(surface) {
    setObjectName("FrameCustom");
    QFont pageFont = font();
    pageFont.setPointSizeF(PageFontSize * Twips::fontScale());
    setFont(pageFont);

    m_sample = createSample();
    QWidget* styleTags = createStyleTags();
    m_mainTags = new MainTagGroup(m_holders, m_italicBox, m_sample);
    // Made with its parent, so the colour captions find the page's font as they are painted.
    m_colours = new ColourGroups(m_holders, m_sample, this);
    connect(m_mainTags, &MainTagGroup::holdersWritten, this, &FormattingPage::tagsChanged);
    connect(m_colours, &ColourGroups::holdersWritten, this, &FormattingPage::tagsChanged);
    // Every choice on the page writes holders, so Apply follows each one as it is made.
    connect(this, &FormattingPage::tagsChanged, this, &FormattingPage::refreshApplyButton);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 0, 4, 4);
    layout->setSpacing(2);
    layout->addWidget(styleTags);
    layout->addWidget(m_mainTags);
    layout->addWidget(m_colours);
    layout->addStretch(1);
    layout->addWidget(createSampleLegend());
    layout->addWidget(m_sample);
    layout->addWidget(createButtons());

    // The two defaults are selected already, so their effects are run once by hand: the
    // highlight None (a full colour reset) and Text Only.
    m_colours->applyOption(defaultColourOption(ColourFamily::Highlight));
    m_mainTags->chooseMainTag(*findMainTagOption(u"OptionNone"));
}

// The three things the sample previews, named above it.
QWidget* FormattingPage::createSampleLegend() {
    auto* legend = new QWidget;
    auto* row = new QHBoxLayout(legend);
    row->setContentsMargins(0, 0, 0, 0);
    const struct {
        const char* objectName;
        const char* caption;
        bool handCursor;
    } labels[] = {{"Label1", "Code and style", true},
                  {"Label2", "Text color", true},
                  {"Label4", "highlight", false}};
    for (const auto& entry : labels) {
        auto* label = new QLabel(entry.caption, legend);
        label->setObjectName(entry.objectName);
        label->setAlignment(Qt::AlignCenter);
        if (entry.handCursor)
            HandCursor::showOver(label);
        row->addWidget(label);
    }
    return legend;
}

QLabel* FormattingPage::createSample() {
    auto* sample = new QLabel("Sample Text");
    sample->setObjectName("LblSample");
    sample->setAlignment(Qt::AlignCenter);
    sample->setFrameShape(QFrame::StyledPanel);
    sample->setMinimumHeight(Twips::scaled(24));
    sample->setAutoFillBackground(true);
    QPalette samplePalette = sample->palette();
    samplePalette.setColor(QPalette::Window, Qt::white);
    samplePalette.setColor(QPalette::WindowText, Qt::black);
    sample->setPalette(samplePalette);
    QFont font = sample->font();
    font.setFamily(SampleFont);
    font.setPointSize(SampleSize);
    sample->setFont(font);
    return sample;
}

QWidget* FormattingPage::createStyleTags() {
    static const StyleBox boxes[] = {
        {"chkBold", "Bold", Holder::BoldStart, Holder::BoldEnd, "[b]", "[/b]", &QFont::setBold},
        {"chkItalic", "Italic", Holder::ItalicStart, Holder::ItalicEnd, "[i]", "[/i]",
         &QFont::setItalic},
        {"chkUnderline", "Underline", Holder::UnderlineStart, Holder::UnderlineEnd, "[u]", "[/u]",
         &QFont::setUnderline},
        {"chkStrike", "Strike ", Holder::StrikeStart, Holder::StrikeEnd, "[s]", "[/s]",
         &QFont::setStrikeOut},
        {"chkTT", "MonoSpace", Holder::MonoStart, Holder::MonoEnd, "[tt]", "[/tt]", nullptr},
    };

    auto* frame = new QGroupBox("Style Tags");
    frame->setObjectName("Frame3");
    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(4, 0, 4, 2);
    grid->setVerticalSpacing(0);
    QCheckBox** members[] = {&m_boldBox, &m_italicBox, &m_underlineBox, &m_strikeBox, &m_monoBox};
    for (int i = 0; i < 5; ++i) {
        const StyleBox& box = boxes[i];
        auto* check = new QCheckBox(box.caption, frame);
        check->setObjectName(box.objectName);
        *members[i] = check;
        check->setFixedHeight(Twips::scaled(RowHeight));
        grid->addWidget(check, i / 2, i % 2);
        connect(check, &QCheckBox::toggled, this,
                [this, &box](bool ticked) { toggleStyle(box, ticked); });
    }
    QFont monoCaption = m_monoBox->font();
    monoCaption.setFamily(MonoFont);
    m_monoBox->setFont(monoCaption);
    return frame;
}

QWidget* FormattingPage::createButtons() {
    auto* panel = new QWidget;
    auto* buttons = new QHBoxLayout(panel);
    buttons->setContentsMargins(0, 0, 0, 0);
    m_applyButton = new QPushButton("&Apply");
    m_applyButton->setObjectName("cmdInsert");
    m_applyButton->setToolTip("Click to apply the style");
    m_clearButton = new QPushButton("Clear");
    m_clearButton->setObjectName("cmdDefault");
    m_clearButton->setToolTip("Click to clear all formating selection");
    for (QPushButton* button : {m_applyButton, m_clearButton}) {
        HandCursor::showOver(button);
        buttons->addWidget(button);
    }
    connect(m_applyButton, &QPushButton::clicked, this, &FormattingPage::applyTags);
    connect(m_clearButton, &QPushButton::clicked, this, &FormattingPage::clearChoices);
    return panel;
}

void FormattingPage::toggleStyle(const StyleBox& box, bool ticked) {
    if (box.sampleEffect) {
        QFont font = m_sample->font();
        (font.*box.sampleEffect)(ticked);
        m_sample->setFont(font);
    } else {
        showMonoSpaceSample(ticked);
    }
    m_holders.set(box.startHolder, ticked ? box.startTag : "");
    m_holders.set(box.endHolder, ticked ? box.endTag : "");
    emit tagsChanged();
}

void FormattingPage::showMonoSpaceSample(bool monoSpace) {
    QFont font = m_sample->font();
    font.setFamily(monoSpace ? MonoFont : SampleFont);
    font.setPointSize(monoSpace ? MonoSize : SampleSize);
    m_sample->setFont(font);
}

bool FormattingPage::nothingChosen() const {
    for (const QCheckBox* box : {m_underlineBox, m_monoBox, m_strikeBox, m_boldBox, m_italicBox}) {
        if (box->isChecked())
            return false;
    }
    return m_colours->atDefaults();
}

void FormattingPage::refreshApplyButton() {
    // A quote or code block is a choice Apply acts on too.
    m_applyButton->setEnabled(!nothingChosen() || !m_mainTags->option("OptionNone")->isChecked());
}

void FormattingPage::applyTags() {
    if (m_mainTags->handleMissing()) {
        Prompter::inform(this, Handle::missingMessage);
        m_mainTags->focusHandle();
        return;
    }
    Insertion::wrapThroughClipboard(m_surface, Clipboard::instance(), m_holders.startTag(),
                                    m_holders.endTag());
}

// Each change runs the control's own handler, exactly as a click would.
void FormattingPage::clearChoices() {
    for (QCheckBox* box : {m_boldBox, m_italicBox, m_strikeBox, m_monoBox, m_underlineBox})
        box->setChecked(false);
    m_colours->option("OptionBlack")->setChecked(true);
    m_mainTags->option("OptionNone")->setChecked(true);
    m_colours->option("OptionHLNone")->setChecked(true);
}
