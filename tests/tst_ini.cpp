#include "settings/ModINIhandling.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

bool runningAsRoot() {
    return ::geteuid() == 0;
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
        QTest::newRow("exact names") << fonts << "Font Settings"
                                     << "FontName"
                                     << "Tahoma";
        QTest::newRow("names in other case") << fonts << "FONT settings"
                                             << "fontsize"
                                             << "9";
        QTest::newRow("missing key") << fonts << "Font Settings"
                                     << "Colour"
                                     << "";
        QTest::newRow("missing section") << fonts << "Startup Settings"
                                         << "startup"
                                         << "";
        QTest::newRow("key of another section") << QByteArray("[A]\nx=1\n[B]\ny=2\n") << "A"
                                                << "y"
                                                << "";
        QTest::newRow("white space around names and value")
            << QByteArray("  [ Font Settings ]  \n \t FontName \t=  Arial Black \t\n")
            << " Font Settings"
            << "FontName "
            << "Arial Black";
        QTest::newRow("empty value") << QByteArray("[S]\nk=\n") << "S"
                                     << "k"
                                     << "";
        QTest::newRow("equals sign in value") << QByteArray("[S]\nk=a=b\n") << "S"
                                              << "k"
                                              << "a=b";
        QTest::newRow("double quotes dropped") << QByteArray("[S]\nk=\" padded \"\n") << "S"
                                               << "k"
                                               << " padded ";
        QTest::newRow("single quotes dropped") << QByteArray("[S]\nk='x'\n") << "S"
                                               << "k"
                                               << "x";
        QTest::newRow("unmatched quotes kept") << QByteArray("[S]\nk=\"x'\n") << "S"
                                               << "k"
                                               << "\"x'";
        QTest::newRow("first duplicate section wins")
            << QByteArray("[S]\nk=first\n[s]\nk=second\n") << "S"
            << "k"
            << "first";
        QTest::newRow("key only in second duplicate section")
            << QByteArray("[S]\na=1\n[S]\nk=second\n") << "S"
            << "k"
            << "";
        QTest::newRow("first duplicate key wins") << QByteArray("[S]\nK=first\nk=second\n") << "S"
                                                  << "k"
                                                  << "first";
        QTest::newRow("lone CR line ends") << QByteArray("[S]\rk=v\rj=w") << "S"
                                           << "j"
                                           << "w";
        QTest::newRow("key before any section") << QByteArray("k=loose\n[S]\n") << "S"
                                                << "k"
                                                << "";
        QTest::newRow("line without equals is no key") << QByteArray("[S]\nk\nk=v\n") << "S"
                                                       << "k"
                                                       << "v";
        QTest::newRow("comment lines are ordinary lines")
            << QByteArray("[S]\n;k=commented\nk=v\n") << "S"
            << "k"
            << "v";
        QTest::newRow("section header without closing bracket")
            << QByteArray("[S]\n[broken\nk=v\n") << "S"
            << "k"
            << "v";
        QTest::newRow("no section headers") << QByteArray("just some text\nk=v\n") << "S"
                                            << "k"
                                            << "";
        QTest::newRow("windows-1252 value")
            << QByteArray("[S]\r\nk=Caf\xE9 \x93quoted\x94\r\n") << "S"
            << "k" << u"Café \u201Cquoted\u201D"_s;
        QTest::newRow("utf-8 with bom") << QByteArray("\xEF\xBB\xBF[S]\nk=Caf\xC3\xA9\n") << "S"
                                        << "k" << u"Café"_s;
        static const char junk[] = "\x00\xFF[S\x00]\n\x01\x02=\x03\n[S]\nk=v\n";
        QTest::newRow("binary junk") << QByteArray(junk, sizeof junk - 1) << "S"
                                     << "k"
                                     << "v";
        QTest::newRow("empty key name asked") << fonts << "Font Settings"
                                              << ""
                                              << "";
    }
    void read() {
        QFETCH(QByteArray, file);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        writeBytes(iniPath(), file);
        QCOMPARE(ModINIhandling::readValue(section, key, iniPath()), expected);
    }

    void readGivesDefaultForMissingFileSectionOrKey() {
        QCOMPARE(ModINIhandling::readValue("S", "k", iniPath()), QString());
        QCOMPARE(ModINIhandling::readValue("S", "k", iniPath(), "fallback"), u"fallback"_s);
        writeBytes(iniPath(), "[S]\nk=\nother=1\n");
        QCOMPARE(ModINIhandling::readValue("T", "k", iniPath(), "fallback"), u"fallback"_s);
        QCOMPARE(ModINIhandling::readValue("S", "j", iniPath(), "fallback"), u"fallback"_s);
        // A key that is present but empty is empty, not the default.
        QCOMPARE(ModINIhandling::readValue("S", "k", iniPath(), "fallback"), QString());
    }

    void readCutsLongValuesTo254Characters() {
        const QByteArray exact(254, 'a');
        const QByteArray longer = QByteArray(300, 'b');
        // A character outside the basic plane across the cut is not split in half.
        const QByteArray emojiAtCut = QByteArray(253, 'c') + "\xF0\x9F\x98\x80" + "tail";
        const QByteArray hugeLine(4 * 1024 * 1024, 'h');
        writeBytes(iniPath(), "[S]\nexact=" + exact + "\nlonger=" + longer +
                                  "\nemoji=" + emojiAtCut + "\nhuge=" + hugeLine + "\nafter=ok\n");
        QCOMPARE(ModINIhandling::readValue("S", "exact", iniPath()), QString::fromLatin1(exact));
        QCOMPARE(ModINIhandling::readValue("S", "longer", iniPath()),
                 QString::fromLatin1(longer.left(254)));
        QCOMPARE(ModINIhandling::readValue("S", "emoji", iniPath()), QString(253, u'c'));
        QCOMPARE(ModINIhandling::readValue("S", "huge", iniPath()).size(), 254);
        QCOMPARE(ModINIhandling::readValue("S", "after", iniPath()), u"ok"_s);
        QCOMPARE(ModINIhandling::readValue("S", "none", iniPath(), QString(260, u'd')).size(), 254);
    }

    void write_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("after");

        QTest::newRow("empty file") << QByteArray() << "S"
                                    << "k"
                                    << "v" << QByteArray("[S]\r\nk=v\r\n");
        QTest::newRow("value replaced in place, other lines untouched")
            << QByteArray("; my settings\r\n\r\n[Font Settings]\r\n  FontName = Arial\r\n"
                          "FontSize=9\r\n\r\n[Other]\r\nodd line\r\n")
            << "font settings"
            << "FONTNAME"
            << "Verdana"
            << QByteArray("; my settings\r\n\r\n[Font Settings]\r\n  FontName =Verdana\r\n"
                          "FontSize=9\r\n\r\n[Other]\r\nodd line\r\n");
        QTest::newRow("key added after last line of its section, before blank lines")
            << QByteArray("[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n") << "a"
            << "z"
            << "3" << QByteArray("[A]\r\nx=1\r\nz=3\r\n\r\n[B]\r\ny=2\r\n");
        QTest::newRow("key added to empty section") << QByteArray("[A]\r\n[B]\r\n") << "A"
                                                    << "k"
                                                    << "v" << QByteArray("[A]\r\nk=v\r\n[B]\r\n");
        QTest::newRow("key added to last section without final line break")
            << QByteArray("[A]\nx=1") << "A"
            << "y"
            << "2" << QByteArray("[A]\nx=1\ny=2\n");
        QTest::newRow("section appended, LF file keeps LF")
            << QByteArray("[A]\nx=1\n") << "B"
            << "k"
            << "v" << QByteArray("[A]\nx=1\n[B]\nk=v\n");
        QTest::newRow("section appended after text without line break")
            << QByteArray("junk without sections") << "S"
            << "k"
            << "v" << QByteArray("junk without sections\r\n[S]\r\nk=v\r\n");
        QTest::newRow("lone CR file keeps CR") << QByteArray("[A]\rx=1\r") << "A"
                                               << "x"
                                               << "2" << QByteArray("[A]\rx=2\r");
        QTest::newRow("first duplicate section written")
            << QByteArray("[S]\nk=1\n[S]\nk=2\n") << "s"
            << "K"
            << "9" << QByteArray("[S]\nk=9\n[S]\nk=2\n");
        QTest::newRow("names written trimmed")
            << QByteArray() << "  New Section "
            << " key "
            << " spaced value" << QByteArray("[New Section]\r\nkey= spaced value\r\n");
        QTest::newRow("value cleared") << QByteArray("[S]\r\nk=old\r\n") << "S"
                                       << "k"
                                       << "" << QByteArray("[S]\r\nk=\r\n");
        QTest::newRow("utf-8 kept with its bom")
            << QByteArray("\xEF\xBB\xBF[S]\nk=\xC3\xA9\n") << "S"
            << "k" << u"€"_s << QByteArray("\xEF\xBB\xBF[S]\nk=\xE2\x82\xAC\n");
        QTest::newRow("windows-1252 file rewritten as utf-8, text kept")
            << QByteArray("; caf\xE9\r\n[S]\r\nk=old\r\n") << "S"
            << "k"
            << "new" << QByteArray("; caf\xC3\xA9\r\n[S]\r\nk=new\r\n");
    }
    void write() {
        QFETCH(QByteArray, before);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QByteArray, after);
        if (!before.isNull())
            writeBytes(iniPath(), before);
        QVERIFY(ModINIhandling::writeValue(section, key, value, iniPath()));
        QCOMPARE(contentOf(iniPath()), after);
        QCOMPARE(ModINIhandling::readValue(section, key, iniPath()), value.trimmed());
    }

    void writeOfUnchangedValueLeavesFileAlone() {
        const QByteArray before("[S]\nk = same \n");
        writeBytes(iniPath(), before);
        QVERIFY(ModINIhandling::writeValue("S", "k", "same", iniPath()));
        QCOMPARE(contentOf(iniPath()), before);
    }

    void writeValuesStoresInOrderInOneGo() {
        QVERIFY(ModINIhandling::writeValues({{"B", "b1", "1"}, {"A", "a1", "2"}, {"B", "b2", "3"}},
                                            iniPath()));
        QCOMPARE(contentOf(iniPath()), QByteArray("[B]\r\nb1=1\r\nb2=3\r\n[A]\r\na1=2\r\n"));

        // An entry that cannot be stored is skipped; the others are still written.
        QVERIFY(!ModINIhandling::writeValues({{"A", "a=", "x"}, {"A", "a2", "4"}}, iniPath()));
        QCOMPARE(ModINIhandling::readValue("A", "a2", iniPath()), u"4"_s);
    }

    void unstorableInputIsRefused_data() {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("empty section") << ""
                                       << "k"
                                       << "v";
        QTest::newRow("blank key") << "S"
                                   << "  "
                                   << "v";
        QTest::newRow("equals in key") << "S"
                                       << "a=b"
                                       << "v";
        QTest::newRow("key looks like a section") << "S"
                                                  << "[k"
                                                  << "v]";
        QTest::newRow("line break in section") << "S\nT"
                                               << "k"
                                               << "v";
        QTest::newRow("line break in value") << "S"
                                             << "k"
                                             << "two\r\nlines";
    }
    void unstorableInputIsRefused() {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        const QByteArray before("[S]\r\nk=old\r\n");
        writeBytes(iniPath(), before);
        QVERIFY(!ModINIhandling::writeValue(section, key, value, iniPath()));
        QCOMPARE(contentOf(iniPath()), before);
    }

    void writeFailsWhereNoFileCanBeWritten() {
        // A missing folder is not created.
        const QString inMissingFolder = m_dir.filePath("missing/Settings.ini");
        QVERIFY(!ModINIhandling::writeValue("S", "k", "v", inMissingFolder));
        QVERIFY(!QFileInfo::exists(m_dir.filePath("missing")));
        // A file where the folder should be.
        writeBytes(iniPath(), "[S]\nk=v\n");
        QVERIFY(!ModINIhandling::writeValue("S", "k", "w", iniPath() + "/Settings.ini"));
        QCOMPARE(contentOf(iniPath()), QByteArray("[S]\nk=v\n"));
        // A folder where the file should be.
        QVERIFY(QDir(m_dir.path()).mkdir("Folder.ini"));
        QVERIFY(!ModINIhandling::writeValue("S", "k", "v", m_dir.filePath("Folder.ini")));
        QCOMPARE(ModINIhandling::readValue("S", "k", m_dir.filePath("Folder.ini")), QString());
    }

    void writeFailsOnReadOnlyFileAndFolder() {
        if (runningAsRoot())
            QSKIP("permissions do not bind the superuser");
        const QByteArray before("[S]\nk=v\n");
        writeBytes(iniPath(), before);
        QFile::setPermissions(iniPath(), QFile::ReadOwner);
        QVERIFY(!ModINIhandling::writeValue("S", "k", "changed", iniPath()));
        QFile::setPermissions(iniPath(), QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(contentOf(iniPath()), before);

        QTemporaryDir lockedDir;
        const QString lockedPath = lockedDir.filePath("Settings.ini");
        writeBytes(lockedPath, before);
        QFile::setPermissions(lockedDir.path(), QFile::ReadOwner | QFile::ExeOwner);
        const bool written = ModINIhandling::writeValue("S", "k", "changed", lockedPath);
        QFile::setPermissions(lockedDir.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(!written);
        QCOMPARE(contentOf(lockedPath), before);
    }

    void fileExistsTest() {
        QVERIFY(!ModINIhandling::fileExists(iniPath()));
        writeBytes(iniPath(), "");
        QVERIFY(ModINIhandling::fileExists(iniPath()));
    }

    void settingsPathPrefersWritableProgramFolder() {
        QTemporaryDir program;
        QTemporaryDir config;
        QCOMPARE(ModINIhandling::settingsFilePathIn(program.path(), config.filePath("app")),
                 program.filePath("Settings.ini"));
        QVERIFY(!QFileInfo::exists(config.filePath("app")));

        QDir(program.path()).mkdir("bin"); // an installed program's folder
        QCOMPARE(ModINIhandling::settingsFilePathIn(program.filePath("bin"), config.filePath("app")),
                 config.filePath("app/Settings.ini"));

        const QString missingProgram = program.filePath("gone");
        QCOMPARE(ModINIhandling::settingsFilePathIn(missingProgram, config.filePath("app")),
                 config.filePath("app/Settings.ini"));
        QVERIFY(QFileInfo(config.filePath("app")).isDir());

        if (!runningAsRoot()) {
            QFile::setPermissions(program.path(), QFile::ReadOwner | QFile::ExeOwner);
            const QString chosen =
                ModINIhandling::settingsFilePathIn(program.path(), config.filePath("app"));
            QFile::setPermissions(program.path(),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QCOMPARE(chosen, config.filePath("app/Settings.ini"));
        }
        QVERIFY(ModINIhandling::settingsFilePath().endsWith("/Settings.ini"));
    }
};

QTEST_GUILESS_MAIN(TestIni)
#include "tst_ini.moc"
