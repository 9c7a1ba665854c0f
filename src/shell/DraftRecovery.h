#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

class Post;
class QWidget;

// Keeps a copy of a post that has not been saved, so a crash, a killed process or a
// power cut does not lose it. The copy is written at most every two seconds after a
// change, never while typing, and removed whenever the program ends deliberately, the
// text is saved or opened, or the post is emptied. Each process has its own copy.
class DraftRecovery : public QObject {
    Q_OBJECT
public:
    DraftRecovery(Post& post, const QString& folder, QObject* parent = nullptr);
    ~DraftRecovery() override;

    static constexpr int WriteDelayMs = 2000;

    QString copyPath() const { return m_copyPath; }
    // Removes this process's copy.
    void discard();
    // Writes the copy now if one is due.
    void writeIfDue();

    // At start: offers the newest copy left by a process that no longer runs. Yes puts
    // its text into the post as one change; either answer removes that copy. Returns
    // whether a post was recovered.
    bool offerLeftoverCopy(QWidget* parent);
    // Copies left by processes that no longer run, newest first.
    QStringList leftoverCopies() const;

private:
    void onChange();
    // The text now matches a file on disk: no copy is needed until the next change.
    void onMatchesFile();

    Post& m_post;
    QString m_folder;
    QString m_copyPath;
    QTimer m_writeTimer;
    bool m_due = false;
};
