// The tips, about, splash and introduction windows: their topics, links and the box.
#include "EditorFixture.h"
#include "ModalScript.h"
#include "info/IntroductionWindow.h"
#include "info/SplashWindow.h"
#include "info/TipsWindow.h"
#include "platform/DesktopLinks.h"
#include "platform/Sites.h"
#include "settings/IniFile.h"
#include "settings/SettingsPaths.h"
#include "shell/PostEditorInfo.h"

#include <QApplication>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

QString labelText(const QWidget* window, const char* name) {
    return window->findChild<QLabel*>(name)->text();
}

void click(QWidget* window, const char* name) {
    QTest::mouseClick(window->findChild<QWidget*>(name), Qt::LeftButton);
}

// Moves the mouse over the named widget, or the window itself, and gives the link's colour.
QString colourAfterMove(QWidget* window, const char* over, const char* link) {
    QWidget* widget = over ? window->findChild<QWidget*>(over) : window;
    QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
    return window->findChild<QLabel*>(link)->palette().color(QPalette::WindowText).name();
}

// A work area that records the addresses handed to the system, and those meant for the
// forum browser instead of opening it.
struct LinkFixture : EditorFixture {
    LinkFixture() {
        DesktopLinks::setHandler([this](const QUrl& address) { system << address.toString(); });
        PostEditorInfo& info = workArea->info();
        QObject::disconnect(&info, &PostEditorInfo::forumPageRequested, nullptr, nullptr);
        QObject::connect(&info, &PostEditorInfo::forumPageRequested,
                         [this](const QString& address, bool maximised) {
                             forum << address + (maximised ? " maximised" : "");
                         });
    }
    ~LinkFixture() { DesktopLinks::setHandler({}); }
    QStringList system;
    QStringList forum;
};

} // namespace

class TestInfoWindows : public QObject {
    Q_OBJECT

private slots:
    void tipsShowTheChosenTopicAndStartAfreshAfterClosing() {
        EditorFixture f;
        QPointer<QDialog> tips = &f.workArea->info().tips();
        QVERIFY(tips->isHidden()); // loaded with the work area
        f.action("mnuTips")->trigger();
        QVERIFY(tips->isVisible() && !tips->isModal());
        auto* list = tips->findChild<QListWidget*>("TipsList");
        QCOMPARE(list->currentItem()->text() + '|' + labelText(tips, "Label2"),
                 "Bookmarking|Right Click on Web page");
        list->setCurrentItem(list->findItems("Custom Style", Qt::MatchExactly).value(0));
        QCOMPARE(tips->findChild<QPlainTextEdit*>("Text1")->blockCount(), 2); // CR LF
        QCOMPARE(labelText(tips, "Label2"), "CTRL+Y");
        list->setCurrentItem(list->findItems("Number/Bullet List", Qt::MatchExactly).value(0));
        QCOMPARE(labelText(tips, "Label2"), QString()); // a topic without a menu path
        tips->findChild<QPushButton*>("cmdClose")->click();
        QTRY_VERIFY(tips.isNull()); // unloaded
        f.action("mnuTips")->trigger();
        tips = &f.workArea->info().tips();
        QCOMPARE(tips->findChild<QListWidget*>("TipsList")->currentRow(), 0);
    }

    void aboutSplashAndIntroductionLinks() {
        LinkFixture f;
        ModalScript modal;
        QStringList seen;
        modal.steps << [&](QDialog& about) {
            about.show();
            seen << labelText(&about, "lblVersion")
                 << colourAfterMove(&about, "lblEmail", "lblEmail")
                 << colourAfterMove(&about, "Label2", "lblEmail") // a label is no background
                 << colourAfterMove(&about, nullptr, "lblEmail");
            click(&about, "lblEmail");
            seen << (about.isVisible() ? "open" : "closed");
            click(&about, "lblHandle");
        } << [&](QDialog& about) { click(&about, "lblWeb"); };
        modal.steps << [&](QDialog& about) {
            about.show();
            about.findChild<QPushButton*>("cmdOK")->click();
            seen << (about.isVisible() ? "open" : "closed");
        };
        for (int i = 0; i < 3; ++i)
            f.action("mnuHelpAbout")->trigger();
        const QString linkColour = QApplication::palette().color(QPalette::Link).name();
        QCOMPARE(seen, QStringList({"Version " QUILLET_VERSION, "#ff0000", "#ff0000", linkColour,
                                    "open", "closed"}));
        QCOMPARE(f.forum,
                 QStringList({QString(Sites::Forum) + "/userinfo.cfm?member=" + Sites::AuthorHandle,
                              QString(Sites::HomePage) + "/"}));

        SplashWindow splash(60000);
        splash.show();
        click(&splash, "lblEmail");
        click(&splash, "lblWeb");
        const QString mail = QString("mailto:") + Sites::AuthorMail;
        QCOMPARE(f.system, QStringList({mail, mail, Sites::HomePage}));
        splash.close(); // neither closing nor Escape ends it before its time
        QTest::keyClick(&splash, Qt::Key_Escape);
        QVERIFY(splash.isVisible());

        f.forum.clear();
        const QString settings = f.paths().settingsFile;
        IntroductionWindow& introduction = f.workArea->info().introduction();
        introduction.show();
        click(&introduction, "lblAbout"); // the about box opens over it, which stays
        QVERIFY(introduction.isVisible());
        QVERIFY(!QFile::exists(settings));

        int closed = 0;
        for (const char* link :
             {"lblFAQ1", "lblFAQ2", "lblFAQ3", "lblAdvSearch", "lblForum", "Command1"}) {
            modal.steps << [&, link](QDialog& window) {
                window.show();
                click(&window, link);
                closed += window.isHidden();
            };
            f.action("mnuFile")->trigger(); // File > Introduction, the menu's first item
        }
        QCOMPARE(modal.opened, QStringList(4, "frmAbout") + QStringList(6, "FrmStartup"));
        QCOMPARE(closed, 6); // each link, like OK, stores the box and closes
        QCOMPARE(IniFile::readValue("Startup Settings", "startup", settings), "0");
        const QString site = Sites::Forum;
        QCOMPARE(f.forum, QStringList({site + "/viewthread.cfm?qid=473997 maximised",
                                       site + "/faqs.cfm?pid=219&fid=2884",
                                       site + "/faqs.cfm?pid=222&fid=2244",
                                       site + "/search.cfm maximised", site + "/forumlist.cfm?"}));
    }
};

QTEST_MAIN(TestInfoWindows)
#include "tst_info_windows.moc"
