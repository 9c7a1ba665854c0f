#include "platform/ParagraphLayout.h"

#ifdef QUILLET_TEXT_ENGINE

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextList>
#include <QtGui/private/qfixed_p.h>
#include <QtGui/private/qfont_p.h>
#include <QtGui/private/qguiapplication_p.h>

namespace {

struct LineSpacing {
    QFixed height;     // to the next line's top
    QFixed adjustment; // how far the line is drawn above its top
};

LineSpacing spacingOf(const QTextBlockFormat& format, const QTextLine& line, qreal scaling) {
    const qreal rawHeight = qCeil(line.ascent() + line.descent() + line.leading());
    LineSpacing spacing{QFixed::fromReal(format.lineHeight(rawHeight, scaling)), QFixed()};
    if (format.lineHeightType() == QTextBlockFormat::FixedHeight)
        spacing.adjustment = QFixed::fromReal(line.ascent() + qMax(line.leading(), qreal(0))) -
                             spacing.height * 4 / 5;
    else if (format.lineHeightType() == QTextBlockFormat::MinimumHeight)
        spacing.adjustment = QFixed::fromReal(line.height()) - spacing.height;
    return spacing;
}

QTextOption optionFor(const QTextDocument& document, const QTextBlockFormat& format,
                      Qt::LayoutDirection direction) {
    QTextOption option = document.defaultTextOption();
    option.setTextDirection(direction);
    option.setTabs(format.tabPositions());
    Qt::Alignment alignment = option.alignment();
    if (format.hasProperty(QTextFormat::BlockAlignment))
        alignment = format.alignment();
    option.setAlignment(QGuiApplicationPrivate::visualAlignment(direction, alignment));
    if (format.nonBreakableLines() || document.pageSize().width() < 0)
        option.setWrapMode(QTextOption::ManualWrap);
    return option;
}

} // namespace

ParagraphLayout::ParagraphLayout(const QAbstractTextDocumentLayout& documentLayout)
    : m_documentLayout(documentLayout) {
    const QPaintDevice* device = documentLayout.paintDevice();
    const int dpi = device ? device->logicalDpiY() : qt_defaultDpi();
    m_dpiScale = qreal(dpi) / qreal(qt_defaultDpi());
    const auto scaled = [device, dpi](qreal value) {
        return QFixed::fromReal(device ? value * dpi / qreal(qt_defaultDpi()) : value).round();
    };
    const QTextDocument& document = *documentLayout.document();
    const QTextFrameFormat frame = document.rootFrame()->frameFormat();
    const QFixed edge = scaled(frame.border()) + scaled(frame.padding());
    QFixed width =
        QFixed::fromReal(frame.width().value(qMax<qreal>(0, document.pageSize().width())));
    if (device && frame.width().type() == QTextLength::FixedLength)
        width = width * QFixed(dpi) / QFixed(qt_defaultDpi());
    const QFixed left = scaled(frame.leftMargin()) + edge;
    m_left = left.value();
    m_right = (left + width - 2 * edge - scaled(frame.leftMargin()) - scaled(frame.rightMargin()))
                  .value();
}

void ParagraphLayout::layOut(const QTextBlock& paragraph) const {
    if (!paragraph.isVisible())
        return;
    const QTextDocument& document = *m_documentLayout.document();
    const QTextBlockFormat format = paragraph.blockFormat();
    const Qt::LayoutDirection direction = paragraph.textDirection();
    const bool rightToLeft = direction == Qt::RightToLeft;

    QFixed separatorMark;
    if (document.defaultTextOption().flags() & QTextOption::AddSpaceForLineAndParagraphSeparators)
        separatorMark = QFixed::fromReal(
            QFontMetricsF(paragraph.charFormat().font()).horizontalAdvance(u'\x21B5'));
    qreal indentSteps = format.indent();
    if (const QTextList* list = paragraph.textList())
        indentSteps += list->format().indent();
    const QFixed indent = qIsNull(indentSteps)
                              ? QFixed()
                              : QFixed::fromReal(indentSteps * m_dpiScale * document.indentWidth());
    const QFixed firstIndent = QFixed::fromReal(format.textIndent());
    const QFixed frameLeft = QFixed::fromFixed(m_left);
    const QFixed frameRight = QFixed::fromFixed(m_right);
    const QFixed left = qMax(frameLeft, frameLeft + QFixed::fromReal(format.leftMargin()) +
                                            (rightToLeft ? separatorMark : indent));
    const QFixed right = qMin(frameRight, frameRight - QFixed::fromReal(format.rightMargin()) -
                                              (rightToLeft ? indent : separatorMark));

    QTextLayout& layout = *paragraph.layout();
    QTextOption option = optionFor(document, format, direction);
    layout.setTextOption(option);
    const bool breaksWordsToo = option.wrapMode() == QTextOption::WrapAtWordBoundaryOrAnywhere;

    QFixed y;
    layout.beginLayout();
    for (bool first = true;; first = false) {
        QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        line.setLeadingIncluded(true);
        QFixed lineLeft = left;
        QFixed lineRight = right;
        if (first && rightToLeft)
            lineRight -= firstIndent;
        else if (first)
            lineLeft += firstIndent;
        const QFixed width = lineRight - lineLeft;
        line.setLineWidth(width.toReal());
        if (QFixed::fromReal(line.naturalTextWidth()) > width) {
            // Nothing fits: a word wider than the line is broken anywhere.
            if (breaksWordsToo) {
                option.setWrapMode(QTextOption::WrapAnywhere);
                layout.setTextOption(option);
            }
            line.setLineWidth(qMax<qreal>(line.naturalTextWidth(), width.toReal()));
            if (breaksWordsToo) {
                option.setWrapMode(QTextOption::WordWrap);
                layout.setTextOption(option);
            }
        }
        const LineSpacing spacing = spacingOf(format, line, m_dpiScale);
        line.setPosition(
            QPointF((lineLeft - frameLeft).toReal(), (y - spacing.adjustment).toReal()));
        y += spacing.height;
    }
    layout.endLayout();
}

#endif
