#include "shell/DraftRecovery.h"

#include "platform/EditingSurface.h"
#include "platform/ProgramEnd.h"
#include "platform/Prompter.h"
#include "platform/TextFile.h"
#include "post/Post.h"

#include <QFile>
#include <QWidget>

DraftRecovery::DraftRecovery(Post& post, const QString& folder, QWidget* window)
    : QObject(window), m_post(post), m_window(window), m_folder(folder) {
    m_writeTimer.setSingleShot(true);
    m_writeTimer.setInterval(WriteDelayMs);
    connect(&m_writeTimer, &QTimer::timeout, this, &DraftRecovery::writeIfDue);
    connect(&post, &Post::changed, this, &DraftRecovery::onChange);
    connect(&post, &Post::matchesFile, this, &DraftRecovery::onMatchesFile);
    ProgramEnd::onEnd(this, [this] { onProgramEnd(); });
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
    if (m_due)
        writeNow();
}

bool DraftRecovery::writeNow() {
    if (!m_due && !m_post.isEmpty() && QFile::exists(copyPath()))
        return true; // the copy on disk is the post as it is
    m_due = false;
    m_writeTimer.stop();
    if (m_post.isEmpty()) {
        removeOwnCopy(); // an empty post needs no copy
        return true;
    }
    QString failure;
    if (!m_folder.prepare(&failure) ||
        !TextFile::replacePrivately(copyPath(), m_post.surface().text(), &failure)) {
        m_due = true; // tried again after the next change, or at the end
        reportFailure(failure);
        return false;
    }
    removeAdoptedCopy();
    return true;
}

QString DraftRecovery::setAside() {
    if (m_post.isEmpty())
        return QString();
    // Should the write fail, the last copy written is still worth keeping.
    writeNow();
    const QString keptPath = m_folder.setAsidePath();
    return QFile::rename(copyPath(), keptPath) ? keptPath : QString();
}

void DraftRecovery::adopt(const QString& path) {
    m_adoptedCopy = path;
}

void DraftRecovery::discard() {
    m_due = false;
    m_writeTimer.stop();
    removeOwnCopy();
    removeAdoptedCopy();
}

void DraftRecovery::onMatchesFile() {
    discard();
}

// A saved or empty post has nothing to lose; any other keeps its copy, brought up to date.
void DraftRecovery::onProgramEnd() {
    if (m_post.isEmpty() || m_post.isSaved())
        discard();
    else
        writeIfDue();
}

void DraftRecovery::removeOwnCopy() {
    QFile::remove(copyPath());
}

void DraftRecovery::removeAdoptedCopy() {
    if (!m_adoptedCopy.isEmpty())
        QFile::remove(m_adoptedCopy);
    m_adoptedCopy.clear();
}

void DraftRecovery::reportFailure(const QString& reason) {
    if (m_failureReported)
        return;
    m_failureReported = true;
    Prompter::instance().ask(
        m_window, {"Quillet", "Quillet cannot keep a recovery copy of the post: " + reason,
                   Prompter::Icon::Warning, Prompter::Buttons::Ok});
}

DraftRecovery::StartOffer DraftRecovery::offerKeptCopies(QWidget* parent) {
    m_folder.prune();
    const QList<DraftFolder::KeptCopy> copies = m_folder.keptCopies();
    if (copies.isEmpty())
        return StartOffer::NothingKept;
    if (copies.size() > 1) {
        const QString text =
            QString("Quillet was closed while posts were not saved. %1 copies are kept.\r\n\r\n"
                    "Show them, to choose one to recover? (No keeps them for later.)")
                .arg(copies.size());
        return Prompter::question(parent, "Quillet", text, Prompter::Buttons::YesNo) ==
                       Prompter::Answer::Yes
                   ? StartOffer::ListWanted
                   : StartOffer::Declined;
    }
    const QString path = copies.first().path;
    if (Prompter::question(parent, "Quillet",
                           "Quillet was closed while a post was not saved. Recover the post?",
                           Prompter::Buttons::YesNo) != Prompter::Answer::Yes) {
        QFile::remove(path);
        return StartOffer::Declined;
    }
    const auto text = DraftFolder::read(path);
    if (!text)
        return StartOffer::Declined; // a copy that cannot be read stays for another try
    m_post.surface().setText(*text);
    adopt(path);
    return StartOffer::Recovered;
}
