#include "WorkAreaDriver.h"

#include "platform/Prompter.h"
#include "platform/RichTextBox.h"
#include "post/Post.h"
#include "settings/SettingsPaths.h"
#include "shell/DocumentCommands.h"
#include "shell/PostEditor.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>

namespace {

// Answers Ok or No to every question and a set file name to the open dialog.
class AnsweringPrompter : public Prompter {
public:
    QString fileToOpen;

    Answer ask(QWidget*, const Message& message) override {
        return message.buttons == Buttons::Ok ? Answer::Ok : Answer::No;
    }
    QString openFileName(QWidget*, const FileDialog&) override { return fileToOpen; }
    QString saveFileName(QWidget*, const FileDialog&) override { return QString(); }
};

} // namespace

WorkAreaDriver::WorkAreaDriver() : m_prompter(std::make_unique<AnsweringPrompter>()) {
    Prompter::install(m_prompter.get());
    const SettingsPaths paths{m_folder.filePath("Settings.ini"),
                              m_folder.filePath("CustomList.ini"), m_folder.filePath("recovery")};
    m_workArea = std::make_unique<PostEditor>(nullptr, paths);
    m_workArea->resize(1000, 700);
    m_workArea->show();
    editor().setFocus();
    QApplication::processEvents();
}

WorkAreaDriver::~WorkAreaDriver() {
    m_workArea.reset();
    Prompter::install(nullptr);
}

QTextEdit& WorkAreaDriver::editor() const {
    return m_workArea->post().editor();
}

QWidget* WorkAreaDriver::window(const char* name) const {
    return m_workArea->findChild<QWidget*>(name);
}

void WorkAreaDriver::load(const QString& rtf) {
    m_workArea->post().surface().setRtf(rtf);
    m_workArea->post().surface().setSelStart(0);
    QApplication::processEvents();
    choose("mnuResetUndo");
}

double WorkAreaDriver::choose(const char* itemName) {
    QAction* item = m_workArea->findChild<QAction*>(itemName);
    return millisecondsFor([item] { item->trigger(); });
}

void WorkAreaDriver::open(const QString& path) {
    static_cast<AnsweringPrompter&>(*m_prompter).fileToOpen = path;
    m_workArea->documents().open();
}
