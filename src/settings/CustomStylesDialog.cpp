#include "settings/CustomStylesDialog.h"

#include "markup/Insertion.h"
#include "platform/Clipboard.h"
#include "platform/DialogButtons.h"
#include "platform/EditingSurface.h"
#include "platform/Prompter.h"
#include "platform/Twips.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QLineEdit* makeBox(const QString& name, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    return box;
}

} // namespace

CustomStylesDialog::CustomStylesDialog(EditingSurface& surface, const QString& settingsPath,
                                       QWidget* parent)
    : QDialog(parent), m_surface(surface), m_store(settingsPath) {
    setObjectName("frmPreset");
    setWindowTitle("Custom Styles");

    auto* hint = new QLabel("Choose an option then click Apply.", this);
    hint->setObjectName("Label2");
    auto* slotsArea = new QWidget(this);
    createSlots(slotsArea);
    m_tagsLabel = new QLabel(this);
    m_tagsLabel->setObjectName("Label1");
    m_tagsLabel->setTextFormat(Qt::PlainText);
    m_tagsLabel->setFrameShape(QFrame::StyledPanel);
    m_tagsLabel->setMinimumHeight(m_tagsLabel->fontMetrics().height() + 6);
    m_tagsLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);

    // Enter anywhere in the window applies.
    m_applyButton = DialogButtons::make("&Apply", "cmdApply", this, true);
    m_deleteButton = DialogButtons::make("&Delete", "cmdDel", this);
    QPushButton* closeButton = DialogButtons::make("&Close", "cmdClose", this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    layout->addWidget(slotsArea);
    layout->addWidget(m_tagsLabel);
    layout->addLayout(DialogButtons::row({m_applyButton, m_deleteButton, closeButton}));

    connect(m_applyButton, &QPushButton::clicked, this, &CustomStylesDialog::applySelectedStyle);
    connect(m_deleteButton, &QPushButton::clicked, this, &CustomStylesDialog::deleteSelectedStyle);
    connect(closeButton, &QPushButton::clicked, this, &CustomStylesDialog::storeAndClose);

    const CustomStyles stored = m_store.load();
    for (int slot = 0; slot < CustomStyles::kSlotCount; ++slot)
        showStyle(slot, stored.at(slot));
    updateButtons();
}

void CustomStylesDialog::createSlots(QWidget* parent) {
    auto* grid = new QGridLayout(parent);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setColumnStretch(1, 1);
    m_options = new QButtonGroup(this);
    for (int slot = 0; slot < CustomStyles::kSlotCount; ++slot) {
        const QString number = QString::number(slot + 1);
        Slot& entry = m_slots[slot];
        entry.option = new QRadioButton(number, parent);
        entry.option->setObjectName("Option" + number);
        entry.name = makeBox("TxtPre" + number, parent);
        entry.name->setMinimumWidth(Twips::scaled(240));
        entry.name->installEventFilter(this);
        entry.startTag = makeBox("Txt" + number + "A", parent);
        entry.endTag = makeBox("Txt" + number + "B", parent);
        entry.startTag->hide();
        entry.endTag->hide();
        m_options->addButton(entry.option, slot);
        grid->addWidget(entry.option, slot, 0);
        grid->addWidget(entry.name, slot, 1);
        connect(entry.option, &QRadioButton::toggled, this, [this, slot](bool selected) {
            if (selected)
                showTagsOf(slot);
        });
    }
}

void CustomStylesDialog::showStyle(int slot, const CustomStyle& style) {
    m_slots[slot].name->setText(style.name);
    m_slots[slot].startTag->setText(style.startTag);
    m_slots[slot].endTag->setText(style.endTag);
}

CustomStyle CustomStylesDialog::styleIn(int slot) const {
    const Slot& entry = m_slots[slot];
    return {entry.name->text(), entry.startTag->text(), entry.endTag->text()};
}

CustomStyles CustomStylesDialog::styles() const {
    CustomStyles all;
    for (int slot = 0; slot < CustomStyles::kSlotCount; ++slot)
        all.set(slot, styleIn(slot));
    return all;
}

std::optional<int> CustomStylesDialog::selectedSlot() const {
    const int slot = m_options->checkedId();
    return slot >= 0 ? std::optional<int>(slot) : std::nullopt;
}

void CustomStylesDialog::storeInFirstEmptySlot(const CustomStyle& style) {
    CustomStyles all = styles();
    if (const auto slot = all.addToFirstEmptySlot(style)) {
        showStyle(*slot, style);
        updateButtons();
        return;
    }
    Prompter::inform(this, " You have no storage available now\r\n"
                           " Delete any of the preset and try again");
}

void CustomStylesDialog::updateButtons() {
    const bool any = !styles().allEmpty();
    m_applyButton->setEnabled(any);
    m_deleteButton->setEnabled(any);
}

void CustomStylesDialog::showTagsOf(int slot) {
    m_tagsLabel->setText(styleIn(slot).tagsCaption());
}

void CustomStylesDialog::applySelectedStyle() {
    const auto slot = selectedSlot();
    if (!slot) {
        Prompter::inform(this, "Please Select a style to apply");
        return;
    }
    const CustomStyle style = styleIn(*slot);
    Insertion::wrapThroughClipboard(m_surface, Clipboard::instance(), style.startTag, style.endTag,
                                    Insertion::Focus::Keep);
}

void CustomStylesDialog::deleteSelectedStyle() {
    const auto answer =
        Prompter::question(this, "Quillet", "Are you sure to delete?", Prompter::Buttons::YesNo);
    if (answer == Prompter::Answer::Yes) {
        if (const auto slot = selectedSlot()) {
            showStyle(*slot, CustomStyle());
            m_tagsLabel->clear();
        }
    }
    updateButtons();
}

void CustomStylesDialog::storeAndClose() {
    m_store.save(styles());
    QDialog::done(QDialog::Accepted);
    m_surface.setFocus();
}

void CustomStylesDialog::reject() {
    storeAndClose();
}

bool CustomStylesDialog::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        updateButtons();
    return QDialog::event(event);
}

bool CustomStylesDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        for (const Slot& entry : m_slots) {
            if (watched == entry.name) {
                entry.option->setChecked(true);
                entry.option->setFocus();
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}
