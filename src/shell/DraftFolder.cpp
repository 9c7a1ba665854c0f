#include "shell/DraftFolder.h"

#include "platform/TextDecoding.h"
#include "platform/TextFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

namespace {
const char* const CopyPrefix = "draft-";
const char* const CopySuffix = ".txt";

// The process id in the name of a copy a program is writing now; -1 for a set-aside copy.
qint64 writerOf(const QString& fileName) {
    const QString middle =
        fileName.mid(int(qstrlen(CopyPrefix)),
                     fileName.size() - int(qstrlen(CopyPrefix)) - int(qstrlen(CopySuffix)));
    bool isNumber = false;
    const qint64 pid = middle.toLongLong(&isNumber);
    return isNumber ? pid : -1;
}

bool processRuns(qint64 pid) {
    // Signal 0 checks that the process exists without touching it; EPERM means it
    // exists but belongs to someone else.
    return pid > 0 && (::kill(pid_t(pid), 0) == 0 || errno == EPERM);
}

bool isUsersRegularFile(const QFileInfo& file) {
    return !file.isSymLink() && file.isFile() && file.ownerId() == ::getuid();
}
} // namespace

DraftFolder::DraftFolder(const QString& path) : m_path(path) {}

QString DraftFolder::ownCopyPath() const {
    return QDir(m_path).filePath(CopyPrefix + QString::number(QCoreApplication::applicationPid()) +
                                 CopySuffix);
}

QString DraftFolder::setAsidePath() const {
    return QDir(m_path).filePath(
        CopyPrefix + QString::number(QCoreApplication::applicationPid()) + "-" +
        QDateTime::currentDateTimeUtc().toString("yyyyMMddhhmmsszzz") + CopySuffix);
}

bool DraftFolder::prepare(QString* failure) const {
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    const QByteArray name = QFile::encodeName(m_path);
    if (::mkdir(name.constData(), 0700) != 0 && errno != EEXIST) {
        *failure = qt_error_string(errno);
        return false;
    }
    struct stat folder {};
    if (::lstat(name.constData(), &folder) != 0 || !S_ISDIR(folder.st_mode) ||
        folder.st_uid != ::getuid()) {
        *failure = m_path + " is not a folder of yours.";
        return false;
    }
    if ((folder.st_mode & 0777) != 0700 && ::chmod(name.constData(), 0700) != 0) {
        *failure = qt_error_string(errno);
        return false;
    }
    return true;
}

QList<DraftFolder::KeptCopy> DraftFolder::keptCopies() const {
    QList<KeptCopy> copies;
    const QFileInfoList files = QDir(m_path).entryInfoList({QString(CopyPrefix) + "*" + CopySuffix},
                                                           QDir::Files, QDir::Time);
    for (const QFileInfo& file : files) {
        if (isUsersRegularFile(file) && !processRuns(writerOf(file.fileName())))
            copies.append({file.absoluteFilePath(), file.lastModified(), file.size()});
    }
    return copies;
}

void DraftFolder::prune() const {
    const QDateTime oldest = QDateTime::currentDateTime().addDays(-KeptDays);
    const QList<KeptCopy> copies = keptCopies();
    for (qsizetype i = 0; i < copies.size(); ++i) {
        if (i >= KeptCount || copies[i].time < oldest)
            QFile::remove(copies[i].path);
    }
}

std::optional<QString> DraftFolder::read(const QString& path) {
    if (!isUsersRegularFile(QFileInfo(path)))
        return std::nullopt;
    const auto file = TextFile::read(path);
    return file ? std::optional(file->text) : std::nullopt;
}

QString DraftFolder::firstLine(const QString& path) {
    const int shownLength = 45;
    QFile file(path);
    if (!isUsersRegularFile(QFileInfo(path)) || !file.open(QIODevice::ReadOnly))
        return QString();
    const QString start = TextDecoding::decode(file.read(shownLength * 8)).text;
    const QStringList lines = start.split(QRegularExpression("[\r\n]"), Qt::SkipEmptyParts);
    const auto line = std::find_if(lines.begin(), lines.end(),
                                   [](const QString& l) { return !l.trimmed().isEmpty(); });
    const QString text = line == lines.end() ? QString() : line->trimmed();
    return text.size() > shownLength ? text.left(shownLength - 3) + "..." : text;
}
