#pragma once

#include <QRadioButton>

// A colour option drawn on its colour (a highlight, or a caption that needs a backdrop to
// read). Its option mark and focus ring get an outline in the caption's colour, which
// contrasts with the swatch, so both show on any colour in light and dark themes.
class ColourSwatchButton : public QRadioButton {
    Q_OBJECT
public:
    using QRadioButton::QRadioButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};
