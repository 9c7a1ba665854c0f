#include "shell/FindBar.h"

#include "platform/ChangedParagraphs.h"
#include "platform/ExtraSelections.h"
#include "platform/RichTextBox.h"
#include "platform/Twips.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QStyle>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

namespace {

// Highlights drawn at most, so that a search for "e" in a huge post stays quick.
constexpr int kMostHighlights = 500;
// Marks the extra selections of the matches as the find bar's own.
constexpr int kMatchProperty = QTextFormat::UserProperty + 0x7aa;

QPushButton* makeButton(QWidget* parent, const char* name, const char* caption, const char* tip) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setToolTip(tip);
    button->setAccessibleName(QString(caption).remove('&'));
    button->setAutoDefault(false);
    return button;
}

QLineEdit* makeField(QWidget* parent, const char* name, const char* accessibleName) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setAccessibleName(accessibleName);
    field->setMinimumWidth(Twips::scaled(140));
    return field;
}

} // namespace

FindBar::FindBar(RichTextBox& editor, QWidget* shortcutScope, QWidget* parent)
    : QFrame(parent), m_editor(editor), m_highlight(new QTimer(this)) {
    setObjectName("picFind");
    setAccessibleName("Find and replace");
    setFrameShape(QFrame::StyledPanel);
    createControls();

    m_highlight->setSingleShot(true);
    m_highlight->setInterval(0);
    connect(m_highlight, &QTimer::timeout, this, &FindBar::highlightMatchesInView);
    const auto highlightLater = [this] {
        if (isVisible())
            m_highlight->start();
    };
    connect(editor.document(), &QTextDocument::contentsChanged, this, highlightLater);
    connect(editor.verticalScrollBar(), &QScrollBar::valueChanged, this, highlightLater);

    const struct {
        QKeySequence keys;
        bool (FindBar::*find)();
    } shortcuts[] = {{QKeySequence(Qt::Key_F3), &FindBar::findNext},
                     {QKeySequence(Qt::SHIFT | Qt::Key_F3), &FindBar::findPrevious}};
    for (const auto& entry : shortcuts) {
        auto* shortcut = new QShortcut(entry.keys, shortcutScope);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        const auto find = entry.find;
        connect(shortcut, &QShortcut::activated, this, [this, find] {
            if (m_findField->text().isEmpty())
                open(!m_replaceRow->isHidden());
            else
                (this->*find)();
        });
    }
    hide();
}

