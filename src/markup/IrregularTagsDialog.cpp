#include "markup/IrregularTagsDialog.h"

#include "markup/Insertion.h"
#include "platform/Clipboard.h"
#include "platform/DialogButtons.h"
#include "platform/Prompter.h"
#include "platform/Twips.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

struct IrregularTag {
    const char* objectName;
    const char* caption;
    const char* pictureName;
    const char* picture; // rich text showing what the forum makes of the tag
    const char* sample;
    const char* explanation;
    const char* startTag;
    const char* endTag;
};

namespace {
// In the dialog's order; Apply looks for the selected one from the last to the first.
const IrregularTag kTags[] = {
    {"OptionIgnore", "Ignore", "picIgnore", "<tt>[b]TEXT[/b]</tt>", "[ignore][b]TEXT[/b][/ignore]",
     "Use this tags to show VNML code tags in your post. See the sample", "[ignore]", "[/ignore]"},
    {"OptionSub", "SubScript", "picSub", "H<sub>2</sub>O", "[sub]SOME TEXT[/sub]",
     "Use this tags to subscript a text. See the sample", "[sub]", "[/sub]"},
    {"OptionSup", "Super Script", "picSup", "E = mc<sup>2</sup>", "[sup]SOME TEXT[/sup]",
     "Use this tags to superscript a text. See the sample", "[sup]", "[/sup]"},
};
constexpr const char* NoOptionMessage = "You must select an option";
} // namespace

IrregularTagsDialog::IrregularTagsDialog(EditingSurface& surface, QWidget* parent)
    : QDialog(parent), m_surface(surface) {
    setObjectName("frmIrregular");
    setWindowTitle("Irregular tags");

    m_sample = new QLabel(this);
    m_sample->setObjectName("Label2");
    m_sample->setTextFormat(Qt::PlainText);
    m_explanation = new QLabel(this);
    m_explanation->setObjectName("Label1");
    m_explanation->setTextFormat(Qt::PlainText);
    m_explanation->setWordWrap(true);
    m_explanation->setMinimumHeight(m_explanation->fontMetrics().lineSpacing() * 2);

    QPushButton* applyButton = DialogButtons::make("&Apply", "cmdApply", this);
    QPushButton* cancelButton = DialogButtons::make("&Cancel", "cmdCancel", this);
    connect(applyButton, &QPushButton::clicked, this, &IrregularTagsDialog::applyTag);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(createOptions());
    layout->addWidget(m_sample);
    layout->addWidget(m_explanation);
    layout->addLayout(DialogButtons::row({applyButton, cancelButton}));
    setMinimumWidth(Twips::scaled(380));
}

QWidget* IrregularTagsDialog::createOptions() {
    auto* group = new QGroupBox("Irregular tags", this);
    auto* options = new QVBoxLayout;
    m_pictures = new QStackedWidget(group);
    m_pictures->addWidget(new QWidget); // nothing in front until an option is chosen
    for (const IrregularTag& tag : kTags) {
        auto* button = new QRadioButton(tag.caption, group);
        button->setObjectName(tag.objectName);
        options->addWidget(button);
        connect(button, &QRadioButton::toggled, this, [this, &tag](bool selected) {
            if (selected)
                showTag(tag);
        });

        auto* picture = new QLabel(tag.picture);
        picture->setObjectName(tag.pictureName);
        picture->setTextFormat(Qt::RichText);
        picture->setAlignment(Qt::AlignCenter);
        picture->setFrameShape(QFrame::StyledPanel);
        QFont large = picture->font();
        large.setPointSizeF(large.pointSizeF() * 1.5);
        picture->setFont(large);
        m_pictures->addWidget(picture);
    }
    m_pictures->setFixedSize(150, 60);

    auto* row = new QHBoxLayout(group);
    row->addLayout(options);
    row->addStretch(1);
    row->addWidget(m_pictures);
    return group;
}

QRadioButton* IrregularTagsDialog::option(const char* objectName) const {
    return findChild<QRadioButton*>(objectName);
}

void IrregularTagsDialog::showTag(const IrregularTag& tag) {
    m_pictures->setCurrentWidget(m_pictures->findChild<QLabel*>(tag.pictureName));
    m_sample->setText(tag.sample);
    m_explanation->setText(tag.explanation);
}

// Superscript is tested first, then subscript, then ignore.
void IrregularTagsDialog::applyTag() {
    for (auto tag = std::rbegin(kTags); tag != std::rend(kTags); ++tag) {
        if (option(tag->objectName)->isChecked()) {
            Insertion::wrapThroughClipboard(m_surface, Clipboard::instance(), tag->startTag,
                                            tag->endTag, Insertion::Focus::Keep);
            accept();
            return;
        }
    }
    Prompter::inform(this, NoOptionMessage);
}
