#pragma once

#include "ScriptedPrompter.h"
#include "TestClipboard.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

class PostEditor;
class RichTextBox;
class EditingSurface;
class QAction;
class QAbstractButton;
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
    QAction* action(const char* name) const;
    QAbstractButton* button(const char* name) const;
    void click(const char* buttonName) const;
    // Types text into the surface key by key, as a user would.
    void type(const QString& text) const;
};
