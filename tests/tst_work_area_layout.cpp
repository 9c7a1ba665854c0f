// How the work area arranges itself when its size changes.
#include "EditorFixture.h"
#include "platform/RichTextBox.h"
#include "platform/Twips.h"
#include "shell/MainFrame.h"
#include "shell/PostEditor.h"

#include <QLabel>
#include <QMdiSubWindow>
#include <QTest>

class TestWorkAreaLayout : public QObject {
    Q_OBJECT

    static QWidget* child(const PostEditor& area, const char* name) {
        return area.findChild<QWidget*>(name);
    }
    static void resizeTo(QWidget& widget, int width, int height) {
        widget.resize(width, height);
        QCoreApplication::processEvents();
    }

private slots:
    void wideningMovesThePanelAndWidensTheSurface() {
        EditorFixture f;
        PostEditor& area = *f.workArea;
        resizeTo(area, 1000, 700);
        const QRect surface = child(area, "RichTextBox1")->geometry();
        const QRect panel = child(area, "Picture1")->geometry();
        const QRect strip = child(area, "PicButtons")->geometry();

        resizeTo(area, 1150, 760);
        const QRect wider = child(area, "RichTextBox1")->geometry();
        QVERIFY(qAbs(wider.width() - surface.width() - 150) <= 1);
        QVERIFY(qAbs(wider.height() - surface.height() - 60) <= 1);
        QVERIFY(qAbs(child(area, "Picture1")->x() - panel.x() - 150) <= 1);
        QVERIFY(qAbs(child(area, "PicButtons")->x() - strip.x() - 150) <= 1);
        QCOMPARE(child(area, "Picture1")->width(), Twips::toPixels(3600));
        QCOMPARE(wider.topLeft(), QPoint(Twips::toPixels(100), Twips::toPixels(100)));

        // The pages lie on top of each other, inset in the panel.
        const QRect page = child(area, "FrameCustom")->geometry();
        const QRect panelNow = child(area, "Picture1")->geometry();
        QCOMPARE(child(area, "FrameSmiley")->geometry(), page);
        QCOMPARE(child(area, "FrameList")->geometry(), page);
        QVERIFY(qAbs(page.left() - panelNow.left() - Twips::toPixels(150)) <= 1);
        QVERIFY(qAbs(page.width() - panelNow.width() + Twips::toPixels(300)) <= 1);

        // Below the surface: the tag display, then the help line, as wide as the surface.
        auto* tags = child(area, "lblShow");
        auto* help = child(area, "Label6");
        QVERIFY(tags->y() > wider.bottom());
        QVERIFY(help->y() > tags->y());
        QVERIFY(qAbs(help->width() - wider.width()) <= 1);
    }

    void stepsThatWouldComeOutNegativeAreSkipped() {
        EditorFixture f;
        resizeTo(*f.workArea, 1000, 700);
        const QRect surface = f.box()->geometry();
        resizeTo(*f.workArea, 120, 90);
        QCOMPARE(f.box()->geometry(), surface);
    }

    void helpLineIsLargerWhenMaximised() {
        ScriptedPrompter prompter;
        MainFrame frame;
        auto* area = new PostEditor;
        QMdiSubWindow* sub = frame.addWorkArea(area);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        auto* help = area->findChild<QLabel*>("Label6");
        QCOMPARE(help->font().pointSize(), 7);
        sub->showNormal();
        QCoreApplication::processEvents();
        QCOMPARE(help->font().pointSize(), 6);

        const QRect surface = area->RichTextBox1->geometry();
        sub->showMinimized();
        QCoreApplication::processEvents();
        QCOMPARE(area->RichTextBox1->geometry(), surface);
        sub->showMaximized();
        QCoreApplication::processEvents();
        QCOMPARE(help->font().pointSize(), 7);
    }
};

QTEST_MAIN(TestWorkAreaLayout)
#include "tst_work_area_layout.moc"
