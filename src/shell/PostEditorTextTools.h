#pragma once

#include "settings/EditorSettingsStore.h"

#include <QObject>
#include <functional>

class EditingSurface;
class FindBar;
class LengthCounter;
class RichTextBox;
class QWidget;
class TagCompletion;
struct EditorActions;

// The work area's find and replace bar, tag completion and length counter, wired to their
// menu items, with the choices they keep in the settings file.
class PostEditorTextTools : public QObject {
    Q_OBJECT
public:
    // The bar, the list and the counter are children of workArea until the frame takes
    // the counter into its status bar.
    PostEditorTextTools(QWidget& workArea, RichTextBox& editor, EditingSurface& surface,
                        const EditorActions& actions, const QString& settingsFile);

    FindBar& findBar() const { return *m_findBar; }
    TagCompletion& completion() const { return *m_completion; }
    LengthCounter& lengthCounter() const { return *m_counter; }

private:
    // Tools > Post Length Limit...: asks for the number of characters and stores it.
    void askForLengthLimit();

    QWidget& m_workArea;
    EditorSettingsStore m_store;
    FindBar* m_findBar = nullptr;
    TagCompletion* m_completion = nullptr;
    LengthCounter* m_counter = nullptr;
};
