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
#include <QTest>
#include <QTextCursor>

namespace {

QComboBox* list(QWidget* window, const char* name) {
    return window->findChild<QComboBox*>(name);
}

// Picks an entry as a click on it would.
void choose(QWidget* window, const char* name, const QString& text) {
    QComboBox* combo = list(window, name);
    combo->setCurrentIndex(combo->findText(text));
    emit combo->activated(combo->currentIndex());
}

QString shown(const FontSettingsDialog& window) {
    return window.choice().name + ' ' + window.choice().size;
}

QString fontOf(RichTextBox& box, int position = -1) {
    if (position < 0)
        return box.document()->defaultFont().family() + ' ' +
               QString::number(box.document()->defaultFont().pointSizeF());
    QTextCursor cursor(box.document());
    cursor.setPosition(position + 1);
    return QString::number(cursor.charFormat().fontPointSize()); // 0: the document's own
}

} // namespace

class TestFontSettings : public QObject {
    Q_OBJECT

    QTemporaryDir m_folder;
    QString settings() const { return m_folder.filePath("Settings.ini"); }

private slots:
    void applyPutsTheWholeTextInTheChoiceAndStoresIt() {
        RichTextBox box;
        box.surface().setText("  some text  ");
        box.surface().setSelStart(5);
        FontSettingsDialog window(box, settings());
        QCOMPARE(shown(window), "Verdana 10"); // no settings file yet
        QComboBox* names = list(&window, "cboFontName");
        for (int i = 1; i < names->count(); ++i)
            QVERIFY(names->itemText(i - 1).compare(names->itemText(i), Qt::CaseInsensitive) <= 0);
        QComboBox* sizes = list(&window, "cboFontSize");
        QCOMPARE(sizes->itemText(0) + '-' + sizes->itemText(sizes->count() - 1), "8-16");
        names->setEditText("DejaVu Serif");
        sizes->setEditText("large"); // not a number: the size stays
        const QString size = QString::number(box.document()->defaultFont().pointSizeF());
        window.show();
        window.findChild<QPushButton*>("cmdApply")->click();
        QVERIFY(window.isHidden());
        QCOMPARE(fontOf(box), "DejaVu Serif " + size);
        QCOMPARE(box.surface().selStart() + box.surface().selLength(), 0);
        QCOMPARE(IniFile::readValue("Font Settings", "FontName", settings()), "DejaVu Serif");
        QCOMPARE(IniFile::readValue("Font Settings", "FontSize", settings()), "large");

        RichTextBox empty; // nothing to select, nowhere to store: applied all the same
        FontSettingsDialog unstorable(empty, m_folder.filePath("missing/Settings.ini"));
        list(&unstorable, "cboFontSize")->setEditText("15");
        unstorable.findChild<QPushButton*>("cmdApply")->click();
        QCOMPARE(fontOf(empty), "Verdana 15");
    }

    void previewTouchesOnlyTheSelectionAndCancelWritesNothing() {
        writeFile(settings(), "[Font Settings]\r\nFontName=DejaVu Sans\r\nFontSize=14\r\n");
        RichTextBox box;
        box.surface().setText("abcdef");
        box.surface().setSelStart(2);
        box.surface().setSelLength(2);
        FontSettingsDialog window(box, settings());
        QCOMPARE(shown(window), "DejaVu Sans 14");
        QSignalSpy changes(&box.surface(), &EditingSurface::changed);
        choose(&window, "cboFontSize", "16");
        QCOMPARE(fontOf(box, 2) + ' ' + fontOf(box, 0), "16 0");
        QCOMPARE(changes.count(), 0); // a preview is not a change of the text
        QSignalSpy unloaded(&window, &FontSettingsDialog::unloaded);
        QTest::keyClick(&window, Qt::Key_Escape);
        QCOMPARE(unloaded.count(), 1);
        QCOMPARE(IniFile::readValue("Font Settings", "FontSize", settings()), "14");
    }

    void workAreaKeepsTheChoiceAndReloadsItAfterCancel() {
        EditorFixture f;
        ModalScript modal;
        modal.steps << [](QDialog& window) {
            list(&window, "cboFontName")->setEditText("DejaVu Serif");
            list(&window, "cboFontSize")->setEditText("13");
            window.findChild<QPushButton*>("cmdApply")->click();
        } << [](QDialog& window) {
            choose(&window, "cboFontSize", "16");
            window.findChild<QPushButton*>("CmdCancel")->click();
        };
        f.action("mnuOptions")->trigger();
        QCOMPARE(modal.opened, QStringList({"FrmOptions"}));
        f.type("x");
        QCOMPARE(fontOf(*f.box()), "DejaVu Serif 13");
        // A preview followed by Cancel lasts until the next change, which takes the
        // stored choice again from a freshly loaded window.
        f.surface().setSelStart(0);
        f.surface().setSelLength(1);
        f.action("mnuOptions")->trigger();
        QCOMPARE(fontOf(*f.box(), 0), "16");
        f.surface().setSelStart(1);
        f.type("y");
        QCOMPARE(fontOf(*f.box(), 0), "0");
        QCOMPARE(shown(f.workArea->settings().fontWindow()), "DejaVu Serif 13");
        QCOMPARE(fontOf(*f.box()), "DejaVu Serif 13");
    }
};

QTEST_MAIN(TestFontSettings)
#include "tst_font_settings.moc"
