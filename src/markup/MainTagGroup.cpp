#include "markup/MainTagGroup.h"

#include "markup/MainTags.h"
#include "markup/TagHolders.h"
#include "platform/Clipboard.h"

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
                           std::function<void()> updateStartEnd, QWidget* parent)
    : QGroupBox("Main Tags", parent), m_holders(holders), m_italicBox(italicBox), m_sample(sample),
      m_updateStartEnd(std::move(updateStartEnd)) {
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
        button->setFixedHeight(RowHeight);
        grid->addWidget(button, index / 2, index % 2);
        connect(button, &QRadioButton::toggled, this, [this, &option](bool selected) {
            if (selected)
                mainTag_Click(option);
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

    LblHandle = new QLabel(Handle::labelCaption, panel);
    LblHandle->setObjectName(Handle::labelName);
    TxtQuoteDisplay = new QLineEdit(panel);
    TxtQuoteDisplay->setObjectName(Handle::displayName);
    TxtQuoteDisplay->setReadOnly(true);
    TxtQuoteDisplay->setFocusPolicy(Qt::NoFocus);
    TxtHandle = new QLineEdit(panel);
    TxtHandle->setObjectName(Handle::fieldName);
    cmdHandlePaste = new QPushButton(Handle::pasteCaption, panel);
    cmdHandlePaste->setObjectName(Handle::pasteName);

    grid->addWidget(LblHandle, 0, 0);
    grid->addWidget(TxtQuoteDisplay, 0, 1);
    grid->addWidget(TxtHandle, 1, 0);
    grid->addWidget(cmdHandlePaste, 1, 1);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);
    for (QWidget* control :
         {static_cast<QWidget*>(LblHandle), static_cast<QWidget*>(TxtQuoteDisplay),
          static_cast<QWidget*>(TxtHandle), static_cast<QWidget*>(cmdHandlePaste)}) {
        keepRoomWhenHidden(control);
        control->setFixedHeight(FieldHeight);
        control->hide();
    }

    connect(TxtHandle, &QLineEdit::textChanged, this, &MainTagGroup::TxtHandle_Change);
    connect(cmdHandlePaste, &QPushButton::clicked, this, &MainTagGroup::cmdHandlePaste_Click);
    return panel;
}

QRadioButton* MainTagGroup::option(const char* objectName) const {
    return findChild<QRadioButton*>(objectName);
}

bool MainTagGroup::handleMissing() const {
    return option("OptionQuoteDave")->isChecked() && TxtHandle->text().isEmpty();
}

void MainTagGroup::focusHandle() {
    TxtHandle->setFocus();
}

// Text Only with the Italic box ticked (possible only after Code) keeps the sample in
// italic, since italic is still chosen, but clears the main tag like any other choice.
void MainTagGroup::mainTag_Click(const MainTagOption& option) {
    showOnlyPictureOf(option);
    for (QWidget* control :
         {static_cast<QWidget*>(TxtHandle), static_cast<QWidget*>(cmdHandlePaste),
          static_cast<QWidget*>(LblHandle), static_cast<QWidget*>(TxtQuoteDisplay)})
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

    for (const HolderWrite& write : selectMainTag(option)) {
        if (QString* holder = m_holders.holder(write.holder))
            *holder = write.value;
    }
    m_updateStartEnd();
}

void MainTagGroup::showOnlyPictureOf(const MainTagOption& option) {
    for (QLabel* picture : m_pictures)
        picture->setVisible(picture->objectName() == QLatin1String(option.pictureName));
}

// Emptying a handle that was given runs the field's change handler, which leaves "():"
// in the hidden display; the caller empties the quote holders afterwards.
void MainTagGroup::emptyHandle() {
    TxtQuoteDisplay->clear();
    TxtHandle->setText(QString());
}

void MainTagGroup::TxtHandle_Change() {
    const QString handle = TxtHandle->text();
    TxtQuoteDisplay->setText(Handle::display(handle));
    *m_holders.holder(Handle::startHolder) = Handle::quoteStart(handle);
    m_updateStartEnd();
}

void MainTagGroup::cmdHandlePaste_Click() {
    TxtHandle->setFocus();
    if (const std::optional<QString> text = Clipboard::instance().text())
        TxtHandle->insert(*text);
}
