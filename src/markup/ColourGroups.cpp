#include "markup/ColourGroups.h"

#include "markup/ColourOptions.h"
#include "markup/ColourSwatchButton.h"
#include "markup/TagHolders.h"
#include "platform/SystemColours.h"
#include "platform/Twips.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPalette>
#include <QRadioButton>
#include <QVBoxLayout>
#include <memory>

namespace {
// Eleven options a column: rows as tight as the option's mark allows.
constexpr int RowHeight = 15;

void paintCaption(QRadioButton* button, const ColourOption& option) {
    // A style sheet, set or cleared, may put the application's font back: the caption keeps
    // the page's smaller one.
    button->setFont(button->parentWidget()->font());
    const QColor text = captionForeground(option);
    const QPalette page = button->parentWidget()->palette();
    if (const std::optional<QColor> background = captionBackground(
            option, page.color(QPalette::Window), page.color(QPalette::WindowText))) {
        SystemColours::paint(button, *background, text);
        return;
    }
    SystemColours::clearPaint(button);
    QPalette palette = button->palette();
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::ButtonText, text);
    button->setPalette(palette);
}
// Runs the handler whenever the option becomes selected, from code too, and also when the
// user clicks the option that is selected already: clicking Black while a highlight
// stays chosen writes the word black into the tag, even though Black was selected.
void runOnSelectOrReclick(QRadioButton* button, const std::function<void()>& handler) {
    auto ranThisClick = std::make_shared<bool>(false);
    QObject::connect(button, &QRadioButton::pressed, button, [=] { *ranThisClick = false; });
    QObject::connect(button, &QRadioButton::toggled, button, [=](bool selected) {
        if (selected) {
            *ranThisClick = true;
            handler();
        }
    });
    QObject::connect(button, &QRadioButton::clicked, button, [=] {
        if (!*ranThisClick)
            handler();
    });
}
} // namespace

ColourGroups::ColourGroups(TagHolders& holders, QLabel* sample, QWidget* parent)
    : QWidget(parent), m_holders(holders), m_sample(sample) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    row->addWidget(createGroup("Frame2", "Text Color", false));
    row->addWidget(createGroup("FrameHighlight", "Highlight", true));
    SystemColours::followPalette(this, [this] { paintCaptions(); });
}

void ColourGroups::paintCaptions() {
    for (const ColourOption& colour : colourOptions())
        paintCaption(option(colour.objectName), colour);
}

QWidget* ColourGroups::createGroup(const char* objectName, const char* title, bool highlight) {
    auto* group = new QGroupBox(title, this);
    group->setObjectName(objectName);
    auto* column = new QVBoxLayout(group);
    column->setContentsMargins(3, 0, 3, 2);
    column->setSpacing(0);
    const ColourFamily family = highlight ? ColourFamily::Highlight : ColourFamily::Text;
    for (const ColourOption& option : colourOptions()) {
        if (option.family != family)
            continue;
        auto* button = new ColourSwatchButton(option.caption, group);
        button->setObjectName(option.objectName);
        button->setChecked(option.isDefault);
        button->setFixedHeight(Twips::scaled(RowHeight));
        paintCaption(button, option);
        column->addWidget(button);
        runOnSelectOrReclick(button, [this, &option] { applyOption(option); });
    }
    return group;
}

QRadioButton* ColourGroups::option(const char* objectName) const {
    return findChild<QRadioButton*>(objectName);
}

bool ColourGroups::atDefaults() const {
    return option("OptionBlack")->isChecked() && option("OptionHLNone")->isChecked();
}

void ColourGroups::applyOption(const ColourOption& option) {
    const ColourOption& otherDefault = defaultColourOption(
        option.family == ColourFamily::Text ? ColourFamily::Highlight : ColourFamily::Text);
    const bool otherAtDefault = this->option(otherDefault.objectName)->isChecked();
    const ColourSelection selection = selectColourOption(option, otherAtDefault);

    QPalette palette = m_sample->palette();
    if (selection.sampleText)
        palette.setColor(QPalette::WindowText, *selection.sampleText);
    if (selection.sampleBackground)
        palette.setColor(QPalette::Window, *selection.sampleBackground);
    m_sample->setPalette(palette);

    m_holders.apply(selection.writes);
    emit holdersWritten();
}
