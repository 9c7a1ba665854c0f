#include "TestFiles.h"
#include "settings/IniFile.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

class TestIni : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString iniPath() const { return m_dir.filePath("Settings.ini"); }
    QString read(const char* section, const char* key) const {
        return IniFile::readValue(section, key, iniPath());
    }

private slots:
    void init() { QFile::remove(iniPath()); }

    void namesMatchWithoutCaseAndTheFirstOfTwoCounts() {
        QCOMPARE(read("S", "k"), QString()); // no file
        writeFile(iniPath(), "k=loose\n"
                             "  [ Font Settings ]  \n \t FontName \t=  Arial Black \t\n"
                             "eq=a=b\ndq=\" padded \"\ndup=first\nDUP=second\n"
                             "[broken\nodd\n;odd=commented\nodd=v\n"
                             "[FONT SETTINGS]\nlater=2\n[B]\nb=1\n");
        QCOMPARE(read("font settings", "FONTNAME"), u"Arial Black"_s);
        QCOMPARE(read(" Font Settings", "fontname "), u"Arial Black"_s);
        QCOMPARE(read("Missing", "FontName"), QString());
        QCOMPARE(read("Font Settings", "eq"), u"a=b"_s);
        QCOMPARE(read("Font Settings", "dq"), u" padded "_s);
        QCOMPARE(read("Font Settings", "dup"), u"first"_s);
        QCOMPARE(read("Font Settings", "odd"), u"v"_s);
        for (const char* key : {"later", "b", "", "k"}) // second section, other section, before
            QCOMPARE(read("Font Settings", key), QString());
    }

    void readsLineEndsAndEncodings() {
        static const char junk[] = "\x00\xFF[S\x00]\n\x01\x02=\x03\n[S]\nk=v\n";
        const std::pair<QByteArray, QString> cases[] = {
            {"[S]\rj=w\rk=v", "v"},
            {"[S]\r\nk=Caf\xE9 \x93q\x94\r\n", u"Café \u201Cq\u201D"_s}, // Windows-1252
            {"\xEF\xBB\xBF[S]\nk=Caf\xC3\xA9\n", u"Café"_s},
            {QByteArray(junk, sizeof junk - 1), "v"}};
        for (const auto& [file, expected] : cases) {
            writeFile(iniPath(), file);
            QCOMPARE(read("S", "k"), expected);
        }
    }

    void readCutsValuesTo254CharactersKeepingSurrogatePairsWhole() {
        writeFile(iniPath(), "[S]\nexact=" + QByteArray(254, 'a') +
                                 "\nlonger=" + QByteArray(4 << 20, 'b') +
                                 "\nemoji=" + QByteArray(253, 'c') + "\xF0\x9F\x98\x80tail\n");
        QCOMPARE(read("S", "exact"), QString(254, u'a'));
        QCOMPARE(read("S", "longer"), QString(254, u'b'));
        QCOMPARE(read("S", "emoji"), QString(253, u'c'));
    }

    void writeChangesOnlyTheLinesItNeeds() {
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
    }

    void writeValuesSkipsWhatCannotBeStored() {
        QVERIFY(!IniFile::writeValues({{"A", "a=", "x"}, {"A", "a2", "4"}}, iniPath()));
        QCOMPARE(read("A", "a2"), u"4"_s);
    }

    void writeRefusesWhatCouldNotBeReadBackOrStored() {
        const QByteArray before("[S]\r\nk=old\r\n");
        writeFile(iniPath(), before);
        for (const char* key : {"", "  ", "a=b", "[k", "k\nj"})
            QVERIFY2(!IniFile::writeValue("S", key, "v", iniPath()), key);
        QVERIFY(!IniFile::writeValue("S", "k", "two\r\nlines", iniPath()));
        QVERIFY(!IniFile::writeValue("S", "k", "v", m_dir.filePath("missing/Settings.ini")));
        QCOMPARE(fileBytes(iniPath()), before);
    }

    void settingsFileFallsBackToTheConfigFolder() {
        QTemporaryDir program;
        QTemporaryDir config;
        const QString app = config.filePath("app");
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
};

QTEST_GUILESS_MAIN(TestIni)
#include "tst_ini.moc"
