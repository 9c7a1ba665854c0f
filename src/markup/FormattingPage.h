#pragma once

#include "markup/TagHolders.h"

#include <QGroupBox>

class ColourGroups;
class EditingSurface;
class MainTagGroup;
class QCheckBox;
class QLabel;
class QPushButton;

// The "Formatting Tags" page: the style boxes, the main tags, the text colour and
// highlight groups, the sample, Apply and Clear. The page owns the tag holders; each
// control writes its own, and every write is announced so the composed tags can be shown.
class FormattingPage : public QGroupBox {
    Q_OBJECT
public:
    explicit FormattingPage(EditingSurface& surface, QWidget* parent = nullptr);

    const TagHolders& holders() const { return m_holders; }

    // True when no style box is ticked, the text colour is Black and the highlight None.
    // The main tag is not considered.
    bool nothingChosen() const;
    // Apply is enabled while something is chosen or a main tag other than Text Only.
    void refreshApplyButton();

    // Apply: wraps the selection in the composed tags.
    void applyTags();
    // Clear: every control back to its neutral state.
    void clearChoices();

signals:
    void tagsChanged();

private:
    struct StyleBox;
    QLabel* createSample();
    QWidget* createStyleTags();
    QWidget* createSampleLegend();
    QWidget* createButtons();
    void toggleStyle(const StyleBox& box, bool ticked);
    void showMonoSpaceSample(bool monoSpace);

    TagHolders m_holders;
    EditingSurface& m_surface;

    QCheckBox* m_boldBox = nullptr;
    QCheckBox* m_italicBox = nullptr;
    QCheckBox* m_underlineBox = nullptr;
    QCheckBox* m_strikeBox = nullptr;
    QCheckBox* m_monoBox = nullptr;
    QLabel* m_sample = nullptr;
    MainTagGroup* m_mainTags = nullptr;
    ColourGroups* m_colours = nullptr;
    QPushButton* m_applyButton = nullptr;
    QPushButton* m_clearButton = nullptr;
};
