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
#include "platform/Clipboard.h"
#include "platform/HandCursor.h"
#include "platform/RichTextBox.h"
#include "platform/SystemColours.h"
#include "platform/Twips.h"
#include "services/BrowserWindows.h"
#include "services/SpellCheck.h"
#include "shell/DocumentCommands.h"
#include "shell/DraftRecovery.h"
#include "shell/PostEditorBrowsers.h"
#include "shell/PostEditorInfo.h"
#include "shell/PostEditorLayout.h"
#include "shell/PostEditorMenus.h"
#include "shell/PostEditorSettings.h"
#include "shell/ProgramExit.h"
#include "undo/UndoCommands.h"
#include "undo/UndoHistory.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>

PostEditor::PostEditor(QWidget* parent, const SettingsPaths& paths) : QWidget(parent) {
    setObjectName("FrmWorkArea");
    setWindowTitle("Editor");
    setFocusPolicy(Qt::ClickFocus);
    m_menus = new PostEditorMenus(this);
    createControls();
    m_surfaceHandlers = new EditingSurfaceHandlers(*RichTextBox1, *m_menus, TextSaved, this);
    m_documents = new DocumentCommands(*RichTextBox1, *this, TextSaved, this);
    m_recovery = new DraftRecovery(*RichTextBox1, paths.recoveryFolder, this);
    connect(m_documents, &DocumentCommands::matchesFile, m_recovery, &DraftRecovery::markSaved);
    m_surfaceHandlers->paste = [this] { m_documents->Paste(); };
    connectMenus();
    connectSettings(paths);
    m_browsers = new PostEditorBrowsers(*this);
    connect(FrameSmiley, &SmileyPage::moreSmileysRequested, this,
            [this] { m_browsers->windows().moreSmileys(); });
    m_info = new PostEditorInfo(*this, *m_menus, paths.settingsFile); // loads the tips hidden
    m_info->openInForumBrowser = [this](const QString& address, bool maximised) {
        m_browsers->windows().openPage(QUrl(address), maximised);
    };
    Form_Load();
}

PostEditor::~PostEditor() = default;

void PostEditor::createControls() {
    RichTextBox1 = new RichTextBox(this);
    RichTextBox1->setObjectName("RichTextBox1");

    lblShow = new QLabel(this);
    lblShow->setObjectName("lblShow");
    lblShow->setTextFormat(Qt::PlainText);
    lblShow->setFrameShape(QFrame::StyledPanel);
    lblShow->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblShow->setGeometry(Twips::toPixels(100), 0, 100, Twips::toPixels(300));

    cmdPreset = new QPushButton("Add to Custom Style", this);
    cmdPreset->setObjectName("cmdPreset");
    cmdPreset->resize(Twips::toPixels(1950), Twips::toPixels(330));
    HandCursor::showOver(cmdPreset);

    Label6 = new QLabel(this);
    Label6->setObjectName("Label6");
    Label6->setTextFormat(Qt::PlainText);
    Label6->setWordWrap(true);
    Label6->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label6->setGeometry(Twips::toPixels(100), 0, 100, Twips::toPixels(600));

    createToolPanel();
    createButtonStrip();
}

void PostEditor::createToolPanel() {
    Picture1 = new QFrame(this);
    Picture1->setObjectName("Picture1");
    Picture1->setFrameShape(QFrame::StyledPanel);
    Picture1->move(0, Twips::toPixels(100));

    m_pageSwitcher = new PageSwitcher(Label6, this);
    const struct {
        QPushButton** button;
        const char* name;
        const char* caption;
        int left;
    } switchers[] = {{&cmdStyle, "cmdStyle", "Style", 8},
                     {&cmdSmiley, "cmdSmiley", "Smiley", 84},
                     {&cmdList, "cmdList", "List", 160}};
    for (const auto& entry : switchers) {
        *entry.button = new QPushButton(entry.caption, Picture1);
        (*entry.button)->setObjectName(entry.name);
        (*entry.button)->setGeometry(entry.left, 1, 72, 18);
        (*entry.button)->setFocusPolicy(Qt::NoFocus);
    }

    FrameCustom = new FormattingPage(
        holders, RichTextBox1->surface(), [this] { UpdateStartEnd(); }, this);
    FrameSmiley = new SmileyPage(
        RichTextBox1->surface(), [this] { ChangeToDull(); }, this);
    FrameList = new ListPage(RichTextBox1->surface(), this);
    for (QWidget* page : {static_cast<QWidget*>(FrameCustom), static_cast<QWidget*>(FrameSmiley),
                          static_cast<QWidget*>(FrameList)})
        page->setAutoFillBackground(true);

    m_pageSwitcher->addPage(cmdStyle, FrameCustom, PageHelp::Style);
    m_pageSwitcher->addPage(cmdSmiley, FrameSmiley, PageHelp::Smiley);
    m_pageSwitcher->addPage(cmdList, FrameList, PageHelp::List);
}

