#include "platform/SystemColours.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace SystemColours {

QColor highlight() {
    return QApplication::palette().color(QPalette::Active, QPalette::Highlight);
}

QColor grayText() {
    return QApplication::palette().color(QPalette::Disabled, QPalette::WindowText);
}

QColor window() {
    return QApplication::palette().color(QPalette::Active, QPalette::Base);
}

QColor appWorkspace() {
    return QApplication::palette().color(QPalette::Active, QPalette::Dark);
}

void paint(QWidget* control, const QColor& background, const QColor& text) {
    if (!control)
        return;
    QString sheet = QStringLiteral("background-color: %1;").arg(background.name());
    if (text.isValid())
        sheet += QStringLiteral(" color: %1;").arg(text.name());
    control->setProperty("paintedBackground", background);
    control->setStyleSheet(sheet);
}

QColor backgroundOf(const QWidget* control) {
    if (!control)
        return QColor();
    const QVariant painted = control->property("paintedBackground");
    return painted.isValid() ? painted.value<QColor>()
                             : control->palette().color(control->backgroundRole());
}

} // namespace SystemColours
