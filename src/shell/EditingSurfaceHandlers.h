#pragma once

#include "settings/FontSettingsStore.h"

#include <QObject>
#include <functional>

class RichTextBox;
class PostEditorMenus;
struct KeyDownArgs;
struct MouseArgs;

// What the work area does when the user types, clicks and selects in the editing
// surface: it keeps the chosen font on the text, the Edit items enabled as they
// should be, and the saved flag honest.
class EditingSurfaceHandlers : public QObject {
    Q_OBJECT
public:
    EditingSurfaceHandlers(RichTextBox& box, PostEditorMenus& menus, bool& textSaved,
                           QObject* parent = nullptr);

    // Where the font choice is read from; until one is set, the defaults show.
    std::function<FontChoice()> fontChoice;
    // Runs the Paste command.
    std::function<void()> paste;
    // The word list pop-up and the custom styles window, reached from keys.
    std::function<bool()> wordListVisible;
    std::function<void()> hideWordList;
    std::function<void()> insertWordListEntry;
    std::function<void()> openWordList;
    std::function<void()> showCustomStyles;

    // Applies the chosen font (or Verdana at 11 points) to the whole text, plain.
    void fontReset();

    static const char* const DefaultFontName;
    static constexpr double DefaultFontSize = 11;

private:
    void onChange();
    void onSelChange();
    void onClick();
    void onKeyDown(KeyDownArgs& args);
    void onMouseDown(const MouseArgs& args);
    void onMouseUp(const MouseArgs& args);
    void enablePasteForPlainText();

    RichTextBox& m_box;
    PostEditorMenus& m_menus;
    bool& m_textSaved;
};
