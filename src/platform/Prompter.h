#pragma once

#include <QString>

class QWidget;

// Every message box and file dialog of the program goes through the one installed
// Prompter, so the exact questions can be checked and answered by a script in tests.
class Prompter {
public:
    enum class Icon { None, Information, Question, Warning, Critical };
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
    enum class Answer { Ok, Cancel, Yes, No };

    struct Message {
        QString title;
        QString text;
        Icon icon = Icon::Information;
        Buttons buttons = Buttons::Ok;
    };

    struct FileDialog {
        QString title;
        QString filter;           // "Description|pattern", as the program writes it
        QString defaultExtension; // added to a saved name that has none
    };

    virtual ~Prompter() = default;

    virtual Answer ask(QWidget* parent, const Message& message) = 0;
    // The chosen file's full path, or an empty string when the dialog was cancelled.
    virtual QString openFileName(QWidget* parent, const FileDialog& dialog) = 0;
    virtual QString saveFileName(QWidget* parent, const FileDialog& dialog) = 0;

    // The prompter in use; the program's own Qt dialogs unless another is installed.
    static Prompter& instance();
    // Installs a prompter (not owned); nullptr restores the program's own dialogs.
    static void install(Prompter* prompter);

    // Shorthands for the two kinds of message the program shows.
    static void inform(QWidget* parent, const QString& text, const QString& title = "Quillet");
    static Answer question(QWidget* parent, const QString& title, const QString& text,
                           Buttons buttons);
};

// The program's own dialogs: QMessageBox and QFileDialog.
class DialogPrompter : public Prompter {
public:
    Answer ask(QWidget* parent, const Message& message) override;
    QString openFileName(QWidget* parent, const FileDialog& dialog) override;
    QString saveFileName(QWidget* parent, const FileDialog& dialog) override;
};
