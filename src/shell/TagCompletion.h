#pragma once

#include <QListWidget>
#include <vector>

class EditingSurface;
class QTextEdit;
struct KeyDownArgs;

// The list of tags and smiley codes that typing "[" opens at the caret. It narrows as the
// tag name is typed; Enter, Tab or a click writes the chosen entry (a tag's end tag too,
// with the caret between), Escape closes it and leaves the text as typed, and any
// character that cannot continue a tag name closes it and is typed as usual. After "[/"
// the innermost tag still open at the caret comes first. The list never takes the
// keyboard focus: the keys it answers reach it through the surface's key-down.
class TagCompletion : public QListWidget {
    Q_OBJECT
public:
    TagCompletion(QTextEdit& editor, EditingSurface& surface, QWidget* parent);

    // Switched off, "[" opens nothing and an open list closes.
    void setOn(bool on);
    bool isOn() const { return m_on; }

    // Writes the current entry in place of the "[" and what followed it, then closes.
    void insertCurrentEntry();

    // What one entry writes: before the caret, and after it.
    struct Completion {
        QString beforeCaret; // "[b]", "[color ", "[/quote]", "[wink]"
        QString afterCaret;  // "[/b]", "][/color]", ""
    };

private:
    void onKeyDown(KeyDownArgs& args);
    void onTextChange();
    // Refills the list for what follows the "[" now, or closes it.
    void narrow();
    void showAtCaret();
    // The tag that the end tag at the anchor would close, or an empty string.
    QString innermostOpenTag() const;

    QTextEdit& m_editor;
    EditingSurface& m_surface;
    bool m_on = true;
    int m_keyAt = -1;  // where the last key typed in the surface went
    int m_anchor = -1; // the "[" that opened the list
    std::vector<Completion> m_shown;
};
