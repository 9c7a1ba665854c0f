#pragma once

#include <QString>
#include <array>
#include <optional>

// A named pair of tags that wraps a selection in one step.
struct CustomStyle {
    QString name;
    QString startTag;
    QString endTag;

    // Only the name decides whether a slot is in use.
    bool isEmpty() const { return name.isEmpty(); }
    // The caption that shows the style's tags: start tag, a space, end tag.
    QString tagsCaption() const { return startTag + u' ' + endTag; }
};

// The ten custom style slots, numbered 0 to 9 here (1 to 10 on screen and in the settings
// file). Names need not be unique.
class CustomStyles {
public:
    static constexpr int kSlotCount = 10;

    const CustomStyle& at(int slot) const { return m_slots.at(slot); }
    void set(int slot, const CustomStyle& style) { m_slots.at(slot) = style; }

    // True when every name is empty: the custom styles window then has nothing to apply
    // or delete.
    bool allEmpty() const;

    // Puts the style into the first empty slot and returns that slot; nothing when all
    // ten are in use, or when the style has no name (it would not occupy the slot).
    std::optional<int> addToFirstEmptySlot(const CustomStyle& style);

private:
    std::array<CustomStyle, kSlotCount> m_slots;
};
