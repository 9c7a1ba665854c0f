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
    SpellingDialog(const QString& text, Dictionary& dictionary, ProblemFinder::Mode mode,
                   QWidget* parent = nullptr);

    // Checks the whole text; the dialog is only shown when there is a problem, and this
    // returns when the check is through or the user has cancelled it.
    void run();
    // The text with every change made so far.
    const QString& text() const { return m_finder.text(); }

signals:
    void problemShown(const SpellingProblem& problem);

private:
    enum class Answer { Ignore, IgnoreAll, Change, ChangeAll, Add };

    void createControls();
    void connectControls();
    ProblemFinder::Outcome searchSlice();
    void searchOn();
    void showProblem(const SpellingProblem& problem);
    void showSearching();
    void answer(Answer answer);
    void updateChangeButtons();

    ProblemFinder m_finder;
    bool m_finished = false;

    QLabel* lblProblem = nullptr;
    QTextBrowser* txtSentence = nullptr;
    QLabel* lblChangeTo = nullptr;
    QLineEdit* txtChangeTo = nullptr;
    QLabel* lblSuggestions = nullptr;
    QListWidget* lstSuggestions = nullptr;
    QLabel* lblStatus = nullptr;
    QPushButton* cmdIgnore = nullptr;
    QPushButton* cmdIgnoreAll = nullptr;
    QPushButton* cmdAdd = nullptr;
    QPushButton* cmdChange = nullptr;
    QPushButton* cmdChangeAll = nullptr;
    QPushButton* cmdCancel = nullptr;
};
