#pragma once

#include "settings/CustomStyleStore.h"
#include "settings/CustomStyles.h"

#include <QDialog>
#include <array>
#include <optional>

class EditingSurface;
class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// "Custom Styles": the ten stored styles. The user picks one and applies it to the editing
// area's selection, as often as wanted, or deletes it. The slots are read from the settings
// file when the window is made and written back, all thirty values, when it is closed
// (Close or Escape; there is no cancelling).
class CustomStylesDialog : public QDialog {
    Q_OBJECT
public:
    CustomStylesDialog(EditingSurface& surface, const QString& settingsPath,
                       QWidget* parent = nullptr);

    // Fills the first empty slot with the style; when all ten are used, says so and changes
    // nothing.
    void storeInFirstEmptySlot(const CustomStyle& style);

    // Escape and the close box close, which stores the slots.
    void reject() override;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Slot {
        QRadioButton* option = nullptr; // OptionN
        QLineEdit* name = nullptr;      // TxtPreN
        QLineEdit* startTag = nullptr;  // TxtNA, not shown
        QLineEdit* endTag = nullptr;    // TxtNB, not shown
    };
    void createSlots(QWidget* parent);
    void showStyle(int slot, const CustomStyle& style);
    CustomStyle styleIn(int slot) const;
    // The slots as the window holds them now.
    CustomStyles styles() const;
    std::optional<int> selectedSlot() const;
    // Apply and Delete are offered only while some slot has a name.
    void updateButtons();
    void showTagsOf(int slot);
    void applySelectedStyle();
    void deleteSelectedStyle();
    void storeAndClose();

    EditingSurface& m_surface;
    CustomStyleStore m_store;
    std::array<Slot, CustomStyles::kSlotCount> m_slots;
    QButtonGroup* m_options = nullptr;
    QLabel* m_tagsLabel = nullptr;
    QPushButton* m_applyButton = nullptr;
    QPushButton* m_deleteButton = nullptr;
};
