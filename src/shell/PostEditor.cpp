#include "shell/PostEditor.h"

#include "markup/FormattingPage.h"
#include "markup/ImageDialog.h"
#include "markup/IrregularTagsDialog.h"
#include "markup/LinkDialog.h"
#include "markup/ListPage.h"
#include "markup/MarkupDialogs.h"
#include "markup/PageSwitcher.h"
#include "markup/PreviewWindow.h"
#include "markup/SmileyPage.h"
#include "markup/TagColouring.h"
#include "platform/Clipboard.h"
#include "platform/DocumentWindows.h"
#include "platform/HandCursor.h"
#include "platform/ModalDialogs.h"
#include "platform/RichTextBox.h"
#include "platform/Twips.h"
#include "post/Post.h"
#include "post/PostHighlighter.h"
#include "services/BrowserWindows.h"
#include "services/IgnoredWords.h"
#include "services/SpellCheck.h"
#include "settings/EditorSettingsStore.h"
#include "shell/DocumentCommands.h"
#include "shell/DraftRecovery.h"
#include "shell/DraftsDialog.h"
#include "shell/EditingSurfaceHandlers.h"
#include "shell/FindBar.h"
#include "shell/LiveSpelling.h"
#include "shell/PostEditorBrowsers.h"
#include "shell/PostEditorInfo.h"
#include "shell/PostEditorLayout.h"
#include "shell/PostEditorMenus.h"
#include "shell/PostEditorSettings.h"
#include "shell/PostEditorTextTools.h"
#include "shell/ProgramExit.h"
#include "shell/UndoCommands.h"
#include "undo/UndoHistory.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>

PostEditor::PostEditor(QWidget* parent, const SettingsPaths& paths) : QWidget(parent) {
    setObjectName("FrmWorkArea");
    setWindowTitle("Editor");
    setFocusPolicy(Qt::ClickFocus);
    m_menus = new PostEditorMenus(this);
    createControls();
    createCommands(paths);
    connectMenus();
    connectControls();
    createWritingAids(paths);
    m_pageSwitcher->show(m_formattingPage);
    showComposedTags();
}

PostEditor::~PostEditor() = default;

void PostEditor::createControls() {
    m_editor = new RichTextBox(this);
    m_editor->setObjectName("RichTextBox1");
    m_post = new Post(*m_editor, this);

    m_tagDisplay = new QLabel(this);
    m_tagDisplay->setObjectName("lblShow");
    m_tagDisplay->setTextFormat(Qt::PlainText);
    m_tagDisplay->setFrameShape(QFrame::StyledPanel);
    m_tagDisplay->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_tagDisplay->setGeometry(Twips::toPixels(100), 0, 100, Twips::toPixels(300));

    m_addStyleButton = new QPushButton("Add to Custom Style", this);
    m_addStyleButton->setObjectName("cmdPreset");
    m_addStyleButton->resize(Twips::toPixels(1950), Twips::toPixels(330));
    HandCursor::showOver(m_addStyleButton);

    m_helpLine = new QLabel(this);
    m_helpLine->setObjectName("Label6");
    m_helpLine->setTextFormat(Qt::PlainText);
    m_helpLine->setWordWrap(true);
    m_helpLine->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_helpLine->setGeometry(Twips::toPixels(100), 0, 100, Twips::toPixels(600));

    createToolPanel();
    createButtonStrip();
}