void FindBar::createControls() {
    auto* findLabel = new QLabel("&Find:", this);
    m_findField = makeField(this, "txtFind", "Search text");
    m_findField->setToolTip("Text to find; the post is searched as you type");
    findLabel->setBuddy(m_findField);
    auto* previous = makeButton(this, "cmdFindPrevious", "&Previous", "Previous match (Shift+F3)");
    auto* next = makeButton(this, "cmdFindNext", "&Next", "Next match (Enter, F3)");
    m_matchCase = new QCheckBox("Match &case", this);
    m_matchCase->setObjectName("chkMatchCase");
    m_matchCase->setToolTip("Find only text in the same capitals and small letters");
    m_wholeWord = new QCheckBox("&Whole word", this);
    m_wholeWord->setObjectName("chkWholeWord");
    m_wholeWord->setToolTip("Find only whole words, not parts of longer words");
    m_note = new QLabel(this);
    m_note->setObjectName("lblFindNote");
    m_note->setAccessibleName("Search result");
    auto* closeButton = new QToolButton(this);
    closeButton->setObjectName("cmdCloseFind");
    closeButton->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    closeButton->setAutoRaise(true);
    closeButton->setToolTip("Close the find bar (Escape)");
    closeButton->setAccessibleName("Close");

    auto* findRow = new QHBoxLayout;
    for (QWidget* control : std::initializer_list<QWidget*>{findLabel, m_findField, previous, next,
                                                            m_matchCase, m_wholeWord})
        findRow->addWidget(control);
    findRow->addWidget(m_note, 1);
    findRow->addWidget(closeButton);

    m_replaceRow = new QWidget(this);
    auto* replaceLabel = new QLabel("R&eplace with:", m_replaceRow);
    m_replaceField = makeField(m_replaceRow, "txtReplace", "Replacement text");
    m_replaceField->setToolTip("Text that takes the place of each match");
    replaceLabel->setBuddy(m_replaceField);
    auto* replaceButton = makeButton(m_replaceRow, "cmdReplace", "&Replace",
                                     "Replace the selected match and find the next");
    auto* replaceAllButton =
        makeButton(m_replaceRow, "cmdReplaceAll", "Replace &All", "Replace every match at once");
    auto* replaceRow = new QHBoxLayout(m_replaceRow);
    replaceRow->setContentsMargins(0, 0, 0, 0);
    for (QWidget* control : std::initializer_list<QWidget*>{replaceLabel, m_replaceField,
                                                            replaceButton, replaceAllButton})
        replaceRow->addWidget(control);
    replaceRow->addStretch(1);

    auto* rows = new QVBoxLayout(this);
    rows->setContentsMargins(4, 2, 4, 2);
    rows->setSpacing(2);
    rows->addLayout(findRow);
    rows->addWidget(m_replaceRow);

    connect(m_findField, &QLineEdit::textEdited, this, &FindBar::onSearchTextEdited);
    connect(m_findField, &QLineEdit::returnPressed, this, &FindBar::findNext);
    connect(m_replaceField, &QLineEdit::returnPressed, this, &FindBar::replace);
    connect(previous, &QPushButton::clicked, this, &FindBar::findPrevious);
    connect(next, &QPushButton::clicked, this, &FindBar::findNext);
    connect(replaceButton, &QPushButton::clicked, this, &FindBar::replace);
    connect(replaceAllButton, &QPushButton::clicked, this, &FindBar::replaceAll);
    connect(closeButton, &QToolButton::clicked, this, &FindBar::close);
    for (QCheckBox* option : {m_matchCase, m_wholeWord})
        connect(option, &QCheckBox::toggled, this, &FindBar::onSearchTextEdited);
}

void FindBar::open(bool withReplace) {
    const QString selected = m_editor.textCursor().selectedText();
    if (!selected.isEmpty() && !selected.contains(QChar::ParagraphSeparator))
        m_findField->setText(selected);
    m_replaceRow->setVisible(withReplace);
    m_note->clear();
    show();
    m_findField->setFocus(Qt::ShortcutFocusReason);
    m_findField->selectAll();
    highlightMatchesInView();
}

void FindBar::close() {
    hide();
    m_editor.setFocus(Qt::ShortcutFocusReason);
}

QTextDocument::FindFlags FindBar::flags() const {
    QTextDocument::FindFlags flags;
    flags.setFlag(QTextDocument::FindCaseSensitively, m_matchCase->isChecked());
    flags.setFlag(QTextDocument::FindWholeWords, m_wholeWord->isChecked());
    return flags;
}

bool FindBar::findNext() {
    return findFrom(m_editor.textCursor().selectionEnd(), false);
}

bool FindBar::findPrevious() {
    return findFrom(m_editor.textCursor().selectionStart(), true);
}

bool FindBar::findFrom(int position, bool backward) {
    m_note->clear();
    const QString needle = m_findField->text();
    if (needle.isEmpty())
        return false;
    const QTextDocument* document = m_editor.document();
    QTextDocument::FindFlags options = flags();
    options.setFlag(QTextDocument::FindBackward, backward);
    QTextCursor found = document->find(needle, position, options);
    if (found.isNull()) {
        found = document->find(needle, backward ? document->characterCount() : 0, options);
        if (!found.isNull())
            m_note->setText(backward ? "Wrapped to end" : "Wrapped to top");
    }
    if (found.isNull()) {
        m_note->setText("Not found");
        return false;
    }
    m_editor.setTextCursor(found);
    m_editor.ensureCursorVisible();
    highlightMatchesInView();
    return true;
}

