#pragma once

#include <QFrame>
#include <QTextDocument>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class RichTextBox;
class QTimer;

// The find and replace bar under the post. It searches the editor's document itself (no
// copy of the text), as the user types; the match becomes the editor's selection and the
// other matches in view are highlighted as extra selections, which never touch the text.
// A search that runs off one end goes on from the other and says so. Replace All changes
// the document in one edit, so the post's history records it as one step.
class FindBar : public QFrame {
    Q_OBJECT
public:
    // F3 and Shift+F3 work anywhere in shortcutScope.
    FindBar(RichTextBox& editor, QWidget* shortcutScope, QWidget* parent);

    // Shows the bar, with the replace row when withReplace, the editor's selection (when it
    // is on one line) as the search text, and the keyboard focus in the search field.
    void open(bool withReplace);
    // Hides the bar and its highlights and gives the focus back to the editor.
    void close();
    // Select the next or previous match; false when there is none.
    bool findNext();
    bool findPrevious();
    // Replaces the selected match, then finds the next.
    void replace();
    // Replaces every match; returns how many.
    int replaceAll();

signals:
    // Shown or hidden: the work area makes room for it.
    void shownChanged();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void createControls();
    QTextDocument::FindFlags flags() const;
    // Finds from a position forwards or backwards, wrapping at the end once.
    bool findFrom(int position, bool backward);
    // The selection when it is exactly a match of the search text.
    bool selectionIsMatch() const;
    void onSearchTextEdited();
    void highlightMatchesInView();

    RichTextBox& m_editor;
    QLineEdit* m_findField = nullptr;
    QLineEdit* m_replaceField = nullptr;
    QCheckBox* m_matchCase = nullptr;
    QCheckBox* m_wholeWord = nullptr;
    QLabel* m_note = nullptr;
    QWidget* m_replaceRow = nullptr;
    QTimer* m_highlight = nullptr;
};
