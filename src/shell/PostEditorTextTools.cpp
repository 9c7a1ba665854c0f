#include "shell/PostEditorTextTools.h"

#include "platform/ModalDialogs.h"
#include "platform/RichTextBox.h"
#include "shell/FindBar.h"
#include "shell/LengthCounter.h"
#include "shell/PostEditorMenus.h"
#include "shell/TagCompletion.h"

#include <QAction>
#include <QInputDialog>
#include <QTextEdit>

namespace {
constexpr int kLongestLimit = 100'000'000;
}

PostEditorTextTools::PostEditorTextTools(QWidget& workArea, RichTextBox& editor,
                                         EditingSurface& surface, const EditorActions& actions,
                                         const QString& settingsFile)
    : QObject(&workArea), m_workArea(workArea), m_store(settingsFile),
      m_findBar(new FindBar(editor, &workArea, &workArea)),
      m_completion(new TagCompletion(editor, surface, &workArea)),
      m_counter(new LengthCounter(editor, &workArea)) {
    m_counter->hide(); // shown in the frame's status bar
    const EditorSettings settings = m_store.load();
    m_completion->setOn(settings.completeTags);
    m_counter->setLimit(settings.maxLength);
    actions.completeTags->setChecked(settings.completeTags);

    connect(actions.find, &QAction::triggered, this, [this] { m_findBar->open(false); });
    connect(actions.replace, &QAction::triggered, this, [this] { m_findBar->open(true); });
    connect(actions.completeTags, &QAction::toggled, this, [this](bool on) {
        m_completion->setOn(on);
        m_store.update([on](EditorSettings& changed) { changed.completeTags = on; });
    });
    connect(actions.lengthLimit, &QAction::triggered, this,
            &PostEditorTextTools::askForLengthLimit);
}

void PostEditorTextTools::askForLengthLimit() {
    QInputDialog dialog(&m_workArea);
    dialog.setObjectName("frmLengthLimit");
    dialog.setWindowTitle("Post Length Limit");
    dialog.setInputMode(QInputDialog::IntInput);
    dialog.setLabelText("Longest post the forum takes, in characters (0 for no limit):");
    dialog.setIntRange(0, kLongestLimit);
    dialog.setIntStep(1000);
    dialog.setIntValue(m_counter->limit());
    if (ModalDialogs::run(dialog) != QDialog::Accepted)
        return;
    const int limit = dialog.intValue();
    m_counter->setLimit(limit);
    m_store.update([limit](EditorSettings& changed) { changed.maxLength = limit; });
}
