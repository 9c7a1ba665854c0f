#pragma once

#include "platform/EditingSurface.h"

#include <QTextCursor>
#include <QTextDocument>

// An editing surface without a window: the content lives in a QTextDocument, its RTF
// goes through the program's own writer and reader, and the test drives it as a user
// would (typing, keys, mouse presses). Every change of the text raises changed and
// selectionChanged, in the order that caretMoveFirst chooses: controls differ in it.
class FakeSurface : public EditingSurface {
    Q_OBJECT
public:
    explicit FakeSurface(const QString& name = QStringLiteral("RichTextBox1"),
                         QObject* parent = nullptr);

    QString text() const override;
    void setText(const QString& text) override;
    int selStart() const override;
    void setSelStart(int start) override;
    int selLength() const override;
    void setSelLength(int length) override;
    QString selText() const override;
    void setSelText(const QString& text) override;
    QString textRTF() const override;
    void setTextRTF(const QString& rtf) override;
    void spliceTextRTF(const QString& current, int head, const QString& block, int tail) override;
    QString name() const override { return name_; }
    void setFocus() override { ++focusRequests; }
    void setRedraw(bool redraw) override;
    void setFontNameAndSize(const QString& family, double pointSize) override;

    // Types each character as its own key stroke at the caret.
    void type(const QString& text);
    // Deletes the character before the caret, as Backspace does.
    void backspace();
    // Applies formatting to the selection, as a paste of formatted text would.
    void mergeFormatOnSelection(const QTextCharFormat& format);
    // Raises KeyDown and returns the key code the listeners left (0 when swallowed).
    int pressKey(int keyCode, int shift = 0);
    void pressMouse(int button = 1);

    QTextDocument document;
    bool caretMoveFirst = false;
    int focusRequests = 0;
    int redrawSuspensions = 0;
    int redrawResumptions = 0;
    bool redrawing = true;

private:
    void notifyChange();

    QString name_;
    QTextCursor cursor_;
};
