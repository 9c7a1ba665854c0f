#include "WindowWalker.h"

#include "EditorFixture.h"
#include "LocalWebServer.h"
#include "ModalScript.h"
#include "info/IntroductionWindow.h"
#include "info/SplashWindow.h"
#include "info/TipsWindow.h"
#include "markup/PreviewWindow.h"
#include "services/BrowserWindows.h"
#include "services/Dictionary.h"
#include "services/IgnoredWords.h"
#include "services/SpellingDialog.h"
#include "services/WaitWindow.h"
#include "shell/PostEditorBrowsers.h"
#include "shell/PostEditorInfo.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

int walkWindows(const std::function<void(QWidget&)>& visit) {
    int count = 0;
    auto show = [&](QWidget& window) {
        window.show();
        QCoreApplication::processEvents();
        visit(window);
        ++count;
    };
    FrameFixture f;
    for (const char* page : {"cmdStyle", "cmdSmiley", "cmdList"}) {
        f.child<QPushButton>(page)->click();
        show(f.frame);
    }
    ModalScript modal;
    modal.steps = QList<ModalScript::Step>(10, [&](QDialog& window) {
        show(window);
        QTest::keyClick(&window, Qt::Key_Escape);
    });
    f.child<QCheckBox>("chkBold")->setChecked(true); // a style to name with cmdPreset
    for (const char* item : {"mnuOptions", "mnuImage", "mnuLink", "mnuIrregualr", "mnuPreSet",
                             "mnuHelpAbout", "mnuRecover", "mnuLengthLimit"})
        f.workArea->findChild<QAction*>(item)->trigger();
    for (const char* button : {"cmdCtext", "cmdPreset"})
        f.child<QPushButton>(button)->click();
    // The spelling window on a word it does not know, and the wait window before a check.
    struct OneWord : Dictionary {
        bool knows(const QString& word) const override { return word == u"cat"; }
        QStringList suggestions(const QString&) const override { return {"The", "Tea"}; }
        void add(const QString&) override {}
    } dictionary;
    IgnoredWords ignored;
    QTimer poll; // the spelling window runs its own event loop: visited once "Teh" is on show
    poll.callOnTimeout([&] {
        auto* spelling = qobject_cast<SpellingDialog*>(QApplication::activeModalWidget());
        if (spelling && !spelling->findChild<QLabel*>("lblProblem")->text().isEmpty()) {
            poll.stop();
            show(*spelling);
            spelling->reject();
        }
    });
    poll.start(1);
    SpellingDialog("Teh cat", dictionary, ignored, ProblemFinder::Mode::Spelling, &f.frame).run();
    WaitWindow wait(&f.frame);
    show(wait);
    f.workArea->findChild<QAction*>("mnuReplace")->trigger(); // the find bar, with replace
    show(f.frame);
    f.workArea->findChild<QAction*>("mnuPreview")->trigger();
    SplashWindow splash(60000);
    for (QWidget* window :
         QList<QWidget*>{f.workArea->findChild<PreviewWindow*>(),
                         &f.workArea->info().introduction(), &f.workArea->info().tips(), &splash})
        show(*window);
    // The two browser windows, each once its page (a local one) has loaded.
    LocalWebServer server;
    BrowserWindows& browsers = f.workArea->browsers().windows();
    browsers.setAddresses({server.address(), server.address(), {}, server.address()});
    const auto showLoaded = [&](const char* name, const QString& loadedTitle) {
        auto* window = f.frame.findChild<QWidget*>(name);
        (void)QTest::qWaitFor([&] { return window->windowTitle() == loadedTitle; });
        show(*window);
    };
    browsers.viewBrowser();
    showLoaded("frmVNBrowser", "Page /");
    browsers.moreSmileys();
    showLoaded("frmBrowser", "Insert Smileys");
    return count;
}