void PostEditor::createToolPanel() {
    m_toolPanel = new QFrame(this);
    m_toolPanel->setObjectName("Picture1");
    m_toolPanel->setFrameShape(QFrame::StyledPanel);
    m_toolPanel->move(0, Twips::toPixels(100));

    m_pageSwitcher = new PageSwitcher(m_helpLine, this);
    const struct {
        QPushButton** button;
        const char* name;
        const char* caption;
        int left;
    } switchers[] = {{&m_styleButton, "cmdStyle", "Style", 8},
                     {&m_smileyButton, "cmdSmiley", "Smiley", 84},
                     {&m_listButton, "cmdList", "List", 160}};
    for (const auto& entry : switchers) {
        *entry.button = new QPushButton(entry.caption, m_toolPanel);
        (*entry.button)->setObjectName(entry.name);
        (*entry.button)
            ->setGeometry(Twips::scaled(entry.left), Twips::scaled(1), Twips::scaled(72),
                          Twips::scaled(18));
        (*entry.button)->setFocusPolicy(Qt::NoFocus);
    }

    m_formattingPage = new FormattingPage(m_post->surface(), this);
    m_smileyPage = new SmileyPage(m_post->surface(), this);
    m_listPage = new ListPage(m_post->surface(), this);
    for (QWidget* page : {static_cast<QWidget*>(m_formattingPage),
                          static_cast<QWidget*>(m_smileyPage), static_cast<QWidget*>(m_listPage)})
        page->setAutoFillBackground(true);

    m_pageSwitcher->addPage(m_styleButton, m_formattingPage, PageHelp::Style);
    m_pageSwitcher->addPage(m_smileyButton, m_smileyPage, PageHelp::Smiley);
    m_pageSwitcher->addPage(m_listButton, m_listPage, PageHelp::List);
    m_formattingPage->raise();
}

void PostEditor::createButtonStrip() {
    m_buttonStrip = new QWidget(this);
    m_buttonStrip->setObjectName("PicButtons");
    auto* grid = new QGridLayout(m_buttonStrip);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(4);

    m_customStyleButton = new QPushButton("Custom St&yle", m_buttonStrip);
    m_customStyleButton->setObjectName("cmdCStyle");
    m_customStyleButton->setToolTip("Custom Styles");
    m_customTextButton = new QPushButton("Custom Text/&List", m_buttonStrip);
    m_customTextButton->setObjectName("cmdCtext");
    m_customTextButton->setToolTip("Custom Text");
    m_copyAllButton = new QPushButton("&Copy All", m_buttonStrip);
    m_copyAllButton->setObjectName("cmdCopyClipBoard");
    m_exitButton = new QPushButton("E&xit", m_buttonStrip);
    m_exitButton->setObjectName("cmdExit");
    grid->addWidget(m_customStyleButton, 0, 0);
    grid->addWidget(m_customTextButton, 0, 1);
    grid->addWidget(m_copyAllButton, 1, 0);
    grid->addWidget(m_exitButton, 1, 1);
    for (QPushButton* button :
         {m_customStyleButton, m_customTextButton, m_copyAllButton, m_exitButton})
        HandCursor::showOver(button);
    m_buttonStrip->resize(Twips::toPixels(3600), Twips::toPixels(900));
}

// Each piece gets what it acts on when it is made; none reaches into another.
void PostEditor::createCommands(const SettingsPaths& paths) {
    m_settings = new PostEditorSettings(
        *this, *m_post, m_formattingPage->holders(),
        [this] { return m_formattingPage->nothingChosen(); }, paths);
    m_surfaceHandlers = new EditingSurfaceHandlers(
        *m_post, m_menus->actions(), *m_menus->editMenu(),
        [this] { return m_settings->fontChoice(); }, this);
    m_recovery = new DraftRecovery(*m_post, paths.recoveryFolder, this);
    m_documents = new DocumentCommands(*m_post, *m_recovery, *this, this);
    m_browsers = new PostEditorBrowsers(*this, m_post->surface(), m_menus->actions());
    m_info = new PostEditorInfo(*this, m_menus->actions(), paths.settingsFile); // loads the tips
    // The undo history watches the surface after the handlers above, so a key they act on
    // (Enter in the word list) is in the text before the step it ends is recorded.
    m_undoHistory = new UndoHistory(this);
    m_undoHistory->setFontReset([this] { m_surfaceHandlers->resetFont(); });
    m_undoCommands = new UndoCommands(*m_undoHistory, *m_post, m_menus->actions(), this);
    m_undoHistory->attach(this, &m_post->surface(), 250);

    m_highlighter = new PostHighlighter(m_editor->document());
    m_highlighter->followView(m_editor);
    m_ignoredWords = new IgnoredWords(this);
    m_spelling = new LiveSpelling(*m_post, *m_highlighter, *m_ignoredWords, m_menus->actions(),
                                  *m_menus->editMenu(), paths.settingsFile, this);
    connect(m_surfaceHandlers, &EditingSurfaceHandlers::editMenuOpening, m_spelling,
            &LiveSpelling::offerCorrections);
    // After the undo history: a key the completion list takes has ended the typing step.
    m_textTools = new PostEditorTextTools(*this, *m_editor, m_post->surface(), m_menus->actions(),
                                          paths.settingsFile);
    connect(&m_textTools->findBar(), &FindBar::shownChanged, this, &PostEditor::layOut);
}

