#pragma once

#include "settings/FontSettingsStore.h"

#include <QDialog>

class QComboBox;
class QPushButton;
class RichTextBox;

// The "Font setting" window. While the program runs it stays loaded and hidden: the texts
// of its two lists are the editing area's font. Clicking an entry previews it on the
// selected text; Apply stores the choice and puts the whole text in it; Cancel (or Escape)
// unloads the window, so the next use reads the stored choice again.
class FontSettingsDialog : public QDialog {
    Q_OBJECT
public:
    FontSettingsDialog(RichTextBox& editor, const QString& settingsPath, QWidget* parent = nullptr);

    // The current font choice: the texts of cboFontName and cboFontSize.
    FontChoice choice() const;

    // Shows the stored choice ("Verdana" and "12" for what is not stored).
    void cmdRefresh();
    void cmdApply_Click();
    void CmdCancel_Click();
    // Escape and the close box cancel.
    void reject() override;

signals:
    // Cancel closed the window; its owner lets it go.
    void unloaded();

private:
    void fillLists();
    void showChoice(const FontChoice& choice);
    void cboFontName_Click(int index);
    void cboFontSize_Click(int index);

    RichTextBox& m_editor;
    FontSettingsStore m_store;

    QComboBox* cboFontName = nullptr;
    QComboBox* cboFontSize = nullptr;
    QPushButton* cmdApply = nullptr;
    QPushButton* CmdCancel = nullptr;
};
