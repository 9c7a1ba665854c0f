// The start of the program, up to the first window the user works in.
#include "ModalScript.h"
#include "ScriptedPrompter.h"
#include "TestFiles.h"
#include "platform/ProgramEnd.h"
#include "platform/RichTextBox.h"
#include "post/Post.h"
#include "settings/IniFile.h"
#include "shell/DraftRecovery.h"
#include "shell/MainFrame.h"
#include "shell/PostEditor.h"
#include "shell/Startup.h"

#include <QCheckBox>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// One start of the program in a folder, with its modal windows scripted: the splash goes
// by itself, then the introduction, if shown, is handed to the given step.
struct ProgramStart {
    explicit ProgramStart(const QString& folder, const ModalScript::Step& introduction = {})
        : startup({kSplashMilliseconds,
                   {folder + "/Settings.ini", folder + "/CustomList.ini", folder + "/recovery"},
                   {}}) {
        modal.steps << [this](QDialog& splash) {
            // The splash stays its time, measured from the start so that a slow machine
            // showing it late cannot fail the check (its coarse timer may be 5 % early).
            QSignalSpy finished(&splash, &QDialog::finished);
            QVERIFY(finished.wait(2000));
            QVERIFY(sinceStart.elapsed() >= kSplashMilliseconds * 9 / 10);
            QVERIFY(!startup.workArea()); // the work area loads when the splash has gone
        };
        if (introduction)
            modal.steps << introduction;
        sinceStart.start();
        startup.run();
    }
    bool shown() const { return startup.frame()->isVisible() && startup.workArea()->isVisible(); }

    static constexpr int kSplashMilliseconds = 100;
    QElapsedTimer sinceStart;
    ModalScript modal;
    Startup startup;
};

QCheckBox* startUpBox(QDialog& introduction) {
    return introduction.findChild<QCheckBox*>("chkStartUp");
}

} // namespace

class TestStartup : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    ScriptedPrompter m_prompter;
    QString stored() const {
        return IniFile::readValue("startup settings", "STARTUP", m_dir.filePath("Settings.ini"));
    }

private slots:
    void initTestCase() {
        ProgramEnd::setHandler([] {});
    }
    void cleanupTestCase() { ProgramEnd::setHandler({}); }
    void init() { QFile::remove(m_dir.filePath("Settings.ini")); }

    // Ticked and OK: the next start goes straight to the frame, with the font settings
    // window loaded hidden.
    void okStoresTheBoxForTheNextStart() {
        bool boxClear = false, frameHidden = false, programIcon = false;
        ProgramStart first(m_dir.path(), [&](QDialog& introduction) {
            boxClear = !startUpBox(introduction)->isChecked();
            frameHidden = !first.startup.frame()->isVisible();
            programIcon = !QApplication::windowIcon().isNull(); // shown by every window
            startUpBox(introduction)->setChecked(true);
            introduction.findChild<QPushButton*>("Command1")->click();
        });
        QCOMPARE(first.modal.opened, QStringList({"FrmFlash", "FrmStartup"}));
        QVERIFY(boxClear && frameHidden && programIcon && first.shown());
        QCOMPARE(stored(), "1");

        ProgramStart next(m_dir.path());
        QCOMPARE(next.modal.opened, QStringList({"FrmFlash"}));
        QVERIFY(next.shown());
        // Drawn from the program's own pictures alone: no picture file is read, so no
        // image-format plugin is loaded.
        next.startup.frame()->grab();
        QFile maps("/proc/self/maps");
        QVERIFY(maps.open(QIODevice::ReadOnly) && !maps.readAll().contains("/imageformats/"));
        const QWidgetList windows = QApplication::topLevelWidgets();
        QVERIFY(std::any_of(windows.begin(), windows.end(), [](QWidget* window) {
            return window->objectName() == "FrmOptions" && window->isHidden();
        }));
    }

    // A post left behind is offered before the introduction. Escape, like the close box,
    // stores nothing; the work area shows in its frame anyway.
    void aLeftoverPostComesBeforeTheIntroduction() {
        QDir(m_dir.path()).mkpath("recovery");
        const QString copy = m_dir.filePath("recovery/draft-999999997.txt");
        writeFile(copy, "my lost post");
        m_prompter.answers = {Prompter::Answer::Yes};
        qsizetype askedBeforeIntroduction = -1;
        ProgramStart start(m_dir.path(), [&](QDialog& introduction) {
            askedBeforeIntroduction = m_prompter.messages.size();
            introduction.show();
            startUpBox(introduction)->setChecked(true);
            QTest::keyClick(&introduction, Qt::Key_Escape);
            QVERIFY(!introduction.isVisible());
        });
        QCOMPARE(askedBeforeIntroduction, 1);
        QCOMPARE(start.startup.workArea()->post().editor().surface().text(), "my lost post");
        QVERIFY(QFile::exists(copy)); // until the post's own copy is written
        start.startup.workArea()->recovery().writeIfDue();
        QVERIFY(!QFile::exists(copy));
        QVERIFY(start.shown());
        QCOMPARE(stored(), "");
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
