#include "services/SpellingDialog.h"

#include "platform/HandCursor.h"

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
// before it).
QString markedSentence(const QString& text, const SpellingProblem& problem) {
    const TextRange sentence = sentenceAround(text, problem.start, problem.length);
    const QStringView all(text);
    const int end = problem.start + problem.length;
    int mark = problem.start;
    while (mark < end && text.at(mark).isSpace())
        ++mark;
    return plainForDisplay(all.mid(sentence.start, mark - sentence.start)) +
           "<span style=\"color:#c00000; text-decoration:underline; font-weight:600\">" +
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
                               ProblemFinder::Mode mode, QWidget* parent)
    : QDialog(parent), m_finder(text, dictionary, mode) {
    setObjectName("frmSpelling");
    setWindowTitle(mode == ProblemFinder::Mode::Spelling ? "Spelling" : "Spelling and Grammar");
    createControls();
    connectControls();
}

void SpellingDialog::createControls() {
    lblProblem = new QLabel(this);
    lblProblem->setObjectName("lblProblem");
    txtSentence = new QTextBrowser(this);
    txtSentence->setObjectName("txtSentence");
    txtSentence->setFocusPolicy(Qt::NoFocus);
    const int line = fontMetrics().lineSpacing();
    txtSentence->setMinimumWidth(380);
    txtSentence->setFixedHeight(5 * line + 12);
    lblChangeTo = new QLabel("Change &to:", this);
    txtChangeTo = new QLineEdit(this);
    txtChangeTo->setObjectName("txtChangeTo");
    lblChangeTo->setBuddy(txtChangeTo);
    lblSuggestions = new QLabel("Suggestio&ns:", this);
    lstSuggestions = new QListWidget(this);
    lstSuggestions->setObjectName("lstSuggestions");
    lstSuggestions->setFixedHeight(6 * line + 8);
    lblSuggestions->setBuddy(lstSuggestions);
    lblStatus = new QLabel(this);
    lblStatus->setObjectName("lblStatus");

    cmdIgnore = makeButton("cmdIgnore", "&Ignore", this);
    cmdIgnoreAll = makeButton("cmdIgnoreAll", "I&gnore All", this);
    cmdAdd = makeButton("cmdAdd", "&Add to Dictionary", this);
    cmdChange = makeButton("cmdChange", "&Change", this);
    cmdChangeAll = makeButton("cmdChangeAll", "Change A&ll", this);
    cmdCancel = makeButton("cmdCancel", "Cancel", this);

    auto* changeTo = new QHBoxLayout;
    changeTo->addWidget(lblChangeTo);
    changeTo->addWidget(txtChangeTo, 1);

    auto* grid = new QGridLayout(this);
    grid->setColumnStretch(0, 1);
    grid->addWidget(lblProblem, 0, 0);
    grid->addWidget(txtSentence, 1, 0, 4, 1);
    grid->addWidget(cmdIgnore, 1, 1);
    grid->addWidget(cmdIgnoreAll, 2, 1);
    grid->addWidget(cmdAdd, 3, 1);
    grid->addLayout(changeTo, 5, 0);
    grid->addWidget(lblSuggestions, 6, 0);
    grid->addWidget(lstSuggestions, 7, 0, 3, 1);
    grid->addWidget(cmdChange, 7, 1);
    grid->addWidget(cmdChangeAll, 8, 1);
    grid->setRowStretch(9, 1);
    grid->setRowMinimumHeight(10, line);
    grid->addWidget(lblStatus, 10, 0);
    grid->addWidget(cmdCancel, 10, 1);
}

void SpellingDialog::connectControls() {
    connect(cmdIgnore, &QPushButton::clicked, this, [this] { answer(Answer::Ignore); });
    connect(cmdIgnoreAll, &QPushButton::clicked, this, [this] { answer(Answer::IgnoreAll); });
    connect(cmdAdd, &QPushButton::clicked, this, [this] { answer(Answer::Add); });
    connect(cmdChange, &QPushButton::clicked, this, [this] { answer(Answer::Change); });
    connect(cmdChangeAll, &QPushButton::clicked, this, [this] { answer(Answer::ChangeAll); });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(lstSuggestions, &QListWidget::currentTextChanged, txtChangeTo, &QLineEdit::setText);
    connect(lstSuggestions, &QListWidget::itemDoubleClicked, this,
            [this] { answer(Answer::Change); });
    connect(txtChangeTo, &QLineEdit::textChanged, this, &SpellingDialog::updateChangeButtons);
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
    lblProblem->setText(caption(problem.kind));
    lblStatus->clear();
    txtSentence->setHtml(markedSentence(m_finder.text(), problem));
    lstSuggestions->clear();
    lstSuggestions->addItems(problem.suggestions);
    lstSuggestions->setEnabled(!problem.suggestions.isEmpty());
    if (problem.suggestions.isEmpty())
        lstSuggestions->addItem("(no suggestions)");
    else
        lstSuggestions->setCurrentRow(0);
    txtChangeTo->setText(problem.suggestions.value(0));

    const bool spelling = problem.kind == SpellingProblem::Kind::NotInDictionary;
    const bool repeated = problem.kind == SpellingProblem::Kind::RepeatedWord;
    cmdChange->setText(repeated ? "&Delete" : "&Change");
    txtChangeTo->setEnabled(!repeated);
    for (QPushButton* button : {cmdIgnore, cmdIgnoreAll})
        button->setEnabled(true);
    cmdAdd->setEnabled(spelling);
    updateChangeButtons();
    (problem.suggestions.isEmpty() && !repeated ? cmdIgnore : cmdChange)->setFocus();
    emit problemShown(problem);
}

void SpellingDialog::showSearching() {
    lblProblem->clear();
    txtSentence->clear();
    lstSuggestions->clear();
    txtChangeTo->clear();
    for (QPushButton* button : {cmdIgnore, cmdIgnoreAll, cmdAdd, cmdChange, cmdChangeAll})
        button->setEnabled(false);
    const qsizetype size = qMax<qsizetype>(1, m_finder.text().size());
    lblStatus->setText(
        QStringLiteral("Checking... %1%").arg(int(100 * qint64(m_finder.position()) / size)));
}

void SpellingDialog::updateChangeButtons() {
    if (!cmdIgnore->isEnabled())
        return; // searching
    const SpellingProblem::Kind kind = m_finder.problem().kind;
    const bool hasReplacement = !txtChangeTo->text().isEmpty();
    cmdChange->setEnabled(hasReplacement || kind == SpellingProblem::Kind::RepeatedWord);
    cmdChangeAll->setEnabled(hasReplacement && kind == SpellingProblem::Kind::NotInDictionary);
}

void SpellingDialog::answer(Answer answer) {
    const QPushButton* buttons[] = {cmdIgnore, cmdIgnoreAll, cmdChange, cmdChangeAll, cmdAdd};
    if (m_finished || !buttons[int(answer)]->isEnabled())
        return;
    const bool repeated = m_finder.problem().kind == SpellingProblem::Kind::RepeatedWord;
    const QString replacement = repeated ? QString() : txtChangeTo->text();
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
        cmdCancel->setText("Close"); // what was changed stays changed
    searchOn();
}
