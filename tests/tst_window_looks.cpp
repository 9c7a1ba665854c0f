#include "WindowWalker.h"
#include "markup/ColourOptions.h"
#include "platform/Contrast.h"
#include "platform/SystemColours.h"
#include "platform/Twips.h"
#include "shell/MainFrame.h"

#include <QtTest>
#include <QtWidgets>

namespace {

QString shownText(const QWidget* widget) {
    auto* group = qobject_cast<const QGroupBox*>(widget);
    auto* bar = qobject_cast<const QProgressBar*>(widget); // its text may be hidden
    return group                          ? group->title()
           : bar && !bar->isTextVisible() ? QString()
                                          : widget->property("text").toString();
}

QString describe(const QWidget* widget) {
    return widget->window()->objectName() + "/" + widget->objectName();
}

// The room a text has: a button's contents, a box's beside its mark, a label's contents, a
// tool button's size less its padding.
QSize roomFor(const QWidget* widget) {
    if (auto* tool = qobject_cast<const QToolButton*>(widget))
        return tool->size() - tool->sizeHint() +
               tool->fontMetrics().size(Qt::TextShowMnemonic, tool->text());
    auto* button = qobject_cast<const QAbstractButton*>(widget);
    if (!button)
        return widget->contentsRect().size() -
               2 * QSize(1, 1) * qobject_cast<const QLabel*>(widget)->margin();
    QStyleOptionButton option;
    option.initFrom(button);
    const auto element = qobject_cast<const QPushButton*>(button) ? QStyle::SE_PushButtonContents
                         : qobject_cast<const QRadioButton*>(button)
                             ? QStyle::SE_RadioButtonContents
                             : QStyle::SE_CheckBoxContents;
    return button->style()->subElementRect(element, &option, button).size();
}

// Cut or elided texts of labels and buttons, and visible sibling controls that overlap.
void findCramped(QWidget& window, QStringList& found) {
    QList<QWidget*> controls;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        const QString text = QString(shownText(widget)).remove(QRegularExpression("&(?!&)"));
        auto* label = qobject_cast<QLabel*>(widget);
        if (!widget->isVisible() || !(label || qobject_cast<QAbstractButton*>(widget)))
            continue;
        controls << widget;
        if (label && label->wordWrap() && label->heightForWidth(label->width()) > label->height())
            found << describe(widget) + " cuts the lines of \"" + text + "\"";
        if (text.isEmpty() || (label && (label->wordWrap() || Qt::mightBeRichText(text))))
            continue;
        const QFontMetrics metrics(widget->font());
        const QSize room = roomFor(widget);
        if (text.contains(QChar(0x2026)) || metrics.horizontalAdvance(text) > room.width() ||
            metrics.ascent() + metrics.descent() > room.height())
            found << describe(widget) + " cuts \"" + text + "\"";
    }
    for (QWidget* control : controls) {
        for (QWidget* other : controls) {
            if (control < other && control->parent() == other->parent() &&
                control->geometry().intersects(other->geometry()))
                found << describe(control) + " overlaps " + describe(other);
        }
    }
}

// Visible texts under 4.5:1 on what they are painted on, rich texts fragment by fragment: on
// the fragment's background, else its block's, else the control's; a link without a colour
// of its own in the link colour. The colour samples and disabled controls aside.
void findFaint(QWidget& window, QStringList& found) {
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        auto* view = qobject_cast<QTextEdit*>(widget); // a read-only one shows a document
        QTextDocument label;
        Qt::mightBeRichText(shownText(widget)) ? label.setHtml(shownText(widget))
                                               : label.setPlainText(shownText(widget));
        const QTextDocument& document = view && view->isReadOnly() ? *view->document() : label;
        if (!widget->isVisible() || !widget->isEnabled() || document.isEmpty() ||
            findColourOption(widget->objectName()) || widget->objectName() == "LblSample")
            continue;
        const QWidget* back = view ? view->viewport() : widget;
        const QColor ink = SystemColours::textOf(back);
        while (!qobject_cast<const QPushButton*>(back) && !back->autoFillBackground() &&
               !back->property("paintedBackground").isValid() && !back->isWindow())
            back = back->parentWidget();
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextCharFormat format = it.fragment().charFormat();
                const QBrush fore = format.foreground(),
                             under = format.background().style() ? format.background()
                                                                 : block.blockFormat().background();
                const QColor text = fore.style()        ? fore.color()
                                    : format.isAnchor() ? widget->palette().color(QPalette::Link)
                                                        : ink;
                const QColor background =
                    under.style() ? under.color() : SystemColours::backgroundOf(back);
                if (contrastRatio(text, background) < 4.5)
                    found << describe(widget) + " " + text.name() + " on " + background.name();
            }
        }
    }
}

