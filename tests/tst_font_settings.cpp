// The font settings window and how the work area keeps the editing surface in its choice.
#include "EditorFixture.h"
#include "ModalScript.h"
#include "TestFiles.h"
#include "platform/RichTextBox.h"
#include "settings/FontSettingsDialog.h"
#include "settings/IniFile.h"
#include "shell/PostEditor.h"

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

QString documentFont(RichTextBox& box) {
    const QFont font = box.document()->defaultFont();
    return font.family() + ' ' + QString::number(font.pointSizeF());
}

// The size set on one character; 0 when it has the document's.
double sizeAt(RichTextBox& box, int position) {
    QTextCursor cursor(box.document());
    cursor.setPosition(position + 1);
    return cursor.charFormat().fontPointSize();
}

} // namespace

class TestFontSettings : public QObject {
    Q_OBJECT

    QTemporaryDir m_folder;
    QString settings() const { return m_folder.filePath("Settings.ini"); }

private slots:
    void previewAndCancelStoreNothingApplyStoresTheChoice() {
        writeFile(settings(), "[Font Settings]\r\nFontName=DejaVu Sans\r\nFontSize=14\r\n");
        RichTextBox box;
        box.surface().setText("  some text  ");
        box.surface().setSelStart(2);
        box.surface().setSelLength(2);
        FontSettingsDialog window(box, settings());
        QCOMPARE(window.choice().name + window.choice().size, "DejaVu Sans14");
        QSignalSpy changes(&box.surface(), &EditingSurface::changed);
        choose(&window, "cboFontSize", "16");
        QCOMPARE(sizeAt(box, 2), 16.0);
        QCOMPARE(sizeAt(box, 0), 0.0);
        QCOMPARE(changes.count(), 0); // a preview is not a change of the text
        QSignalSpy unloaded(&window, &FontSettingsDialog::unloaded);
        QTest::keyClick(&window, Qt::Key_Escape);
        QCOMPARE(unloaded.count(), 1);

        FontSettingsDialog next(box, settings());
        QComboBox* sizes = list(&next, "cboFontSize");
        QCOMPARE(sizes->currentText(), "14"); // Cancel stored nothing
        QCOMPARE(sizes->itemText(0) + '-' + sizes->itemText(sizes->count() - 1), "8-16");
        list(&next, "cboFontName")->setEditText("DejaVu Serif");
        sizes->setEditText("large"); // not a number: the size stays
        const QString size = QString::number(box.document()->defaultFont().pointSizeF());
        next.show();
        next.findChild<QPushButton*>("cmdApply")->click();
        QCOMPARE(documentFont(box), "DejaVu Serif " + size);
        QCOMPARE(box.surface().selStart() + box.surface().selLength(), 0);
        QCOMPARE(IniFile::readValue("Font Settings", "FontSize", settings()), "large");
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
        f.type("x");
        QCOMPARE(documentFont(*f.box()), "DejaVu Serif 13");
        f.action("mnuOptions")->trigger();
        f.type("y"); // Cancel let the window go: the next change reads the stored choice
        QCOMPARE(modal.opened, QStringList({"FrmOptions", "FrmOptions"}));
        QCOMPARE(documentFont(*f.box()), "DejaVu Serif 13");
    }
};

QTEST_MAIN(TestFontSettings)
#include "tst_font_settings.moc"
