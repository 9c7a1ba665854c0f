#include "platform/PaletteSvgIcon.h"

#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QSvgRenderer>

namespace {

QColor colourFor(QIcon::Mode mode) {
    const QPalette palette = QGuiApplication::palette();
    switch (mode) {
    case QIcon::Disabled:
        return palette.color(QPalette::Disabled, QPalette::WindowText);
    case QIcon::Active: // a menu item under the pointer, drawn on the highlight
    case QIcon::Selected:
        return palette.color(QPalette::Active, QPalette::HighlightedText);
    case QIcon::Normal:
        break;
    }
    return palette.color(QPalette::Active, QPalette::WindowText);
}

} // namespace

PaletteSvgIcon::PaletteSvgIcon(const QString& resource) {
    QFile file(resource);
    if (file.open(QIODevice::ReadOnly))
        m_svg = file.readAll();
}

void PaletteSvgIcon::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) {
    QByteArray svg = m_svg;
    svg.replace("currentColor", colourFor(mode).name().toLatin1());
    QSvgRenderer renderer(svg);
    renderer.render(painter, QRectF(rect));
}

QPixmap PaletteSvgIcon::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    paint(&painter, picture.rect(), mode, state);
    return picture;
}

QIconEngine* PaletteSvgIcon::clone() const {
    auto* copy = new PaletteSvgIcon;
    copy->m_svg = m_svg;
    return copy;
}
