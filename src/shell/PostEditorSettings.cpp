#include "shell/PostEditorSettings.h"

#include "platform/ModalDialogs.h"
#include "platform/RichTextBox.h"
#include "platform/Twips.h"
#include "settings/CustomTextDialog.h"
#include "settings/FontSettingsDialog.h"
#include "shell/PostEditor.h"
#include "shell/PostEditorMenus.h"
#include "shell/WordListPopup.h"

#include <QAction>

namespace {
// Where the pop-up stands from the caret, as it always has.
constexpr int kWordListRightOfCaret = 190;
constexpr int kWordListBelowCaret = 800;
} // namespace

PostEditorSettings::PostEditorSettings(PostEditor& workArea, std::function<bool()> nothingChosen,
                                       SettingsPaths paths)
    : QObject(&workArea), m_workArea(workArea), m_paths(std::move(paths)),
      m_customStyles({workArea.RichTextBox1->surface(), workArea.holders, std::move(nothingChosen),
                      m_paths.settingsFile, &workArea}) {
    m_wordList = new WordListPopup(workArea.RichTextBox1->surface(), &workArea);
    m_wordList->fontChoice = [this] { return fontChoice(); };
    m_wordList->fill(m_paths.customTextFile);
    connectMenus();
    connectSurfaceKeys();
}

PostEditorSettings::~PostEditorSettings() {
    delete m_fontWindow;
}

FontSettingsDialog& PostEditorSettings::fontWindow() {
    if (!m_fontWindow) {
        m_fontWindow = new FontSettingsDialog(*m_workArea.RichTextBox1, m_paths.settingsFile);
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
    m_workArea.RichTextBox1->setFocus();
}

void PostEditorSettings::openWordList() {
    const QWidget* surface = m_workArea.RichTextBox1;
    const QWidget* outer = m_workArea.parentWidget(); // the frame's window around the work area
    const QPoint origin = outer ? outer->pos() : QPoint();
    const int left = Twips::fromPixels(surface->x()) + Twips::fromPixels(m_workArea.GetCaretX()) +
                     Twips::fromPixels(origin.x()) + kWordListRightOfCaret;
    const int top = Twips::fromPixels(surface->y()) + Twips::fromPixels(m_workArea.GetCaretY()) +
                    Twips::fromPixels(origin.y()) + kWordListBelowCaret;
    m_wordList->openAt(left, top);
}

void PostEditorSettings::connectMenus() {
    PostEditorMenus& menus = m_workArea.menus();
    connect(menus.item("mnuOptions"), &QAction::triggered, this,
            &PostEditorSettings::showFontSettings);
    connect(menus.item("mnuPreSet"), &QAction::triggered, this,
            [this] { m_customStyles.showCustomStyles(); });
    connect(menus.item("mnuPretype"), &QAction::triggered, this, [this] { showCustomText(false); });
}

void PostEditorSettings::connectSurfaceKeys() {
    EditingSurfaceHandlers& handlers = m_workArea.surfaceHandlers();
    handlers.fontChoice = [this] { return fontChoice(); };
    handlers.wordListVisible = [this] { return !m_wordList->isHidden(); };
    handlers.hideWordList = [this] { m_wordList->hide(); };
    handlers.insertWordListEntry = [this] { m_wordList->insertCurrentEntry(); };
    handlers.openWordList = [this] { openWordList(); };
    handlers.showCustomStyles = [this] { m_customStyles.showCustomStyles(); };
    handlers.fontReset();
}
