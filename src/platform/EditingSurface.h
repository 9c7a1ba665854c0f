#pragma once

#include "platform/ParagraphChange.h"

#include <QObject>
#include <QPoint>
#include <QString>
#include <optional>

// What a key-down listener receives. Setting keyCode to 0 swallows the key, so the
// control does not act on it. keyCode and the shift mask (1 Shift, 2 Ctrl, 4 Alt) are
// read with VirtualKeys.
struct KeyDownArgs {
    int keyCode = 0;
    int shift = 0;
};

// Mouse buttons as the surface reports them: 1 left, 2 right, 4 middle.
struct MouseArgs {
    int button = 0;
    QPoint position;
};

// The editing surface's contract: everything the rest of the program reads from or does
// to the text it is editing. Text leaves the surface with CR LF line breaks; selection
// positions count the control's own characters, in which a line break is one character.
class EditingSurface : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    virtual QString text() const = 0;
    virtual void setText(const QString& text) = 0;

    virtual int selStart() const = 0;
    virtual void setSelStart(int start) = 0; // collapses the selection
    virtual int selLength() const = 0;
    virtual void setSelLength(int length) = 0;
    virtual QString selText() const = 0;
    // Replaces the selection (or inserts at the caret) with plain text in the control's
    // font and leaves the caret just after it, nothing selected.
    virtual void setSelText(const QString& text) = 0;

    // The whole content with its formatting, as one RTF string.
    virtual QString rtf() const = 0;
    virtual void setRtf(const QString& content) = 0;

    // The change of the paragraphs since the last call or forgetChanges(), as they were and
    // as they are; nothing when they read as before. Costs what the changed paragraphs cost.
    virtual std::optional<ParagraphChange> takeChange() = 0;
    // Follows changes afresh from the present content.
    virtual void forgetChanges() = 0;
    // Gives a recorded change back: count paragraphs from first become the image's. This
    // changes the text like any edit, but is no new change for takeChange().
    virtual void replaceParagraphs(int first, int count, const QByteArray& image) = 0;

    virtual QString name() const = 0;
    virtual void setFocus() = 0;
    // Suspends (false) drawing while recorded changes are given back, which then make one
    // edit; resumes (true), laying the text out, scrolling to the caret and drawing once. A
    // selection set while drawing is off is shown when it resumes.
    virtual void setRedraw(bool redraw) = 0;

    // Font name and size applied to the whole text; bold, italic, underline off.
    virtual void setFontNameAndSize(const QString& family, double pointSize) = 0;

signals:
    // The text or its formats changed; layout-only formats (a highlighter's) are no change.
    void changed();
    void selectionChanged();
    void clicked();
    void keyDown(KeyDownArgs& args);
    void mousePressed(const MouseArgs& args);
    void mouseReleased(const MouseArgs& args);
};
