#include "WindowWalker.h"
#include "platform/Twips.h"
#include "shell/MainFrame.h"

#include <QApplication>
#include <QStyle>
#include <QtTest>

namespace {

// A dark scheme as desktops ship it: light text, a blue highlight and link.
QPalette darkPalette() {
    QPalette dark(QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Base, QColor(0x23, 0x23, 0x23));
    dark.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Button, QColor(0x45, 0x45, 0x45));
    dark.setColor(QPalette::ButtonText, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
    dark.setColor(QPalette::HighlightedText, Qt::black);
    dark.setColor(QPalette::Link, QColor(0x2a, 0x82, 0xda));
    dark.setColor(QPalette::LinkVisited, QColor(0x9a, 0x6f, 0xd8));
    dark.setColor(QPalette::ToolTipBase, QColor(0x45, 0x45, 0x45));
    dark.setColor(QPalette::ToolTipText, QColor(0xee, 0xee, 0xee));
    return dark;
}

void useLightPalette() {
    QApplication::setPalette(QApplication::style()->standardPalette());
}

} // namespace

class TestWindowLooks : public QObject {
    Q_OBJECT

private slots:
    // The layout grows with the UI font: nothing is cut and nothing overlaps at any size.
    void everyTextFitsAtEveryFontSize_data() {
        QTest::addColumn<int>("points");
        QTest::addColumn<double>("leastScale");
        QTest::addColumn<double>("mostScale");
        QTest::newRow("9 pt, the layout as laid out") << 9 << 1.0 << 1.0;
        QTest::newRow("11 pt") << 11 << 1.15 << 1.35;
        QTest::newRow("13 pt") << 13 << 1.35 << 1.6;
    }
    void everyTextFitsAtEveryFontSize() {
        QFETCH(int, points);
        QFETCH(double, leastScale);
        QFETCH(double, mostScale);
        const QFont usual = QApplication::font();
        QFont font = usual;
        font.setPointSize(points);
        QApplication::setFont(font);
        const double scale = Twips::fontScale();
        QStringList problems;
        const QStringList visited = walkWindows(
            [&](const QString&, QWidget& window) { problems << crampedControls(window); });
        QApplication::setFont(usual);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
        QVERIFY2(scale >= leastScale && scale <= mostScale, qPrintable(QString::number(scale)));
        QVERIFY2(visited.size() == 15, qPrintable(visited.join(' ')));
    }

    // Under a dark scheme, chosen at start or while the windows are open, every text reads.
    void everyTextReadsOnADarkPalette_data() {
        QTest::addColumn<bool>("switchWhileOpen");
        QTest::newRow("dark at start") << false;
        QTest::newRow("switched while open") << true;
    }
    void everyTextReadsOnADarkPalette() {
        QFETCH(bool, switchWhileOpen);
        if (!switchWhileOpen)
            QApplication::setPalette(darkPalette());
        QStringList problems;
        walkWindows([&](const QString&, QWidget& window) {
            if (switchWhileOpen) {
                QApplication::setPalette(darkPalette());
                for (int i = 0; i < 3; ++i)
                    QCoreApplication::processEvents();
            }
            problems << faintTexts(window);
            if (switchWhileOpen)
                useLightPalette();
        });
        useLightPalette();
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }

    // On a screen smaller than the frame's smallest size the whole frame still fits; on a
    // large one the smallest size is the full 12000 by 9700 twips.
    void frameMinimumSizeFitsTheScreen_data() {
        QTest::addColumn<QRect>("available");
        QTest::addColumn<bool>("clamped");
        QTest::newRow("1024x600 netbook") << QRect(0, 0, 1024, 600) << true;
        QTest::newRow("1080p at 200 %") << QRect(0, 0, 960, 510) << true;
        QTest::newRow("1920x1040") << QRect(0, 0, 1920, 1040) << false;
    }
    void frameMinimumSizeFitsTheScreen() {
        QFETCH(QRect, available);
        QFETCH(bool, clamped);
        MainFrame frame;
        frame.fitMinimumSizeTo(available);
        QVERIFY(available.width() >= frame.minimumWidth());
        QVERIFY(available.height() >= frame.minimumHeight());
        QCOMPARE(frame.minimumSize() != QSize(Twips::toPixels(12000), Twips::toPixels(9700)),
                 clamped);
    }
};

QTEST_MAIN(TestWindowLooks)
#include "tst_window_looks.moc"
