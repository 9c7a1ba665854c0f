#include "shell/PostEditorSettings.h"

#include "platform/ModalDialogs.h"
#include "platform/RichTextBox.h"
#include "platform/Twips.h"
#include "post/Post.h"
#include "settings/CustomTextDialog.h"
#include "settings/FontSettingsDialog.h"
#include "shell/PostEditorMenus.h"
#include "shell/WordListPopup.h"

#include <QAction>

namespace {
// Where the pop-up stands from the caret, as it always has.
constexpr int kWordListRightOfCaret = 190;
constexpr int kWordListBelowCaret = 800;
} // namespace

PostEditorSettings::PostEditorSettings(QWidget& workArea, Post& post, const TagHolders& holders,
                                       std::function<bool()> nothingChosen, SettingsPaths paths)
    : QObject(&workArea), m_workArea(workArea), m_post(post), m_paths(std::move(paths)),
      m_customStyles(
          {post.surface(), holders, std::move(nothingChosen), m_paths.settingsFile, &workArea}) {
    m_wordList = new WordListPopup(post.surface(), &workArea);
    m_wordList->fill(m_paths.customTextFile);
}

PostEditorSettings::~PostEditorSettings() {
    delete m_fontWindow;
}

void PostEditorSettings::connectMenus(const EditorActions& actions) {
    connect(actions.fontSettings, &QAction::triggered, this, &PostEditorSettings::showFontSettings);
    connect(actions.customStyles, &QAction::triggered, this,
            [this] { m_customStyles.showCustomStyles(); });
    connect(actions.customText, &QAction::triggered, this, [this] { showCustomText(false); });
}

FontSettingsDialog& PostEditorSettings::fontWindow() {
    if (!m_fontWindow) {
        m_fontWindow = new FontSettingsDialog(m_post.editor(), m_paths.settingsFile);
        connect(m_fontWindow, &FontSettingsDialog::unloaded, this, [this] {
            m_fontWindow->deleteLater();
            m_fontWindow = nullptr;
        });
    }
    return *m_fontWindow;
}

FontChoice PostEditorSettings::fontChoice() {
    return fontWindow().choice();
}

void PostEditorSettings::showFontSettings() {
    ModalDialogs::run(fontWindow());
}

void PostEditorSettings::showCustomText(bool modal) {
    if (m_customText) { // already open beside the work area
        m_customText->raise();
        m_customText->activateWindow();
        return;
    }
    m_customText = new CustomTextDialog(m_paths.customTextFile, &m_workArea);
    connect(m_customText, &CustomTextDialog::closedAndWritten, this,
            &PostEditorSettings::customTextClosed);
    if (modal) {
        ModalDialogs::run(*m_customText);
    } else {
        m_customText->show();
    }
}

void PostEditorSettings::customTextClosed() {
    if (m_customText)
        m_customText->deleteLater(); // closing unloads it
    m_wordList->fill(m_paths.customTextFile);
    m_post.editor().setFocus();
}

void PostEditorSettings::openWordList() {
    const QWidget& editor = m_post.editor();
    const QPoint caret = m_post.caretPosition();
    const QWidget* outer = m_workArea.parentWidget(); // the frame's window around the work area
    const QPoint origin = outer ? outer->pos() : QPoint();
    const int left = Twips::fromPixels(editor.x()) + Twips::fromPixels(caret.x()) +
                     Twips::fromPixels(origin.x()) + kWordListRightOfCaret;
    const int top = Twips::fromPixels(editor.y()) + Twips::fromPixels(caret.y()) +
                    Twips::fromPixels(origin.y()) + kWordListBelowCaret;
    m_wordList->openAt(left, top, fontChoice());
}
