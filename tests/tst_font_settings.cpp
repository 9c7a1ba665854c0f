// The font settings window: what it shows on load, the preview on the selection, Apply
// and Cancel, and how the work area keeps the editing surface in its choice.
#include "EditorFixture.h"
#include "ModalScript.h"
#include "TestFiles.h"
#include "platform/RichTextBox.h"
#include "settings/FontSettingsDialog.h"
#include "settings/IniFile.h"
#include "shell/PostEditor.h"
#include "shell/PostEditorSettings.h"

#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>

namespace {

QComboBox* list(QWidget* window, const char* name) {
    return window->findChild<QComboBox*>(name);
}

void click(QWidget* window, const char* name) {
    window->findChild<QPushButton*>(name)->click();
}

// Chooses an entry of a list as a click on it would.
void choose(QComboBox* combo, const QString& text) {
    const int index = combo->findText(text);
    QVERIFY2(index >= 0, qPrintable(text));
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

QTextCharFormat formatAt(RichTextBox& box, int position) {
    QTextCursor cursor(box.document());
    cursor.setPosition(position + 1);
    return cursor.charFormat();
}

} // namespace

class TestFontSettings : public QObject {
    Q_OBJECT

private slots:
    void firstRunShowsVerdanaTenAndApplyCreatesTheSection() {
        QTemporaryDir folder;
        const QString settings = folder.filePath("Settings.ini");
        RichTextBox box;
        FontSettingsDialog window(box, settings);
        QCOMPARE(window.choice(), FontChoice({"Verdana", "10"}));

        QComboBox* sizes = list(&window, "cboFontSize");
        QStringList offered;
        for (int i = 0; i < sizes->count(); ++i)
            offered << sizes->itemText(i);
        QCOMPARE(offered, QStringList({"8", "9", "10", "11", "12", "13", "14", "15", "16"}));
        QComboBox* names = list(&window, "cboFontName");
        QVERIFY(names->count() > 0);
        for (int i = 1; i < names->count(); ++i)
            QVERIFY(QString::compare(names->itemText(i - 1), names->itemText(i),
                                     Qt::CaseInsensitive) <= 0);

        // Apply with an empty editing area still applies the font.
        window.show();
        click(&window, "cmdApply");
        QVERIFY(window.isHidden());
        QCOMPARE(IniFile::readValue("Font Settings", "FontName", settings), "Verdana");
        QCOMPARE(IniFile::readValue("Font Settings", "FontSize", settings), "10");
        QCOMPARE(box.document()->defaultFont().pointSizeF(), 10.0);
    }

    void settingsWithoutFontSectionGiveVerdanaTwelve() {
        QTemporaryDir folder;
        const QString settings = folder.filePath("Settings.ini");
        writeFile(settings, "[Startup Settings]\r\nstartup=1\r\n");
        RichTextBox box;
        FontSettingsDialog window(box, settings);
        QCOMPARE(window.choice(), FontChoice({"Verdana", "12"}));

        writeFile(settings, "[font settings]\r\nfontname=DejaVu Serif\r\nFONTSIZE=14\r\n");
        window.cmdRefresh();
        QCOMPARE(window.choice(), FontChoice({"DejaVu Serif", "14"}));
    }

    void applyPutsTheWholeTextInTheChoiceAndLeavesTheCaretAtTheStart() {
        QTemporaryDir folder;
        const QString settings = folder.filePath("Settings.ini");
        RichTextBox box;
        box.surface().setText("  some text  ");
        box.surface().setSelStart(5);
        FontSettingsDialog window(box, settings);
        list(&window, "cboFontName")->setEditText("DejaVu Serif");
        list(&window, "cboFontSize")->setEditText("large"); // not a number: size unchanged
        const double before = box.document()->defaultFont().pointSizeF();
        click(&window, "cmdApply");
        QCOMPARE(box.document()->defaultFont().family(), "DejaVu Serif");
        QCOMPARE(box.document()->defaultFont().pointSizeF(), before);
        QCOMPARE(box.surface().selStart(), 0);
        QCOMPARE(box.surface().selLength(), 0);
        QCOMPARE(IniFile::readValue("Font Settings", "FontSize", settings), "large");
    }

    void previewTouchesOnlyTheSelectionAndCancelWritesNothing() {
        QTemporaryDir folder;
        const QString settings = folder.filePath("Settings.ini");
        writeFile(settings, "[Font Settings]\r\nFontName=DejaVu Sans\r\nFontSize=14\r\n");
        const QByteArray stored = fileBytes(settings);
        RichTextBox box;
        box.surface().setText("abcdef");
        box.surface().setSelStart(2);
        box.surface().setSelLength(2);
        FontSettingsDialog window(box, settings);
        QCOMPARE(window.choice(), FontChoice({"DejaVu Sans", "14"}));

        QSignalSpy changes(&box.surface(), &EditingSurface::changed);
        choose(list(&window, "cboFontSize"), "16");
        QCOMPARE(formatAt(box, 2).fontPointSize(), 16.0);
        QVERIFY(!formatAt(box, 0).hasProperty(QTextFormat::FontPointSize));
        QCOMPARE(changes.count(), 0); // a preview is not a change of the text

        QSignalSpy unloaded(&window, &FontSettingsDialog::unloaded);
        QTest::keyClick(&window, Qt::Key_Escape);
        QCOMPARE(unloaded.count(), 1);
        QCOMPARE(fileBytes(settings), stored);
    }

    void workAreaKeepsTheChoiceAndReloadsItAfterCancel() {
        EditorFixture f;
        ModalScript modal;
        modal.steps << [](QDialog& window) {
            list(&window, "cboFontName")->setEditText("DejaVu Serif");
            list(&window, "cboFontSize")->setEditText("13");
            click(&window, "cmdApply");
        };
        f.action("mnuOptions")->trigger();
        QCOMPARE(modal.opened, QStringList({"FrmOptions"}));
        f.type("x");
        QFont font = f.box()->document()->defaultFont();
        QCOMPARE(font.family(), "DejaVu Serif");
        QCOMPARE(font.pointSizeF(), 13.0);

        // A preview followed by Cancel lasts until the next change, which takes the
        // stored choice again from a freshly loaded window.
        f.surface().setSelStart(0);
        f.surface().setSelLength(1);
        modal.steps << [](QDialog& window) {
            choose(list(&window, "cboFontSize"), "16");
            list(&window, "cboFontSize")->setEditText("16");
            click(&window, "CmdCancel");
        };
        f.action("mnuOptions")->trigger();
        QCOMPARE(formatAt(*f.box(), 0).fontPointSize(), 16.0);
        f.surface().setSelStart(1);
        f.type("y");
        QVERIFY(!formatAt(*f.box(), 0).hasProperty(QTextFormat::FontPointSize));
        QCOMPARE(f.workArea->settings().fontChoice(), FontChoice({"DejaVu Serif", "13"}));
        QCOMPARE(f.box()->document()->defaultFont().pointSizeF(), 13.0);
    }

    void unwritableSettingsLoseOnlyTheSetting() {
        RichTextBox box;
        const QString settings = "/nonexistent-folder/Settings.ini";
        FontSettingsDialog window(box, settings);
        list(&window, "cboFontSize")->setEditText("15");
        click(&window, "cmdApply");
        QVERIFY(window.isHidden());
        QCOMPARE(box.document()->defaultFont().pointSizeF(), 15.0);
        QVERIFY(!QFile::exists(settings));
    }
};

QTEST_MAIN(TestFontSettings)
#include "tst_font_settings.moc"