void PostEditor::createButtonStrip() {
    PicButtons = new QWidget(this);
    PicButtons->setObjectName("PicButtons");
    auto* grid = new QGridLayout(PicButtons);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(4);

    cmdCStyle = new QPushButton("Custom St&yle", PicButtons);
    cmdCStyle->setObjectName("cmdCStyle");
    cmdCStyle->setToolTip("Custom Styles");
    cmdCtext = new QPushButton("Custom Text/&List", PicButtons);
    cmdCtext->setObjectName("cmdCtext");
    cmdCtext->setToolTip("Custom Text");
    cmdCopyClipBoard = new QPushButton("&Copy All", PicButtons);
    cmdCopyClipBoard->setObjectName("cmdCopyClipBoard");
    cmdExit = new QPushButton("E&xit", PicButtons);
    cmdExit->setObjectName("cmdExit");
    grid->addWidget(cmdCStyle, 0, 0);
    grid->addWidget(cmdCtext, 0, 1);
    grid->addWidget(cmdCopyClipBoard, 1, 0);
    grid->addWidget(cmdExit, 1, 1);
    for (QPushButton* button : {cmdCStyle, cmdCtext, cmdCopyClipBoard, cmdExit})
        HandCursor::showOver(button);
    PicButtons->resize(Twips::toPixels(3600), Twips::toPixels(900));

    connect(cmdCopyClipBoard, &QPushButton::clicked, this,
            [this] { m_documents->CopyAllFunction(); });
    connect(cmdExit, &QPushButton::clicked, this, &PostEditor::ExitFlow);
}

void PostEditor::connectSettings(const SettingsPaths& paths) {
    m_settings = new PostEditorSettings(
        *this, [this] { return FrameCustom->nothingChosen(); }, paths);
    connect(cmdPreset, &QPushButton::clicked, this,
            [this] { m_settings->customStyles().cmdPreset_Click(); });
    connect(cmdCStyle, &QPushButton::clicked, this,
            [this] { m_settings->customStyles().showCustomStyles(); });
    connect(cmdCtext, &QPushButton::clicked, this, [this] { m_settings->showCustomText(true); });
}

void PostEditor::connectMenus() {
    connect(m_menus, &PostEditorMenus::fileItemChosen, this, &PostEditor::mnuFile_Click);
    const struct {
        const char* name;
        void (DocumentCommands::*command)();
    } editItems[] = {{"mnuCut", &DocumentCommands::Cut},
                     {"mnuCopy", &DocumentCommands::Copy},
                     {"mnuPaste", &DocumentCommands::Paste},
                     {"mnuClearAll", &DocumentCommands::ClearAll}};
    for (const auto& entry : editItems) {
        auto command = entry.command;
        connect(m_menus->item(entry.name), &QAction::triggered, this,
                [this, command] { (m_documents->*command)(); });
    }
    const struct {
        const char* name;
        void (*open)(EditingSurface&, QWidget*);
    } dialogItems[] = {{"mnuImage", &MarkupDialogs::openModal<ImageDialog>},
                       {"mnuLink", &MarkupDialogs::openModal<LinkDialog>},
                       {"mnuIrregualr", &MarkupDialogs::openModal<IrregularTagsDialog>}};
    for (const auto& entry : dialogItems) {
        auto open = entry.open;
        connect(m_menus->item(entry.name), &QAction::triggered, this,
                [this, open] { open(RichTextBox1->surface(), this); });
    }
    connect(m_menus->item("mnuPreview"), &QAction::triggered, this,
            [this] { PreviewWindow::showFor(RichTextBox1->surface(), this); });
    connect(m_menus->item("mnuGrammar"), &QAction::triggered, this,
            [this] { SpellCheck::mnuGrammar_Click(RichTextBox1->surface(), this); });
}

