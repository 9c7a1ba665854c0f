// Every tool page fits the frame at its smallest: no control is squeezed below the size
// it needs, sticks out of its parent or covers a sibling.
#include "EditorFixture.h"
#include "shell/MainFrame.h"
#include "shell/PostEditor.h"

#include <QAbstractButton>
#include <QTest>

class TestToolPageLayout : public QObject {
    Q_OBJECT

    // The size a widget's layout must give it: its own minimum where one is set, else
    // the minimum its contents ask for.
    static QSize needed(const QWidget* widget) {
        const QSize hint = widget->minimumSizeHint();
        const QSize set = widget->minimumSize();
        return {set.width() > 0 ? set.width() : hint.width(),
                set.height() > 0 ? set.height() : hint.height()};
    }

    static void verifyFits(QWidget* page) {
        QVERIFY(page->isVisible());
        const QList<QWidget*> children = page->findChildren<QWidget*>();
        for (QWidget* child : children) {
            if (!child->isVisibleTo(page))
                continue;
            const QString name = child->objectName().isEmpty()
                                     ? QString(child->metaObject()->className())
                                     : child->objectName();
            const QSize size = child->size();
            const QSize need = needed(child);
            QVERIFY2(size.width() >= need.width() && size.height() >= need.height(),
                     qPrintable(QStringLiteral("%1 squeezed to %2x%3, needs %4x%5")
                                    .arg(name)
                                    .arg(size.width())
                                    .arg(size.height())
                                    .arg(need.width())
                                    .arg(need.height())));
            QVERIFY2(child->parentWidget()->rect().contains(child->geometry()),
                     qPrintable(name + " sticks out of its parent"));
            for (QWidget* other : children) {
                if (other != child && other->parentWidget() == child->parentWidget() &&
                    other->isVisibleTo(page))
                    QVERIFY2(!child->geometry().intersects(other->geometry()),
                             qPrintable(name + " overlaps " + other->objectName()));
            }
        }
    }

private slots:
    void everyPageFitsTheSmallestFrame_data() {
        QTest::addColumn<QString>("switcher");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("choice");
        for (const auto& [name, switcher, page, choice] :
             {std::tuple("formatting", "cmdStyle", "FrameCustom", "OptionNone"),
              {"formatting, handle shown", "cmdStyle", "FrameCustom", "OptionQuoteDave"},
              {"smileys", "cmdSmiley", "FrameSmiley", ""},
              {"list", "cmdList", "FrameList", ""}})
            QTest::newRow(name) << QString(switcher) << QString(page) << QString(choice);
    }
    void everyPageFitsTheSmallestFrame() {
        QFETCH(QString, switcher);
        QFETCH(QString, page);
        QFETCH(QString, choice);
        ScriptedPrompter prompter;
        MainFrame frame;
        auto* workArea = new PostEditor;
        frame.addWorkArea(workArea);
        frame.show();
        frame.resize(frame.minimumSize());
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        QTRY_COMPARE(frame.size(), frame.minimumSize());
        QCoreApplication::processEvents();

        workArea->findChild<QAbstractButton*>(switcher)->click();
        if (!choice.isEmpty())
            workArea->findChild<QAbstractButton*>(choice)->click();
        QCoreApplication::processEvents();
        verifyFits(workArea->findChild<QWidget*>(page));
    }
};

QTEST_MAIN(TestToolPageLayout)
#include "tst_tool_page_layout.moc"
