#include "ScriptedPrompter.h"

QStringList ScriptedPrompter::asked() const {
    QStringList lines;
    for (const Message& message : messages)
        lines << message.title + ": " + message.text;
    return lines;
}

Prompter::Answer ScriptedPrompter::ask(QWidget*, const Message& message) {
    messages << message;
    return answers.isEmpty() ? Answer::Cancel : answers.takeFirst();
}

QString ScriptedPrompter::openFileName(QWidget*, const FileDialog& dialog) {
    fileDialogs << dialog;
    fileDialogKinds << "open";
    return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
}

QString ScriptedPrompter::saveFileName(QWidget*, const FileDialog& dialog) {
    fileDialogs << dialog;
    fileDialogKinds << "save";
    return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
}
