#include "settings/IniFile.h"

#include "platform/TextFile.h"
#include "settings/IniDocument.h"
#include "settings/LockedFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace IniFile {

namespace {

const QString kSettingsFileName = QStringLiteral("Settings.ini");

// Cuts to the longest value a read gives back, without splitting a surrogate pair.
QString cutToMaxLength(QString value) {
    if (value.size() <= kMaxValueLength)
        return value;
    qsizetype length = kMaxValueLength;
    if (value.at(length - 1).isHighSurrogate())
        --length;
    value.truncate(length);
    return value;
}

} // namespace

QString readValue(const QString& section, const QString& key, const QString& filePath) {
    const auto content = TextFile::read(filePath);
    if (!content)
        return QString();
    return cutToMaxLength(IniDocument(content->text).value(section, key).value_or(QString()));
}

bool writeValue(const QString& section, const QString& key, const QString& value,
                const QString& filePath) {
    return writeValues({{section, key, value}}, filePath);
}

namespace {

// Sets the values in the file as it is on disk now; runs under the file's lock.
bool storeValues(const QList<Entry>& entries, const QString& filePath) {
    const auto content = LockedFile::readCurrent(filePath);
    if (!content)
        return false; // never replace a file whose content could not be read
    IniDocument document(content->text);
    bool allStored = true;
    bool changed = false;
    for (const Entry& entry : entries) {
        const auto change = document.setValue(entry.section, entry.key, entry.value);
        allStored = allStored && change != IniDocument::Change::Refused;
        changed = changed || change == IniDocument::Change::Changed;
    }
    if (!changed)
        return allStored;
    return TextFile::write(filePath, document.text(), TextDecoding::asUtf8(content->encoding)) &&
           allStored;
}

} // namespace

bool writeValues(const QList<Entry>& entries, const QString& filePath) {
    return LockedFile::update(filePath, [&] { return storeValues(entries, filePath); });
}

bool fileExists(const QString& filePath) {
    QFile file(filePath);
    return file.open(QIODevice::ReadOnly);
}

QString settingsFilePathIn(const QString& programFolder, const QString& configFolder) {
    const QFileInfo folder(programFolder);
    // An installed program lives in a shared "bin" folder, which is no place for one
    // user's settings even where it can be written (as root).
    const bool installed = folder.fileName() == QLatin1String("bin");
    if (folder.isDir() && folder.isWritable() && !installed)
        return QDir(programFolder).filePath(kSettingsFileName);
    QDir().mkpath(configFolder);
    return QDir(configFolder).filePath(kSettingsFileName);
}

QString settingsFilePath() {
    return settingsFilePathIn(QCoreApplication::applicationDirPath(),
                              QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
}

} // namespace IniFile
