#pragma once

#include <QString>
#include <optional>

// The system clipboard as the program uses it: plain text in and out, and tests for the
// formats that decide whether Paste offers itself. Every operation reports whether the
// clipboard could be used, so callers never act on text they did not get.
class Clipboard {
public:
    virtual ~Clipboard() = default;

    virtual bool clear() = 0;
    virtual bool setText(const QString& text) = 0;
    // The clipboard's plain text; nothing when it cannot be read.
    virtual std::optional<QString> text() const = 0;

    virtual bool hasText() const = 0;
    virtual bool hasBitmap() const = 0;
    virtual bool hasDib() const = 0;
    virtual bool hasRichText() const = 0;

    // True unless the clipboard holds plain text and nothing richer beside it.
    bool noPlainText() const;

    static Clipboard& instance();
    // Installs another clipboard (not owned); nullptr restores the system clipboard.
    static void install(Clipboard* clipboard);
};

class SystemClipboard : public Clipboard {
public:
    bool clear() override;
    bool setText(const QString& text) override;
    std::optional<QString> text() const override;
    bool hasText() const override;
    bool hasBitmap() const override;
    bool hasDib() const override;
    bool hasRichText() const override;
};
