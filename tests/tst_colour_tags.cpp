// The text colour and highlight groups of the formatting page.
#include "EditorFixture.h"
#include "markup/ColourOptions.h"
#include "platform/Contrast.h"
#include "platform/SystemColours.h"

class TestColourTags : public QObject {
    Q_OBJECT

private slots:
    // The sample's text colour, then its background (aqua lightened). Black with None
    // removes the colour tag.
    void composesOneColourTag() {
        for (const auto& [clicks, tag, sample] : {
                 std::tuple("", "", "#000000 #ffffff"),
                 {"OptionRed OptionHLYellow", "[color red yellow]", "#ff0000 #ffff00"},
                 {"OptionRed OptionHLYellow OptionHLNone", "[color red white]", "#ff0000 #ffffff"},
                 {"OptionRed OptionHLYellow OptionHLNone OptionBlack", "", "#000000 #ffffff"},
                 {"OptionHLYellow", "[color  yellow]", "#000000 #ffff00"},
                 {"OptionHLYellow OptionBlack", "[color black yellow]", "#000000 #ffff00"},
                 {"OptionNavy OptionHLSilver OptionTeal", "[color teal silver]", "#008080 #c0c0c0"},
                 {"OptionHLRed OptionHLAqua OptionWhite", "[color white aqua]", "#ffffff #80ffff"},
                 {"OptionHLBlue OptionBlack OptionHLNone", "", "#000000 #ffffff"},
                 // Either reset forgets every colour word.
                 {"OptionGreen OptionHLPurple OptionHLNone OptionBlack OptionHLRed", "[color  red]",
                  "#000000 #ff0000"},
                 {"OptionGreen OptionHLPurple OptionBlack OptionHLNone OptionRed", "[color red]",
                  "#ff0000 #ffffff"},
             }) {
            EditorFixture f;
            f.clickAll(clicks);
            QCOMPARE(f.shownTags(), tag + QString(" YOUR TEXT ") + (*tag ? "[/color]" : ""));
            const QPalette palette = f.child<QLabel>("LblSample")->palette();
            QCOMPARE(palette.color(QPalette::WindowText).name() + " " +
                         palette.color(QPalette::Window).name(),
                     sample);
            // Apply is enabled, when the work area takes the focus, while a colour is chosen.
            f.workArea->setFocus(Qt::MouseFocusReason);
            QVERIFY(f.box()->hasFocus());
            QCOMPARE(f.button("cmdInsert")->isEnabled(), *tag != 0);
        }

        // The captions are drawn in their colours, or on them in black or white.
        EditorFixture f;
        QCOMPARE(f.button("OptionRed")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(SystemColours::backgroundOf(f.button("OptionHLYellow")), QColor(255, 255, 0));
        QCOMPARE(SystemColours::backgroundOf(f.button("OptionHLAqua")), QColor(128, 255, 255));
        QCOMPARE(captionForeground(*findColourOption(u"OptionHLNavy")), QColor(Qt::white));
        QCOMPARE(captionForeground(*findColourOption(u"OptionHLYellow")), QColor(Qt::black));
        // On a dark page every text caption reads, on it or on a backdrop; on a light one only
        // White has a backdrop.
        for (const ColourOption& option : colourOptions()) {
            const bool highlight = option.family == ColourFamily::Highlight;
            const QColor text = captionForeground(option), dark(0x35, 0x35, 0x35);
            const QColor onDark = captionBackground(option, dark, Qt::lightGray).value_or(dark);
            QVERIFY(highlight || contrastRatio(text, onDark) >= 4.5);
            QCOMPARE(captionBackground(option, Qt::white, Qt::black).has_value(),
                     highlight || text == Qt::white);
        }
    }
};

QTEST_MAIN(TestColourTags)
#include "tst_colour_tags.moc"
