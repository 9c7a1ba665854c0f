#pragma once

#include "platform/Clipboard.h"

#include <QStringList>

// An in-memory clipboard for tests. With `available` false it behaves like a clipboard
// that another program holds open: nothing can be cleared, written or read.
class TestClipboard : public Clipboard {
public:
    TestClipboard() { Clipboard::install(this); }
    ~TestClipboard() override { Clipboard::install(nullptr); }

    bool available = true;
    std::optional<QString> content; // plain text, when there is any
    bool bitmap = false;
    bool dib = false;
    bool richText = false;

    bool clear() override;
    bool setText(const QString& text) override;
    std::optional<QString> text() const override;
    bool hasText() const override { return available && content.has_value(); }
    bool hasBitmap() const override { return available && bitmap; }
    bool hasDib() const override { return available && dib; }
    bool hasRichText() const override { return available && richText; }
};
