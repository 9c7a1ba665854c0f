#include "settings/CustomTextFile.h"

#include "platform/TextFile.h"
#include "settings/LockedFile.h"

namespace CustomTextFile {

namespace {

QStringList parseEntries(const QString& text) {
    QStringList entries;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) != u'\r')
            continue;
        entries.append(text.mid(start, i - start));
        if (i + 1 < text.size() && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        entries.append(text.mid(start));
    return entries;
}

QString formatEntries(const QStringList& entries) {
    QString text;
    for (const QString& entry : entries)
        text += entry + QStringLiteral("\r\n");
    return text;
}

} // namespace

QString defaultPath() {
    return QStringLiteral("CustomList.ini");
}

QStringList read(const QString& path) {
    const auto content = TextFile::read(path);
    return content ? parseEntries(content->text) : QStringList();
}

bool write(const QStringList& entries, const QString& path) {
    return LockedFile::update(path, [&] { return TextFile::write(path, formatEntries(entries)); });
}

bool update(const QString& path, const std::function<QStringList(const QStringList&)>& change) {
    return LockedFile::update(path, [&] {
        const auto content = LockedFile::readCurrent(path);
        return content && TextFile::write(path, formatEntries(change(parseEntries(content->text))));
    });
}

} // namespace CustomTextFile
