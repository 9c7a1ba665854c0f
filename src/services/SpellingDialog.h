#pragma once

#include "services/ProblemFinder.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTextBrowser;

// The spelling dialog: shows each problem in its sentence with suggestions and lets the
// user ignore it, change it or add the word to the dictionary. The search for the next
// problem runs in short slices between events, so a long text never freezes the dialog.
class SpellingDialog : public QDialog {
    Q_OBJECT
public:
    // Ignore All adds to ignoredWords, which the session shares.
    SpellingDialog(const QString& text, Dictionary& dictionary, IgnoredWords& ignoredWords,
                   ProblemFinder::Mode mode, QWidget* parent = nullptr);

    // Checks the whole text; the dialog is only shown when there is a problem, and this
    // returns when the check is through or the user has cancelled it.
    void run();
    // The text with every change made so far.
    const QString& text() const { return m_finder.text(); }

private:
    enum class Answer { Ignore, IgnoreAll, Change, ChangeAll, Add };

    void createControls();
    void connectControls();
    ProblemFinder::Outcome searchSlice();
    void searchOn();
    void showProblem(const SpellingProblem& problem);
    // The problem's sentence, marked in colours that read on the view's background.
    void showSentence();
    void showSearching();
    void answer(Answer answer);
    void updateChangeButtons();

    ProblemFinder m_finder;
    bool m_finished = false;

    QLabel* m_problemLabel = nullptr;
    QTextBrowser* m_sentenceView = nullptr;
    QLineEdit* m_changeToBox = nullptr;
    QListWidget* m_suggestionList = nullptr;
    QLabel* m_statusLabel = nullptr;
    QPushButton* m_ignoreButton = nullptr;
    QPushButton* m_ignoreAllButton = nullptr;
    QPushButton* m_addButton = nullptr;
    QPushButton* m_changeButton = nullptr;
    QPushButton* m_changeAllButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
};
