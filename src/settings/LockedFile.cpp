#include "settings/LockedFile.h"

#include "platform/TextFile.h"

#include <QFileInfo>
#include <QLockFile>
#include <QtDebug>

namespace LockedFile {

bool update(const QString& path, const std::function<bool()>& change) {
    QLockFile lock(path + QStringLiteral(".lock"));
    lock.setStaleLockTime(kStaleMs);
    if (!lock.tryLock(kWaitMs)) {
        qint64 owner = 0;
        QString host, program;
        if (lock.error() == QLockFile::LockFailedError && lock.getLockInfo(&owner, &host, &program))
            qWarning("Not written: %s is being changed by %s (process %lld on %s)",
                     qUtf8Printable(path), qUtf8Printable(program), owner, qUtf8Printable(host));
        else
            qWarning("Not written: cannot create the lock file for %s", qUtf8Printable(path));
        return false;
    }
    return change();
}

std::optional<TextDecoding::DecodedText> readCurrent(const QString& path) {
    if (!QFileInfo::exists(path))
        return TextDecoding::DecodedText();
    return TextFile::read(path);
}

} // namespace LockedFile
