#include "services/SpellingDialog.h"

#include "platform/Contrast.h"
#include "platform/HandCursor.h"
#include "platform/SystemColours.h"
#include "platform/Twips.h"

#include <QElapsedTimer>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>

namespace {

// How long one slice of the search may keep the dialog from its events.
constexpr int kSliceMilliseconds = 30;
constexpr int kTokensPerStep = 256;

QString caption(SpellingProblem::Kind kind) {
    switch (kind) {
    case SpellingProblem::Kind::NotInDictionary:
        return QStringLiteral("Not in Dictionary:");
    case SpellingProblem::Kind::RepeatedWord:
        return QStringLiteral("Repeated Word:");
    case SpellingProblem::Kind::Capitalization:
        return QStringLiteral("Capitalization:");
    }
    return {};
}

QString plainForDisplay(QStringView text) {
    QString plain = text.toString();
    plain.replace(u'\r', u' ').replace(u'\n', u' ');
    return plain.toHtmlEscaped();
}

// The sentence with the problem's word in red, underlined (a repeat without the space
// before it); the red is lightened as far as a dark background needs.
QString markedSentence(const QString& text, const SpellingProblem& problem,
                       const QColor& background) {
    const TextRange sentence = sentenceAround(text, problem.start, problem.length);
    const QStringView all(text);
    const int end = problem.start + problem.length;
    int mark = problem.start;
    while (mark < end && text.at(mark).isSpace())
        ++mark;
    const QColor red = readableOn(QColor(0xc0, 0, 0), background, 4.5);
    return plainForDisplay(all.mid(sentence.start, mark - sentence.start)) +
           "<span style=\"color:" + red.name() + "; text-decoration:underline; font-weight:600\">" +
           plainForDisplay(all.mid(mark, end - mark)) + "</span>" +
           plainForDisplay(all.mid(end, sentence.start + sentence.length - end));
}

QPushButton* makeButton(const char* name, const char* caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    HandCursor::showOver(button);
    return button;
}

} // namespace

SpellingDialog::SpellingDialog(const QString& text, Dictionary& dictionary,
                               IgnoredWords& ignoredWords, ProblemFinder::Mode mode,
                               QWidget* parent)
    : QDialog(parent), m_finder(text, dictionary, ignoredWords, mode) {
    setObjectName("frmSpelling");
    setWindowTitle(mode == ProblemFinder::Mode::Spelling ? "Spelling" : "Spelling and Grammar");
    createControls();
    connectControls();
}

void SpellingDialog::createControls() {
    m_problemLabel = new QLabel(this);
    m_problemLabel->setObjectName("lblProblem");
    m_sentenceView = new QTextBrowser(this);
    m_sentenceView->setObjectName("txtSentence");
    m_sentenceView->setFocusPolicy(Qt::NoFocus);
    SystemColours::followPalette(m_sentenceView, [this] {
        if (m_ignoreButton->isEnabled()) // a problem on show
            showSentence();
    });
    const int line = fontMetrics().lineSpacing();
    m_sentenceView->setMinimumWidth(Twips::scaled(380));
    m_sentenceView->setFixedHeight(5 * line + 12);
    auto* changeToLabel = new QLabel("Change &to:", this);
    m_changeToBox = new QLineEdit(this);
    m_changeToBox->setObjectName("txtChangeTo");
    changeToLabel->setBuddy(m_changeToBox);
    auto* suggestionsLabel = new QLabel("Suggestio&ns:", this);
    m_suggestionList = new QListWidget(this);
    m_suggestionList->setObjectName("lstSuggestions");
    m_suggestionList->setFixedHeight(6 * line + 8);
    suggestionsLabel->setBuddy(m_suggestionList);
    m_statusLabel = new QLabel(this);
    m_statusLabel->setObjectName("lblStatus");

    m_ignoreButton = makeButton("cmdIgnore", "&Ignore", this);
    m_ignoreAllButton = makeButton("cmdIgnoreAll", "I&gnore All", this);
    m_addButton = makeButton("cmdAdd", "&Add to Dictionary", this);
    m_changeButton = makeButton("cmdChange", "&Change", this);
    m_changeAllButton = makeButton("cmdChangeAll", "Change A&ll", this);
    m_cancelButton = makeButton("cmdCancel", "Cancel", this);

    auto* changeTo = new QHBoxLayout;
    changeTo->addWidget(changeToLabel);
    changeTo->addWidget(m_changeToBox, 1);

    auto* grid = new QGridLayout(this);
    grid->setColumnStretch(0, 1);
    grid->addWidget(m_problemLabel, 0, 0);
    grid->addWidget(m_sentenceView, 1, 0, 4, 1);
    grid->addWidget(m_ignoreButton, 1, 1);
    grid->addWidget(m_ignoreAllButton, 2, 1);
    grid->addWidget(m_addButton, 3, 1);
    grid->addLayout(changeTo, 5, 0);
    grid->addWidget(suggestionsLabel, 6, 0);
    grid->addWidget(m_suggestionList, 7, 0, 3, 1);
    grid->addWidget(m_changeButton, 7, 1);
    grid->addWidget(m_changeAllButton, 8, 1);
    grid->setRowStretch(9, 1);
    grid->setRowMinimumHeight(10, line);
    grid->addWidget(m_statusLabel, 10, 0);
    grid->addWidget(m_cancelButton, 10, 1);
}