QPalette darkPalette() {
    QPalette dark(QColor(0xee, 0xee, 0xee), QColor(0x45, 0x45, 0x45), QColor(0x60, 0x60, 0x60),
                  QColor(0x20, 0x20, 0x20), QColor(0x40, 0x40, 0x40), QColor(0xee, 0xee, 0xee),
                  Qt::white, QColor(0x23, 0x23, 0x23), QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
    dark.setColor(QPalette::HighlightedText, Qt::black);
    dark.setColor(QPalette::Link, QColor(0x2a, 0x82, 0xda));
    return dark;
}

} // namespace

class TestWindowLooks : public QObject {
    Q_OBJECT

public:
    static void initMain() { QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts); }

private slots:
    // The layout grows with the UI font (by its metrics, from 11 pt on): nothing is cut and
    // nothing overlaps at any size. Under a dark scheme, set at start or while the windows
    // are open, every text reads.
    void windowsAtFontSizesAndPalettes_data() {
        QTest::addColumn<int>("points");
        QTest::addColumn<int>("darkWhen"); // 0 never, 1 at start, 2 while open
        QTest::addColumn<double>("scale");
        QTest::newRow("9 pt") << 9 << 0 << 1.0;
        QTest::newRow("11 pt") << 11 << 0 << 1.25;
        QTest::newRow("13 pt") << 13 << 0 << 1.5;
        QTest::newRow("dark at start") << 9 << 1 << 1.0;
        QTest::newRow("dark while open") << 9 << 2 << 1.0;
    }
    void windowsAtFontSizesAndPalettes() {
        QFETCH(int, points);
        QFETCH(int, darkWhen);
        QFETCH(double, scale);
        const QFont usual = QApplication::font();
        QFont font = usual;
        font.setPointSize(points);
        QApplication::setFont(font);
        if (darkWhen == 1)
            QApplication::setPalette(darkPalette());
        const double measured = Twips::fontScale();
        QStringList found;
        const int count = walkWindows([&](QWidget& window) {
            if (darkWhen == 2) {
                QApplication::setPalette(darkPalette());
                for (int i = 0; i < 3; ++i)
                    QCoreApplication::processEvents(); // rederived by posted calls
            }
            darkWhen ? findFaint(window, found) : findCramped(window, found);
            for (QWidget* widget : window.findChildren<QWidget*>()) { // style sheets keep sizes
                if (!widget->styleSheet().isEmpty() &&
                    widget->font().pointSizeF() != widget->parentWidget()->font().pointSizeF())
                    found << describe(widget) + " drops its parent's font size";
            }
            if (darkWhen == 2)
                QApplication::setPalette(QApplication::style()->standardPalette());
        });
        QApplication::setFont(usual);
        QApplication::setPalette(QApplication::style()->standardPalette());
        QCOMPARE(count, 22);
        QVERIFY2(found.isEmpty(), qPrintable(found.join('\n')));
        QVERIFY(qAbs(measured - scale) < 0.1);
    }

    // The frame's smallest size fits a small screen, and is 12000 by 9700 twips on a large one.
    void frameMinimumSizeFitsTheScreen() {
        MainFrame frame;
        frame.fitMinimumSizeTo(QRect(0, 0, 1024, 600));
        QVERIFY(frame.minimumWidth() <= 1024 && frame.minimumHeight() <= 600);
        frame.fitMinimumSizeTo(QRect(0, 0, 1920, 1040));
        QCOMPARE(frame.minimumSize(), QSize(Twips::toPixels(12000), Twips::toPixels(9700)));
    }
};

QTEST_MAIN(TestWindowLooks)
#include "tst_window_looks.moc"
