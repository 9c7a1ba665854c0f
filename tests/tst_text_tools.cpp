// The find and replace bar, tag completion and the length counter of the work area.
#include "EditorFixture.h"
#include "LaidOutLines.h"
#include "ModalScript.h"
#include "post/TextCounts.h"
#include "settings/EditorSettingsStore.h"
#include "undo/UndoHistory.h"

#include <QAbstractTextDocumentLayout>
#include <QCheckBox>
#include <QInputDialog>
#include <QListWidget>
#include <QTextBlock>
#include <QTextLayout>

class TestTextTools : public QObject {
    Q_OBJECT

    static QLabel* counter(const EditorFixture& f) { return f.child<QLabel>("lblLength"); }
    static QListWidget* completion(const EditorFixture& f) {
        return f.child<QListWidget>("lstTagCompletion");
    }
    static QLineEdit* openFind(const EditorFixture& f, const char* item = "mnuFind") {
        f.action(item)->trigger();
        return f.child<QLineEdit>("txtFind");
    }

private slots:
    // Each edit recounts only the paragraphs it touched; the sum always equals a recount
    // of the whole text, also after a change too large to count at once.
    void wordCountsFollowEveryEdit_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("removed");
        QTest::addColumn<QString>("inserted");
        QTest::newRow("split a word") << 5 << 0 << "\n";
        QTest::newRow("join two paragraphs") << 7 << 1 << "";
        QTest::newRow("lines over lines") << 2 << 14 << "x y\n\nz\n w ";
        QTest::newRow("a blank between words") << 17 << 0 << " ";
        QTest::newRow("too large at once") << 3 << 0 << QString("ab ").repeated(30000) + "\nq";
    }
    void wordCountsFollowEveryEdit() {
        QFETCH(int, position);
        QFETCH(int, removed);
        QFETCH(QString, inserted);
        QTextDocument document("one two\nthree  four\n\nfive six seven\neight");
        TextCounts counts(document);
        QCOMPARE(counts.words(), 8);
        QTextCursor edit(&document);
        edit.setPosition(position);
        edit.setPosition(position + removed, QTextCursor::KeepAnchor);
        edit.insertText(inserted);
        const int expected =
            document.toPlainText().split(QRegularExpression("\\s+"), Qt::SkipEmptyParts).size();
        if (inserted.size() < 1000) // counted at once, from the changed paragraphs alone
            QCOMPARE(counts.words(), expected);
        QTRY_COMPARE(counts.words(), expected);
        QCOMPARE(counts.characters(), document.toPlainText().size());
        QCOMPARE(counts.wordsBetween(0, counts.characters()), expected);
        QCOMPARE(counts.wordsBetween(1, 2), 1);
    }

    // A line break is one character, as in the selection; the counter follows Undo and
    // turns to the error colour past the stored limit.
    void theCounterShowsThePostAndTheSelectionAndTheLimit() {
        EditorFixture f;
        f.type("one two\nthree");
        QTRY_COMPARE(counter(f)->text(), "13 characters, 3 words");
        f.select(4, 6);
        QTRY_COMPARE(counter(f)->text(), "6 of 13 characters, 2 of 3 words");
        const QColor normal = counter(f)->palette().color(QPalette::WindowText);

        ModalScript modal;
        modal.steps << [](QDialog& dialog) {
            static_cast<QInputDialog&>(dialog).setIntValue(10);
            dialog.accept();
        };
        f.action("mnuLengthLimit")->trigger();
        QCOMPARE(modal.opened, QStringList{"frmLengthLimit"});
        QCOMPARE(EditorSettingsStore(f.paths().settingsFile).load().maxLength, 10);
        f.select(13);
        QTRY_COMPARE(counter(f)->text(), "13 characters, 3 words, 3 over the limit of 10");
        QVERIFY(counter(f)->palette().color(QPalette::WindowText) != normal);

        UndoHistory& history = f.workArea->undoHistory();
        QTRY_VERIFY(history.canUndo() && f.action("mnuUndo")->isEnabled());
        f.action("mnuUndo")->trigger();
        const QString left = f.text();
        QVERIFY(left.size() < 13);
        QTRY_COMPARE(counter(f)->text(),
                     QString("%1 characters, %2 words")
                         .arg(left.size() - left.count("\r\n"))
                         .arg(left.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts).size()));
        QCOMPARE(counter(f)->palette().color(QPalette::WindowText), normal);
    }

    // Enter and F3 go forwards, Shift+F3 backwards, both going on from the other end;
    // every match in view is highlighted and Escape gives the post the focus back.
    void findWalksTheMatches_data() {
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<bool>("wholeWord");
        QTest::addColumn<int>("key");
        QTest::addColumn<QList<int>>("starts");
        QTest::newRow("next") << false << false << int(Qt::Key_Return)
                              << QList<int>{0, 4, 11, 15, 0};
        QTest::newRow("match case") << true << false << int(Qt::Key_F3) << QList<int>{4, 11, 15, 4};
        QTest::newRow("whole word") << false << true << int(Qt::Key_F3) << QList<int>{0, 4, 15, 0};
        QTest::newRow("previous") << false << true << (Qt::Key_F3 | Qt::SHIFT).toCombined()
                                  << QList<int>{0, 15, 4, 0};
    }
    void findWalksTheMatches() {
        QFETCH(bool, matchCase);
        QFETCH(bool, wholeWord);
        QFETCH(int, key);
        QFETCH(QList<int>, starts);
        EditorFixture f;
        f.surface().setText("Cat cat concat\r\ncat.");
        f.select(0);
        QLineEdit* field = openFind(f);
        f.child<QCheckBox>("chkMatchCase")->setChecked(matchCase);
        f.child<QCheckBox>("chkWholeWord")->setChecked(wholeWord);
        QTest::keyClicks(field, "cat");
        QVERIFY(field->hasFocus());
        QCOMPARE(f.box()->extraSelections().size(), starts.size() - 1);
        const bool backward = key & Qt::SHIFT;
        for (int i = 0; i < starts.size(); ++i) {
            if (i > 0)
                QTest::keyClick(field, Qt::Key(key & ~Qt::SHIFT),
                                Qt::KeyboardModifiers(key & Qt::SHIFT));
            QCOMPARE(f.surface().selStart(), starts[i]);
            QCOMPARE(f.surface().selText().toLower(), "cat");
            const bool wrapped = i > 0 && (starts[i] > starts[i - 1]) == backward;
            QCOMPARE(f.child<QLabel>("lblFindNote")->text().startsWith("Wrapped to "), wrapped);
        }
        QTest::keyClick(field, Qt::Key_Escape);
        QVERIFY(f.child("picFind")->isHidden() && f.box()->hasFocus());
        QVERIFY(f.box()->extraSelections().isEmpty());
        f.select(4, 3);
        QCOMPARE(openFind(f)->text(), "cat"); // the selection is the search text
    }

    // Replace changes the selected match and goes on; Replace All is one undo step.
    void replaceAllIsOneStepThatUndoTakesBack() {
        EditorFixture f;
        f.surface().setText("a cat, a Cat\r\nthe cat");
        UndoHistory& history = f.workArea->undoHistory();
        QTRY_COMPARE(history.undoCount(), 1);
        QTest::keyClicks(openFind(f, "mnuReplace"), "cat");
        QTest::keyClicks(f.child<QLineEdit>("txtReplace"), "dog");
        f.click("cmdReplace");
        QCOMPARE(f.text(), "a dog, a Cat\r\nthe cat");
        QCOMPARE(f.surface().selStart(), 9);
        QTRY_COMPARE(history.undoCount(), 2);
        f.click("cmdReplaceAll");
        QCOMPARE(f.text(), "a dog, a dog\r\nthe dog");
        QCOMPARE(f.child<QLabel>("lblFindNote")->text(), "Replaced 2");
        QTRY_COMPARE(history.undoCount(), 3);
        QTest::qWait(400);
        QCOMPARE(history.undoCount(), 3);
        f.action("mnuUndo")->trigger();
        QCOMPARE(f.text(), "a dog, a Cat\r\nthe cat");
    }

    // Replace All of a word in a few paragraphs far apart lays out only those: a paragraph
    // between them keeps its lines, and every line ends up where Qt's own layout puts it.
    void replaceAllLaysOutOnlyTheParagraphsItChanges() {
        EditorFixture f;
        const QString plain = QStringLiteral("a paragraph long enough to wrap ").repeated(10);
        QStringList paragraphs(40, plain);
        for (int i : {2, 20, 37})
            paragraphs[i] = "the cat " + plain;
        f.surface().setText(paragraphs.join("\r\n"));
        QTextDocument& document = *f.box()->document();
        document.documentLayout()->documentSize(); // laid out to the end
        QTextLayout* const between = document.findBlockByNumber(10).layout();
        const QPointF marked = between->lineAt(0).position() + QPointF(0, 0.5);
        between->lineAt(0).setPosition(marked);
        QTest::keyClicks(openFind(f, "mnuReplace"), "cat");
        QTest::keyClicks(f.child<QLineEdit>("txtReplace"), "long-haired tabby cat");
        f.click("cmdReplaceAll");
        QCOMPARE(f.child<QLabel>("lblFindNote")->text(), "Replaced 3");
#ifdef QUILLET_TEXT_ENGINE
        QCOMPARE(between->lineAt(0).position(), marked);
#endif
        between->lineAt(0).setPosition(marked - QPointF(0, 0.5));
        QVERIFY(laidOutAsQtWould(document));
    }

    // The list offers tags and smileys as the name is typed, never holding the focus.
    void completionWritesTheChosenTag() {
        EditorFixture f;
        f.type("[b");
        QVERIFY(completion(f)->isVisible() && f.box()->hasFocus());
        QCOMPARE(completion(f)->currentItem()->text(), "[b][/b]");
        QTest::keyClick(f.box(), Qt::Key_Return);
        QCOMPARE(f.text(), "[b][/b]");
        QCOMPARE(f.surface().selStart(), 3);
        QVERIFY(completion(f)->isHidden());

        // "[/" puts the innermost tag still open first; Tab writes it.
        f.surface().setText("[quote Jo][b]x[/b] [i]y");
        f.select(23);
        f.type("[/");
        QCOMPARE(completion(f)->currentItem()->text(), "[/i]");
        QTest::keyClick(f.box(), Qt::Key_Tab);
        QCOMPARE(f.text(), "[quote Jo][b]x[/b] [i]y[/i]");

        // Smileys come with their pictures; Escape, "]" and a blank leave the text as typed.
        f.surface().setText("");
        f.type("[wi");
        QVERIFY(!completion(f)->currentItem()->icon().isNull());
        QTest::keyClick(f.box(), Qt::Key_Escape);
        f.type(" [b] [color red]");
        QCOMPARE(f.text(), "[wi [b] [color red]");
        QVERIFY(completion(f)->isHidden());

        // Ctrl+L wins; switched off, "[" opens nothing and the choice is stored.
        f.type("[");
        QTest::keyClick(f.box(), Qt::Key_L, Qt::ControlModifier);
        QVERIFY(completion(f)->isHidden() && f.child("PicList")->isVisible());
        QTest::keyClick(f.child("ListWords"), Qt::Key_Escape);
        f.action("mnuCompleteTags")->trigger();
        QVERIFY(!EditorSettingsStore(f.paths().settingsFile).load().completeTags);
        f.type("[");
        QVERIFY(completion(f)->isHidden());
    }
};

QTEST_MAIN(TestTextTools)
#include "tst_text_tools.moc"
