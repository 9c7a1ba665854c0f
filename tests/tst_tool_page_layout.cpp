// Every tool page fits the frame at its smallest: no control is squeezed below the size
// it needs, sticks out of its parent or covers a sibling.
#include "ScriptedPrompter.h"
#include "shell/MainFrame.h"
#include "shell/PostEditor.h"

#include <QAbstractButton>
#include <QTest>

class TestToolPageLayout : public QObject {
    Q_OBJECT

private slots:
    void everyPageFitsTheSmallestFrame() {
        ScriptedPrompter prompter;
        MainFrame frame;
        auto* workArea = new PostEditor;
        frame.addWorkArea(workArea);
        frame.show();
        frame.resize(frame.minimumSize());
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        QTRY_COMPARE(frame.size(), frame.minimumSize());
        // The credited quote shows the handle controls on the formatting page.
        for (const char* click : {"cmdStyle", "OptionQuoteDave", "cmdSmiley", "cmdList"}) {
            workArea->findChild<QAbstractButton*>(click)->click();
            QCoreApplication::processEvents();
            const QWidget* page =
                workArea->findChild<QWidget*>(QString(click) == "cmdSmiley" ? "FrameSmiley"
                                              : QString(click) == "cmdList" ? "FrameList"
                                                                            : "FrameCustom");
            QVERIFY(page->isVisible());
            const QList<QWidget*> children = page->findChildren<QWidget*>();
            for (const QWidget* child : children) {
                if (!child->isVisibleTo(page))
                    continue;
                const QString name = child->objectName().isEmpty()
                                         ? child->metaObject()->className()
                                         : child->objectName();
                // Its own minimum where one is set, else the minimum its contents ask for.
                const QSize set = child->minimumSize(), hint = child->minimumSizeHint();
                QVERIFY2(child->width() >= (set.width() ? set.width() : hint.width()) &&
                             child->height() >= (set.height() ? set.height() : hint.height()),
                         qPrintable(name + " is squeezed"));
                QVERIFY2(child->parentWidget()->rect().contains(child->geometry()),
                         qPrintable(name + " sticks out of its parent"));
                for (const QWidget* other : children) {
                    QVERIFY2(other == child || other->parentWidget() != child->parentWidget() ||
                                 !other->isVisibleTo(page) ||
                                 !child->geometry().intersects(other->geometry()),
                             qPrintable(name + " overlaps " + other->objectName()));
                }
            }
        }
    }
};

QTEST_MAIN(TestToolPageLayout)
#include "tst_tool_page_layout.moc"
