// The start of the program: splash, work area, then the introduction window or the frame,
// as the introduction's box in the settings file decides.
#include "ModalScript.h"
#include "ScriptedPrompter.h"
#include "info/IntroductionWindow.h"
#include "platform/ProgramEnd.h"
#include "platform/RichTextBox.h"
#include "platform/Sites.h"
#include "settings/IniFile.h"
#include "shell/MainFrame.h"
#include "shell/PostEditor.h"
#include "shell/PostEditorInfo.h"
#include "shell/PostEditorMenus.h"
#include "shell/Startup.h"

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

constexpr int kSplashMs = 60;

struct ForumRequest {
    QString address;
    bool maximised;
};

// One start of the program in a temporary folder, with its modal windows scripted.
struct ProgramStart {
    explicit ProgramStart(const QString& folder) {
        StartupOptions options;
        options.splashMilliseconds = kSplashMs;
        options.paths = {folder + "/Settings.ini", folder + "/CustomList.ini",
                         folder + "/recovery"};
        options.workAreaLoaded = [this](MainFrame&, PostEditor& workArea) {
            workArea.info().openInForumBrowser = [this](const QString& address, bool maximised) {
                forumRequests.append({address, maximised});
            };
        };
        startup = std::make_unique<Startup>(options);
        // The splash goes by itself once its time is up.
        modal.steps << [this](QDialog& splash) {
            QElapsedTimer shown;
            shown.start();
            QSignalSpy finished(&splash, &QDialog::finished);
            QTest::keyClick(&splash, Qt::Key_Escape); // does not cut it short
            QCOMPARE(finished.count(), 0);
            QVERIFY(finished.wait(2000));
            splashMs = shown.elapsed();
            workAreaBeforeSplashEnded = startup->workArea() != nullptr;
        };
    }

    void run(const ModalScript::Step& introduction = {}) {
        if (introduction)
            modal.steps << introduction;
        startup->run();
    }

    ModalScript modal;
    std::unique_ptr<Startup> startup;
    QList<ForumRequest> forumRequests;
    qint64 splashMs = -1;
    bool workAreaBeforeSplashEnded = true;
};

QCheckBox* box(QDialog& introduction) {
    return introduction.findChild<QCheckBox*>("chkStartUp");
}

