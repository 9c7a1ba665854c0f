#pragma once

#include "settings/SettingsPaths.h"

#include <QWidget>

class DocumentCommands;
class DraftRecovery;
class EditingSurfaceHandlers;
class FormattingPage;
class ListPage;
class LiveSpelling;
class PageSwitcher;
class Post;
class PostEditorBrowsers;
class PostEditorInfo;
class PostEditorMenus;
class PostEditorSettings;
class PostHighlighter;
class PostEditorTextTools;
class QFrame;
class QLabel;
class QPushButton;
class RichTextBox;
class SmileyPage;
class TagColouring;
class UndoCommands;
class UndoHistory;

// The one document window in which the post is written: the editing control beside the
// tool pages, the tag display and the button strip below, and the menus. It creates the
// post and the commands that act on it and wires them to its controls.
class PostEditor : public QWidget {
    Q_OBJECT
public:
    // The settings windows and the word list keep their files where paths says.
    explicit PostEditor(QWidget* parent = nullptr, const SettingsPaths& paths = SettingsPaths());
    ~PostEditor() override;

    Post& post() const { return *m_post; }
    PostEditorMenus& menus() const { return *m_menus; }
    DocumentCommands& documents() const { return *m_documents; }
    DraftRecovery& recovery() const { return *m_recovery; }
    PostEditorSettings& settings() const { return *m_settings; }
    // The forum and smiley browsers.
    PostEditorBrowsers& browsers() const { return *m_browsers; }
    PostEditorInfo& info() const { return *m_info; }
    UndoHistory& undoHistory() const { return *m_undoHistory; }
    // The writing aids' marks over the post, and spelling as you type.
    PostHighlighter& highlighter() const { return *m_highlighter; }
    LiveSpelling& spelling() const { return *m_spelling; }
    // The find bar, tag completion and length counter.
    PostEditorTextTools& textTools() const { return *m_textTools; }

    // The work area became the frame's active window.
    void activate();
    // The exit flow; every request to close the work area runs it.
    void requestExit();
    // The window of kept copies of unsaved posts.
    void showDrafts();

protected:
    void closeEvent(QCloseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void createToolPanel();
    void createButtonStrip();
    void createCommands(const SettingsPaths& paths);
    void connectMenus();
    void connectControls();
    // The live aids drawn over the post, each switched by its Tools item.
    void createWritingAids(const SettingsPaths& paths);
    void showComposedTags();
    // F6: from the post to the tool page in front and back.
    void moveFocusBetweenPostAndTools();
    void layOut();

    RichTextBox* m_editor = nullptr;
    Post* m_post = nullptr;
    PostEditorMenus* m_menus = nullptr;
    EditingSurfaceHandlers* m_surfaceHandlers = nullptr;
    DocumentCommands* m_documents = nullptr;
    PostEditorSettings* m_settings = nullptr;
    PostEditorInfo* m_info = nullptr;
    PageSwitcher* m_pageSwitcher = nullptr;
    UndoHistory* m_undoHistory = nullptr;
    UndoCommands* m_undoCommands = nullptr;
    DraftRecovery* m_recovery = nullptr;
    PostEditorBrowsers* m_browsers = nullptr;
    PostHighlighter* m_highlighter = nullptr;
    LiveSpelling* m_spelling = nullptr;
    TagColouring* m_tagColouring = nullptr;
    PostEditorTextTools* m_textTools = nullptr;

    QFrame* m_toolPanel = nullptr;
    QPushButton* m_styleButton = nullptr;
    QPushButton* m_smileyButton = nullptr;
    QPushButton* m_listButton = nullptr;
    FormattingPage* m_formattingPage = nullptr;
    SmileyPage* m_smileyPage = nullptr;
    ListPage* m_listPage = nullptr;
    QWidget* m_buttonStrip = nullptr;
    QPushButton* m_customStyleButton = nullptr;
    QPushButton* m_customTextButton = nullptr;
    QPushButton* m_copyAllButton = nullptr;
    QPushButton* m_exitButton = nullptr;
    QLabel* m_tagDisplay = nullptr;
    QPushButton* m_addStyleButton = nullptr;
    QLabel* m_helpLine = nullptr;
};