void PostEditor::mnuFile_Click(int index) {
    switch (index) {
    case 0:
        m_info->showIntroduction();
        break;
    case 1:
        m_documents->NewFunction();
        break;
    case 2:
        m_documents->OpenWithPrompt();
        break;
    case 3:
        m_documents->SaveFunction();
        break;
    case 5:
        m_documents->CopyAllFunction();
        break;
    case 9:
        ExitFlow();
        break;
    default:
        break;
    }
}

void PostEditor::Form_Load() {
    Undo = new UndoHistory(this);
    Undo->setFontReset([this] { m_surfaceHandlers->fontReset(); });
    m_undoCommands = new UndoCommands(
        *Undo,
        {m_menus->item("mnuUndo"), m_menus->item("mnuRedo"), m_menus->item("mnuUndoAll"),
         m_menus->item("mnuRedoAll"), m_menus->item("mnuResetUndo")},
        [this] { RichTextBox1->setFocus(); }, this);
    FrameCustom->raise();
    m_pageSwitcher->show(FrameCustom);
    UpdateStartEnd();
    // The two defaults are selected already, so their handlers are run by hand: the
    // highlight None first (a full colour reset), Text Only after the undo engine starts.
    FrameCustom->OptionHLNone_Click();
    Undo->attach(this, &RichTextBox1->surface(), 250);
    FrameCustom->OptionNone_Click();
}

void PostEditor::UpdateStartEnd() {
    holders.compose();
    lblShow->setText(holders.display());
}

void PostEditor::ChangeToDull() {
    QWidget* focused = QApplication::focusWidget();
    if (focused && isAncestorOf(focused))
        SystemColours::paint(focused, SystemColours::grayText());
}

int PostEditor::GetCaretX() const {
    return RichTextBox1->cursorRect().x() + RichTextBox1->viewport()->x();
}

int PostEditor::GetCaretY() const {
    return RichTextBox1->cursorRect().y() + RichTextBox1->viewport()->y();
}

void PostEditor::Form_Activate() {
    RichTextBox1->setFocus();
    m_menus->item("mnuPaste")->setEnabled(!Clipboard::instance().noPlainText());
    m_menus->item("mnuClearAll")->setEnabled(RichTextBox1->characterCount() != 0);
}

void PostEditor::Form_GotFocus() {
    RichTextBox1->setFocus();
    m_menus->item("mnuClearAll")->setEnabled(RichTextBox1->characterCount() != 0);
    auto* subWindow = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (subWindow && !subWindow->isMaximized() && !subWindow->isMinimized()) {
        const QWidget* frame = window();
        const int inset = Twips::toPixels(100);
        subWindow->resize(frame->width() - inset, frame->height() - inset);
    }
    findChild<QPushButton*>("cmdInsert")->setEnabled(!FrameCustom->nothingChosen());
}

void PostEditor::ExitFlow() {
    ProgramExit::ExitFlow(this, RichTextBox1->characterCount() == 0, TextSaved,
                          [this] { m_documents->SaveFunction(); });
}

void PostEditor::closeEvent(QCloseEvent* event) {
    ExitFlow();
    event->ignore(); // the work area lives as long as the program
}

void PostEditor::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    Form_GotFocus();
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
    layout.surface = RichTextBox1;
    layout.toolPanel = Picture1;
    layout.buttonStrip = PicButtons;
    layout.helpLine = Label6;
    layout.pages[0] = FrameList;
    layout.pages[1] = FrameSmiley;
    layout.pages[2] = FrameCustom;
    layout.tagDisplay = lblShow;
    layout.presetButton = cmdPreset;
    layout.apply(outer->isMaximized(), Twips::fromPixels(outer->width()),
                 Twips::fromPixels(outer->height()), Twips::fromPixels(width()));
}
