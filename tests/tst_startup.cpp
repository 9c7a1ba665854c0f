// The start of the program: splash, work area, then the introduction window or the frame,
// as the introduction's box in the settings file decides.
#include "ModalScript.h"
#include "ScriptedPrompter.h"
#include "TestFiles.h"
#include "platform/ProgramEnd.h"
#include "platform/RichTextBox.h"
#include "platform/Sites.h"
#include "post/Post.h"
#include "settings/IniFile.h"
#include "shell/MainFrame.h"
#include "shell/PostEditor.h"
#include "shell/PostEditorInfo.h"
#include "shell/Startup.h"

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr int kSplashMs = 60;

// One start of the program in a folder, with its modal windows scripted: the splash goes
// by itself, then the introduction, if shown, is handed to the given step.
struct ProgramStart {
    explicit ProgramStart(const QString& folder, const ModalScript::Step& introduction = {}) {
        StartupOptions options;
        options.splashMilliseconds = kSplashMs;
        options.paths = {folder + "/Settings.ini", folder + "/CustomList.ini",
                         folder + "/recovery"};
        // Forum pages are recorded instead of opened.
        options.workAreaLoaded = [this](MainFrame&, PostEditor& workArea) {
            QObject::disconnect(&workArea.info(), nullptr, &workArea, nullptr);
            QObject::connect(&workArea.info(), &PostEditorInfo::forumPageRequested,
                             [this](const QString& address, bool maximised) {
                                 forumRequests << address + (maximised ? " maximised" : "");
                             });
        };
        startup = std::make_unique<Startup>(options);
        modal.steps << [this](QDialog& splash) {
            QElapsedTimer shown;
            shown.start();
            QSignalSpy finished(&splash, &QDialog::finished);
            QTest::keyClick(&splash, Qt::Key_Escape); // does not cut it short
            QCOMPARE(finished.count(), 0);
            QVERIFY(finished.wait(2000));
            QVERIFY(shown.elapsed() >= kSplashMs - 5);
            QVERIFY(!startup->workArea()); // the work area loads when the splash has gone
        };
        if (introduction)
            modal.steps << introduction;
        startup->run();
    }
    bool frameShown() const { return startup->frame()->isVisible(); }

    ModalScript modal;
    std::unique_ptr<Startup> startup;
    QStringList forumRequests;
};

QCheckBox* startUpBox(QDialog& introduction) {
    return introduction.findChild<QCheckBox*>("chkStartUp");
}

} // namespace

class TestStartup : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    ScriptedPrompter m_prompter;
    QString settingsPath() const { return m_dir.filePath("Settings.ini"); }
    QString stored() const {
        return IniFile::readValue("startup settings", "STARTUP", settingsPath());
    }

private slots:
    void initTestCase() {
        ProgramEnd::setHandler([] {});
    }
    void cleanupTestCase() { ProgramEnd::setHandler({}); }
    void init() { QFile::remove(settingsPath()); }

    // OK stores the box either way; ticked, the next start goes straight to the frame with
    // the font settings window loaded hidden, and the menu still shows the introduction.
    void okStoresTheBoxForTheNextStart() {
        bool boxClear = false, frameHidden = false;
        ProgramStart first(m_dir.path(), [&](QDialog& introduction) {
            boxClear = !startUpBox(introduction)->isChecked();
            frameHidden = !first.frameShown();
            startUpBox(introduction)->setChecked(true);
            introduction.findChild<QPushButton*>("Command1")->click();
        });
        QCOMPARE(first.modal.opened, QStringList({"FrmFlash", "FrmStartup"}));
        QVERIFY(boxClear && frameHidden);
        QVERIFY(first.frameShown());
        QCOMPARE(stored(), "1");

        ProgramStart next(m_dir.path());
        QCOMPARE(next.modal.opened, QStringList({"FrmFlash"}));
        QVERIFY(next.frameShown());
        const QWidgetList windows = QApplication::topLevelWidgets();
        QVERIFY(std::any_of(windows.begin(), windows.end(), [](QWidget* window) {
            return window->objectName() == "FrmOptions" && window->isHidden();
        }));
        bool ticked = false;
        next.modal.steps <<
            [&](QDialog& introduction) { ticked = startUpBox(introduction)->isChecked(); };
        // The first File item, Introduction.
        next.startup->workArea()->findChild<QAction*>("mnuFile")->trigger();
        QCOMPARE(next.modal.opened.last(), "FrmStartup");
        QVERIFY(ticked);
    }

    // The close box or Escape: nothing is stored, and the work area shows all the same.
    void closingWithoutOkStoresNothing() {
        for (const bool byEscape : {false, true}) {
            ProgramStart start(m_dir.path(), [&](QDialog& introduction) {
                introduction.show();
                startUpBox(introduction)->setChecked(true);
                if (byEscape)
                    QTest::keyClick(&introduction, Qt::Key_Escape);
                else
                    introduction.close();
            });
            QVERIFY(!QFile::exists(settingsPath()));
            QVERIFY(start.frameShown() && start.startup->workArea()->isVisible());
        }
    }

    void storedValueDecides() {
        for (const auto& [value, introductionShown] :
             {std::pair("0", true), {"1", false}, {"yes", true}, {"", true}, {"1.0", false}}) {
            writeFile(settingsPath(),
                      "[Startup Settings]\r\nstartup=" + QByteArray(value) + "\r\n");
            ProgramStart start(m_dir.path());
            QCOMPARE(start.modal.opened.contains("FrmStartup"), introductionShown);
        }
    }

    void aLeftoverPostIsOfferedBeforeTheIntroduction() {
        QDir(m_dir.path()).mkpath("recovery");
        const QString copy = m_dir.filePath("recovery/draft-999999997.txt");
        writeFile(copy, "my lost post");
        m_prompter.answers = {Prompter::Answer::Yes};
        m_prompter.messages.clear();
        qsizetype askedBeforeIntroduction = -1;
        ProgramStart start(m_dir.path(), [&](QDialog& introduction) {
            askedBeforeIntroduction = m_prompter.messages.size();
            introduction.reject();
        });
        QCOMPARE(askedBeforeIntroduction, 1);
        QCOMPARE(start.startup->workArea()->post().editor().surface().text(), "my lost post");
        QVERIFY(!QFile::exists(copy));
    }

    void advancedSearchStoresTheBoxAndOpensTheSearchMaximised() {
        bool closed = false;
        ProgramStart start(m_dir.path(), [&](QDialog& introduction) {
            introduction.show();
            startUpBox(introduction)->setChecked(true);
            QTest::mouseClick(introduction.findChild<QWidget*>("lblAdvSearch"), Qt::LeftButton);
            closed = !introduction.isVisible() && introduction.result() == QDialog::Accepted;
        });
        QVERIFY(closed && start.frameShown());
        QCOMPARE(stored(), "1");
        QCOMPARE(start.forumRequests, QStringList{QString(Sites::Forum) + "/search.cfm maximised"});
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
