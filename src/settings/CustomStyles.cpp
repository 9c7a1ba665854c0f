#include "settings/CustomStyles.h"

#include <algorithm>

bool CustomStyles::allEmpty() const {
    return std::all_of(m_slots.cbegin(), m_slots.cend(),
                       [](const CustomStyle& style) { return style.isEmpty(); });
}

std::optional<int> CustomStyles::addToFirstEmptySlot(const CustomStyle& style) {
    if (style.isEmpty())
        return std::nullopt;
    const auto free = std::find_if(m_slots.begin(), m_slots.end(),
                                   [](const CustomStyle& slot) { return slot.isEmpty(); });
    if (free == m_slots.end())
        return std::nullopt;
    *free = style;
    return int(free - m_slots.begin());
}
