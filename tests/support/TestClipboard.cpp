#include "TestClipboard.h"

bool TestClipboard::clear() {
    if (!available)
        return false;
    content.reset();
    bitmap = dib = richText = false;
    return true;
}

bool TestClipboard::setText(const QString& text) {
    if (!available)
        return false;
    content = text;
    bitmap = dib = richText = false;
    return true;
}

std::optional<QString> TestClipboard::text() const {
    if (!available)
        return std::nullopt;
    return content.value_or(QString());
}
