// The informational windows: tips, about box, splash and introduction, opened from the
// work area's menus, with their texts, links and hover colours.
#include "EditorFixture.h"
#include "ModalScript.h"
#include "info/IntroductionWindow.h"
#include "info/LinkLabel.h"
#include "info/ProgramInfo.h"
#include "info/SplashWindow.h"
#include "platform/DesktopLinks.h"
#include "platform/Sites.h"
#include "settings/IniFile.h"
#include "shell/PostEditor.h"
#include "shell/PostEditorInfo.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

QDialog* topLevel(const char* name) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == name)
            return qobject_cast<QDialog*>(window);
    }
    return nullptr;
}

QString labelText(const QWidget* window, const char* name) {
    const auto* label = window->findChild<QLabel*>(name);
    return label ? label->text() : u"<no %1>"_s.arg(name);
}

void selectTopic(QDialog* tips, const QString& topic) {
    auto* list = tips->findChild<QListWidget*>("TipsList");
    list->setCurrentItem(list->findItems(topic, Qt::MatchExactly).value(0));
}

// The mouse moving over widget without a button down.
void moveOver(QWidget* widget, QPoint at = QPoint(3, 3)) {
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

struct ForumRequest {
    QString address;
    bool maximised;
};

// The work area's forum links are recorded instead of opening the forum browser.
void recordForumRequests(EditorFixture& f, QList<ForumRequest>& requests) {
    PostEditorInfo& info = f.workArea->info();
    QObject::disconnect(&info, &PostEditorInfo::forumPageRequested, nullptr, nullptr);
    QObject::connect(&info, &PostEditorInfo::forumPageRequested,
                     [&requests](const QString& address, bool maximised) {
                         requests.append({address, maximised});
                     });
}

// Records every address handed to the system while it lives.
struct ShellRecorder {
    ShellRecorder() {
        DesktopLinks::setHandler([this](const QUrl& address) { opened << address.toString(); });
    }
    ~ShellRecorder() { DesktopLinks::setHandler({}); }
    QStringList opened;
};

} // namespace

class TestInfoWindows : public QObject {
    Q_OBJECT

private slots:
    // Tips

    void tipsLoadedHiddenAndShownNotModal() {
        EditorFixture f;
        ModalScript modal;
        QDialog* tips = topLevel("frmTips");
        QVERIFY(tips);
        QVERIFY(tips->isHidden());
        f.action("mnuTips")->trigger();
        QVERIFY(tips->isVisible());
        QVERIFY(!tips->isModal());
        QVERIFY(modal.opened.isEmpty());
        QCOMPARE(f.action("mnuTips")->text(), u"Help && Tips"_s);
    }

    void tipsOpenSortedOnBookmarking() {
        EditorFixture f;
        f.action("mnuTips")->trigger();
        QDialog* tips = topLevel("frmTips");
        auto* list = tips->findChild<QListWidget*>("TipsList");
        QStringList titles;
        for (int row = 0; row < list->count(); ++row)
            titles << list->item(row)->text();
        QCOMPARE(titles, QStringList({"Bookmarking", "Copy URL", "Custom Style", "Custom Text",
                                      "Font Setting", "Image Link", "Introduction",
                                      "Irregular tags", "Number/Bullet List", "Smiley",
                                      "Spell & Grammar Check", "Web Page Link"}));
        QCOMPARE(list->currentRow(), 0);
        QCOMPARE(
            tips->findChild<QPlainTextEdit*>("Text1")->toPlainText(),
            u"Bookmark the page that you currently viewing. Tested only in Internet Explorer"_s);
        QCOMPARE(labelText(tips, "Label2"), u"Right Click on Web page"_s);
        QCOMPARE(labelText(tips, "Label1"), u"Select a topic from the list"_s);
        QCOMPARE(labelText(tips, "Label3"), u"Menu / ShortCut Key"_s);
    }