void PostEditor::connectMenus() {
    const EditorActions& actions = m_menus->actions();
    const struct {
        QAction* item;
        void (DocumentCommands::*command)();
    } documentItems[] = {{actions.newPost, &DocumentCommands::newPost},
                         {actions.open, &DocumentCommands::openWithPrompt},
                         {actions.save, &DocumentCommands::save},
                         {actions.copyAll, &DocumentCommands::copyAll},
                         {actions.cut, &DocumentCommands::cut},
                         {actions.copy, &DocumentCommands::copy},
                         {actions.paste, &DocumentCommands::paste},
                         {actions.clearAll, &DocumentCommands::clearAll}};
    for (const auto& entry : documentItems) {
        auto command = entry.command;
        connect(entry.item, &QAction::triggered, this,
                [this, command] { (m_documents->*command)(); });
    }
    const struct {
        QAction* item;
        void (*open)(EditingSurface&, QWidget*);
    } dialogItems[] = {{actions.insertImage, &MarkupDialogs::openModal<ImageDialog>},
                       {actions.insertLink, &MarkupDialogs::openModal<LinkDialog>},
                       {actions.irregularTags, &MarkupDialogs::openModal<IrregularTagsDialog>}};
    for (const auto& entry : dialogItems) {
        auto open = entry.open;
        connect(entry.item, &QAction::triggered, this,
                [this, open] { open(m_post->surface(), this); });
    }
    connect(actions.exit, &QAction::triggered, this, &PostEditor::requestExit);
    connect(actions.recoverDrafts, &QAction::triggered, this, &PostEditor::showDrafts);
    connect(actions.preview, &QAction::triggered, this,
            [this] { PreviewWindow::showFor(*m_post, this); });
    connect(actions.spellCheck, &QAction::triggered, this, [this] {
        SpellCheck::checkSpellingAndGrammar(m_post->surface(), *m_ignoredWords, this);
    });
    m_settings->connectMenus(actions);
}

void PostEditor::connectControls() {
    auto* switchFocus = new QShortcut(QKeySequence(Qt::Key_F6), this);
    switchFocus->setContext(Qt::WidgetWithChildrenShortcut);
    connect(switchFocus, &QShortcut::activated, this, &PostEditor::moveFocusBetweenPostAndTools);
    connect(m_post, &Post::fileNameChanged, this,
            [this](const QString& name) { setWindowTitle(DocumentCommands::captionFor(name)); });
    connect(m_formattingPage, &FormattingPage::tagsChanged, this, &PostEditor::showComposedTags);
    connect(m_smileyPage, &SmileyPage::moreSmileysRequested, this,
            [this] { m_browsers->windows().moreSmileys(); });
    connect(m_info, &PostEditorInfo::forumPageRequested, this,
            [this](const QString& address, bool maximised) {
                m_browsers->windows().openPage(QUrl(address), maximised);
            });

    connect(m_surfaceHandlers, &EditingSurfaceHandlers::pasteRequested, m_documents,
            &DocumentCommands::paste);
    connect(m_surfaceHandlers, &EditingSurfaceHandlers::wordListRequested, m_settings,
            &PostEditorSettings::openWordList);
    connect(m_surfaceHandlers, &EditingSurfaceHandlers::customStylesRequested, this,
            [this] { m_settings->customStyles().showCustomStyles(); });

    connect(m_addStyleButton, &QPushButton::clicked, this,
            [this] { m_settings->customStyles().addPresentStyle(); });
    connect(m_customStyleButton, &QPushButton::clicked, this,
            [this] { m_settings->customStyles().showCustomStyles(); });
    connect(m_customTextButton, &QPushButton::clicked, this,
            [this] { m_settings->showCustomText(true); });
    connect(m_copyAllButton, &QPushButton::clicked, m_documents, &DocumentCommands::copyAll);
    connect(m_exitButton, &QPushButton::clicked, this, &PostEditor::requestExit);
}

