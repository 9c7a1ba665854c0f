#pragma once

#include <QIconEngine>

// An icon drawn from a one-colour SVG picture whose strokes and fills say "currentColor",
// in the application palette's colour for the icon's mode at the time it is drawn: it reads
// on light and dark palettes alike, on a highlighted menu item too, and follows a palette
// change. Drawn straight from the SVG, so no image-format plugin is asked.
class PaletteSvgIcon : public QIconEngine {
public:
    explicit PaletteSvgIcon(const QString& resource);

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override;

private:
    PaletteSvgIcon() = default;

    QByteArray m_svg;
};
