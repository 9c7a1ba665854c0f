#include "markup/FormattingPage.h"

#include "markup/Insertion.h"
#include "markup/TagHolders.h"
#include "platform/Clipboard.h"
#include "platform/ModMouseCurser.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
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
} // namespace

FormattingPage::FormattingPage(TagHolders& holders, EditingSurface& surface,
                               std::function<void()> updateStartEnd, QWidget* parent)
    : QGroupBox("Formatting Tags", parent), m_holders(holders), m_surface(surface),
      m_updateStartEnd(std::move(updateStartEnd)) {
    setObjectName("FrameCustom");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(6);
    layout->addWidget(createStyleTags());
    layout->addStretch(1);
    layout->addWidget(createSampleAndButtons());
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
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setVerticalSpacing(2);
    QCheckBox** members[] = {&chkBold, &chkItalic, &chkUnderline, &chkStrike, &chkTT};
    for (int i = 0; i < 5; ++i) {
        const StyleBox& box = boxes[i];
        auto* check = new QCheckBox(box.caption, frame);
        check->setObjectName(box.objectName);
        *members[i] = check;
        grid->addWidget(check, i / 2, i % 2);
        connect(check, &QCheckBox::toggled, this,
                [this, &box](bool ticked) { styleBox_Click(box, ticked); });
    }
    QFont monoCaption = chkTT->font();
    monoCaption.setFamily(MonoFont);
    chkTT->setFont(monoCaption);
    return frame;
}

QWidget* FormattingPage::createSampleAndButtons() {
    auto* panel = new QWidget;
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);

    LblSample = new QLabel("Sample Text");
    LblSample->setObjectName("LblSample");
    LblSample->setAlignment(Qt::AlignCenter);
    LblSample->setFrameShape(QFrame::StyledPanel);
    LblSample->setMinimumHeight(34);
    LblSample->setAutoFillBackground(true);
    QPalette samplePalette = LblSample->palette();
    samplePalette.setColor(QPalette::Window, Qt::white);
    samplePalette.setColor(QPalette::WindowText, Qt::black);
    LblSample->setPalette(samplePalette);
    showMonoSpaceSample(false);
    layout->addWidget(LblSample);

    auto* buttons = new QHBoxLayout;
    cmdInsert = new QPushButton("&Apply");
    cmdInsert->setObjectName("cmdInsert");
    cmdInsert->setToolTip("Click to apply the style");
    cmdDefault = new QPushButton("Clear");
    cmdDefault->setObjectName("cmdDefault");
    cmdDefault->setToolTip("Click to clear all formating selection");
    for (QPushButton* button : {cmdInsert, cmdDefault}) {
        ModMouseCurser::useHandCursor(button);
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);

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
    return true;
}

void FormattingPage::cmdInsert_Click() {
    Insertion::wrapThroughClipboard(m_surface, Clipboard::instance(), m_holders.TxtStartTag,
                                    m_holders.TxtEndTag);
}

void FormattingPage::cmdDefault_Click() {
    for (QCheckBox* box : {chkBold, chkItalic, chkStrike, chkTT, chkUnderline})
        box->setChecked(false);
}
