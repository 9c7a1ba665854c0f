#pragma once

#include "platform/Prompter.h"

#include <QList>
#include <QStringList>

// Stands in for every message box and file dialog: records each question and answers it
// from a script given in advance. An unscripted question is answered Cancel (or an
// empty file name) and recorded, so a test sees it.
class ScriptedPrompter : public Prompter {
public:
    ScriptedPrompter() { Prompter::install(this); }
    ~ScriptedPrompter() override { Prompter::install(nullptr); }

    QList<Message> messages;       // every message asked, in order
    QList<FileDialog> fileDialogs; // every file dialog shown, in order
    QStringList fileDialogKinds;   // "open" or "save", one per dialog

    QList<Answer> answers; // taken front first by ask()
    QStringList fileNames; // taken front first by the file dialogs

    // Every message asked, as "title: text".
    QStringList asked() const;

    Answer ask(QWidget* parent, const Message& message) override;
    QString openFileName(QWidget* parent, const FileDialog& dialog) override;
    QString saveFileName(QWidget* parent, const FileDialog& dialog) override;
};