    void tipsShowTheSelectedTopic() {
        EditorFixture f;
        f.action("mnuTips")->trigger();
        QDialog* tips = topLevel("frmTips");
        auto* text = tips->findChild<QPlainTextEdit*>("Text1");

        selectTopic(tips, "Custom Style");
        QCOMPARE(text->document()->blockCount(), 2);
        QCOMPARE(text->toPlainText(), u"You can store your custom styles for easy use.\n"
                                      "Define a style & click [Add to Custom Style button]"_s);
        QCOMPARE(labelText(tips, "Label2"), u"CTRL+Y"_s);

        // Topics without a menu path empty the label left by the one before.
        for (const QString& topic : {u"Smiley"_s, u"Number/Bullet List"_s}) {
            selectTopic(tips, "Introduction");
            QCOMPARE(labelText(tips, "Label2"), u"File> Itroduction"_s);
            selectTopic(tips, topic);
            QCOMPARE(labelText(tips, "Label2"), QString());
        }
        QVERIFY(text->toPlainText().startsWith(u"You can add sub items to the list"_s));

        // Moving through the list with the keyboard changes the tip as well.
        auto* list = tips->findChild<QListWidget*>("TipsList");
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->currentItem()->text(), u"Smiley"_s);
        QVERIFY(text->toPlainText().startsWith(u"Add color in your post"_s));
    }

    void tipsClosedByCloseOrEscapeStartAfresh_data() {
        QTest::addColumn<bool>("byEscape");
        QTest::newRow("Close") << false;
        QTest::newRow("Escape") << true;
    }
    void tipsClosedByCloseOrEscapeStartAfresh() {
        QFETCH(bool, byEscape);
        EditorFixture f;
        f.action("mnuTips")->trigger();
        QPointer<QDialog> tips = topLevel("frmTips");
        selectTopic(tips, "Web Page Link");
        if (byEscape)
            QTest::keyClick(tips->findChild<QListWidget*>("TipsList"), Qt::Key_Escape);
        else
            tips->findChild<QPushButton*>("cmdClose")->click();
        QVERIFY(tips->isHidden());
        QTRY_VERIFY(tips.isNull()); // unloaded

        f.action("mnuTips")->trigger();
        QDialog* again = topLevel("frmTips");
        QVERIFY(again && again->isVisible());
        QCOMPARE(again->findChild<QListWidget*>("TipsList")->currentItem()->text(),
                 u"Bookmarking"_s);
    }

    // About box

    void versionTextFromProgramVersion() {
        QCOMPARE(ProgramInfo::versionText(), u"Version " QUILLET_VERSION ""_s);
        QCOMPARE(ProgramInfo::versionText(2, 10, 0), u"Version 2.10.0"_s);
    }

    void aboutBoxTexts() {
        EditorFixture f;
        ModalScript modal;
        QString version, disclaimer, resolution, title, caption;
        modal.steps << [&](QDialog& about) {
            caption = about.windowTitle();
            title = labelText(&about, "lblTitle");
            version = labelText(&about, "lblVersion");
            disclaimer = labelText(&about, "lblDisclaimer");
            resolution = labelText(&about, "Label2");
        };
        f.action("mnuHelpAbout")->trigger();
        QCOMPARE(modal.opened, QStringList({"frmAbout"}));
        QCOMPARE(caption, u"About Quillet"_s);
        QCOMPARE(title, u"Vornet Forum Quillet utility"_s);
        QCOMPARE(version, ProgramInfo::versionText());
        QCOMPARE(resolution, u"Screen resolution must be 1024 X 768 or higher"_s);
        QCOMPARE(disclaimer,
                 u" Vornet forum is directly or indirectly NOT connected  building of this "
                 "program. This has been programmed in my own interest; and should be used at "
                 "your own risk. Neither Vornet forums or my self is responsible for any loss or "
                 "damage occures to you by using this application."_s);
    }

    void aboutBoxClosesOnOkAndEscape() {
        EditorFixture f;
        ModalScript modal;
        bool closedByOk = false, closedByEscape = false;
        modal.steps << [&](QDialog& about) {
            about.show();
            about.findChild<QPushButton*>("cmdOK")->click();
            closedByOk = about.isHidden();
        } << [&](QDialog& about) {
            about.show();
            QTest::keyClick(&about, Qt::Key_Escape);
            closedByEscape = about.isHidden();
        };
        f.action("mnuHelpAbout")->trigger();
        f.action("mnuHelpAbout")->trigger();
        QVERIFY(closedByOk);
        QVERIFY(closedByEscape);
    }

    void aboutBoxLinks_data() {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<QString>("forumAddress"); // empty: handed to the system instead
        QTest::addColumn<QString>("systemAddress");
        QTest::newRow("handle") << "lblHandle"
                                << "Click to see my handle in Vornet"
                                << QString(Sites::Forum) +
                                       "/userinfo.cfm?member=" + Sites::AuthorHandle
                                << QString();
        QTest::newRow("home page")
            << "lblWeb"
            << "Visit my Home Page" << QString(Sites::HomePage) + "/" << QString();
        QTest::newRow("mail") << "lblEmail"
                              << "Send a mail to me" << QString()
                              << QString("mailto:") + Sites::AuthorMail;
    }
    void aboutBoxLinks() {
        QFETCH(QString, link);
        QFETCH(QString, toolTip);
        QFETCH(QString, forumAddress);
        QFETCH(QString, systemAddress);
        EditorFixture f;
        ShellRecorder shell;
        QList<ForumRequest> requests;
        recordForumRequests(f, requests);
        ModalScript modal;
        bool stillOpen = false;
        QString tip;
        modal.steps << [&](QDialog& about) {
            about.show();
            auto* label = about.findChild<QLabel*>(link);
            tip = label->toolTip();
            QTest::mouseClick(label, Qt::LeftButton);
            stillOpen = about.isVisible();
        };
        f.action("mnuHelpAbout")->trigger();
        QCOMPARE(tip, toolTip);
        if (forumAddress.isEmpty()) {
            QVERIFY(stillOpen);
            QCOMPARE(shell.opened, QStringList({systemAddress}));
            QVERIFY(requests.isEmpty());
        } else {
            QVERIFY(!stillOpen);
            QCOMPARE(requests.size(), 1);
            QCOMPARE(requests[0].address, forumAddress);
            QVERIFY(!requests[0].maximised);
            QVERIFY(shell.opened.isEmpty());
        }
    }

    void linksTurnRedOverThemAndBlackOverBackground() {
        EditorFixture f;
        ModalScript modal;
        QList<QColor> seen;
        modal.steps << [&](QDialog& about) {
            about.show();
            QVERIFY(QTest::qWaitForWindowExposed(&about));
            auto* handle = about.findChild<LinkLabel*>("lblHandle");
            auto* mail = about.findChild<LinkLabel*>("lblEmail");
            moveOver(handle);
            moveOver(mail);
            seen << handle->textColour() << mail->textColour();
            // A plain label is not the background: the links keep their colour.
            moveOver(about.findChild<QLabel*>("Label2"));
            seen << handle->textColour() << mail->textColour();
            moveOver(&about, QPoint(2, 2));
            seen << handle->textColour() << mail->textColour();
            QCOMPARE(handle->cursor().shape(), Qt::PointingHandCursor);
            QCOMPARE(about.findChild<QPushButton*>("cmdOK")->cursor().shape(),
                     Qt::PointingHandCursor);
        };
        f.action("mnuHelpAbout")->trigger();
        const QColor red(255, 0, 0), black(0, 0, 0);
        QCOMPARE(seen, QList<QColor>({red, red, red, red, black, black}));
    }

    // Splash

    void splashTextsAndLinks() {
        ShellRecorder shell;
        SplashWindow splash(60000);
        QCOMPARE(splash.windowTitle(), QString());
        QCOMPARE(labelText(&splash, "lblTitle"), u"Vornet Forum Quillet utility"_s);
        QCOMPARE(labelText(&splash, "lblDevelop"), u"Developed by"_s);
        QCOMPARE(labelText(&splash, "Label1"), QString(Sites::AuthorName));
        QCOMPARE(labelText(&splash, "lblVersion"), ProgramInfo::versionText());
        QCOMPARE(labelText(&splash, "lblDisclaimer"), u" Please read About Box for more details"_s);
        auto* mail = splash.findChild<LinkLabel*>("lblEmail");
        auto* web = splash.findChild<QLabel*>("lblWeb");
        QCOMPARE(mail->toolTip(), u"Send mail to author"_s);
        QCOMPARE(web->toolTip(), u"Visit Author Home Page"_s);
        splash.show();
        moveOver(mail);
        QCOMPARE(mail->textColour(), LinkLabel::hoverColour());
        moveOver(splash.findChild<QWidget*>("Shape1"));
        QCOMPARE(mail->textColour(), LinkLabel::restColour());
        QTest::mouseClick(mail, Qt::LeftButton);
        QTest::mouseClick(web, Qt::LeftButton);
        QCOMPARE(shell.opened, QStringList({u"mailto:"_s + Sites::AuthorMail, Sites::HomePage}));
        splash.close(); // neither closing nor Escape ends it before its time
        QTest::keyClick(&splash, Qt::Key_Escape);
        QVERIFY(splash.isVisible());
    }

    // Introduction

    void introductionRowsInOrder() {
        EditorFixture f;
        IntroductionWindow& introduction = f.workArea->info().introduction();
        introduction.layout()->activate();
        QCOMPARE(introduction.windowTitle(), u"Introduction"_s);
        QCOMPARE(labelText(&introduction, "lblTitle"), u"Welcome to Vornet Forums Quillet"_s);
        const QStringList rows = {
            "Before you start please read",
            "Please read",
            "Do an Advanced Search    before you start a new Question",
            "Or prepare to post a new question if you are not satisfied",
            "Choose an appropriate             to post your question.",
            "Check the FAQ area of the forum to reconfirm.",
            "Use a descriptive heading to the post",
            "Don't use words like HELP, URGENT, HELP ME PLEASE etc.. etc..",
            "Describe your problem breifly.",
            "Keep the question as short as possible.",
            "Wait for sometime (may be a day or more) to get a reply.",
            "You may get a reply within minutes or after many days.",
            "Follow up the thread with your replies and findings",
            "Don't use disrespectful language ever",
            "Thank those replied to your thread.",
            "Give a STAR to confirm the reply was helpful to solve your problem",
            "Finally, try to help others with what you know.",
        };
        int lastTop = -1;
        for (int number = 1; number <= rows.size(); ++number) {
            const auto* row = introduction.findChild<QLabel*>(u"lblRow%1"_s.arg(number));
            QVERIFY(row);
            QCOMPARE(row->text(), rows[number - 1]);
            const int top = row->mapTo(&introduction, QPoint()).y();
            QVERIFY2(top > lastTop, qPrintable(row->text())); // on screen in this order
            lastTop = top;
            const bool bullet = QList<int>({2, 3, 5, 7, 9, 11, 13, 15, 17}).contains(number);
            const auto* mark = introduction.findChild<QLabel*>(u"lblBullet%1"_s.arg(number));
            QCOMPARE(mark != nullptr, bullet);
            if (mark)
                QCOMPARE(mark->text(), u"*"_s);
        }
        auto* box = introduction.findChild<QCheckBox*>("chkStartUp");
        QCOMPARE(box->text(), u"Don't show this screen at startup "_s);
        auto* ok = introduction.findChild<QPushButton*>("Command1");
        QCOMPARE(ok->text(), u"OK"_s);
        QCOMPARE(ok->toolTip(), u"Close screen"_s);
    }

    void introductionForumLinks_data() {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("maximised");
        // An empty tip stands for an FAQ's: "Click to read " + its caption (the handle) + "'s FAQ".
        QTest::newRow("FAQ 1") << "lblFAQ1"
                               << ""
                               << "/viewthread.cfm?qid=473997" << true;
        QTest::newRow("FAQ 2") << "lblFAQ2"
                               << ""
                               << "/faqs.cfm?pid=219&fid=2884" << false;
        QTest::newRow("FAQ 3") << "lblFAQ3"
                               << ""
                               << "/faqs.cfm?pid=222&fid=2244" << false;
        QTest::newRow("search") << "lblAdvSearch"
                                << "Click to do an Advanced Search in Vornet"
                                << "/search.cfm" << true;
        QTest::newRow("forums") << "lblForum"
                                << "Click to see list of  forums in Vornet"
                                << "/forumlist.cfm?" << false;
    }
    void introductionForumLinks() {
        QFETCH(QString, link);
        QFETCH(QString, toolTip);
        QFETCH(QString, path);
        QFETCH(bool, maximised);
        EditorFixture f;
        QList<ForumRequest> requests;
        recordForumRequests(f, requests);
        ModalScript modal;
        QString tip, caption;
        bool closed = false;
        modal.steps << [&](QDialog& introduction) {
            introduction.show();
            auto* label = introduction.findChild<QLabel*>(link);
            tip = label->toolTip();
            caption = label->text();
            QTest::mouseClick(label, Qt::LeftButton);
            closed = introduction.isHidden();
        };
        f.action("mnuFile")->trigger(); // File > Introduction, the menu's first item
        QCOMPARE(modal.opened, QStringList({"FrmStartup"}));
        if (toolTip.isEmpty()) // an FAQ: captioned with its author's handle
            toolTip = u"Click to read "_s + caption + u"'s FAQ"_s;
        QCOMPARE(tip, toolTip);
        QVERIFY(closed);
        QCOMPARE(IniFile::readValue("Startup Settings", "startup", f.paths().settingsFile), u"0"_s);
        QCOMPARE(requests.size(), 1);
        QCOMPARE(requests[0].address, QString(Sites::Forum) + path);
        QCOMPARE(requests[0].maximised, maximised);
    }

    void introductionAboutLinkKeepsItOpen() {
        EditorFixture f;
        ModalScript modal;
        bool stillOpen = false;
        QString tip;
        modal.steps << [&](QDialog& introduction) {
            introduction.show();
            auto* about = introduction.findChild<QLabel*>("lblAbout");
            tip = about->toolTip();
            QTest::mouseClick(about, Qt::LeftButton);
            stillOpen = introduction.isVisible();
        };
        f.workArea->info().showIntroduction();
        QCOMPARE(modal.opened, QStringList({"FrmStartup", "frmAbout"}));
        QCOMPARE(tip, u"Click to read About Box"_s);
        QVERIFY(stillOpen);
        QVERIFY(!QFile::exists(f.paths().settingsFile));
    }
};

QTEST_MAIN(TestInfoWindows)
#include "tst_info_windows.moc"
