#include "shell/PostEditorLayout.h"

#include "platform/Twips.h"

#include <QLabel>
#include <QWidget>

namespace {
void place(QWidget* widget, int left, int top, int width, int height) {
    if (widget && width >= 0 && height >= 0)
        widget->setGeometry(Twips::toPixels(left), Twips::toPixels(top), Twips::toPixels(width),
                            Twips::toPixels(height));
}
} // namespace

void PostEditorLayout::apply(bool maximized, int outerWidth, int outerHeight,
                             int innerWidth) const {
    QFont helpFont = helpLine->font();
    helpFont.setPointSizeF((maximized ? 7 : 6) * Twips::fontScale());
    helpLine->setFont(helpFont);

    const int surfaceHeight = outerHeight - 1900;
    const int surfaceWidth = innerWidth - 3900;
    // A shown find bar takes the bottom of the surface's place.
    const int findBarHeight =
        findBar && !findBar->isHidden() ? Twips::fromPixels(findBar->sizeHint().height()) : 0;
    place(surface, 100, 100, surfaceWidth, surfaceHeight - findBarHeight);
    const int surfaceW = Twips::fromPixels(surface->width());
    const int surfaceH = Twips::fromPixels(surface->height()) + findBarHeight;
    if (findBarHeight > 0)
        place(findBar, 100, 100 + surfaceH - findBarHeight, surfaceW, findBarHeight);

    place(toolPanel, surfaceW + 200, Twips::fromPixels(toolPanel->y()), 3600, surfaceH);
    const int panelLeft = Twips::fromPixels(toolPanel->x());
    const int panelTop = Twips::fromPixels(toolPanel->y());
    const int panelWidth = Twips::fromPixels(toolPanel->width());
    const int panelHeight = Twips::fromPixels(toolPanel->height());

    place(buttonStrip, outerWidth - 3800, panelHeight + 300,
          Twips::fromPixels(buttonStrip->width()), Twips::fromPixels(buttonStrip->height()));
    place(helpLine, Twips::fromPixels(helpLine->x()),
          surfaceH + Twips::fromPixels(tagDisplay->height()) + 350, surfaceW,
          Twips::fromPixels(helpLine->height()));
    for (QWidget* page : pages)
        place(page, panelLeft + 150, panelTop + 300, panelWidth - 300, panelHeight - 600);
    place(tagDisplay, Twips::fromPixels(tagDisplay->x()), surfaceH + 300, surfaceW - 2200,
          Twips::fromPixels(tagDisplay->height()));
    if (presetButton)
        place(presetButton, Twips::fromPixels(tagDisplay->width()) + 200, surfaceH + 300,
              Twips::fromPixels(presetButton->width()), Twips::fromPixels(presetButton->height()));
}
