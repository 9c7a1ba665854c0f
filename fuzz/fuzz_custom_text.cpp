// Reads any bytes as a custom text file and checks the line rule: entries never hold a
// carriage return, they are the text cut at CR or CR LF, and writing them gives a file
// that reads back as the same entries. The file routines are reached as the program
// reaches them, through a file in a folder of the target's own.
#include "FuzzSupport.h"
#include "settings/CustomTextFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using FuzzSupport::check;

namespace {

// In memory where the system offers it: the writer syncs every file to disk.
const QTemporaryDir& folder() {
    static const QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                                       ? QStringLiteral("/dev/shm/quillet-fuzz-XXXXXX")
                                       : QDir::tempPath() + QStringLiteral("/quillet-fuzz-XXXXXX"));
    check(dir.isValid());
    return dir;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = folder().filePath(QStringLiteral("CustomList.ini"));
    QFile file(path);
    check(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    check(file.write(reinterpret_cast<const char*>(data), qint64(size)) == qint64(size));
    file.close();

    const QString text = FuzzSupport::textOf(data, size);
    const QStringList entries = CustomTextFile::read(path);
    for (const QString& entry : entries)
        check(!entry.contains(u'\r'));

    QString breaksAsCr = text;
    breaksAsCr.replace(QStringLiteral("\r\n"), QStringLiteral("\r"));
    QString rebuilt = entries.join(u'\r');
    if (breaksAsCr.endsWith(u'\r'))
        rebuilt += u'\r';
    check(rebuilt == breaksAsCr);

    check(CustomTextFile::write(entries, path));
    check(CustomTextFile::read(path) == entries);
    return 0;
}