void PostEditor::createWritingAids(const SettingsPaths& paths) {
    const EditorSettingsStore store(paths.settingsFile);
    const EditorSettings settings = store.load();
    m_tagColouring = new TagColouring(*m_editor, *m_highlighter, this);
    QAction* colourTags = m_menus->actions().colourTags;
    colourTags->setChecked(settings.colourTags);
    m_tagColouring->setEnabled(settings.colourTags);
    connect(colourTags, &QAction::toggled, this, [this, store](bool on) {
        m_tagColouring->setEnabled(on);
        store.update([on](EditorSettings& changed) { changed.colourTags = on; });
    });
}

void PostEditor::showComposedTags() {
    m_tagDisplay->setText(m_formattingPage->holders().display());
}

void PostEditor::activate() {
    m_editor->setFocus();
    const EditorActions& actions = m_menus->actions();
    actions.paste->setEnabled(!Clipboard::instance().noPlainText());
    actions.clearAll->setEnabled(!m_post->isEmpty());
}

void PostEditor::requestExit() {
    ProgramExit::offerSaveAndExit(this, *m_post, *m_documents, *m_recovery);
}

void PostEditor::showDrafts() {
    DraftsDialog dialog(
        *m_recovery, [this](const QString& text) { return m_documents->replaceAskingFirst(text); },
        this);
    ModalDialogs::run(dialog);
}

void PostEditor::closeEvent(QCloseEvent* event) {
    requestExit();
    event->ignore(); // the work area lives as long as the program
}

void PostEditor::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    m_editor->setFocus();
    m_menus->actions().clearAll->setEnabled(!m_post->isEmpty());
    DocumentWindows::fitToFrame(this);
    m_formattingPage->refreshApplyButton();
}

void PostEditor::moveFocusBetweenPostAndTools() {
    QWidget* page = m_pageSwitcher->current();
    if (page->isAncestorOf(QApplication::focusWidget())) {
        m_editor->setFocus(Qt::ShortcutFocusReason);
        return;
    }
    // The page's first control that Tab would reach.
    for (QWidget* control = page->nextInFocusChain(); page->isAncestorOf(control);
         control = control->nextInFocusChain()) {
        if ((control->focusPolicy() & Qt::TabFocus) && control->isVisibleTo(page) &&
            control->isEnabled()) {
            control->setFocus(Qt::ShortcutFocusReason);
            return;
        }
    }
}

void PostEditor::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layOut();
}

bool PostEditor::event(QEvent* event) {
    // Maximising or restoring the document window changes its state, not always our
    // size; watch the window we sit in so the layout follows either way.
    if (event->type() == QEvent::ParentAboutToChange && parentWidget())
        parentWidget()->removeEventFilter(this);
    if (event->type() == QEvent::ParentChange && parentWidget())
        parentWidget()->installEventFilter(this);
    return QWidget::event(event);
}

bool PostEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::WindowStateChange)
        layOut();
    return QWidget::eventFilter(watched, event);
}

void PostEditor::layOut() {
    QWidget* outer = parentWidget() ? parentWidget() : this;
    if (outer->isMinimized())
        return;
    PostEditorLayout layout;
    layout.workArea = this;
    layout.surface = m_editor;
    layout.toolPanel = m_toolPanel;
    layout.buttonStrip = m_buttonStrip;
    layout.helpLine = m_helpLine;
    layout.pages[0] = m_listPage;
    layout.pages[1] = m_smileyPage;
    layout.pages[2] = m_formattingPage;
    layout.tagDisplay = m_tagDisplay;
    layout.presetButton = m_addStyleButton;
    layout.findBar = m_textTools ? &m_textTools->findBar() : nullptr;
    layout.apply(outer->isMaximized(), Twips::fromPixels(outer->width()),
                 Twips::fromPixels(outer->height()), Twips::fromPixels(width()));
}
