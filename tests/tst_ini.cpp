#include "TestFiles.h"
#include "settings/IniFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

void readRow(const char* name, const QByteArray& file, const QString& section, const QString& key,
             const QString& expected) {
    QTest::newRow(name) << file << section << key << expected;
}

void writeRow(const char* name, const QByteArray& before, const QString& section,
              const QString& key, const QString& value, const QByteArray& after) {
    QTest::newRow(name) << before << section << key << value << after;
}

} // namespace

class TestIni : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString iniPath() const { return m_dir.filePath("Settings.ini"); }

private slots:
    void init() { QFile::remove(iniPath()); }

    void read_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");

        const QByteArray fonts = "[Font Settings]\r\nFontName=Tahoma\r\nFontSize=9\r\n";
        readRow("exact names", fonts, "Font Settings", "FontName", "Tahoma");
        readRow("names in other case", fonts, "FONT settings", "fontsize", "9");
        readRow("missing key", fonts, "Font Settings", "Colour", "");
        readRow("empty key name asked", fonts, "Font Settings", "", "");
        readRow("key of another section", "[A]\nx=1\n[B]\ny=2\n", "A", "y", "");
        readRow("white space around names and value",
                "  [ Font Settings ]  \n \t FontName \t=  Arial Black \t\n", " Font Settings",
                "FontName ", "Arial Black");
        readRow("equals sign in value", "[S]\nk=a=b\n", "S", "k", "a=b");
        readRow("double quotes dropped", "[S]\nk=\" padded \"\n", "S", "k", " padded ");
        readRow("single quotes dropped", "[S]\nk='x'\n", "S", "k", "x");
        readRow("unmatched quotes kept", "[S]\nk=\"x'\n", "S", "k", "\"x'");
        readRow("first duplicate section wins", "[S]\nk=first\n[s]\nk=second\n", "S", "k", "first");
        readRow("key only in second duplicate section", "[S]\na=1\n[S]\nk=second\n", "S", "k", "");
        readRow("first duplicate key wins", "[S]\nK=first\nk=second\n", "S", "k", "first");
        readRow("lone CR line ends", "[S]\rk=v\rj=w", "S", "j", "w");
        readRow("key before any section", "k=loose\n[S]\n", "S", "k", "");
        readRow("line without equals is no key", "[S]\nk\nk=v\n", "S", "k", "v");
        readRow("comment lines are ordinary lines", "[S]\n;k=commented\nk=v\n", "S", "k", "v");
        readRow("header without closing bracket", "[S]\n[broken\nk=v\n", "S", "k", "v");
        readRow("windows-1252 value", "[S]\r\nk=Caf\xE9 \x93quoted\x94\r\n", "S", "k",
                u"Café \u201Cquoted\u201D"_s);
        readRow("utf-8 with bom", "\xEF\xBB\xBF[S]\nk=Caf\xC3\xA9\n", "S", "k", u"Café"_s);
        static const char junk[] = "\x00\xFF[S\x00]\n\x01\x02=\x03\n[S]\nk=v\n";
        readRow("binary junk", QByteArray(junk, sizeof junk - 1), "S", "k", "v");
    }
    void read() {
        QFETCH(QByteArray, file);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        writeFile(iniPath(), file);
        QCOMPARE(IniFile::readValue(section, key, iniPath()), expected);
    }

    void readGivesDefaultForMissingFileSectionOrKey() {
        QCOMPARE(IniFile::readValue("S", "k", iniPath()), QString());
        QCOMPARE(IniFile::readValue("S", "k", iniPath(), "fallback"), u"fallback"_s);
        writeFile(iniPath(), "[S]\nk=\nother=1\n");
        QCOMPARE(IniFile::readValue("T", "k", iniPath(), "fallback"), u"fallback"_s);
        QCOMPARE(IniFile::readValue("S", "j", iniPath(), "fallback"), u"fallback"_s);
        // A key that is present but empty is empty, not the default.
        QCOMPARE(IniFile::readValue("S", "k", iniPath(), "fallback"), QString());
    }

    void readCutsLongValuesTo254Characters() {
        const QByteArray exact(254, 'a');
        const QByteArray longer = QByteArray(300, 'b');
        // A character outside the basic plane across the cut is not split in half.
        const QByteArray emojiAtCut = QByteArray(253, 'c') + "\xF0\x9F\x98\x80" + "tail";
        const QByteArray hugeLine(4 * 1024 * 1024, 'h');
        writeFile(iniPath(), "[S]\nexact=" + exact + "\nlonger=" + longer +
                                 "\nemoji=" + emojiAtCut + "\nhuge=" + hugeLine + "\nafter=ok\n");
        QCOMPARE(IniFile::readValue("S", "exact", iniPath()), QString::fromLatin1(exact));
        QCOMPARE(IniFile::readValue("S", "longer", iniPath()),
                 QString::fromLatin1(longer.left(254)));
        QCOMPARE(IniFile::readValue("S", "emoji", iniPath()), QString(253, u'c'));
        QCOMPARE(IniFile::readValue("S", "huge", iniPath()).size(), 254);
        QCOMPARE(IniFile::readValue("S", "after", iniPath()), u"ok"_s);
        QCOMPARE(IniFile::readValue("S", "none", iniPath(), QString(260, u'd')).size(), 254);
    }

    void write_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("after");

        writeRow("empty file", {}, "S", "k", "v", "[S]\r\nk=v\r\n");
        writeRow("value replaced in place, other lines untouched",
                 "; my settings\r\n\r\n[Font Settings]\r\n  FontName = Arial\r\nFontSize=9\r\n\r\n"
                 "[Other]\r\nodd line\r\n",
                 "font settings", "FONTNAME", "Verdana",
                 "; my settings\r\n\r\n[Font Settings]\r\n  FontName =Verdana\r\nFontSize=9\r\n\r\n"
                 "[Other]\r\nodd line\r\n");
        writeRow("key added after its section's last line, before blank lines",
                 "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n", "a", "z", "3",
                 "[A]\r\nx=1\r\nz=3\r\n\r\n[B]\r\ny=2\r\n");
        writeRow("key added to empty section", "[A]\r\n[B]\r\n", "A", "k", "v",
                 "[A]\r\nk=v\r\n[B]\r\n");
        writeRow("key added to last section without final line break", "[A]\nx=1", "A", "y", "2",
                 "[A]\nx=1\ny=2\n");
        writeRow("section appended, LF file keeps LF", "[A]\nx=1\n", "B", "k", "v",
                 "[A]\nx=1\n[B]\nk=v\n");
        writeRow("section appended after text without line break", "junk", "S", "k", "v",
                 "junk\r\n[S]\r\nk=v\r\n");
        writeRow("lone CR file keeps CR", "[A]\rx=1\r", "A", "x", "2", "[A]\rx=2\r");
        writeRow("first duplicate section written", "[S]\nk=1\n[S]\nk=2\n", "s", "K", "9",
                 "[S]\nk=9\n[S]\nk=2\n");
        writeRow("names written trimmed", {}, "  New Section ", " key ", " spaced value",
                 "[New Section]\r\nkey= spaced value\r\n");
        writeRow("value cleared", "[S]\r\nk=old\r\n", "S", "k", "", "[S]\r\nk=\r\n");
        writeRow("utf-8 kept with its bom", "\xEF\xBB\xBF[S]\nk=\xC3\xA9\n", "S", "k", u"€"_s,
                 "\xEF\xBB\xBF[S]\nk=\xE2\x82\xAC\n");
        writeRow("windows-1252 file rewritten as utf-8, text kept", "; caf\xE9\r\n[S]\r\nk=old\r\n",
                 "S", "k", "new", "; caf\xC3\xA9\r\n[S]\r\nk=new\r\n");
    }
    void write() {
        QFETCH(QByteArray, before);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QByteArray, after);
        if (!before.isNull())
            writeFile(iniPath(), before);
        QVERIFY(IniFile::writeValue(section, key, value, iniPath()));
        QCOMPARE(fileBytes(iniPath()), after);
        QCOMPARE(IniFile::readValue(section, key, iniPath()), value.trimmed());
    }

    void writeOfUnchangedValueLeavesFileAlone() {
        const QByteArray before("[S]\nk = same \n");
        writeFile(iniPath(), before);
        QVERIFY(IniFile::writeValue("S", "k", "same", iniPath()));
        QCOMPARE(fileBytes(iniPath()), before);
    }

    void writeValuesStoresInOrderInOneGo() {
        QVERIFY(IniFile::writeValues({{"B", "b1", "1"}, {"A", "a1", "2"}, {"B", "b2", "3"}},
                                     iniPath()));
        QCOMPARE(fileBytes(iniPath()), QByteArray("[B]\r\nb1=1\r\nb2=3\r\n[A]\r\na1=2\r\n"));

        // An entry that cannot be stored is skipped; the others are still written.
        QVERIFY(!IniFile::writeValues({{"A", "a=", "x"}, {"A", "a2", "4"}}, iniPath()));
        QCOMPARE(IniFile::readValue("A", "a2", iniPath()), u"4"_s);
    }

    void unstorableInputIsRefused_data() {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        for (const auto& [name, section, key, value] :
             {std::tuple("empty section", "", "k", "v"),
              {"blank key", "S", "  ", "v"},
              {"equals in key", "S", "a=b", "v"},
              {"key looks like a section", "S", "[k", "v]"},
              {"line break in section", "S\nT", "k", "v"},
              {"line break in value", "S", "k", "two\r\nlines"}})
            QTest::newRow(name) << QString(section) << QString(key) << QString(value);
    }
    void unstorableInputIsRefused() {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        const QByteArray before("[S]\r\nk=old\r\n");
        writeFile(iniPath(), before);
        QVERIFY(!IniFile::writeValue(section, key, value, iniPath()));
        QCOMPARE(fileBytes(iniPath()), before);
    }

    void writeFailsWhereNoFileCanBeWritten() {
        // A missing folder is not created.
        const QString inMissingFolder = m_dir.filePath("missing/Settings.ini");
        QVERIFY(!IniFile::writeValue("S", "k", "v", inMissingFolder));
        QVERIFY(!QFileInfo::exists(m_dir.filePath("missing")));
        // A file where the folder should be.
        writeFile(iniPath(), "[S]\nk=v\n");
        QVERIFY(!IniFile::writeValue("S", "k", "w", iniPath() + "/Settings.ini"));
        QCOMPARE(fileBytes(iniPath()), QByteArray("[S]\nk=v\n"));
        // A folder where the file should be.
        QVERIFY(QDir(m_dir.path()).mkdir("Folder.ini"));
        QVERIFY(!IniFile::writeValue("S", "k", "v", m_dir.filePath("Folder.ini")));
        QCOMPARE(IniFile::readValue("S", "k", m_dir.filePath("Folder.ini")), QString());
    }

    void writeFailsOnReadOnlyFileAndFolder() {
        if (runningAsRoot())
            QSKIP("permissions do not bind the superuser");
        const QByteArray before("[S]\nk=v\n");
        writeFile(iniPath(), before);
        QFile::setPermissions(iniPath(), QFile::ReadOwner);
        QVERIFY(!IniFile::writeValue("S", "k", "changed", iniPath()));
        QFile::setPermissions(iniPath(), QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(fileBytes(iniPath()), before);

        QTemporaryDir lockedDir;
        const QString lockedPath = lockedDir.filePath("Settings.ini");
        writeFile(lockedPath, before);
        QFile::setPermissions(lockedDir.path(), QFile::ReadOwner | QFile::ExeOwner);
        const bool written = IniFile::writeValue("S", "k", "changed", lockedPath);
        QFile::setPermissions(lockedDir.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(!written);
        QCOMPARE(fileBytes(lockedPath), before);
    }

    void fileExistsTest() {
        QVERIFY(!IniFile::fileExists(iniPath()));
        writeFile(iniPath(), "");
        QVERIFY(IniFile::fileExists(iniPath()));
    }

    void settingsPathPrefersWritableProgramFolder() {
        QTemporaryDir program;
        QTemporaryDir config;
        QCOMPARE(IniFile::settingsFilePathIn(program.path(), config.filePath("app")),
                 program.filePath("Settings.ini"));
        QVERIFY(!QFileInfo::exists(config.filePath("app")));

        QDir(program.path()).mkdir("bin"); // an installed program's folder
        QCOMPARE(IniFile::settingsFilePathIn(program.filePath("bin"), config.filePath("app")),
                 config.filePath("app/Settings.ini"));

        const QString missingProgram = program.filePath("gone");
        QCOMPARE(IniFile::settingsFilePathIn(missingProgram, config.filePath("app")),
                 config.filePath("app/Settings.ini"));
        QVERIFY(QFileInfo(config.filePath("app")).isDir());

        if (!runningAsRoot()) {
            QFile::setPermissions(program.path(), QFile::ReadOwner | QFile::ExeOwner);
            const QString chosen =
                IniFile::settingsFilePathIn(program.path(), config.filePath("app"));
            QFile::setPermissions(program.path(),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QCOMPARE(chosen, config.filePath("app/Settings.ini"));
        }
        QVERIFY(IniFile::settingsFilePath().endsWith("/Settings.ini"));
    }
};

QTEST_GUILESS_MAIN(TestIni)
#include "tst_ini.moc"
