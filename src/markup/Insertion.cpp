#include "markup/Insertion.h"

#include "platform/Clipboard.h"
#include "platform/EditingSurface.h"

namespace Insertion {

void insertDirect(EditingSurface& surface, const QString& text) {
    surface.setFocus();
    surface.setSelText(text);
}

void insertClearingClipboard(EditingSurface& surface, Clipboard& clipboard, const QString& text) {
    clipboard.clear();
    surface.setSelText(text);
    clipboard.clear();
}

void wrapThroughClipboard(EditingSurface& surface, Clipboard& clipboard, const QString& start,
                          const QString& end, Focus focus) {
    const bool moveFocus = focus == Focus::MoveToSurface;
    if (moveFocus)
        surface.setFocus();
    clipboard.clear();
    const QString selected = surface.selText();
    const bool written = clipboard.setText(selected);
    if (moveFocus)
        surface.setFocus();
    const std::optional<QString> passed = written ? clipboard.text() : std::nullopt;
    surface.setSelText(start + passed.value_or(selected) + end);
    clipboard.clear();
}

} // namespace Insertion
