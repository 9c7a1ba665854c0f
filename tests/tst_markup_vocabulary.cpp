#include "markup/ColourOptions.h"
#include "markup/ListText.h"
#include "markup/MainTags.h"
#include "markup/SmileyTable.h"

#include <QFile>
#include <QImage>
#include <QMap>
#include <QPainter>
#include <QSet>
#include <QSvgRenderer>
#include <QtTest>

namespace {

// The colour groups as the page holds them: the selected option of each family and the
// holders the options write, joined the way the composed start tag joins them.
class ColourPage {
public:
    ColourPage() {
        selected[ColourFamily::Text] = &defaultColourOption(ColourFamily::Text);
        selected[ColourFamily::Highlight] = &defaultColourOption(ColourFamily::Highlight);
    }

    ColourSelection select(const char* objectName) {
        const ColourOption* option = findColourOption(QString(objectName));
        Q_ASSERT(option);
        selected[option->family] = option;
        const ColourFamily other =
            option->family == ColourFamily::Text ? ColourFamily::Highlight : ColourFamily::Text;
        const ColourSelection selection = selectColourOption(*option, selected[other]->isDefault);
        for (const HolderWrite& write : selection.writes)
            holders[write.holder] = write.value;
        return selection;
    }

    QString startPart() const {
        QString tag = holders.value(kColourOpenHolder);
        for (const QString& holder : colourNameHolders(ColourFamily::Text))
            tag += holders.value(holder);
        for (const QString& holder : colourNameHolders(ColourFamily::Highlight))
            tag += holders.value(holder);
        return tag + holders.value(kColourCloseHolder);
    }

    QString endPart() const { return holders.value(kColourEndHolder); }

    QMap<QString, QString> holders;

private:
    QMap<ColourFamily, const ColourOption*> selected;
};

QStringList picturePaths() {
    QStringList paths;
    for (const Smiley& smiley : smileys())
        paths.append(smiley.picturePath());
    paths.append(Star::picturePath());
    for (const MainTagOption& option : mainTagOptions())
        paths.append(option.picturePath());
    return paths;
}

} // namespace

class TestMarkupVocabulary : public QObject {
    Q_OBJECT

private slots:
    // Smileys and the star
    void starStandsBetweenWinkAndSwords() {
        const QStringList buttons = smileyPageButtons();
        QCOMPARE(buttons.size(), kSmileyCount + 1);
        QCOMPARE(buttons.count("cmdStar"), 1);
        const int star = buttons.indexOf("cmdStar");
        QCOMPARE(buttons.at(star - 1), QString("cmdWink"));
        QCOMPARE(buttons.at(star + 1), QString("cmdSwords"));
        QCOMPARE(buttons.first(), QString("cmdMachinegun"));
        QCOMPARE(buttons.last(), QString("cmdBigCheeks"));
    }

    void everyPictureIsA32PixelSvgThatDraws_data() {
        QTest::addColumn<QString>("path");
        for (const QString& path : picturePaths())
            QTest::newRow(qPrintable(path)) << path;
    }

    void everyPictureIsA32PixelSvgThatDraws() {
        QFETCH(QString, path);
        QVERIFY2(QFile::exists(path), "picture missing from the resources");
        QSvgRenderer renderer(path);
        QVERIFY(renderer.isValid());
        QCOMPARE(renderer.viewBox(), QRect(0, 0, 32, 32));

        QImage image(32, 32, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        int drawn = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                drawn += qAlpha(image.pixel(x, y)) > 0;
        }
        // A button picture fills a good part of its square.
        QVERIFY2(drawn > 32 * 32 / 4, qPrintable(QString::number(drawn) + " pixels drawn"));
    }

    // Lists
    void listColumnsCoverEveryOptionOnce() {
        QSet<int> seen;
        for (ListKind kind : {ListKind::Bulleted, ListKind::Numbered}) {
            const QList<int> column = listColumn(kind);
            QCOMPARE(column.size(), kMaxListItems);
            for (int row = 0; row < column.size(); ++row) {
                QCOMPARE(listShapeOf(column[row]), std::optional<ListShape>({kind, row + 1}));
                seen.insert(column[row]);
            }
        }
        QCOMPARE(seen.size(), kListOptionCount);
        QVERIFY(!listShapeOf(0));
        QVERIFY(!listShapeOf(31));
        QCOMPARE(listOptionCaption(11), QString("1 Item"));
        QCOMPARE(listOptionCaption(30), QString("15 Items"));
    }

