// The word list pop-up that Ctrl+L opens at the caret.
#include "EditorFixture.h"
#include "platform/SystemColours.h"

#include <QListWidget>

class TestWordList : public QObject {
    Q_OBJECT

    static QWidget* popUp(const EditorFixture& f) { return f.child("PicList"); }
    static QListWidget* openList(const EditorFixture& f) {
        QTest::keyClick(f.box(), Qt::Key_L, Qt::ControlModifier);
        return f.child<QListWidget>("ListWords");
    }

private slots:
    // The entries are the file's lines as they are; the first is chosen on opening.
    void enterInsertsTheChosenEntryAtTheCaret() {
        EditorFixture f(EditorFixture::UseTestClipboard, {" a ", "", "first entry"});
        QVERIFY(popUp(f)->isHidden());
        f.type("some words\nab");
        f.select(12);
        f.post().setSaved(true);
        QListWidget* words = openList(f);
        QCOMPARE(words->count(), 3);
        QCOMPARE(words->item(0)->text() + "|" + words->item(1)->text(), " a |");
        const QPoint offset = popUp(f)->pos() - f.box()->pos() - f.post().caretPosition();
        QVERIFY2(offset.x() > 0 && offset.x() < 20 && offset.y() > f.box()->cursorRect().height() &&
                     offset.y() < 60,
                 "just below and right of the caret");
        QCOMPARE(words->currentRow(), 0);
        words->setCurrentRow(2);
        QTest::keyClick(words, Qt::Key_Return);
        QCOMPARE(f.text(), "some words\r\nafirst entryb");
        QCOMPARE(f.surface().selStart(), 23);
        QVERIFY(popUp(f)->isHidden() && f.box()->hasFocus() && !f.post().isSaved());
    }

    void anEmptyListOpensAndEnterRemovesTheSelection() {
        EditorFixture f;
        f.surface().setText("abcdef");
        QListWidget* words = openList(f);
        QVERIFY(popUp(f)->isVisible() && words->hasFocus());
        QCOMPARE(words->count(), 0);
        QCOMPARE(SystemColours::backgroundOf(words), SystemColours::toolTipBase());
        QCOMPARE(SystemColours::backgroundOf(f.child("ListShadow")), SystemColours::appWorkspace());
        QCOMPARE(words->font().family() + " " + QString::number(words->font().pointSizeF()),
                 "Verdana 10"); // the font window's choice
        QTest::keyClick(words, Qt::Key_Escape);
        QVERIFY(popUp(f)->isHidden() && f.box()->hasFocus());
        f.select(1, 3);
        QTest::keyClick(openList(f), Qt::Key_Return);
        QCOMPARE(f.text(), "aef");
    }

    // Keys and clicks that reach the surface while the list is open act on the list too;
    // the Enter still makes its line break.
    void theSurfaceClosesOrInsertsWhileTheListIsOpen() {
        EditorFixture f(EditorFixture::UseTestClipboard, {"first", "second"});
        f.surface().setText("one two");
        openList(f);
        QTest::mouseClick(f.box()->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(popUp(f)->isHidden());
        openList(f);
        QTest::keyClick(f.box(), Qt::Key_Escape);
        QVERIFY(popUp(f)->isHidden());
        QCOMPARE(f.text(), "one two");
        openList(f);
        QTest::keyClick(f.box(), Qt::Key_Return);
        QCOMPARE(f.text(), "first\r\none two");
        QVERIFY(popUp(f)->isHidden());

        f.surface().setText("one two");
        f.select(4, 3);
        QListWidget* words = openList(f);
        const QPoint second = words->visualItemRect(words->item(1)).center();
        // A double click arrives as a click followed by the double click itself.
        QTest::mouseClick(words->viewport(), Qt::LeftButton, {}, second);
        QTest::mouseDClick(words->viewport(), Qt::LeftButton, {}, second);
        QCOMPARE(f.text(), "one second");
        QVERIFY(popUp(f)->isHidden());
    }
};

QTEST_MAIN(TestWordList)
#include "tst_word_list.moc"
