#include "platform/VectorIconStyle.h"

#include "platform/PaletteSvgIcon.h"

#include <QApplication>
#include <QGroupBox>
#include <QPainter>
#include <QStyleOption>
#include <utility>

namespace {

// The program's own pictures for the icons Qt would otherwise read from PNG files.
constexpr std::pair<QStyle::StandardPixmap, const char*> kPictures[] = {
    {QStyle::SP_TitleBarCloseButton, ":/standard/close.svg"},
    {QStyle::SP_TitleBarMinButton, ":/standard/minimise.svg"},
    {QStyle::SP_TitleBarMaxButton, ":/standard/maximise.svg"},
    {QStyle::SP_TitleBarNormalButton, ":/standard/restore.svg"},
    {QStyle::SP_TitleBarContextHelpButton, ":/standard/help.svg"},
    {QStyle::SP_TitleBarShadeButton, ":/standard/shade.svg"},
    {QStyle::SP_TitleBarUnshadeButton, ":/standard/unshade.svg"},
    {QStyle::SP_ToolBarHorizontalExtensionButton, ":/standard/more-right.svg"},
    {QStyle::SP_ToolBarVerticalExtensionButton, ":/standard/more-down.svg"},
};

// Where a group box's frame starts below the top of its frame rectangle: below its title
// or check box, or close to the top when it has neither.
int frameTop(const QStyleOption& option, const QWidget* widget, const QStyle& style) {
    constexpr int kMargin = 3;
    const auto* box = qobject_cast<const QGroupBox*>(widget);
    if (box && !box->isCheckable() && box->title().isEmpty())
        return kMargin;
    return std::max(style.pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, &option, widget),
                    option.fontMetrics.height()) +
           kMargin;
}

} // namespace

void VectorIconStyle::install() {
    if (!qobject_cast<VectorIconStyle*>(QApplication::style()))
        QApplication::setStyle(new VectorIconStyle);
}

QIcon VectorIconStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                    const QWidget* widget) const {
    if (icon == SP_TitleBarMenuButton && !QApplication::windowIcon().isNull())
        return QApplication::windowIcon(); // the program's own, as on its windows
    for (const auto& [standard, picture] : kPictures)
        if (standard == icon)
            return QIcon(new PaletteSvgIcon(QString::fromLatin1(picture)));
    return QProxyStyle::standardIcon(icon, option, widget);
}

void VectorIconStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                    QPainter* painter, const QWidget* widget) const {
    if (element != PE_FrameGroupBox)
        return QProxyStyle::drawPrimitive(element, option, painter, widget);
    // A thin rounded line a sixth of the way from the window's colour to its text's, round
    // a faint shade.
    const QColor window = option->palette.color(QPalette::Window);
    const QColor text = option->palette.color(QPalette::WindowText);
    const auto blend = [](int from, int to) { return from + (to - from) / 6; };
    const QColor line(blend(window.red(), text.red()), blend(window.green(), text.green()),
                      blend(window.blue(), text.blue()));
    const QRectF frame = QRectF(option->rect.adjusted(0, frameTop(*option, widget, *this), 0, 0))
                             .adjusted(0.5, 0.5, -0.5, -0.5);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(line);
    painter->setBrush(QColor(0, 0, 0, 8));
    painter->drawRoundedRect(frame, 2, 2);
    painter->restore();
}
