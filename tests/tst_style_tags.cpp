// The formatting page: Apply, Clear, the sample and the buttons that switch the pages.
#include "EditorFixture.h"

#include <QClipboard>
#include <QGuiApplication>

class TestStyleTags : public QObject {
    Q_OBJECT

private slots:
    // The tags join in a fixed order, whatever order the user chose things in. Apply passes
    // the selection through the clipboard, which it leaves empty, and never loses the
    // selected text when the clipboard cannot be used.
    void applyWrapsTheSelectionInTheComposedTags() {
        enum { Test, Held, System };
        for (const auto& [clipboard, typed, selStart, selLength, clicks, after, caret] :
             {std::tuple(Test, "abc", 0, 3,
                         "Optioncode chkTT chkStrike chkUnderline chkItalic chkBold OptionHLYellow "
                         "OptionRed",
                         "[code][b][i][u][s][tt][color red yellow]abc[/color][/tt][/s][/u][/i][/b]"
                         "[/code]",
                         79),
              {Test, "xy", 1, 0, "chkTT chkBold chkItalic chkBold", "x[i][tt][/tt][/i]y", 17},
              {Held, "precious", 0, 8, "chkStrike", "[s]precious[/s]", 15},
              {System, "one\ntwo", 0, 7, "chkItalic", "[i]one\r\ntwo[/i]", 14}}) {
            EditorFixture f(clipboard == System ? EditorFixture::UseSystemClipboard
                                                : EditorFixture::UseTestClipboard);
            f.clipboard.content = QString("something the user copied");
            f.clipboard.available = clipboard != Held;
            QGuiApplication::clipboard()->setText("before");
            f.type(typed);
            f.select(selStart, selLength);
            f.clickAll(clicks + QString(" cmdInsert"));
            QCOMPARE(f.text(), after);
            QCOMPARE(f.surface().selStart(), caret);
            QCOMPARE(f.surface().selLength(), 0);
            QVERIFY(clipboard == System ? QGuiApplication::clipboard()->text().isEmpty()
                                        : !f.clipboard.content || clipboard == Held);
        }
    }

    void theSampleAndThePagesShowTheChoice() {
        EditorFixture f;
        f.type("text");
        auto* sample = f.child<QLabel>("LblSample");
        const auto font = [&] {
            const QFont font = sample->font();
            return QString("%1 %2%3%4%5%6")
                .arg(font.family())
                .arg(font.pointSize())
                .arg(font.bold() ? " bold" : "")
                .arg(font.italic() ? " italic" : "")
                .arg(font.underline() ? " underline" : "")
                .arg(font.strikeOut() ? " strike" : "");
        };
        f.clickAll("chkBold chkStrike chkTT");
        QCOMPARE(f.shownTags(), "[b][s][tt] YOUR TEXT [/tt][/s][/b]");
        QCOMPARE(font(), "Courier New 11 bold strike");
        f.clickAll("chkTT chkUnderline");
        QCOMPARE(font(), "Verdana 10 bold underline strike");
        f.clickAll("chkItalic chkTT OptionPurple OptionHLGreen OptionQuote cmdDefault");
        for (const char* box : {"chkBold", "chkItalic", "chkUnderline", "chkStrike", "chkTT"})
            QVERIFY2(!f.button(box)->isChecked(), box);
        for (const char* option : {"OptionBlack", "OptionHLNone", "OptionNone"})
            QVERIFY2(f.button(option)->isChecked(), option);
        QCOMPARE(f.shownTags(), " YOUR TEXT ");
        QCOMPARE(font(), "Verdana 10");
        QCOMPARE(f.text(), "text"); // Clear leaves the post alone

        // The page buttons bring their page to the front.
        for (const auto& [button, page, help] :
             {std::tuple("cmdSmiley", "FrameSmiley", "verify & insert more"),
              {"cmdList", "FrameList", "To insert sub items"},
              {"cmdStyle", "FrameCustom", "any combination of color & style"}}) {
            f.click(button);
            for (const char* other : {"cmdStyle", "cmdSmiley", "cmdList"})
                QCOMPARE(f.button(other)->font().bold(), QLatin1String(other) == button);
            for (const char* other : {"FrameCustom", "FrameSmiley", "FrameList"})
                QCOMPARE(f.child(other)->isVisible(), QLatin1String(other) == page);
            QVERIFY(f.child<QLabel>("Label6")->text().contains(help));
        }
    }
};

QTEST_MAIN(TestStyleTags)
#include "tst_style_tags.moc"
