#pragma once

#include "settings/CustomStyleCommands.h"
#include "settings/FontSettingsStore.h"
#include "settings/SettingsPaths.h"

#include <QObject>
#include <QPointer>
#include <functional>

class CustomTextDialog;
class FontSettingsDialog;
class Post;
class QWidget;
class TagHolders;
class WordListPopup;
struct EditorActions;

// The work area's settings windows and its word list pop-up: the font settings window
// that holds the font choice, the custom styles, the custom text window, and the pop-up
// that offers the custom text at the caret.
class PostEditorSettings : public QObject {
    Q_OBJECT
public:
    // The windows belong to workArea; the custom styles store the tags composed in holders
    // unless nothingChosen.
    PostEditorSettings(QWidget& workArea, Post& post, const TagHolders& holders,
                       std::function<bool()> nothingChosen, SettingsPaths paths);
    ~PostEditorSettings() override;

    // Connects the Font Setting, Custom Styles and Custom Text items.
    void connectMenus(const EditorActions& actions);

    // The font settings window, loaded hidden from the settings file when it is not loaded.
    FontSettingsDialog& fontWindow();
    // The current font choice: the texts of the font window's two lists.
    FontChoice fontChoice();

    CustomStyleCommands& customStyles() { return m_customStyles; }

    // The custom text window: modal from the button, beside the work area from the menu.
    void showCustomText(bool modal);

    // Ctrl+L: opens the pop-up near the caret.
    void openWordList();

private:
    void showFontSettings();
    void customTextClosed();

    QWidget& m_workArea;
    Post& m_post;
    SettingsPaths m_paths;
    CustomStyleCommands m_customStyles;
    WordListPopup* m_wordList = nullptr;
    // A window of its own, not the work area's child: it lives hidden all the time, and its
    // controls' names must not be mistaken for the work area's.
    FontSettingsDialog* m_fontWindow = nullptr;
    QPointer<CustomTextDialog> m_customText;
};
