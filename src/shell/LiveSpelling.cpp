#include "shell/LiveSpelling.h"

#include "platform/EditingSurface.h"
#include "platform/RichTextBox.h"
#include "post/Post.h"
#include "services/HunspellDictionary.h"
#include "services/SpellingMarker.h"
#include "services/WordProcessor.h"
#include "settings/EditorSettingsStore.h"
#include "shell/PostEditorMenus.h"

#include <QActionGroup>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QTextBlock>
#include <QTimer>

LiveSpelling::LiveSpelling(Post& post, PostHighlighter& highlighter, const EditorActions& actions,
                           QMenu& editMenu, QString settingsPath, QObject* parent)
    : QObject(parent), m_post(post), m_actions(actions), m_editMenu(editMenu),
      m_settingsPath(std::move(settingsPath)),
      m_marker(std::make_unique<SpellingMarker>(highlighter)),
      m_languageGroup(new QActionGroup(this)) {
    const EditorSettings settings = EditorSettingsStore(m_settingsPath).load();
    m_language = settings.language;
    HunspellSetup::chooseLanguage(m_language);
    m_marker->setEnabled(settings.spellAsYouType);
    actions.spellAsYouType->setChecked(settings.spellAsYouType);
    connect(actions.spellAsYouType, &QAction::toggled, this, &LiveSpelling::switchOnOff);
    // The spelling dialog may add words to the personal list: they are read in after it.
    connect(actions.spellCheck, &QAction::triggered, this, &LiveSpelling::loadDictionary,
            Qt::QueuedConnection);
    // After the chosen item has run.
    connect(&editMenu, &QMenu::aboutToHide, this,
            [this] { QTimer::singleShot(0, this, &LiveSpelling::removeCorrections); });
    fillLanguageMenu();
    // Not on the way to the first window: the dictionary is loaded for the first text.
    connect(&post, &Post::changed, this, &LiveSpelling::loadDictionary, Qt::SingleShotConnection);
}

LiveSpelling::~LiveSpelling() = default;

void LiveSpelling::loadDictionary() {
    if (!m_marker->isEnabled())
        return;
    HunspellSetup setup = HunspellSetup::standard();
    setup.personalWordList = QFileInfo(m_settingsPath)
                                 .absoluteDir()
                                 .filePath(QFileInfo(setup.personalWordList).fileName());
    std::shared_ptr<HunspellDictionary> dictionary;
    try {
        dictionary = std::make_shared<HunspellDictionary>(setup);
    } catch (const AutomationError&) {
        // No dictionary at all: nothing is marked, and the Language menu says why.
    }
    m_marker->setDictionary(std::move(dictionary));
}

void LiveSpelling::fillLanguageMenu() {
    QMenu* menu = m_actions.languages;
    menu->clear();
    const HunspellSetup setup = HunspellSetup::standard();
    const QStringList languages = setup.installedLanguages();
    if (languages.isEmpty()) {
        menu->addAction("(no dictionaries installed)")->setEnabled(false);
        return;
    }
    const QString inUse = setup.languageInUse();
    for (const QString& language : languages) {
        QAction* item = menu->addAction(language);
        item->setCheckable(true);
        item->setChecked(language == inUse);
        m_languageGroup->addAction(item);
        connect(item, &QAction::triggered, this, [this, language] { chooseLanguage(language); });
    }
}

void LiveSpelling::chooseLanguage(const QString& language) {
    m_language = language;
    HunspellSetup::chooseLanguage(language);
    store();
    loadDictionary();
}

void LiveSpelling::switchOnOff(bool on) {
    m_marker->setEnabled(on);
    if (on && !m_marker->dictionary())
        loadDictionary();
    store();
}

void LiveSpelling::store() const {
    EditorSettingsStore(m_settingsPath).update([this](EditorSettings& changed) {
        changed.spellAsYouType = m_actions.spellAsYouType->isChecked();
        changed.language = m_language;
    });
}

void LiveSpelling::offerCorrections(const QPoint& position) {
    removeCorrections();
    const QTextCursor cursor = m_post.editor().cursorForPosition(position);
    const QTextBlock paragraph = cursor.block();
    const auto misspelling = m_marker->misspellingAt(paragraph, cursor.positionInBlock());
    if (!misspelling)
        return;
    QAction* top = m_editMenu.actions().value(0);
    const auto addItem = [&](const QString& caption, auto onChosen) {
        auto* item = new QAction(caption, &m_editMenu);
        connect(item, &QAction::triggered, this, onChosen);
        m_editMenu.insertAction(top, item);
        m_corrections << item;
    };
    const int start = paragraph.position() + misspelling->start;
    const int length = misspelling->length;
    for (const QString& suggestion : m_marker->suggestionsFor(misspelling->word))
        addItem(suggestion, [=] { replaceWord(start, length, suggestion); });
    const QString word = misspelling->word;
    addItem("Add to Dictionary", [this, word] { m_marker->addToDictionary(word); });
    addItem("Ignore All", [this, word] { m_marker->ignoreAll(word); });
    m_corrections << m_editMenu.insertSeparator(top);
}

// One change of the surface, so one undo step.
void LiveSpelling::replaceWord(int start, int length, const QString& replacement) {
    EditingSurface& surface = m_post.surface();
    surface.setSelStart(start);
    surface.setSelLength(length);
    surface.setSelText(replacement);
}

void LiveSpelling::removeCorrections() {
    for (QAction* item : std::as_const(m_corrections)) {
        m_editMenu.removeAction(item);
        item->deleteLater();
    }
    m_corrections.clear();
}
