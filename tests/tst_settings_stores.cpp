#include "TestFiles.h"
#include "settings/CustomStyleStore.h"
#include "settings/CustomTextFile.h"
#include "settings/FontSettingsStore.h"
#include "settings/StartupSettingsStore.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

class TestSettingsStores : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString iniPath() const { return m_dir.filePath("Settings.ini"); }
    QString listPath() const { return m_dir.filePath("CustomList.ini"); }

private slots:
    void init() { QFile::remove(iniPath()); }

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

        CustomStyles styles;
        styles.set(9, {u"Überschrift"_s, "[b][color purple]", "[/color][/b]"});
        QVERIFY(store.save(styles));
        const CustomStyle last = store.load().at(9);
        QCOMPARE(last.name + last.startTag + last.endTag,
                 u"Überschrift[b][color purple][/color][/b]"_s);
    }

    void customTextFileReadAndWritten() {
        const std::pair<QByteArray, QStringList> files[] = {
            {"a\r\n\r\na\r\n\r\n", {"a", "", "a", ""}},
            {"  spaced  \r\n\ttab\r\n", {"  spaced  ", "\ttab"}},
            {"a\nb\nc", {"a\nb\nc"}}, // a line feed alone is no line end
            {"x\ry\r\n\r\nlast", {"x", "y", "", "last"}},
            {"caf\xE9\r\n\x93hi\x94\r\n", {u"café"_s, u"\u201Chi\u201D"_s}}}; // Windows-1252
        for (const auto& [file, entries] : files) {
            writeFile(listPath(), file);
            QCOMPARE(CustomTextFile::read(listPath()), entries);
        }
        QVERIFY(CustomTextFile::write({"A", "b", u"  café "_s}, listPath()));
        QCOMPARE(fileBytes(listPath()), QByteArray("A\r\nb\r\n  caf\xC3\xA9 \r\n"));
    }
};

QTEST_GUILESS_MAIN(TestSettingsStores)
#include "tst_settings_stores.moc"
