#include "platform/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace {
Clipboard* installedClipboard = nullptr;

const QMimeData* currentMimeData() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    return clipboard ? clipboard->mimeData() : nullptr;
}

bool hasFormat(const char* format) {
    const QMimeData* data = currentMimeData();
    return data && data->hasFormat(format);
}
} // namespace

bool Clipboard::noPlainText() const {
    bool result = true;
    if (hasText())
        result = false;
    if (hasBitmap())
        result = true;
    if (hasDib())
        result = true;
    if (hasRichText())
        result = true;
    return result;
}

Clipboard& Clipboard::instance() {
    static SystemClipboard system;
    return installedClipboard ? *installedClipboard : system;
}

void Clipboard::install(Clipboard* clipboard) {
    installedClipboard = clipboard;
}

bool SystemClipboard::clear() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return false;
    clipboard->clear();
    return true;
}

bool SystemClipboard::setText(const QString& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return false;
    clipboard->setText(text);
    // Another program may own the clipboard and refuse the text: only what reads back
    // counts as written.
    return clipboard->text() == text;
}

std::optional<QString> SystemClipboard::text() const {
    const QMimeData* data = currentMimeData();
    if (!data)
        return std::nullopt;
    return data->text();
}

bool SystemClipboard::hasText() const {
    return hasFormat("text/plain");
}

bool SystemClipboard::hasBitmap() const {
    const QMimeData* data = currentMimeData();
    return data && data->hasImage();
}

bool SystemClipboard::hasDib() const {
    return hasFormat("image/bmp");
}

bool SystemClipboard::hasRichText() const {
    return hasFormat("text/rtf") || hasFormat("application/rtf") || hasFormat("text/richtext");
}
