#include "WindowWalker.h"

#include "EditorFixture.h"
#include "ModalScript.h"
#include "info/IntroductionWindow.h"
#include "info/SplashWindow.h"
#include "info/TipsWindow.h"
#include "markup/PreviewWindow.h"
#include "shell/PostEditorInfo.h"

#include <QCheckBox>
#include <QPushButton>

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
    f.workArea->findChild<QAction*>("mnuReplace")->trigger(); // the find bar, with replace
    show(f.frame);
    f.workArea->findChild<QAction*>("mnuPreview")->trigger();
    SplashWindow splash(60000);
    for (QWidget* window :
         QList<QWidget*>{f.workArea->findChild<PreviewWindow*>(),
                         &f.workArea->info().introduction(), &f.workArea->info().tips(), &splash})
        show(*window);
    return count;
}
