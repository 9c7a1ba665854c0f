// Every tool page fits the frame at its smallest: no control is squeezed below the size
// it needs, sticks out of its parent or covers a sibling.
#include "ScriptedPrompter.h"
#include "shell/MainFrame.h"
#include "shell/PostEditor.h"

#include <QAbstractButton>
#include <QTest>

class TestToolPageLayout : public QObject {
    Q_OBJECT

    static void verifyFits(const QWidget* page) {
        QVERIFY(page->isVisible());
        const QList<QWidget*> children = page->findChildren<QWidget*>();
        for (const QWidget* child : children) {
            if (!child->isVisibleTo(page))
                continue;
            const QString name = child->objectName().isEmpty() ? child->metaObject()->className()
                                                               : child->objectName();
            // Its own minimum where one is set, else the minimum its contents ask for.
            const QSize set = child->minimumSize(), hint = child->minimumSizeHint();
            const QSize need(set.width() ? set.width() : hint.width(),
                             set.height() ? set.height() : hint.height());
            QVERIFY2(child->width() >= need.width() && child->height() >= need.height(),
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
        for (const auto& [clicks, page] : {std::pair(QStringList{"cmdStyle"}, "FrameCustom"),
                                           {{"cmdStyle", "OptionQuoteDave"}, "FrameCustom"},
                                           {{"cmdSmiley"}, "FrameSmiley"},
                                           {{"cmdList"}, "FrameList"}}) {
            for (const QString& name : clicks)
                workArea->findChild<QAbstractButton*>(name)->click();
            QCoreApplication::processEvents();
            verifyFits(workArea->findChild<QWidget*>(page));
        }
    }
};

QTEST_MAIN(TestToolPageLayout)
#include "tst_tool_page_layout.moc"
