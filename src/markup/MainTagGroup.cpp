#include "markup/MainTagGroup.h"

#include "markup/MainTags.h"
#include "markup/TagHolders.h"
#include "platform/Clipboard.h"
#include "platform/Twips.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {
constexpr int PictureSize = 32;
constexpr int RowHeight = 17;
constexpr int FieldHeight = 20;

// Hidden handle controls keep their room, so the page does not jump as options change.
void keepRoomWhenHidden(QWidget* widget) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}
} // namespace

MainTagGroup::MainTagGroup(TagHolders& holders, QCheckBox* italicBox, QLabel* sample,
                           QWidget* parent)
    : QGroupBox("Main Tags", parent), m_holders(holders), m_italicBox(italicBox), m_sample(sample) {
    setObjectName("Frame1");
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 0, 4, 2);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(0);

    int index = 0;
    for (const MainTagOption& option : mainTagOptions()) {
        auto* button = new QRadioButton(option.caption, this);
        button->setObjectName(option.objectName);
        button->setChecked(index == 0);
        button->setFixedHeight(Twips::scaled(RowHeight));
        grid->addWidget(button, index / 2, index % 2);
        connect(button, &QRadioButton::toggled, this, [this, &option](bool selected) {
            if (selected)
                chooseMainTag(option);
        });

        auto* picture = new QLabel(this);
        picture->setObjectName(option.pictureName);
        picture->setPixmap(QIcon(option.picturePath()).pixmap(PictureSize, PictureSize));
        picture->setFixedSize(PictureSize, PictureSize);
        picture->setVisible(index == 0);
        grid->addWidget(picture, 0, 2, 2, 1, Qt::AlignCenter);
        m_pictures.append(picture);
        ++index;
    }
    grid->addWidget(createHandleControls(), 2, 0, 1, 3);
}

QWidget* MainTagGroup::createHandleControls() {
    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(2);

    m_handleLabel = new QLabel(Handle::labelCaption, panel);
    m_handleLabel->setObjectName(Handle::labelName);
    m_handleDisplay = new QLineEdit(panel);
    m_handleDisplay->setObjectName(Handle::displayName);
    m_handleDisplay->setReadOnly(true);
    m_handleDisplay->setFocusPolicy(Qt::NoFocus);
    m_handleField = new QLineEdit(panel);
    m_handleField->setObjectName(Handle::fieldName);
    m_pasteHandleButton = new QPushButton(Handle::pasteCaption, panel);
    m_pasteHandleButton->setObjectName(Handle::pasteName);

    grid->addWidget(m_handleLabel, 0, 0);
    grid->addWidget(m_handleDisplay, 0, 1);
    grid->addWidget(m_handleField, 1, 0);
    grid->addWidget(m_pasteHandleButton, 1, 1);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);
    for (QWidget* control :
         {static_cast<QWidget*>(m_handleLabel), static_cast<QWidget*>(m_handleDisplay),
          static_cast<QWidget*>(m_handleField), static_cast<QWidget*>(m_pasteHandleButton)}) {
        keepRoomWhenHidden(control);
        control->setFixedHeight(Twips::scaled(FieldHeight));
        control->hide();
    }

    connect(m_handleField, &QLineEdit::textChanged, this, &MainTagGroup::handleEdited);
    connect(m_pasteHandleButton, &QPushButton::clicked, this, &MainTagGroup::pasteHandle);
    return panel;
}

QRadioButton* MainTagGroup::option(const char* objectName) const {
    return findChild<QRadioButton*>(objectName);
}

bool MainTagGroup::handleMissing() const {
    return option("OptionQuoteDave")->isChecked() && m_handleField->text().isEmpty();
}

void MainTagGroup::focusHandle() {
    m_handleField->setFocus();
}

// Text Only with the Italic box ticked (possible only after Code) keeps the sample in
// italic, since italic is still chosen, but clears the main tag like any other choice.
void MainTagGroup::chooseMainTag(const MainTagOption& option) {
    showOnlyPictureOf(option);
    for (QWidget* control :
         {static_cast<QWidget*>(m_handleField), static_cast<QWidget*>(m_pasteHandleButton),
          static_cast<QWidget*>(m_handleLabel), static_cast<QWidget*>(m_handleDisplay)})
        control->setVisible(option.asksForHandle);
    // The credited quote starts with an empty handle: every other choice empties it.
    if (!option.asksForHandle)
        emptyHandle();

    m_italicBox->setEnabled(option.italicBox != ItalicBox::DisabledAndCleared);
    if (option.italicBox != ItalicBox::Enabled)
        m_italicBox->setChecked(false); // runs the box's own handler when it was ticked
    QFont font = m_sample->font();
    font.setItalic(option.sampleItalic || m_italicBox->isChecked());
    m_sample->setFont(font);

    m_holders.apply(selectMainTag(option));
    emit holdersWritten();
}

void MainTagGroup::showOnlyPictureOf(const MainTagOption& option) {
    for (QLabel* picture : m_pictures)
        picture->setVisible(picture->objectName() == QLatin1String(option.pictureName));
}

// Emptying a handle that was given runs the field's change handler, which leaves "():"
// in the hidden display; the caller empties the quote holders afterwards.
void MainTagGroup::emptyHandle() {
    m_handleDisplay->clear();
    m_handleField->setText(QString());
}

void MainTagGroup::handleEdited() {
    const QString handle = m_handleField->text();
    m_handleDisplay->setText(Handle::display(handle));
    m_holders.set(Handle::startHolder, Handle::quoteStart(handle));
    emit holdersWritten();
}

void MainTagGroup::pasteHandle() {
    m_handleField->setFocus();
    if (const std::optional<QString> text = Clipboard::instance().text())
        m_handleField->insert(*text);
}
