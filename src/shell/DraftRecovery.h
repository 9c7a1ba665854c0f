#pragma once

#include "shell/DraftFolder.h"

#include <QObject>
#include <QString>
#include <QTimer>

class Post;
class QWidget;

// Keeps a copy of a post that has not been saved, so a failed save, a crash, a killed
// process or a power cut does not lose it. The copy is written at most every two seconds
// after a change, never while typing. It is removed only when nothing is lost: the text
// was written to a file, the user discarded it, or the post was emptied. A program end on
// any other path leaves it, to be offered at the next start. Each process has its own copy.
class DraftRecovery : public QObject {
    Q_OBJECT
public:
    // Messages about copies that cannot be written belong to window.
    DraftRecovery(Post& post, const QString& folder, QWidget* window);
    ~DraftRecovery() override;

    static constexpr int WriteDelayMs = 2000;

    DraftFolder& folder() { return m_folder; }
    QString copyPath() const { return m_folder.ownCopyPath(); }

    // The user discarded the post: its copy, and a kept copy it was recovered from, go.
    void discard();
    // Writes the copy now if one is due.
    void writeIfDue();
    // Writes the post's text now, unless the copy on disk is up to date; returns whether a
    // copy of it is on disk.
    bool writeNow();
    // The user goes on without saving the post: its copy is written now and kept for the
    // drafts window and the next start, while this program starts a new one. Returns the
    // kept copy's path, or nothing when the post is empty.
    QString setAside();
    // The post now holds the kept copy at path; that copy is removed once this program's
    // own copy of the post is on disk.
    void adopt(const QString& path);

    enum class StartOffer { NothingKept, Recovered, ListWanted, Declined };
    // At start: prunes old copies and offers the kept ones. With one copy, Yes puts its
    // text into the post as one change and No deletes it; with several, Yes asks for the
    // drafts window and No keeps them all for later.
    StartOffer offerKeptCopies(QWidget* parent);

private:
    void onChange();
    // The text now matches a file on disk: no copy is needed until the next change.
    void onMatchesFile();
    void onProgramEnd();
    void removeOwnCopy();
    void removeAdoptedCopy();
    // Says once per run that copies cannot be kept, and why.
    void reportFailure(const QString& reason);

    Post& m_post;
    QWidget* m_window;
    DraftFolder m_folder;
    QString m_adoptedCopy;
    QTimer m_writeTimer;
    bool m_due = false;
    bool m_failureReported = false;
};
