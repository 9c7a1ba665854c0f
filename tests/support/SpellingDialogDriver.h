#pragma once

#include <QList>
#include <QObject>
#include <QStringList>
#include <functional>

class SpellingDialog;

// Plays the user at the spelling dialog: on each problem the dialog shows, records what
// it shows and clicks the next scripted button by its objectName, first typing the
// step's replacement into "Change to" when it has one. With the script used up it
// clicks Cancel, so a check never waits for a user who is not there.
class SpellingDialogDriver : public QObject {
    Q_OBJECT
public:
    struct Step {
        QString button;        // "cmdChange", "cmdIgnoreAll", ...
        QString changeTo = {}; // typed into txtChangeTo unless null
    };
    struct Shown {
        QString problem;  // the caption: "Not in Dictionary:", "Repeated Word:", ...
        QString word;     // the text marked in the sentence
        QString sentence; // the sentence as shown, as plain text
        QStringList suggestions;
    };

    explicit SpellingDialogDriver(std::initializer_list<Step> steps = {});
    ~SpellingDialogDriver() override;

    QList<Step> script;
    QList<Shown> shown;
    int dialogsShown = 0;
    int unscriptedProblems = 0;      // answered with Cancel
    std::function<void()> onProblem; // called as each problem is shown, before answering

    QStringList words() const; // the marked words, in order

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void answer(SpellingDialog* dialog);
};
