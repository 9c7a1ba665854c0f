// How the work area arranges itself when its size changes.
#include "EditorFixture.h"
#include "platform/DocumentWindows.h"

#include <QMdiArea>

class TestWorkAreaLayout : public QObject {
    Q_OBJECT

private slots:
    // The surface takes what the tool panel leaves; the pages lie inside the panel and the
    // tag display and help line run below the surface, nothing cut off.
    void theSurfaceFillsTheSpaceBesideTheToolPanel() {
        EditorFixture f;
        PostEditor& area = *f.workArea;
        const auto geometry = [&](const char* name) {
            return area.findChild<QWidget*>(name)->geometry();
        };
        QRect before;
        for (const QSize size : {QSize(1000, 700), QSize(1150, 760)}) {
            area.resize(size);
            QCoreApplication::processEvents();
            const QRect surface = geometry("RichTextBox1"), panel = geometry("Picture1");
            QVERIFY(panel.left() > surface.right() && area.rect().contains(panel));
            for (const char* page : {"FrameCustom", "FrameSmiley", "FrameList"})
                QVERIFY2(panel.contains(geometry(page)), page);
            const QRect tags = geometry("lblShow"), help = geometry("Label6");
            QVERIFY(tags.top() > surface.bottom() && help.top() > tags.bottom());
            QVERIFY(area.rect().contains(help) && area.rect().contains(geometry("PicButtons")));
            QVERIFY(qAbs(help.width() - surface.width()) <= 1);
            if (before.isValid()) {
                QVERIFY(qAbs(surface.width() - before.width() - 150) <= 1);
                QVERIFY(qAbs(surface.height() - before.height() - 60) <= 1);
            }
            before = surface;
        }
        // Too small for the surface: it keeps its place rather than take a negative size.
        area.resize(120, 90);
        QCoreApplication::processEvents();
        QCOMPARE(f.box()->geometry(), before);

        // Buttons with a picture or one letter say what they do; F6 goes to the tools and back.
        for (QAbstractButton* button : area.findChildren<QAbstractButton*>())
            QVERIFY(button->text().remove('&').size() > 1 || !button->accessibleName().isEmpty());
        QTest::keyClick(f.box(), Qt::Key_F6);
        QVERIFY(area.findChild<QWidget*>("FrameCustom")->isAncestorOf(QApplication::focusWidget()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
        QVERIFY(f.box()->hasFocus());
    }

    // Restored after a browser's visit, the work area fills the document area less a margin.
    void theHelpLineIsLargerWhenMaximised() {
        FrameFixture f;
        auto* help = f.child<QLabel>("Label6");
        QCOMPARE(help->font().pointSize(), 7);
        QWidget* browser = f.frame.addChild(new QWidget, QList<QAction*>())->widget();
        DocumentWindows::bringToFront(browser);
        delete browser->parentWidget();
        DocumentWindows::bringToFront(f.workArea);
        f.subWindow->showNormal();
        QCoreApplication::processEvents();
        const QSize gap = f.frame.mdiArea()->viewport()->size() - f.subWindow->size();
        QVERIFY(gap.width() > 0 && gap.width() < 10 && gap.height() == gap.width());
        QCOMPARE(help->font().pointSize(), 6);
        const QRect surface = f.child("RichTextBox1")->geometry();
        f.subWindow->showMinimized();
        QCoreApplication::processEvents();
        QCOMPARE(f.child("RichTextBox1")->geometry(), surface);
        f.subWindow->showMaximized();
        QCoreApplication::processEvents();
        QCOMPARE(help->font().pointSize(), 7);
    }
};

QTEST_MAIN(TestWorkAreaLayout)
#include "tst_work_area_layout.moc"
