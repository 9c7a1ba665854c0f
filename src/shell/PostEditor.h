#pragma once

#include "markup/TagHolders.h"
#include "settings/SettingsPaths.h"
#include "shell/EditingSurfaceHandlers.h"

#include <QWidget>

class DocumentCommands;
class DraftRecovery;
class UndoCommands;
class PostEditorBrowsers;
class UndoHistory;
class FormattingPage;
class ListPage;
class SmileyPage;
class PageSwitcher;
class QFrame;
class QLabel;
class QPushButton;
class RichTextBox;
class PostEditorMenus;
class PostEditorSettings;
class PostEditorInfo;

// The one document window in which the post is written. It owns the editing surface,
// the tag holders, the saved flag and the menus, and wires the tool pages, the button
// strip and the commands to them.
class PostEditor : public QWidget {
    Q_OBJECT
public:
    // The settings windows and the word list keep their files where paths says.
    explicit PostEditor(QWidget* parent = nullptr, const SettingsPaths& paths = SettingsPaths());
    ~PostEditor() override;

    RichTextBox* RichTextBox1 = nullptr;
    bool TextSaved = false;
    TagHolders holders;
    UndoHistory* Undo = nullptr; // the undo history of RichTextBox1

    PostEditorMenus& menus() const { return *m_menus; }
    DocumentCommands& documents() const { return *m_documents; }
    DraftRecovery& recovery() const { return *m_recovery; }
    EditingSurfaceHandlers& surfaceHandlers() const { return *m_surfaceHandlers; }
    PostEditorSettings& settings() const { return *m_settings; }
    // The forum and smiley browsers; More Smileys is browsers().windows().moreSmileys().
    PostEditorBrowsers& browsers() const { return *m_browsers; }
    PostEditorInfo& info() const { return *m_info; }

    // Recomputes the composed tags from the holders and shows them in the tag display.
    void UpdateStartEnd();
    // Greys the background of the control that has the focus (a used smiley button).
    void ChangeToDull();
    // The caret's position in pixels, in the surface's coordinates.
    int GetCaretX() const;
    int GetCaretY() const;

    // The work area became the frame's active window.
    void Form_Activate();
    // The exit flow; every request to close the work area runs it.
    void ExitFlow();

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
    void connectSettings(const SettingsPaths& paths);
    void connectMenus();
    void Form_Load();
    void Form_GotFocus();
    void mnuFile_Click(int index);
    void layOut();

    PostEditorMenus* m_menus = nullptr;
    EditingSurfaceHandlers* m_surfaceHandlers = nullptr;
    DocumentCommands* m_documents = nullptr;
    PostEditorSettings* m_settings = nullptr;
    PostEditorInfo* m_info = nullptr;
    PageSwitcher* m_pageSwitcher = nullptr;
    UndoCommands* m_undoCommands = nullptr;
    DraftRecovery* m_recovery = nullptr;
    PostEditorBrowsers* m_browsers = nullptr;

    QFrame* Picture1 = nullptr;
    QPushButton* cmdStyle = nullptr;
    QPushButton* cmdSmiley = nullptr;
    QPushButton* cmdList = nullptr;
    FormattingPage* FrameCustom = nullptr;
    SmileyPage* FrameSmiley = nullptr;
    ListPage* FrameList = nullptr;
    QWidget* PicButtons = nullptr;
    QPushButton* cmdCStyle = nullptr;
    QPushButton* cmdCtext = nullptr;
    QPushButton* cmdCopyClipBoard = nullptr;
    QPushButton* cmdExit = nullptr;
    QLabel* lblShow = nullptr;
    QPushButton* cmdPreset = nullptr;
    QLabel* Label6 = nullptr;
};
