#pragma once

#include "ScriptedPrompter.h"
#include "TestClipboard.h"
// What the work area's tests use besides: the post, its window and the usual controls.
#include "platform/RichTextBox.h"
#include "post/Post.h"
#include "shell/MainFrame.h"
#include "shell/PostEditor.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

struct SettingsPaths;

// A shown work area with scripted dialogs and a program end that only records itself.
// Its settings file and custom text file live in a temporary folder; customText, when
// given, is written to the custom text file before the work area loads.
struct EditorFixture {
    enum ClipboardKind { UseTestClipboard, UseSystemClipboard };
    explicit EditorFixture(ClipboardKind kind = UseTestClipboard,
                           const QStringList& customText = {});
    ~EditorFixture();

    QTemporaryDir folder;
    SettingsPaths paths() const;

    ScriptedPrompter prompter;
    TestClipboard clipboard; // installed unless the system clipboard was asked for
    bool ended = false;
    std::unique_ptr<PostEditor> workArea;

    RichTextBox* box() const;
    EditingSurface& surface() const;
    Post& post() const { return workArea->post(); }
    // The work area's control (or menu, label, window) of that name.
    template <class T = QWidget> T* child(const char* name) const {
        return workArea->findChild<T*>(name);
    }
    QString text() const;
    // Sets the selection, start first; a line break counts as one character.
    void select(int start, int length = 0) const;
    QAction* action(const char* name) const;
    // A File menu item: they share one name and differ by their index.
    QAction* fileItem(int index) const;
    QAbstractButton* button(const char* name) const;
    void click(const char* buttonName) const;
    // Clicks the buttons named in a blank-separated list, in order.
    void clickAll(const QString& buttonNames) const;
    // The composed tags around " YOUR TEXT ", as the work area shows them.
    QString shownTags() const;
    // Types text into the surface key by key, as a user would.
    void type(const QString& text) const;
};

// The work area in the program's frame, maximised in it as at start, with scripted dialogs
// and a program end that only records itself.
struct FrameFixture {
    FrameFixture();
    ~FrameFixture();

    ScriptedPrompter prompter;
    bool ended = false;
    MainFrame frame;
    PostEditor* workArea; // the frame's
    QMdiSubWindow* subWindow;

    template <class T = QWidget> T* child(const char* name) const {
        return workArea->findChild<T*>(name);
    }
};
