#include "markup/ColourSwatchButton.h"

#include "platform/SystemColours.h"

#include <QPainter>
#include <QStyleOptionButton>

void ColourSwatchButton::paintEvent(QPaintEvent* event) {
    QRadioButton::paintEvent(event);
    if (!property("paintedBackground").isValid())
        return; // an ordinary option on the page's own background
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect mark = style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, this);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPen outline(SystemColours::textOf(this), 1.5);
    painter.setPen(outline);
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(mark).adjusted(0.5, 0.5, -0.5, -0.5));
    if (hasFocus()) {
        outline.setStyle(Qt::DotLine);
        outline.setWidthF(1);
        painter.setPen(outline);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}
