// The settings files without their windows: the INI routines, the stores built on them
// and the custom text file.
#include "TestFiles.h"
#include "settings/CustomStyleStore.h"
#include "settings/CustomTextFile.h"
#include "settings/EditorSettingsStore.h"
#include "settings/FontSettingsStore.h"
#include "settings/IniFile.h"
#include "settings/StartupSettingsStore.h"

#include <QtTest>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

class TestSettingsStores : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString iniPath() const { return m_dir.filePath("Settings.ini"); }
    QString read(const char* section, const char* key) const {
        return IniFile::readValue(section, key, iniPath());
    }

private slots:
    void init() { QFile::remove(iniPath()); }

    void iniReadMatchesNamesWithoutCaseAndCutsLongValues() {
        QCOMPARE(read("S", "k"), QString()); // no file
        writeFile(iniPath(), "k=loose\n"
                             "  [ Font Settings ]  \n \t FontName \t=  Arial Black \t\n"
                             "eq=a=b\ndq=\" padded \"\ndup=first\nDUP=second\n"
                             "[broken\nodd\n;odd=commented\nodd=v\n"
                             "[FONT SETTINGS]\nlater=2\n[B]\nb=1\n");
        QCOMPARE(read("font settings", "FONTNAME"), u"Arial Black"_s);
        QCOMPARE(read(" Font Settings", "fontname "), u"Arial Black"_s);
        QCOMPARE(read("Missing", "FontName"), QString());
        QStringList values; // the last four: second section, other section, no key, before
        for (const char* key : {"eq", "dq", "dup", "odd", "later", "b", "", "k"})
            values << read("Font Settings", key);
        QCOMPARE(values, QStringList({"a=b", " padded ", "first", "v", "", "", "", ""}));

        // Line ends, encodings, and values cut to 254 characters but not in a surrogate pair.
        static const char junk[] = "\x00\xFF[S\x00]\n\x01\x02=\x03\n[S]\nk=v\n";
        const std::pair<QByteArray, QString> cases[] = {
            {"[S]\rj=w\rk=v", "v"},
            {"[S]\r\nk=Caf\xE9 \x93q\x94\r\n", u"Café \u201Cq\u201D"_s}, // Windows-1252
            {"\xEF\xBB\xBF[S]\nk=Caf\xC3\xA9\n", u"Café"_s},
            {QByteArray(junk, sizeof junk - 1), "v"},
            {"[S]\nk=" + QByteArray(254, 'a'), QString(254, u'a')},
            {"[S]\nk=" + QByteArray(4 << 20, 'b') + "\n", QString(254, u'b')},
            {"[S]\nk=" + QByteArray(253, 'c') + "\xF0\x9F\x98\x80tail\n", QString(253, u'c')}};
        for (const auto& [file, expected] : cases) {
            writeFile(iniPath(), file);
            QCOMPARE(read("S", "k"), expected);
        }
    }

    void iniWriteChangesOnlyTheLinesItNeedsAndRefusesTheRest() {
        // Before (null: no file yet), section, key, value, after.
        using Case = std::tuple<QByteArray, const char*, const char*, QString, QByteArray>;
        const Case cases[] = {
            {{}, "S", "k", "v", "[S]\r\nk=v\r\n"},
            {"; mine\r\n\r\n[Font]\r\n  Name = Arial\r\nSize=9\r\n\r\n[O]\r\nodd\r\n", "font",
             "NAME", "Verdana",
             "; mine\r\n\r\n[Font]\r\n  Name =Verdana\r\nSize=9\r\n\r\n[O]\r\nodd\r\n"},
            {"[A]\r\nx=1\r\n\r\n[B]\r\n", "a", "z", "3", "[A]\r\nx=1\r\nz=3\r\n\r\n[B]\r\n"},
            {"[A]\nx=1", "A", "y", "2", "[A]\nx=1\ny=2\n"},
            {"[S]\nk=1\n[S]\nk=2\n", "s", "K", "9", "[S]\nk=9\n[S]\nk=2\n"},
            {{}, "  New ", " key ", "", "[New]\r\nkey=\r\n"},
            {"\xEF\xBB\xBF[S]\nk=\xC3\xA9\n", "S", "k", u"€"_s,
             "\xEF\xBB\xBF[S]\nk=\xE2\x82\xAC\n"},
            {"; caf\xE9\r\n[S]\r\nk=old\r\n", "S", "k", "new", "; caf\xC3\xA9\r\n[S]\r\nk=new\r\n"},
            {"[S]\nk = same \n", "S", "k", "same", "[S]\nk = same \n"}};
        for (const auto& [before, section, key, value, after] : cases) {
            QFile::remove(iniPath());
            if (!before.isNull())
                writeFile(iniPath(), before);
            QVERIFY(IniFile::writeValue(section, key, value, iniPath()));
            QCOMPARE(fileBytes(iniPath()), after);
            QCOMPARE(read(section, key), value);
        }

        // What could not be read back, or has no folder to go to, leaves the file alone.
        const QByteArray before("[S]\r\nk=old\r\n");
        writeFile(iniPath(), before);
        for (const char* key : {"", "  ", "a=b", "[k", "k\nj"})
            QVERIFY2(!IniFile::writeValue("S", key, "v", iniPath()), key);
        QVERIFY(!IniFile::writeValue("S", "k", "two\r\nlines", iniPath()));
        QTest::ignoreMessage(QtWarningMsg, "Not written: cannot create the lock file for " +
                                               m_dir.filePath("missing/Settings.ini").toUtf8());
        QVERIFY(!IniFile::writeValue("S", "k", "v", m_dir.filePath("missing/Settings.ini")));
        QCOMPARE(fileBytes(iniPath()), before);
        QVERIFY(!IniFile::writeValues({{"A", "a=", "x"}, {"A", "a2", "4"}}, iniPath()));
        QCOMPARE(read("A", "a2"), u"4"_s); // the others of several are written
    }

    void settingsFileFallsBackToTheConfigFolder() {
        QTemporaryDir program;
        const QString app = m_dir.filePath("config/app");
        QCOMPARE(IniFile::settingsFilePathIn(program.path(), app),
                 program.filePath("Settings.ini"));
        QDir(program.path()).mkdir("bin"); // an installed program's folder
        QCOMPARE(IniFile::settingsFilePathIn(program.filePath("bin"), app), app + "/Settings.ini");
        QVERIFY(QFileInfo(app).isDir());
        QCOMPARE(IniFile::settingsFilePathIn(program.filePath("gone"), app), app + "/Settings.ini");
        if (!runningAsRoot()) { // permissions do not bind the superuser
            QFile::setPermissions(program.path(), QFile::ReadOwner | QFile::ExeOwner);
            const QString chosen = IniFile::settingsFilePathIn(program.path(), app);
            QFile::setPermissions(program.path(),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QCOMPARE(chosen, app + "/Settings.ini");
        }
    }

    void fontChoiceLoadedAndSaved() {
        const FontSettingsStore store(iniPath());
        const auto loaded = [&] { return store.load().name + ' ' + store.load().size; };
        QCOMPARE(loaded(), "Verdana 10"); // no settings file
        writeFile(iniPath(), "[Font Settings]\r\nFontName=\r\n");
        QCOMPARE(loaded(), "Verdana 12");
        QVERIFY(store.save({"Courier New", "14"}));
        QCOMPARE(fileBytes(iniPath()),
                 QByteArray("[Font Settings]\r\nFontName=Courier New\r\nFontSize=14\r\n"));
        QCOMPARE(loaded(), "Courier New 14");
    }

    void startupBoxReadAsARoundedNumber() {
        const StartupSettingsStore store(iniPath());
        QVERIFY(!store.skipIntroduction()); // no file
        // Numbers are rounded to a whole one as a check box state is, halves to even.
        const auto skipsWith = [&](const char* value) {
            writeFile(iniPath(), "[Startup Settings]\r\nstartup=" + QByteArray(value));
            return store.skipIntroduction();
        };
        for (const char* value : {"1", "01", "1.0", "0.6"})
            QVERIFY2(skipsWith(value), value);
        for (const char* value : {"0", "yes", "7", "0.5", "1.5", "1 please"})
            QVERIFY2(!skipsWith(value), value);
    }

    void editorChoicesKeepDefaultsForUnreadableValues() {
        const EditorSettingsStore store(iniPath());
        QVERIFY(store.load().spellAsYouType && store.load().maxLength == 0); // no file
        writeFile(iniPath(), "[Editor]\r\nSpellAsYouType=yes\r\nColourTags=0\r\n"
                             "MaxLength=-5\r\nLanguage= de_DE \r\n");
        EditorSettings loaded = store.load();
        QVERIFY(loaded.spellAsYouType && !loaded.colourTags && loaded.completeTags);
        QCOMPARE(loaded.maxLength, 0);
        QCOMPARE(loaded.language, "de_DE");
        loaded.maxLength = 20000;
        loaded.completeTags = false;
        QVERIFY(store.save(loaded));
        const EditorSettings reloaded = store.load();
        QVERIFY(!reloaded.completeTags && !reloaded.colourTags);
        QCOMPARE(reloaded.maxLength, 20000);
    }

    void customStylesStoredAsThirtyKeys() {
        const CustomStyleStore store(iniPath());
        QVERIFY(store.load().allEmpty());
        QVERIFY(store.save(CustomStyles()));
        QByteArray expected;
        for (const auto& [section, suffix] :
             {std::pair("PreSetNameList", ""), {"PreSetStartTag", "A"}, {"PreSetEndTag", "B"}}) {
            expected += "[" + QByteArray(section) + "]\r\n";
            for (int slot = 1; slot <= 10; ++slot)
                expected += "PresetName" + QByteArray::number(slot) + suffix + "=\r\n";
        }
        QCOMPARE(fileBytes(iniPath()), expected);
    }

    void customTextFileReadAndWritten() {
        const QString listPath = m_dir.filePath("CustomList.ini");
        const std::pair<QByteArray, QStringList> files[] = {
            {"a\r\n\r\na\r\n\r\n", {"a", "", "a", ""}},
            {"a\nb\nc", {"a\nb\nc"}}, // a line feed alone is no line end
            {"x\ry\r\n\r\nlast", {"x", "y", "", "last"}},
            {"caf\xE9\r\n\x93hi\x94\r\n", {u"café"_s, u"\u201Chi\u201D"_s}}}; // Windows-1252
        for (const auto& [file, entries] : files) {
            writeFile(listPath, file);
            QCOMPARE(CustomTextFile::read(listPath), entries);
        }
        QVERIFY(CustomTextFile::write({"A", "b", u"  café "_s}, listPath));
        QCOMPARE(fileBytes(listPath), QByteArray("A\r\nb\r\n  caf\xC3\xA9 \r\n"));
    }

    // A held lock fails a write after a bounded wait; a killed process's lock is taken over.
    void writesRespectAnotherCopysLock() {
        writeFile(iniPath(), "[S]\r\nk=2\r\n");
        QLockFile held(iniPath() + ".lock");
        QVERIFY(held.tryLock(0));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Not written: .*Settings.ini"));
        QVERIFY(!IniFile::writeValue("S", "k", "3", iniPath()));
        held.unlock();
        QCOMPARE(read("S", "k"), u"2"_s);

        const pid_t killedCopy = fork();
        if (killedCopy == 0)
            _exit(held.tryLock(0) ? 0 : 1); // leaves its lock file behind
        int status = -1;
        QCOMPARE(waitpid(killedCopy, &status, 0), killedCopy);
        QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0 && QFile::exists(held.fileName()));
        QVERIFY(IniFile::writeValue("S", "k", "4", iniPath()));
        QCOMPARE(read("S", "k"), u"4"_s);
    }
};

QTEST_GUILESS_MAIN(TestSettingsStores)
#include "tst_settings_stores.moc"
