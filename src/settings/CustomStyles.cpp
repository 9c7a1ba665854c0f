#include "settings/CustomStyles.h"

void CustomStyles::clear(int slot) {
    if (slot >= 0 && slot < kSlotCount)
        m_slots[slot] = CustomStyle();
}

std::optional<int> CustomStyles::firstEmptySlot() const {
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (m_slots[slot].isEmpty())
            return slot;
    }
    return std::nullopt;
}

std::optional<int> CustomStyles::firstUsedSlot() const {
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (!m_slots[slot].isEmpty())
            return slot;
    }
    return std::nullopt;
}

std::optional<int> CustomStyles::addToFirstEmptySlot(const CustomStyle& style) {
    if (style.isEmpty())
        return std::nullopt;
    const auto slot = firstEmptySlot();
    if (slot)
        m_slots[*slot] = style;
    return slot;
}
