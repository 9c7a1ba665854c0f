#include "shell/PostEditorLayout.h"

#include "platform/Twips.h"

#include <QLabel>
#include <QWidget>

namespace {
int px(int twips) {
    return Twips::toPixels(twips);
}
int tw(int pixels) {
    return Twips::fromPixels(pixels);
}

void place(QWidget* widget, int left, int top, int width, int height) {
    if (widget && width >= 0 && height >= 0)
        widget->setGeometry(px(left), px(top), px(width), px(height));
}
} // namespace

void PostEditorLayout::apply(bool maximized, int outerWidth, int outerHeight,
                             int innerWidth) const {
    QFont helpFont = helpLine->font();
    helpFont.setPointSize(maximized ? 7 : 6);
    helpLine->setFont(helpFont);

    const int surfaceHeight = outerHeight - 1900;
    const int surfaceWidth = innerWidth - 3900;
    place(surface, 100, 100, surfaceWidth, surfaceHeight);
    const int surfaceW = tw(surface->width());
    const int surfaceH = tw(surface->height());

    place(toolPanel, surfaceW + 200, tw(toolPanel->y()), 3600, surfaceH);
    const int panelLeft = tw(toolPanel->x());
    const int panelTop = tw(toolPanel->y());
    const int panelWidth = tw(toolPanel->width());
    const int panelHeight = tw(toolPanel->height());

    place(buttonStrip, outerWidth - 3800, panelHeight + 300, tw(buttonStrip->width()),
          tw(buttonStrip->height()));
    place(helpLine, tw(helpLine->x()), surfaceH + tw(tagDisplay->height()) + 350, surfaceW,
          tw(helpLine->height()));
    for (QWidget* page : pages)
        place(page, panelLeft + 150, panelTop + 300, panelWidth - 300, panelHeight - 600);
    place(tagDisplay, tw(tagDisplay->x()), surfaceH + 300, surfaceW - 2200,
          tw(tagDisplay->height()));
    if (presetButton)
        place(presetButton, tw(tagDisplay->width()) + 200, surfaceH + 300,
              tw(presetButton->width()), tw(presetButton->height()));
}
