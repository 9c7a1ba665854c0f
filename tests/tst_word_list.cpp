// The word list pop-up: Ctrl+L opens it at the caret, Enter or a double click writes the
// chosen entry, Escape and a click in the surface close it.
#include "EditorFixture.h"
#include "platform/RichTextBox.h"
#include "platform/SystemColours.h"
#include "platform/Twips.h"
#include "shell/PostEditor.h"

#include <QListWidget>
#include <QTest>

namespace {

struct PopUp {
    QWidget* frame;
    QListWidget* words;
    QListWidget* shadow;
};

PopUp popUp(const EditorFixture& f) {
    return {f.workArea->findChild<QWidget*>("PicList"),
            f.workArea->findChild<QListWidget*>("ListWords"),
            f.workArea->findChild<QListWidget*>("ListShadow")};
}

void pressCtrlL(const EditorFixture& f) {
    QTest::keyClick(f.box(), Qt::Key_L, Qt::ControlModifier);
}

} // namespace

class TestWordList : public QObject {
    Q_OBJECT

private slots:
    void entriesAreTheFileLinesAsTheyAre() {
        EditorFixture f(EditorFixture::UseTestClipboard, {" a ", "", " a ", "b"});
        QListWidget* words = popUp(f).words;
        QCOMPARE(words->count(), 4);
        QCOMPARE(words->item(0)->text(), " a ");
        QCOMPARE(words->item(1)->text(), "");
        QVERIFY(popUp(f).frame->isHidden());
    }

    void anEmptyListOpensAndEscapeClosesIt() {
        EditorFixture f;
        f.type("keep me");
        pressCtrlL(f);
        const PopUp list = popUp(f);
        QVERIFY(list.frame->isVisible());
        QCOMPARE(list.words->count(), 0);
        QVERIFY(list.words->hasFocus());
        QCOMPARE(SystemColours::backgroundOf(list.words), QColor(255, 255, 202));
        QCOMPARE(SystemColours::backgroundOf(list.shadow), SystemColours::appWorkspace());
        QCOMPARE(list.words->font().family(), "Verdana"); // the font window's choice
        QCOMPARE(list.words->font().pointSizeF(), 10.0);

        QTest::keyClick(list.words, Qt::Key_Escape);
        QVERIFY(list.frame->isHidden());
        QVERIFY(f.box()->hasFocus());
        QCOMPARE(f.surface().text(), "keep me");
    }

    void enterOnAnEmptyListRemovesTheSelection() {
        EditorFixture f;
        f.surface().setText("abcdef");
        f.surface().setSelStart(1);
        f.surface().setSelLength(3);
        pressCtrlL(f);
        QTest::keyClick(popUp(f).words, Qt::Key_Return);
        QCOMPARE(f.surface().text(), "aef");
        QVERIFY(popUp(f).frame->isHidden());
    }

    void enterInsertsTheFirstEntryAndLeavesTheCaretAfterIt() {
        EditorFixture f(EditorFixture::UseTestClipboard, {"first entry", "second"});
        f.type("ab");
        f.surface().setSelStart(1);
        pressCtrlL(f);
        const PopUp list = popUp(f);
        QCOMPARE(list.words->currentRow(), 0);
        QTest::keyClick(list.words, Qt::Key_Return);
        QCOMPARE(f.surface().text(), "afirst entryb");
        QCOMPARE(f.surface().selStart(), 12);
        QCOMPARE(f.surface().selLength(), 0);
        QVERIFY(list.frame->isHidden());
        QVERIFY(f.box()->hasFocus());
        QVERIFY(!f.workArea->TextSaved);
    }

    void aChosenEntryReplacesTheSelection() {
        EditorFixture f(EditorFixture::UseTestClipboard, {"first", "second"});
        f.surface().setText("one two");
        f.surface().setSelStart(4);
        f.surface().setSelLength(3);
        pressCtrlL(f);
        QListWidget* words = popUp(f).words;
        const QRect second = words->visualItemRect(words->item(1));
        // A double click arrives as a click followed by the double click itself.
        QTest::mouseClick(words->viewport(), Qt::LeftButton, {}, second.center());
        QTest::mouseDClick(words->viewport(), Qt::LeftButton, {}, second.center());
        QCOMPARE(f.surface().text(), "one second");
        QVERIFY(popUp(f).frame->isHidden());
    }

    void aClickInTheSurfaceClosesWithoutInserting() {
        EditorFixture f(EditorFixture::UseTestClipboard, {"entry"});
        f.type("text");
        pressCtrlL(f);
        QVERIFY(popUp(f).frame->isVisible());
        QTest::mouseClick(f.box()->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(popUp(f).frame->isHidden());
        QCOMPARE(f.surface().text(), "text");
    }

    void opensBelowAndRightOfTheCaretAtItsOwnSize() {
        EditorFixture f(EditorFixture::UseTestClipboard, {"entry"});
        f.type("some words\nand a second line");
        pressCtrlL(f);
        const QWidget* frame = popUp(f).frame;
        const auto twips = [](int pixels) { return Twips::fromPixels(pixels); };
        const int left = twips(f.box()->x()) + twips(f.workArea->GetCaretX()) + 190;
        const int top = twips(f.box()->y()) + twips(f.workArea->GetCaretY()) + 800;
        QCOMPARE(frame->pos(), QPoint(Twips::toPixels(left), Twips::toPixels(top)));
        QCOMPARE(frame->size(), QSize(Twips::toPixels(3195), Twips::toPixels(2295)));
        QVERIFY(frame->y() > f.workArea->GetCaretY()); // below the caret's line
    }
};

QTEST_MAIN(TestWordList)
#include "tst_word_list.moc"
