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

#include <QCheckBox>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// One start of the program in a folder, with its modal windows scripted: the splash goes
// by itself, then the introduction, if shown, is handed to the given step. Forum pages are
// recorded instead of opened.
struct ProgramStart {
    explicit ProgramStart(const QString& folder, const ModalScript::Step& introduction = {}) {
        StartupOptions options;
        options.splashMilliseconds = 100;
        options.paths = {folder + "/Settings.ini", folder + "/CustomList.ini",
                         folder + "/recovery"};
        options.workAreaLoaded = [this](MainFrame&, PostEditor& workArea) {
            QObject::disconnect(&workArea.info(), nullptr, &workArea, nullptr);
            QObject::connect(&workArea.info(), &PostEditorInfo::forumPageRequested,
                             [this](const QString& address, bool maximised) {
                                 forumRequests << address + (maximised ? " maximised" : "");
                             });
        };
        startup = std::make_unique<Startup>(options);
        modal.steps << [this](QDialog& splash) {
            QSignalSpy finished(&splash, &QDialog::finished);
            QTest::keyClick(&splash, Qt::Key_Escape); // does not cut it short
            QVERIFY(!finished.wait(50) && finished.wait(2000));
            QVERIFY(!startup->workArea()); // the work area loads when the splash has gone
        };
        if (introduction)
            modal.steps << introduction;
        startup->run();
    }
    bool shown() const { return startup->frame()->isVisible() && startup->workArea()->isVisible(); }

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

    // Ticked and OK: the next start goes straight to the frame, with the font settings
    // window loaded hidden.
    void okStoresTheBoxForTheNextStart() {
        bool boxClear = false, frameHidden = false;
        ProgramStart first(m_dir.path(), [&](QDialog& introduction) {
            boxClear = !startUpBox(introduction)->isChecked();
            frameHidden = !first.startup->frame()->isVisible();
            startUpBox(introduction)->setChecked(true);
            introduction.findChild<QPushButton*>("Command1")->click();
        });
        QCOMPARE(first.modal.opened, QStringList({"FrmFlash", "FrmStartup"}));
        QVERIFY(boxClear && frameHidden && first.shown());
        QCOMPARE(stored(), "1");

        ProgramStart next(m_dir.path());
        QCOMPARE(next.modal.opened, QStringList({"FrmFlash"}));
        QVERIFY(next.shown());
        const QWidgetList windows = QApplication::topLevelWidgets();
        QVERIFY(std::any_of(windows.begin(), windows.end(), [](QWidget* window) {
            return window->objectName() == "FrmOptions" && window->isHidden();
        }));
    }

    // A forum link stores the box like OK; the close box and Escape store nothing. Either
    // way the work area shows in its frame.
    void closingTheIntroduction() {
        for (const QString how : {"close", "Escape", "lblAdvSearch"}) {
            QFile::remove(settingsPath());
            ProgramStart start(m_dir.path(), [&](QDialog& introduction) {
                introduction.show();
                startUpBox(introduction)->setChecked(true);
                if (how == "close")
                    introduction.close();
                else if (how == "Escape")
                    QTest::keyClick(&introduction, Qt::Key_Escape);
                else
                    QTest::mouseClick(introduction.findChild<QWidget*>(how), Qt::LeftButton);
                QVERIFY(!introduction.isVisible());
            });
            QVERIFY(start.shown());
            const bool link = how == "lblAdvSearch";
            QCOMPARE(stored(), link ? "1" : "");
            QCOMPARE(start.forumRequests,
                     link ? QStringList{Sites::Forum + QString("/search.cfm maximised")}
                          : QStringList());
        }
    }

    void theStoredValueDecides() {
        for (const auto& [value, introductionShown] :
             {std::pair("0", true), {"1", false}, {"yes", true}, {"", true}, {"1.0", false}}) {
            writeFile(settingsPath(), "[Startup Settings]\r\nstartup=" + QByteArray(value));
            QCOMPARE(ProgramStart(m_dir.path()).modal.opened.contains("FrmStartup"),
                     introductionShown);
        }
    }

    void aLeftoverPostIsOfferedBeforeTheIntroduction() {
        QDir(m_dir.path()).mkpath("recovery");
        const QString copy = m_dir.filePath("recovery/draft-999999997.txt");
        writeFile(copy, "my lost post");
        m_prompter.answers = {Prompter::Answer::Yes};
        qsizetype askedBeforeIntroduction = -1;
        ProgramStart start(m_dir.path(), [&](QDialog& introduction) {
            askedBeforeIntroduction = m_prompter.messages.size();
            introduction.reject();
        });
        QCOMPARE(askedBeforeIntroduction, 1);
        QCOMPARE(start.startup->workArea()->post().editor().surface().text(), "my lost post");
        QVERIFY(!QFile::exists(copy));
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
