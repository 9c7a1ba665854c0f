#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

// The folder of recovery copies. Each running program writes its own copy,
// "draft-<process id>.txt"; a copy set aside, or left by a program that no longer runs, is
// kept until the user takes it back or deletes it. Only regular files of the user are
// ever read or listed: links and anything else planted in the folder are ignored.
class DraftFolder {
public:
    static constexpr int KeptDays = 30;
    static constexpr int KeptCount = 50;

    struct KeptCopy {
        QString path;
        QDateTime time;
        qint64 size = 0;
    };

    explicit DraftFolder(const QString& path);

    QString path() const { return m_path; }
    // Where this program writes its own copy.
    QString ownCopyPath() const;
    // A new name for this program's copy, once it is set aside for keeps.
    QString setAsidePath() const;

    // Creates the folder, or takes an existing one, for its owner only. Returns whether it
    // can hold copies; when not, failure receives the reason.
    bool prepare(QString* failure) const;

    // The copies no running program writes any more, newest first.
    QList<KeptCopy> keptCopies() const;
    // Deletes the copies older than KeptDays and those beyond the newest KeptCount.
    void prune() const;

    // The text of a kept copy, or nothing when it is missing or not a copy the listing shows.
    static std::optional<QString> read(const QString& path);
    // The copy's first line that is not blank, shortened for a list.
    static QString firstLine(const QString& path);

private:
    QString m_path;
};