    // Colours
    void colourScenarios_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("startPart");
        QTest::newRow("start") << QStringList{"OptionHLNone"} << "";
        QTest::newRow("red") << QStringList{"OptionRed"} << "[color red]";
        QTest::newRow("red yellow")
            << QStringList{"OptionRed", "OptionHLYellow"} << "[color red yellow]";
        QTest::newRow("red yellow none")
            << QStringList{"OptionRed", "OptionHLYellow", "OptionHLNone"} << "[color red white]";
        QTest::newRow("red yellow none black")
            << QStringList{"OptionRed", "OptionHLYellow", "OptionHLNone", "OptionBlack"} << "";
        QTest::newRow("yellow alone") << QStringList{"OptionHLYellow"} << "[color  yellow]";
        QTest::newRow("yellow then black")
            << QStringList{"OptionHLYellow", "OptionBlack"} << "[color black yellow]";
        QTest::newRow("text colour keeps highlight")
            << QStringList{"OptionNavy", "OptionHLSilver", "OptionTeal"} << "[color teal silver]";
        QTest::newRow("highlight replaces highlight")
            << QStringList{"OptionHLAqua", "OptionHLRed", "OptionWhite"} << "[color white red]";
        QTest::newRow("none after black-with-highlight")
            << QStringList{"OptionHLBlue", "OptionBlack", "OptionHLNone"} << "";
    }

    void colourScenarios() {
        QFETCH(QStringList, clicks);
        QFETCH(QString, startPart);
        ColourPage page;
        for (const QString& click : clicks)
            page.select(click.toLatin1().constData());
        QCOMPARE(page.startPart(), startPart);
        QCOMPARE(page.endPart(), QString(startPart.isEmpty() ? "" : "[/color]"));
    }

    void fullResetAlwaysEmptiesEveryColourHolder() {
        for (const char* reset : {"OptionBlack", "OptionHLNone"}) {
            ColourPage page;
            page.select("OptionGreen");
            page.select("OptionHLPurple");
            page.select(reset == QLatin1String("OptionBlack") ? "OptionHLNone" : "OptionBlack");
            page.select(reset);
            QCOMPARE(page.holders.size(), 2 * 11 + 3);
            for (auto it = page.holders.cbegin(); it != page.holders.cend(); ++it)
                QVERIFY2(it.value().isEmpty(), qPrintable(it.key()));
        }
    }

    void sampleAndCaptionColours() {
        ColourPage page;
        const ColourSelection aqua = page.select("OptionHLAqua");
        QCOMPARE(aqua.sampleBackground, std::optional<QColor>(QColor(128, 255, 255)));
        QVERIFY(!aqua.sampleText);

        const ColourSelection green = page.select("OptionGreen");
        QCOMPARE(green.sampleText, std::optional<QColor>(QColor(0, 128, 0)));
        QVERIFY(!green.sampleBackground);

        // Black with None resets the text colour; only None also resets the background.
        page.select("OptionHLNone");
        const ColourSelection black = page.select("OptionBlack");
        QCOMPARE(black.sampleText, std::optional<QColor>(QColor(Qt::black)));
        QVERIFY(!black.sampleBackground);
        const ColourSelection none = page.select("OptionHLNone");
        QCOMPARE(none.sampleText, std::optional<QColor>(QColor(Qt::black)));
        QCOMPARE(none.sampleBackground, std::optional<QColor>(QColor(Qt::white)));

        const ColourOption& red = *findColourOption(u"OptionRed");
        QCOMPARE(captionForeground(red), QColor(255, 0, 0));
        QVERIFY(!captionBackground(red));
        const ColourOption& hlNavy = *findColourOption(u"OptionHLNavy");
        QCOMPARE(captionBackground(hlNavy), std::optional<QColor>(QColor(0, 0, 128)));
        QCOMPARE(captionForeground(hlNavy), QColor(Qt::white));
        QCOMPARE(captionForeground(*findColourOption(u"OptionHLYellow")), QColor(Qt::black));
    }

    // Main tags
    void mainTagsFillOnlyTheirOwnPair() {
        QMap<QString, QString> holders;
        auto select = [&](const char* objectName) {
            for (const HolderWrite& write : selectMainTag(*findMainTagOption(QString(objectName))))
                holders[write.holder] = write.value;
            QString start, end;
            for (const QString& holder : mainTagHolders())
                (holder.endsWith("Start") ? start : end) += holders.value(holder);
            return start + "|" + end;
        };
        QCOMPARE(select("Optioncode"), QString("[code]|[/code]"));
        QCOMPARE(select("OptionQuote"), QString("[quote]|[/quote]"));
        QCOMPARE(select("OptionQuoteDave"), QString("[quote]|[/quote]"));
        QCOMPARE(holders.value("TxtQuoteDaveStart"), QString("[quote]"));
        QCOMPARE(select("OptionNone"), QString("|"));
        QCOMPARE(holders.size(), 6);

        QCOMPARE(findMainTagOption(u"OptionQuoteDave")->caption, "Quote( )");
        QCOMPARE(findMainTagOption(u"OptionQuote")->italicBox, ItalicBox::DisabledAndCleared);
        QCOMPARE(findMainTagOption(u"Optioncode")->italicBox, ItalicBox::EnabledAndCleared);
        QVERIFY(!findMainTagOption(u"OptionCode"));
    }

    void handleQuoteAndDisplay() {
        QCOMPARE(Handle::quoteStart("Jo"), QString("[quote Jo]"));
        QCOMPARE(Handle::quoteStart(""), QString("[quote ]"));
        QCOMPARE(Handle::display("Jo"), QString("(Jo):"));
        QCOMPARE(Handle::display(""), QString("():"));
    }
};

QTEST_GUILESS_MAIN(TestMarkupVocabulary)
#include "tst_markup_vocabulary.moc"