void writeSettings(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestStartup : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    ScriptedPrompter m_prompter;
    QString settingsPath() const { return m_dir.filePath("Settings.ini"); }
    QString stored() const {
        return IniFile::readValue("Startup Settings", "startup", settingsPath());
    }

private slots:
    void initTestCase() {
        ProgramEnd::setHandler([] {});
    }
    void cleanupTestCase() { ProgramEnd::setHandler({}); }
    void init() { QFile::remove(settingsPath()); }

    void firstRunShowsIntroductionWithBoxClear() {
        ProgramStart start(m_dir.path());
        bool boxClear = false;
        bool frameHidden = false;
        start.run([&](QDialog& introduction) {
            boxClear = !box(introduction)->isChecked();
            frameHidden = !start.startup->frame()->isVisible();
            introduction.findChild<QPushButton*>("Command1")->click();
        });
        QCOMPARE(start.modal.opened, QStringList({"FrmFlash", "FrmStartup"}));
        QVERIFY(start.splashMs >= kSplashMs - 5);
        QVERIFY(!start.workAreaBeforeSplashEnded);
        QVERIFY(boxClear);
        QVERIFY(frameHidden);
        QVERIFY(start.startup->frame()->isVisible()); // shown by OK
        QCOMPARE(stored(), u"0"_s);                   // OK stores the clear box too
    }

    void tickedBoxAndOkSkipsIntroductionNextTime() {
        {
            ProgramStart start(m_dir.path());
            start.run([](QDialog& introduction) {
                box(introduction)->setChecked(true);
                introduction.findChild<QPushButton*>("Command1")->click();
            });
            QVERIFY(start.startup->frame()->isVisible());
        }
        QCOMPARE(IniFile::readValue("startup settings", "STARTUP", settingsPath()), u"1"_s);

        ProgramStart next(m_dir.path());
        next.run();
        QCOMPARE(next.modal.opened, QStringList({"FrmFlash"}));
        QVERIFY(next.startup->frame()->isVisible());
        // The font settings window is loaded, hidden, holding the font choice.
        QWidget* fontWindow = nullptr;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->objectName() == "FrmOptions")
                fontWindow = window;
        }
        QVERIFY(fontWindow);
        QVERIFY(fontWindow->isHidden());
        // The introduction stays loaded and hidden; the menu shows it with its box ticked.
        bool ticked = false;
        next.modal.steps << [&](QDialog& introduction) { ticked = box(introduction)->isChecked(); };
        next.startup->workArea()->menus().fileItem(0)->trigger();
        QCOMPARE(next.modal.opened.last(), u"FrmStartup"_s);
        QVERIFY(ticked);
    }

    void closingWithoutOkStoresNothing_data() {
        QTest::addColumn<bool>("byEscape");
        QTest::newRow("close box") << false;
        QTest::newRow("Escape") << true;
    }
    void closingWithoutOkStoresNothing() {
        QFETCH(bool, byEscape);
        {
            ProgramStart start(m_dir.path());
            start.run([&](QDialog& introduction) {
                introduction.show();
                box(introduction)->setChecked(true);
                if (byEscape)
                    QTest::keyClick(&introduction, Qt::Key_Escape);
                else
                    introduction.close();
            });
            QVERIFY(!QFile::exists(settingsPath()));
            // Unloading the introduction shows the work area in its frame all the same.
            QVERIFY(start.startup->frame()->isVisible());
            QVERIFY(start.startup->workArea()->isVisible());
        }
        ProgramStart next(m_dir.path());
        bool boxClear = false;
        next.run([&](QDialog& introduction) { boxClear = !box(introduction)->isChecked(); });
        QCOMPARE(next.modal.opened, QStringList({"FrmFlash", "FrmStartup"}));
        QVERIFY(boxClear);
    }

    void storedValueDecides_data() {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<bool>("introductionShown");
        QTest::newRow("0") << QByteArray("0") << true;
        QTest::newRow("1") << QByteArray("1") << false;
        QTest::newRow("not a number") << QByteArray("yes") << true;
        QTest::newRow("empty") << QByteArray("") << true;
        QTest::newRow("1.0") << QByteArray("1.0") << false;
    }
    void storedValueDecides() {
        QFETCH(QByteArray, value);
        QFETCH(bool, introductionShown);
        writeSettings(settingsPath(), "[Startup Settings]\r\nstartup=" + value + "\r\n");
        ProgramStart start(m_dir.path());
        start.run();
        QCOMPARE(start.modal.opened.contains("FrmStartup"), introductionShown);
    }

    void aLeftoverPostIsOfferedBeforeTheIntroduction() {
        QDir(m_dir.path()).mkpath("recovery");
        QFile copy(m_dir.filePath("recovery/draft-999999997.txt"));
        QVERIFY(copy.open(QIODevice::WriteOnly));
        copy.write("my lost post");
        copy.close();
        m_prompter.answers = {Prompter::Answer::Yes};
        ProgramStart start(m_dir.path());
        qsizetype askedBeforeIntroduction = -1;
        start.run([&](QDialog& introduction) {
            askedBeforeIntroduction = m_prompter.messages.size();
            introduction.reject();
        });
        QCOMPARE(askedBeforeIntroduction, 1);
        QCOMPARE(start.startup->workArea()->RichTextBox1->surface().text(), u"my lost post"_s);
        QVERIFY(!QFile::exists(copy.fileName()));
        m_prompter.messages.clear();
    }

    void advancedSearchStoresBoxAndOpensSearchMaximised() {
        ProgramStart start(m_dir.path());
        bool closed = false;
        start.run([&](QDialog& introduction) {
            introduction.show();
            box(introduction)->setChecked(true);
            auto* link = introduction.findChild<QWidget*>("lblAdvSearch");
            QTest::mouseClick(link, Qt::LeftButton);
            closed = !introduction.isVisible() && introduction.result() == QDialog::Accepted;
        });
        QVERIFY(closed);
        QCOMPARE(stored(), u"1"_s);
        QVERIFY(start.startup->frame()->isVisible());
        QCOMPARE(start.forumRequests.size(), 1);
        QCOMPARE(start.forumRequests[0].address, QString(Sites::Forum) + "/search.cfm");
        QVERIFY(start.forumRequests[0].maximised);
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
