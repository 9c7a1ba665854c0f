#include "settings/FontSettingsDialog.h"

#include "platform/DialogButtons.h"
#include "platform/RichTextBox.h"
#include "platform/Twips.h"
#include "settings/FontFamilies.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QComboBox* makeList(const char* name, QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    return list;
}

QString withoutSurroundingSpaces(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == u' ')
        ++first;
    while (last > first && text.at(last - 1) == u' ')
        --last;
    return text.mid(first, last - first);
}

} // namespace

FontSettingsDialog::FontSettingsDialog(RichTextBox& editor, const QString& settingsPath,
                                       QWidget* parent)
    : QDialog(parent), m_editor(editor), m_store(settingsPath) {
    setObjectName("FrmOptions");
    setWindowTitle("Font setting");

    auto* frame = new QGroupBox("Text Editor Font Setting", this);
    frame->setObjectName("FrameFonts");
    auto* grid = new QGridLayout(frame);
    auto* fontLabel = new QLabel("Font", frame);
    fontLabel->setObjectName("Label1");
    auto* sizeLabel = new QLabel("Size", frame);
    sizeLabel->setObjectName("Label2");
    m_fontNameBox = makeList("cboFontName", frame);
    m_fontNameBox->setMinimumWidth(Twips::scaled(200));
    m_fontSizeBox = makeList("cboFontSize", frame);
    grid->addWidget(fontLabel, 0, 0);
    grid->addWidget(m_fontNameBox, 0, 1);
    grid->addWidget(sizeLabel, 1, 0);
    grid->addWidget(m_fontSizeBox, 1, 1);
    m_fontInUseLabel = new QLabel(frame);
    m_fontInUseLabel->setObjectName("lblFontInUse");
    m_fontInUseLabel->setAccessibleName("Font in use");
    m_fontInUseLabel->setWordWrap(true);
    m_fontInUseLabel->hide();
    grid->addWidget(m_fontInUseLabel, 2, 0, 1, 2);
    grid->setColumnStretch(1, 1);

    QPushButton* applyButton = DialogButtons::make("&Apply", "cmdApply", this, true);
    QPushButton* cancelButton = DialogButtons::make("&Cancel", "CmdCancel", this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(DialogButtons::row({applyButton, cancelButton}));

    connect(applyButton, &QPushButton::clicked, this, &FontSettingsDialog::applyFont);
    connect(cancelButton, &QPushButton::clicked, this, &FontSettingsDialog::reject);
    connect(m_fontNameBox, &QComboBox::activated, this, &FontSettingsDialog::previewFontName);
    connect(m_fontSizeBox, &QComboBox::activated, this, &FontSettingsDialog::previewFontSize);
    connect(m_fontNameBox, &QComboBox::editTextChanged, this, &FontSettingsDialog::showFontInUse);

    fillLists();
    showChoice(m_store.load());
}

FontChoice FontSettingsDialog::choice() const {
    return {m_fontNameBox->currentText(), m_fontSizeBox->currentText()};
}

void FontSettingsDialog::fillLists() {
    m_fontNameBox->clear();
    m_fontNameBox->addItems(FontFamilies::installed());
    m_fontSizeBox->addItems(FontSettingsStore::sizeChoices());
    showChoice(FontSettingsStore::initialChoice());
}

void FontSettingsDialog::showChoice(const FontChoice& choice) {
    m_fontNameBox->setEditText(choice.name);
    m_fontSizeBox->setEditText(choice.size);
}

// A name that is not installed is drawn in another font: the window says which.
void FontSettingsDialog::showFontInUse(const QString& name) {
    const QString family = name.trimmed();
    const bool missing =
        !family.isEmpty() && m_fontNameBox->findText(family, Qt::MatchFixedString) < 0;
    m_fontInUseLabel->setVisible(missing);
    if (missing)
        m_fontInUseLabel->setText(QString("%1 is not installed; the text is shown in %2.")
                                      .arg(family, FontFamilies::drawnFor(family)));
}

void FontSettingsDialog::previewFontName(int index) {
    m_editor.setSelFontName(m_fontNameBox->itemText(index));
}

void FontSettingsDialog::previewFontSize(int index) {
    if (const auto points = FontChoice{QString(), m_fontSizeBox->itemText(index)}.points())
        m_editor.setSelFontSize(*points);
}

void FontSettingsDialog::applyFont() {
    const FontChoice chosen = choice();
    m_store.save(chosen);

    EditingSurface& surface = m_editor.surface();
    surface.setFocus();
    surface.setSelStart(0);
    surface.setSelLength(int(withoutSurroundingSpaces(m_editor.toPlainText()).size()));
    const double current = m_editor.document()->defaultFont().pointSizeF();
    surface.setFontNameAndSize(chosen.name, chosen.points().value_or(current));
    surface.setSelStart(0);
    accept(); // hidden, not unloaded: the lists keep the new choice
}

void FontSettingsDialog::reject() {
    QDialog::reject();
    emit unloaded();
}
