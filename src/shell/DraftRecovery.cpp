#include "shell/DraftRecovery.h"

#include "platform/EditingSurface.h"
#include "platform/ProgramEnd.h"
#include "platform/Prompter.h"
#include "platform/TextFile.h"
#include "post/Post.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <csignal>
#include <sys/types.h>

namespace {
const char* const CopyPrefix = "draft-";
const char* const CopySuffix = ".txt";

qint64 pidOfCopy(const QString& fileName) {
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
} // namespace

DraftRecovery::DraftRecovery(Post& post, const QString& folder, QObject* parent)
    : QObject(parent), m_post(post), m_folder(folder) {
    m_copyPath = QDir(folder).filePath(
        QString(CopyPrefix) + QString::number(QCoreApplication::applicationPid()) + CopySuffix);
    m_writeTimer.setSingleShot(true);
    m_writeTimer.setInterval(WriteDelayMs);
    connect(&m_writeTimer, &QTimer::timeout, this, &DraftRecovery::writeIfDue);
    connect(&post, &Post::changed, this, &DraftRecovery::onChange);
    connect(&post, &Post::matchesFile, this, &DraftRecovery::onMatchesFile);
    ProgramEnd::onEnd(this, [this] { discard(); });
}

DraftRecovery::~DraftRecovery() = default;

void DraftRecovery::onChange() {
    m_due = true;
    // Not restarted on every key: a copy is written two seconds after the first change,
    // however fast the user types.
    if (!m_writeTimer.isActive())
        m_writeTimer.start();
}

void DraftRecovery::writeIfDue() {
    if (!m_due)
        return;
    m_due = false;
    if (m_post.isEmpty()) {
        discard();
        return;
    }
    QDir().mkpath(m_folder);
    TextFile::write(m_copyPath, m_post.surface().text());
}

void DraftRecovery::onMatchesFile() {
    m_due = false;
    m_writeTimer.stop();
    discard();
}

void DraftRecovery::discard() {
    QFile::remove(m_copyPath);
}

QStringList DraftRecovery::leftoverCopies() const {
    QStringList copies;
    const QFileInfoList files = QDir(m_folder).entryInfoList(
        {QString(CopyPrefix) + "*" + CopySuffix}, QDir::Files, QDir::Time);
    for (const QFileInfo& file : files) {
        const qint64 pid = pidOfCopy(file.fileName());
        if (file.absoluteFilePath() != QFileInfo(m_copyPath).absoluteFilePath() &&
            !processRuns(pid))
            copies << file.absoluteFilePath();
    }
    return copies;
}

bool DraftRecovery::offerLeftoverCopy(QWidget* parent) {
    const QStringList copies = leftoverCopies();
    if (copies.isEmpty())
        return false;
    const QString newest = copies.first();
    const Prompter::Answer answer = Prompter::question(
        parent, "Quillet", "Quillet was closed while a post was not saved. Recover the post?",
        Prompter::Buttons::YesNo);
    bool recovered = false;
    if (answer == Prompter::Answer::Yes) {
        const auto file = TextFile::read(newest);
        if (!file)
            return false; // keep a copy that cannot be read for another try
        m_post.surface().setText(file->text);
        recovered = true;
    }
    QFile::remove(newest);
    return recovered;
}
