#pragma once

#include <QProxyStyle>

// The application's style with the standard icons that widgets take as they are made (a
// sub-window's title-bar buttons and system menu, a menu bar's extension button) drawn
// from the program's own SVG pictures in the palette's colours, and group boxes framed by
// drawing. The base style's are PNG files, and reading the first of them loads every
// image-format plugin there is, which a program that shows no picture files does not need.
class VectorIconStyle : public QProxyStyle {
    Q_OBJECT
public:
    // Makes the application's style one of these, unless it is already.
    static void install();

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                       const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
};