bool FindBar::selectionIsMatch() const {
    const QTextCursor selection = m_editor.textCursor();
    if (!selection.hasSelection() || m_findField->text().isEmpty())
        return false;
    const QTextCursor match =
        m_editor.document()->find(m_findField->text(), selection.selectionStart(), flags());
    return match.selectionStart() == selection.selectionStart() &&
           match.selectionEnd() == selection.selectionEnd();
}

void FindBar::onSearchTextEdited() {
    // The match grows with the search text: look again from where it starts.
    if (!findFrom(m_editor.textCursor().selectionStart(), false))
        highlightMatchesInView();
}

void FindBar::replace() {
    if (selectionIsMatch()) {
        QTextCursor selection = m_editor.textCursor();
        const auto edit =
            m_editor.announceEdit(selection.selectionStart(), selection.selectionEnd());
        selection.insertText(m_replaceField->text());
        m_editor.setTextCursor(selection);
    }
    findNext();
}

int FindBar::replaceAll() {
    const QString needle = m_findField->text();
    if (needle.isEmpty())
        return 0;
    QTextDocument* document = m_editor.document();
    const QTextDocument::FindFlags options = flags();
    int count = 0;
    // One announced change in one edit block, so the undo history records one step.
    const auto announced = m_editor.announceEdit(0, document->characterCount() - 1);
    QTextCursor edit(document);
    edit.beginEditBlock();
    for (QTextCursor found = document->find(needle, 0, options); !found.isNull();
         found = document->find(needle, found, options)) {
        ChangedParagraphs::dropLines(*document, found.block().blockNumber(), 1);
        found.insertText(m_replaceField->text());
        ++count;
    }
    // Matches far apart: only their paragraphs are laid out again, not all between them.
    if (count > 0)
        ChangedParagraphs::layOutOnlyThem(m_editor);
    edit.endEditBlock();
    m_note->setText(count ? QStringLiteral("Replaced %1").arg(count) : QStringLiteral("Not found"));
    return count;
}

// Only the text in view is searched, so the cost follows the window, not the post; the
// test for a match is the one QTextDocument::find applies.
void FindBar::highlightMatchesInView() {
    QList<QTextEdit::ExtraSelection> highlights;
    const QString needle = m_findField->text();
    if (isVisible() && !needle.isEmpty()) {
        const QRect view = m_editor.viewport()->rect();
        QTextCursor inView = m_editor.cursorForPosition(view.topLeft());
        const int from = qMax(0, inView.position() - int(needle.size()));
        inView.setPosition(from);
        inView.setPosition(m_editor.cursorForPosition(view.bottomRight()).position(),
                           QTextCursor::KeepAnchor);
        inView.movePosition(QTextCursor::NextWord, QTextCursor::KeepAnchor);
        const QString text = inView.selectedText();
        const Qt::CaseSensitivity sensitivity =
            m_matchCase->isChecked() ? Qt::CaseSensitive : Qt::CaseInsensitive;
        QColor colour = m_editor.palette().color(QPalette::Highlight);
        colour.setAlpha(80);
        QTextCharFormat format;
        format.setBackground(colour);
        for (qsizetype at = text.indexOf(needle, 0, sensitivity);
             at >= 0 && highlights.size() < kMostHighlights;
             at = text.indexOf(needle, at + 1, sensitivity)) {
            const qsizetype end = at + needle.size();
            if (m_wholeWord->isChecked() &&
                ((at > 0 && text.at(at - 1).isLetterOrNumber()) ||
                 (end < text.size() && text.at(end).isLetterOrNumber())))
                continue;
            QTextCursor match(m_editor.document());
            match.setPosition(from + int(at));
            match.setPosition(from + int(end), QTextCursor::KeepAnchor);
            highlights.append({match, format});
        }
    }
    ExtraSelections::replaceOwn(m_editor, kMatchProperty, highlights);
}

void FindBar::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QFrame::keyPressEvent(event);
}

void FindBar::showEvent(QShowEvent* event) {
    QFrame::showEvent(event);
    emit shownChanged();
}

void FindBar::hideEvent(QHideEvent* event) {
    QFrame::hideEvent(event);
    ExtraSelections::replaceOwn(m_editor, kMatchProperty, {});
    emit shownChanged();
}
