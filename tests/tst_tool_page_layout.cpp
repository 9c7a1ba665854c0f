// Every tool page fits the frame at its smallest.
#include "EditorFixture.h"

class TestToolPageLayout : public QObject {
    Q_OBJECT

private slots:
    void everyPageFitsTheSmallestFrame() {
        FrameFixture f;
        f.frame.resize(f.frame.minimumSize());
        QTRY_COMPARE(f.frame.size(), f.frame.minimumSize());
        // No control is squeezed, sticks out of its parent or covers a sibling; the credited
        // quote shows the handle controls.
        for (const auto& [click, name] : {std::pair("cmdStyle", "FrameCustom"),
                                          {"OptionQuoteDave", "FrameCustom"},
                                          {"cmdSmiley", "FrameSmiley"},
                                          {"cmdList", "FrameList"}}) {
            f.child<QAbstractButton>(click)->click();
            QCoreApplication::processEvents();
            const QWidget* page = f.child(name);
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