void SpellingDialog::connectControls() {
    connect(m_ignoreButton, &QPushButton::clicked, this, [this] { answer(Answer::Ignore); });
    connect(m_ignoreAllButton, &QPushButton::clicked, this, [this] { answer(Answer::IgnoreAll); });
    connect(m_addButton, &QPushButton::clicked, this, [this] { answer(Answer::Add); });
    connect(m_changeButton, &QPushButton::clicked, this, [this] { answer(Answer::Change); });
    connect(m_changeAllButton, &QPushButton::clicked, this, [this] { answer(Answer::ChangeAll); });
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_suggestionList, &QListWidget::currentTextChanged, m_changeToBox, &QLineEdit::setText);
    connect(m_suggestionList, &QListWidget::itemDoubleClicked, this,
            [this] { answer(Answer::Change); });
    connect(m_changeToBox, &QLineEdit::textChanged, this, &SpellingDialog::updateChangeButtons);
    connect(this, &QDialog::finished, this, [this] { m_finished = true; });
}

void SpellingDialog::run() {
    if (searchSlice() == ProblemFinder::Outcome::Finished)
        return;
    // The first problem (or the rest of the search) is shown once the dialog is up.
    QTimer::singleShot(0, this, &SpellingDialog::searchOn);
    exec();
}

ProblemFinder::Outcome SpellingDialog::searchSlice() {
    QElapsedTimer clock;
    clock.start();
    ProblemFinder::Outcome outcome;
    do
        outcome = m_finder.findNext(kTokensPerStep);
    while (outcome == ProblemFinder::Outcome::Searching && clock.elapsed() < kSliceMilliseconds);
    return outcome;
}

void SpellingDialog::searchOn() {
    if (m_finished)
        return;
    switch (searchSlice()) {
    case ProblemFinder::Outcome::Found:
        showProblem(m_finder.problem());
        break;
    case ProblemFinder::Outcome::Finished:
        accept();
        break;
    case ProblemFinder::Outcome::Searching:
        showSearching();
        QTimer::singleShot(0, this, &SpellingDialog::searchOn);
        break;
    }
}

void SpellingDialog::showProblem(const SpellingProblem& problem) {
    m_problemLabel->setText(caption(problem.kind));
    m_statusLabel->clear();
    showSentence();
    m_suggestionList->clear();
    m_suggestionList->addItems(problem.suggestions);
    m_suggestionList->setEnabled(!problem.suggestions.isEmpty());
    if (problem.suggestions.isEmpty())
        m_suggestionList->addItem("(no suggestions)");
    else
        m_suggestionList->setCurrentRow(0);
    m_changeToBox->setText(problem.suggestions.value(0));

    const bool spelling = problem.kind == SpellingProblem::Kind::NotInDictionary;
    const bool repeated = problem.kind == SpellingProblem::Kind::RepeatedWord;
    m_changeButton->setText(repeated ? "&Delete" : "&Change");
    m_changeToBox->setEnabled(!repeated);
    for (QPushButton* button : {m_ignoreButton, m_ignoreAllButton})
        button->setEnabled(true);
    m_addButton->setEnabled(spelling);
    updateChangeButtons();
    (problem.suggestions.isEmpty() && !repeated ? m_ignoreButton : m_changeButton)->setFocus();
}

void SpellingDialog::showSentence() {
    m_sentenceView->setHtml(markedSentence(m_finder.text(), m_finder.problem(),
                                           m_sentenceView->palette().color(QPalette::Base)));
}

void SpellingDialog::showSearching() {
    m_problemLabel->clear();
    m_sentenceView->clear();
    m_suggestionList->clear();
    m_changeToBox->clear();
    for (QPushButton* button :
         {m_ignoreButton, m_ignoreAllButton, m_addButton, m_changeButton, m_changeAllButton})
        button->setEnabled(false);
    const qsizetype size = qMax<qsizetype>(1, m_finder.text().size());
    m_statusLabel->setText(
        QStringLiteral("Checking... %1%").arg(int(100 * qint64(m_finder.position()) / size)));
}

void SpellingDialog::updateChangeButtons() {
    if (!m_ignoreButton->isEnabled())
        return; // searching
    const SpellingProblem::Kind kind = m_finder.problem().kind;
    const bool hasReplacement = !m_changeToBox->text().isEmpty();
    m_changeButton->setEnabled(hasReplacement || kind == SpellingProblem::Kind::RepeatedWord);
    m_changeAllButton->setEnabled(hasReplacement && kind == SpellingProblem::Kind::NotInDictionary);
}

void SpellingDialog::answer(Answer answer) {
    const QPushButton* buttons[] = {m_ignoreButton, m_ignoreAllButton, m_changeButton,
                                    m_changeAllButton, m_addButton};
    if (m_finished || !buttons[int(answer)]->isEnabled())
        return;
    const bool repeated = m_finder.problem().kind == SpellingProblem::Kind::RepeatedWord;
    const QString replacement = repeated ? QString() : m_changeToBox->text();
    switch (answer) {
    case Answer::Ignore:
        m_finder.ignore();
        break;
    case Answer::IgnoreAll:
        m_finder.ignoreAll();
        break;
    case Answer::Change:
        m_finder.change(replacement);
        break;
    case Answer::ChangeAll:
        m_finder.changeAll(replacement);
        break;
    case Answer::Add:
        m_finder.addToDictionary();
        break;
    }
    if (m_finder.changed())
        m_cancelButton->setText("Close"); // what was changed stays changed
    searchOn();
}
