#include "services/HunspellDictionary.h"

#include "platform/TextFile.h"
#include "services/WordProcessor.h"
#include "settings/IniFile.h"
#include "settings/LockedFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <hunspell.hxx>
#include <optional>

namespace {

// The error a missing component raises when it is asked for.
constexpr int kCannotCreateComponent = 429;
constexpr const char* kFallbackLanguage = "en_US";

struct DictionaryFiles {
    QString name;
    QString affix;
    QString words;
};

QString chosenLanguage; // empty: the system's

std::optional<DictionaryFiles> filesIn(const QString& folder, const QString& name) {
    const QDir dir(folder);
    const QString affix = dir.filePath(name + ".aff");
    const QString words = dir.filePath(name + ".dic");
    if (QFileInfo(affix).isReadable() && QFileInfo(words).isReadable())
        return DictionaryFiles{name, affix, words};
    return std::nullopt;
}

// The language's own dictionary ("de_DE"), then any of the language ("de", "de_AT"),
// then the fallback.
std::optional<DictionaryFiles> findDictionary(const HunspellSetup& setup) {
    const QString language = setup.language;
    const QString prefix = language.section(u'_', 0, 0);
    QStringList names;
    if (!language.isEmpty())
        names << language << prefix;
    for (const QString& name : names)
        for (const QString& folder : setup.dictionaryFolders)
            if (auto files = filesIn(folder, name))
                return files;
    if (!prefix.isEmpty())
        for (const QString& folder : setup.dictionaryFolders)
            for (const QString& entry :
                 QDir(folder).entryList({prefix + "_*.dic"}, QDir::Files, QDir::Name))
                if (auto files = filesIn(folder, QFileInfo(entry).completeBaseName()))
                    return files;
    for (const QString& folder : setup.dictionaryFolders)
        if (auto files = filesIn(folder, kFallbackLanguage))
            return files;
    return std::nullopt;
}

AutomationError missingDictionary(const HunspellSetup& setup) {
    QStringList wanted;
    if (!setup.language.isEmpty() && setup.language != kFallbackLanguage)
        wanted << setup.language;
    wanted << kFallbackLanguage;
    return {kCannotCreateComponent,
            QStringLiteral("Cannot start the spelling checker: no Hunspell dictionary (%1 .aff "
                           "and .dic files) in %2.")
                .arg(wanted.join(" or "), setup.dictionaryFolders.isEmpty()
                                              ? QStringLiteral("any folder")
                                              : setup.dictionaryFolders.join(", "))};
}

// Dictionaries name their encoding the way Hunspell spells it ("ISO8859-1").
QStringConverter::Encoding encodingOf(std::string name) {
    if (name == "ISO8859-1")
        return QStringConverter::Latin1;
    return QStringConverter::encodingForName(name.c_str()).value_or(QStringConverter::Utf8);
}

// The words of the personal word list: one a line, white space around them ignored.
QStringList personalWordsIn(const QString& text) {
    QStringList words;
    for (const QString& line : text.split(u'\n'))
        if (const QString word = line.trimmed(); !word.isEmpty())
            words << word;
    return words;
}

} // namespace

HunspellSetup HunspellSetup::standard() {
    const QString settingsFolder = QFileInfo(IniFile::settingsFilePath()).absolutePath();
    QString language = chosenLanguage.isEmpty() ? QLocale::system().name() : chosenLanguage;
    if (language == u"C")
        language.clear(); // no language of its own
    return {{"/usr/share/hunspell", "/usr/share/myspell/dicts", "/usr/share/myspell",
             "/usr/local/share/hunspell"},
            language,
            QDir(settingsFolder).filePath("PersonalWords.txt")};
}

void HunspellSetup::chooseLanguage(const QString& language) {
    chosenLanguage = language;
}

QStringList HunspellSetup::installedLanguages() const {
    QStringList names;
    for (const QString& folder : dictionaryFolders)
        for (const QString& entry : QDir(folder).entryList({"*.dic"}, QDir::Files))
            if (const QString name = QFileInfo(entry).completeBaseName(); filesIn(folder, name))
                names << name;
    names.sort();
    names.removeDuplicates();
    return names;
}

QString HunspellSetup::languageInUse() const {
    const auto files = findDictionary(*this);
    return files ? files->name : QString();
}

HunspellDictionary::HunspellDictionary(const HunspellSetup& setup)
    : m_personalWordList(setup.personalWordList) {
    const auto files = findDictionary(setup);
    if (!files)
        throw missingDictionary(setup);
    m_language = files->name;
    m_hunspell = std::make_unique<Hunspell>(QFile::encodeName(files->affix).constData(),
                                            QFile::encodeName(files->words).constData());
    const auto encoding = encodingOf(m_hunspell->get_dict_encoding());
    m_encoder = QStringEncoder(encoding);
    m_decoder = QStringDecoder(encoding);
    loadPersonalWords();
}

HunspellDictionary::~HunspellDictionary() {
    if (!m_unsavedWords.isEmpty())
        savePersonalWords();
}

std::string HunspellDictionary::encode(const QString& word) const {
    const QByteArray bytes = m_encoder.encode(word);
    return std::string(bytes.constData(), size_t(bytes.size()));
}

bool HunspellDictionary::knows(const QString& word) const {
    return m_hunspell->spell(encode(word));
}

QStringList HunspellDictionary::suggestions(const QString& word) const {
    QStringList result;
    for (const std::string& suggestion : m_hunspell->suggest(encode(word)))
        result << m_decoder.decode(QByteArray::fromStdString(suggestion));
    return result;
}

void HunspellDictionary::learn(const QString& word) {
    if (!m_learnedWords.contains(word)) {
        m_learnedWords.insert(word);
        m_hunspell->add(encode(word));
    }
}

void HunspellDictionary::add(const QString& word) {
    learn(word);
    if (m_personalWordList.isEmpty())
        return;
    if (!m_unsavedWords.contains(word))
        m_unsavedWords << word;
    savePersonalWords();
}

void HunspellDictionary::loadPersonalWords() {
    if (const auto content = TextFile::read(m_personalWordList))
        for (const QString& word : personalWordsIn(content->text))
            learn(word);
}

bool HunspellDictionary::savePersonalWords() {
    return LockedFile::update(m_personalWordList, [this] {
        const auto content = LockedFile::readCurrent(m_personalWordList);
        if (!content)
            return false; // never replace a list that could not be read
        QString text = content->text;
        const QStringList listed = personalWordsIn(text);
        for (const QString& word : listed)
            learn(word); // added by another running copy
        if (!text.isEmpty() && !text.endsWith(u'\n'))
            text += u'\n';
        for (const QString& word : std::as_const(m_unsavedWords))
            if (!listed.contains(word))
                text += word + u'\n';
        if (!TextFile::write(m_personalWordList, text, TextDecoding::asUtf8(content->encoding)))
            return false;
        m_unsavedWords.clear();
        return true;
    });
}
