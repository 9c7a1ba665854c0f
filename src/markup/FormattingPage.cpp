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
    QString TagHolders::*startHolder;
    QString TagHolders::*endHolder;
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

FormattingPage::FormattingPage(TagHolders& holders, EditingSurface& surface,
                               std::function<void()> updateStartEnd, QWidget* parent)
    : QGroupBox("Formatting Tags", parent), m_holders(holders), m_surface(surface),
      m_updateStartEnd(std::move(updateStartEnd)) {
    setObjectName("FrameCustom");
    QFont pageFont = font();
    pageFont.setPointSize(PageFontSize);
    setFont(pageFont);

    LblSample = createSample();
    QWidget* styleTags = createStyleTags();
    Frame1 = new MainTagGroup(holders, chkItalic, LblSample, m_updateStartEnd);
    m_colours = new ColourGroups(holders, LblSample, m_updateStartEnd);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 0, 4, 4);
    layout->setSpacing(2);
    layout->addWidget(styleTags);
    layout->addWidget(Frame1);
    layout->addWidget(m_colours);
    layout->addStretch(1);
    layout->addWidget(createSampleLegend());
    layout->addWidget(LblSample);
    layout->addWidget(createButtons());
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
    sample->setMinimumHeight(24);
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
        {"chkBold", "Bold", &TagHolders::TxtBoldStart, &TagHolders::TxtBoldEnd, "[b]", "[/b]",
         &QFont::setBold},
        {"chkItalic", "Italic", &TagHolders::TxtItalicStart, &TagHolders::TxtItalicEnd, "[i]",
         "[/i]", &QFont::setItalic},
        {"chkUnderline", "Underline", &TagHolders::TxtUlineStart, &TagHolders::TxtUlineEnd, "[u]",
         "[/u]", &QFont::setUnderline},
        {"chkStrike", "Strike ", &TagHolders::TxtStrikeStart, &TagHolders::TxtStrikeEnd, "[s]",
         "[/s]", &QFont::setStrikeOut},
        {"chkTT", "MonoSpace", &TagHolders::TxtMonoStart, &TagHolders::TxtMonoEnd, "[tt]", "[/tt]",
         nullptr},
    };

    auto* frame = new QGroupBox("Style Tags");
    frame->setObjectName("Frame3");
    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(4, 0, 4, 2);
    grid->setVerticalSpacing(0);
    QCheckBox** members[] = {&chkBold, &chkItalic, &chkUnderline, &chkStrike, &chkTT};
    for (int i = 0; i < 5; ++i) {
        const StyleBox& box = boxes[i];
        auto* check = new QCheckBox(box.caption, frame);
        check->setObjectName(box.objectName);
        *members[i] = check;
        check->setFixedHeight(RowHeight);
        grid->addWidget(check, i / 2, i % 2);
        connect(check, &QCheckBox::toggled, this,
                [this, &box](bool ticked) { styleBox_Click(box, ticked); });
    }
    QFont monoCaption = chkTT->font();
    monoCaption.setFamily(MonoFont);
    chkTT->setFont(monoCaption);
    return frame;
}

QWidget* FormattingPage::createButtons() {
    auto* panel = new QWidget;
    auto* buttons = new QHBoxLayout(panel);
    buttons->setContentsMargins(0, 0, 0, 0);
    cmdInsert = new QPushButton("&Apply");
    cmdInsert->setObjectName("cmdInsert");
    cmdInsert->setToolTip("Click to apply the style");
    cmdDefault = new QPushButton("Clear");
    cmdDefault->setObjectName("cmdDefault");
    cmdDefault->setToolTip("Click to clear all formating selection");
    for (QPushButton* button : {cmdInsert, cmdDefault}) {
        HandCursor::showOver(button);
        buttons->addWidget(button);
    }
    connect(cmdInsert, &QPushButton::clicked, this, &FormattingPage::cmdInsert_Click);
    connect(cmdDefault, &QPushButton::clicked, this, &FormattingPage::cmdDefault_Click);
    return panel;
}

void FormattingPage::styleBox_Click(const StyleBox& box, bool ticked) {
    if (box.sampleEffect) {
        QFont font = LblSample->font();
        (font.*box.sampleEffect)(ticked);
        LblSample->setFont(font);
    } else {
        showMonoSpaceSample(ticked);
    }
    m_holders.*box.startHolder = ticked ? QString(box.startTag) : QString();
    m_holders.*box.endHolder = ticked ? QString(box.endTag) : QString();
    m_updateStartEnd();
}

void FormattingPage::showMonoSpaceSample(bool monoSpace) {
    QFont font = LblSample->font();
    font.setFamily(monoSpace ? MonoFont : SampleFont);
    font.setPointSize(monoSpace ? MonoSize : SampleSize);
    LblSample->setFont(font);
}

bool FormattingPage::nothingChosen() const {
    for (const QCheckBox* box : {chkUnderline, chkTT, chkStrike, chkBold, chkItalic}) {
        if (box->isChecked())
            return false;
    }
    return m_colours->atDefaults();
}

void FormattingPage::cmdInsert_Click() {
    if (Frame1->handleMissing()) {
        Prompter::inform(this, Handle::missingMessage);
        Frame1->focusHandle();
        return;
    }
    Insertion::wrapThroughClipboard(m_surface, Clipboard::instance(), m_holders.TxtStartTag,
                                    m_holders.TxtEndTag);
}

// Each change runs the control's own handler, exactly as a click would.
void FormattingPage::cmdDefault_Click() {
    for (QCheckBox* box : {chkBold, chkItalic, chkStrike, chkTT, chkUnderline})
        box->setChecked(false);
    m_colours->option("OptionBlack")->setChecked(true);
    Frame1->option("OptionNone")->setChecked(true);
    m_colours->option("OptionHLNone")->setChecked(true);
}

void FormattingPage::OptionHLNone_Click() {
    m_colours->option_Click(defaultColourOption(ColourFamily::Highlight));
}

void FormattingPage::OptionNone_Click() {
    Frame1->mainTag_Click(*findMainTagOption(u"OptionNone"));
}
