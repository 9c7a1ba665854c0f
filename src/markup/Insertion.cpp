#include "markup/Insertion.h"

#include "platform/Clipboard.h"
#include "platform/EditingSurface.h"

namespace Insertion {

void insertDirect(EditingSurface& surface, const QString& text) {
    surface.setFocus();
    surface.setSelText(text);
}

void wrapThroughClipboard(EditingSurface& surface, Clipboard& clipboard, const QString& start,
                          const QString& end, Focus focus) {
    const auto focusSurface = [&] {
        if (focus == Focus::TakeFocus)
            surface.setFocus();
    };
    focusSurface();
    clipboard.clear();
    const QString selected = surface.selText();
    const bool written = clipboard.setText(selected);
    focusSurface();
    const std::optional<QString> passed = written ? clipboard.text() : std::nullopt;
    surface.setSelText(start + passed.value_or(selected) + end);
    clipboard.clear();
}

} // namespace Insertion
