// The pictures of the smiley and main tag buttons.
#include "markup/MainTags.h"
#include "markup/SmileyTable.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtTest>

class TestMarkupVocabulary : public QObject {
    Q_OBJECT

private slots:
    // Each a 32 pixel square picture in the resources that fills a good part of it.
    void everyPictureDraws() {
        QStringList paths{Star::picturePath()};
        for (const Smiley& smiley : smileys())
            paths << smiley.picturePath();
        for (const MainTagOption& option : mainTagOptions())
            paths << option.picturePath();
        for (const QString& path : paths) {
            QSvgRenderer renderer(path);
            QVERIFY2(renderer.viewBox() == QRect(0, 0, 32, 32), qPrintable(path));
            QImage image(32, 32, QImage::Format_ARGB32);
            image.fill(Qt::transparent);
            QPainter painter(&image);
            renderer.render(&painter);
            painter.end();
            int drawn = 0;
            for (int pixel = 0; pixel < 32 * 32; ++pixel)
                drawn += qAlpha(image.pixel(pixel % 32, pixel / 32)) > 0;
            QVERIFY2(drawn > 32 * 32 / 4, qPrintable(path));
        }
    }
};

QTEST_GUILESS_MAIN(TestMarkupVocabulary)
#include "tst_markup_vocabulary.moc"
