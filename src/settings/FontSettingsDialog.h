#pragma once

#include "settings/FontSettingsStore.h"

#include <QDialog>

class QComboBox;
class QLabel;
class RichTextBox;

// The "Font setting" window. While the program runs it stays loaded and hidden: the texts
// of its two lists are the editing area's font. Clicking an entry previews it on the
// selected text; Apply stores the choice and puts the whole text in it; Cancel (or Escape)
// unloads the window, so the next use reads the stored choice again.
class FontSettingsDialog : public QDialog {
    Q_OBJECT
public:
    FontSettingsDialog(RichTextBox& editor, const QString& settingsPath, QWidget* parent = nullptr);

    // The current font choice: the texts of the font name and size lists.
    FontChoice choice() const;

    // Cancel, Escape and the close box: closes and asks to be unloaded.
    void reject() override;

signals:
    // Cancel closed the window; its owner lets it go.
    void unloaded();

private:
    void fillLists();
    void showChoice(const FontChoice& choice);
    void showFontInUse(const QString& name);
    void previewFontName(int index);
    void previewFontSize(int index);
    void applyFont();

    RichTextBox& m_editor;
    FontSettingsStore m_store;

    QComboBox* m_fontNameBox = nullptr;
    QComboBox* m_fontSizeBox = nullptr;
    QLabel* m_fontInUseLabel = nullptr;
};
