// The markup tables that need no window: the button pictures and the list page's options.
#include "markup/ListText.h"
#include "markup/MainTags.h"
#include "markup/SmileyTable.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtTest>

class TestMarkupVocabulary : public QObject {
    Q_OBJECT

private slots:
    void everyPictureIsA32PixelSvgThatDraws_data() {
        QTest::addColumn<QString>("path");
        QStringList paths{Star::picturePath()};
        for (const Smiley& smiley : smileys())
            paths << smiley.picturePath();
        for (const MainTagOption& option : mainTagOptions())
            paths << option.picturePath();
        for (const QString& path : paths)
            QTest::newRow(qPrintable(path)) << path;
    }
    void everyPictureIsA32PixelSvgThatDraws() {
        QFETCH(QString, path);
        QVERIFY2(QFile::exists(path), "picture missing from the resources");
        QSvgRenderer renderer(path);
        QCOMPARE(renderer.viewBox(), QRect(0, 0, 32, 32));
        QImage image(32, 32, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        int drawn = 0;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x)
                drawn += qAlpha(image.pixel(x, y)) > 0;
        }
        // A button picture fills a good part of its square.
        QVERIFY2(drawn > 32 * 32 / 4, qPrintable(QString::number(drawn) + " pixels drawn"));
    }

    // Each column lists its kind from 1 item down to 15.
    void listColumnsCoverEveryOption() {
        for (ListKind kind : {ListKind::Bulleted, ListKind::Numbered}) {
            const QList<int> column = listColumn(kind);
            QCOMPARE(column.size(), kMaxListItems);
            for (int row = 0; row < column.size(); ++row)
                QCOMPARE(listShapeOf(column[row]), std::optional<ListShape>({kind, row + 1}));
        }
        QVERIFY(!listShapeOf(0) && !listShapeOf(31));
        QCOMPARE(listOptionCaption(11) + ", " + listOptionCaption(30), "1 Item, 15 Items");
    }
};

QTEST_GUILESS_MAIN(TestMarkupVocabulary)
#include "tst_markup_vocabulary.moc"
