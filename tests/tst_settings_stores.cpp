#include "TestFiles.h"
#include "settings/CustomStyleStore.h"
#include "settings/CustomTextFile.h"
#include "settings/CustomTextList.h"
#include "settings/FontSettingsStore.h"
#include "settings/IniFile.h"
#include "settings/StartupSettingsStore.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

CustomStyles stylesInSlots(std::initializer_list<int> usedSlots) {
    CustomStyles styles;
    for (int slot : usedSlots)
        styles.set(slot, {u"style%1"_s.arg(slot + 1), u"[b]"_s, u"[/b]"_s});
    return styles;
}

} // namespace

class TestSettingsStores : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString iniPath() const { return m_dir.filePath("Settings.ini"); }
    QString listPath() const { return m_dir.filePath("CustomList.ini"); }

private slots:
    void init() {
        QFile::remove(iniPath());
        QFile::remove(listPath());
    }

    // Font settings

    void fontChoiceWithoutSettingsFile() {
        const FontSettingsStore store(iniPath());
        QCOMPARE(store.load(), (FontChoice{"Verdana", "10"}));
    }

    void fontChoiceFromFileWithoutFontSection() {
        writeFile(iniPath(), "[Startup Settings]\r\nstartup=1\r\n");
        QCOMPARE(FontSettingsStore(iniPath()).load(), (FontChoice{"Verdana", "12"}));
        writeFile(iniPath(), "[Font Settings]\r\nFontName=\r\nFontSize=\r\n");
        QCOMPARE(FontSettingsStore(iniPath()).load(), (FontChoice{"Verdana", "12"}));
    }

    void fontChoiceSavedAndReadBack() {
        const FontSettingsStore store(iniPath());
        QVERIFY(store.save({"Courier New", "14"}));
        QCOMPARE(fileBytes(iniPath()),
                 QByteArray("[Font Settings]\r\nFontName=Courier New\r\nFontSize=14\r\n"));
        QCOMPARE(store.load(), (FontChoice{"Courier New", "14"}));
        QVERIFY(!FontSettingsStore(m_dir.filePath("missing/Settings.ini")).save({"Arial", "9"}));
    }

    // Start-up window setting

    void startupSetting_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("skip");
        QTest::newRow("ticked") << QByteArray("[Startup Settings]\r\nstartup=1\r\n") << true;
        QTest::newRow("clear") << QByteArray("[Startup Settings]\r\nstartup=0\r\n") << false;
        QTest::newRow("not a number")
            << QByteArray("[Startup Settings]\r\nstartup=yes\r\n") << false;
        QTest::newRow("other number") << QByteArray("[Startup Settings]\r\nstartup=7\r\n") << false;
        // A whole number in other clothes, and fractions rounded as a check box state is.
        QTest::newRow("leading zero") << QByteArray("[Startup Settings]\r\nstartup=01\r\n") << true;
        QTest::newRow("1.0") << QByteArray("[Startup Settings]\r\nstartup=1.0\r\n") << true;
        QTest::newRow("0.6") << QByteArray("[Startup Settings]\r\nstartup=0.6\r\n") << true;
        QTest::newRow("0.5 to even")
            << QByteArray("[Startup Settings]\r\nstartup=0.5\r\n") << false;
        QTest::newRow("1.5 to even")
            << QByteArray("[Startup Settings]\r\nstartup=1.5\r\n") << false;
        QTest::newRow("number then text")
            << QByteArray("[Startup Settings]\r\nstartup=1 please\r\n") << false;
        QTest::newRow("missing key") << QByteArray("[Font Settings]\r\n") << false;
        QTest::newRow("no file") << QByteArray() << false;
    }
    void startupSetting() {
        QFETCH(QByteArray, file);
        QFETCH(bool, skip);
        if (!file.isNull())
            writeFile(iniPath(), file);
        QCOMPARE(StartupSettingsStore(iniPath()).skipIntroduction(), skip);
    }

    void startupSettingWritten() {
        const StartupSettingsStore store(iniPath());
        QVERIFY(store.setSkipIntroduction(true));
        QCOMPARE(IniFile::readValue("Startup Settings", "startup", iniPath()), u"1"_s);
        QVERIFY(store.skipIntroduction());
        QVERIFY(store.setSkipIntroduction(false));
        QCOMPARE(IniFile::readValue("Startup Settings", "startup", iniPath()), u"0"_s);
    }

    // Custom style slots

    void firstEmptySlotAndAdding() {
        CustomStyles styles = stylesInSlots({0, 1, 3});
        QCOMPARE(styles.firstEmptySlot(), std::optional<int>(2));
        QCOMPARE(styles.addToFirstEmptySlot({"style1", "[i]", "[/i]"}), std::optional<int>(2));
        QCOMPARE(styles.at(2), (CustomStyle{"style1", "[i]", "[/i]"})); // names may repeat
        QCOMPARE(styles.addToFirstEmptySlot({"next", "[u]", "[/u]"}), std::optional<int>(4));

        // Only the name decides: a slot with tags but no name is free.
        styles.set(5, {"", "[s]", "[/s]"});
        QCOMPARE(styles.addToFirstEmptySlot({"six", "[tt]", "[/tt]"}), std::optional<int>(5));
        QCOMPARE(styles.at(5).startTag, u"[tt]"_s);

        // A nameless style would not occupy a slot, so it is not added.
        QCOMPARE(styles.addToFirstEmptySlot({"", "[b]", "[/b]"}), std::nullopt);
    }

    void allSlotsInUse() {
        CustomStyles styles = stylesInSlots({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
        const CustomStyles before = styles;
        QCOMPARE(styles.firstEmptySlot(), std::nullopt);
        QCOMPARE(styles.addToFirstEmptySlot({"extra", "[b]", "[/b]"}), std::nullopt);
        QVERIFY(styles == before);
    }

    void clearingAndAllEmpty() {
        CustomStyles styles = stylesInSlots({4, 9});
        QVERIFY(!styles.allEmpty());
        styles.clear(-1);
        styles.clear(10);
        QVERIFY(styles == stylesInSlots({4, 9}));
        styles.clear(4);
        QVERIFY(!styles.allEmpty());
        styles.clear(9);
        QVERIFY(styles.allEmpty());
        QVERIFY(styles == CustomStyles());
        QCOMPARE((CustomStyle{"x", "[b][color red]", "[/color][/b]"}).tagsCaption(),
                 u"[b][color red] [/color][/b]"_s);
    }

    // Custom styles in the settings file

    void customStylesWithoutSettingsFile() {
        const CustomStyleStore store(iniPath());
        QVERIFY(store.load().allEmpty());
        QVERIFY(store.save(CustomStyles()));

        QByteArray expected;
        const std::pair<const char*, const char*> sections[] = {
            {"PreSetNameList", ""}, {"PreSetStartTag", "A"}, {"PreSetEndTag", "B"}};
        for (const auto& [section, suffix] : sections) {
            expected += "[" + QByteArray(section) + "]\r\n";
            for (int slot = 1; slot <= 10; ++slot)
                expected += "PresetName" + QByteArray::number(slot) + suffix + "=\r\n";
        }
        QCOMPARE(fileBytes(iniPath()), expected);
    }

    void customStylesSavedAndLoaded() {
        writeFile(iniPath(), "[Font Settings]\r\nFontName=Tahoma\r\n");
        CustomStyles styles;
        styles.set(0, {"PURPLE-BOLD", "[b][color purple]", "[/color][/b]"});
        styles.set(9, {u"Überschrift"_s, "[size 4]", "[/size]"});
        const CustomStyleStore store(iniPath());
        QVERIFY(store.save(styles));
        QVERIFY(store.load() == styles);
        QCOMPARE(IniFile::readValue("PreSetStartTag", "PresetName1A", iniPath()),
                 u"[b][color purple]"_s);
        QCOMPARE(IniFile::readValue("PreSetEndTag", "PresetName10B", iniPath()), u"[/size]"_s);
        QCOMPARE(IniFile::readValue("Font Settings", "FontName", iniPath()), u"Tahoma"_s);

        // A deleted slot is stored as empty values, not left behind.
        styles.clear(0);
        QVERIFY(store.save(styles));
        QCOMPARE(IniFile::readValue("PreSetNameList", "PresetName1", iniPath()), QString());
        QVERIFY(store.load() == styles);
    }

    void customStylesFromHandEditedFile() {
        writeFile(iniPath(), "[presetnamelist]\nPRESETNAME3 = Quote\n"
                             "[PreSetStartTag]\npresetname3a=[quote]\n");
        const CustomStyles styles = CustomStyleStore(iniPath()).load();
        QCOMPARE(styles.firstEmptySlot(), std::optional<int>(0));
        QCOMPARE(styles.at(2), (CustomStyle{"Quote", "[quote]", ""}));
    }

    // Custom text file

    void customTextEntries_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("empty file") << "" << QStringList();
        // How lines end is checked through the custom text window.
        QTest::newRow("empty lines and duplicates kept") << "a\r\n\r\na\r\n\r\n"
                                                         << QStringList({"a", "", "a", ""});
        QTest::newRow("no trimming") << "  spaced  \r\n\ttab\r\n"
                                     << QStringList({"  spaced  ", "\ttab"});
        QTest::newRow("only a break") << "\r\n" << QStringList({""});
    }
    void customTextEntries() {
        QFETCH(QString, text);
        QFETCH(QStringList, entries);
        QCOMPARE(CustomTextFile::parseEntries(text), entries);
    }

    void customTextFileReadAndWritten() {
        QCOMPARE(CustomTextFile::read(listPath()), QStringList());
        QVERIFY(CustomTextFile::write({}, listPath()));
        QCOMPARE(fileBytes(listPath()), QByteArray());

        const QStringList entries{"A", "b", "b", u"  café "_s};
        QVERIFY(CustomTextFile::write(entries, listPath()));
        QCOMPARE(fileBytes(listPath()), QByteArray("A\r\nb\r\nb\r\n  caf\xC3\xA9 \r\n"));
        QCOMPARE(CustomTextFile::read(listPath()), entries);

        writeFile(listPath(), "caf\xE9\r\n\x93hi\x94\r\n");
        QCOMPARE(CustomTextFile::read(listPath()), QStringList({u"café"_s, u"\u201Chi\u201D"_s}));

        QVERIFY(!CustomTextFile::write(entries, m_dir.filePath("missing/CustomList.ini")));
        QCOMPARE(CustomTextFile::defaultPath(), u"CustomList.ini"_s);
    }

    // Custom text window's working list

    void entriesKeptSortedWithoutRegardToCase() {
        QStringList list;
        for (const char* entry : {"b", "A", "c", "a", "B"})
            CustomTextList::insertSorted(list, entry);
        QCOMPARE(list, QStringList({"A", "a", "b", "B", "c"}));
        QCOMPARE(CustomTextList::sortedInsertIndex(list, "0"), 0);
        QCOMPARE(CustomTextList::sortedInsertIndex(list, "zz"), 5);
        QCOMPARE(CustomTextList::insertSorted(list, "b"), 4); // after its equals
    }
};

QTEST_GUILESS_MAIN(TestSettingsStores)
#include "tst_settings_stores.moc"
