#include "settings/FontSettingsDialog.h"

#include "platform/HandCursor.h"
#include "platform/RichTextBox.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
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
    cboFontName = makeList("cboFontName", frame);
    cboFontName->setMinimumWidth(200);
    cboFontSize = makeList("cboFontSize", frame);
    grid->addWidget(fontLabel, 0, 0);
    grid->addWidget(cboFontName, 0, 1);
    grid->addWidget(sizeLabel, 1, 0);
    grid->addWidget(cboFontSize, 1, 1);
    grid->setColumnStretch(1, 1);

    cmdApply = new QPushButton("&Apply", this);
    cmdApply->setObjectName("cmdApply");
    cmdApply->setDefault(true);
    CmdCancel = new QPushButton("&Cancel", this);
    CmdCancel->setObjectName("CmdCancel");
    CmdCancel->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* button : {cmdApply, CmdCancel}) {
        HandCursor::showOver(button);
        buttons->addWidget(button);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(buttons);

    connect(cmdApply, &QPushButton::clicked, this, &FontSettingsDialog::cmdApply_Click);
    connect(CmdCancel, &QPushButton::clicked, this, &FontSettingsDialog::CmdCancel_Click);
    connect(cboFontName, &QComboBox::activated, this, &FontSettingsDialog::cboFontName_Click);
    connect(cboFontSize, &QComboBox::activated, this, &FontSettingsDialog::cboFontSize_Click);

    fillLists();
    showChoice(m_store.load());
}

FontChoice FontSettingsDialog::choice() const {
    return {cboFontName->currentText(), cboFontSize->currentText()};
}

void FontSettingsDialog::fillLists() {
    QStringList families = QFontDatabase::families();
    std::sort(families.begin(), families.end(), [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    cboFontName->clear();
    cboFontName->addItems(families);
    cboFontSize->addItems(FontSettingsStore::sizeChoices());
    showChoice(FontSettingsStore::initialChoice());
}

void FontSettingsDialog::showChoice(const FontChoice& choice) {
    cboFontName->setEditText(choice.name);
    cboFontSize->setEditText(choice.size);
}

void FontSettingsDialog::cmdRefresh() {
    showChoice(m_store.stored());
}

void FontSettingsDialog::cboFontName_Click(int index) {
    m_editor.setSelFontName(cboFontName->itemText(index));
}

void FontSettingsDialog::cboFontSize_Click(int index) {
    if (const auto points = FontChoice{QString(), cboFontSize->itemText(index)}.points())
        m_editor.setSelFontSize(*points);
}

void FontSettingsDialog::cmdApply_Click() {
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

void FontSettingsDialog::CmdCancel_Click() {
    QDialog::reject();
    emit unloaded();
}

void FontSettingsDialog::reject() {
    CmdCancel_Click();
}
