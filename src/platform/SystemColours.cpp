#include "platform/SystemColours.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace {
// Hears of a new palette as the control takes it, and rederives the control's colours once
// the change is through. The rederived colours are the same again, so this comes to rest.
class PaletteFollower : public QObject {
public:
    PaletteFollower(QWidget* control, std::function<void()> rederive)
        : QObject(control), m_rederive(std::move(rederive)) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::PaletteChange ||
            event->type() == QEvent::ApplicationPaletteChange)
            QMetaObject::invokeMethod(this, m_rederive, Qt::QueuedConnection);
        return false;
    }

private:
    std::function<void()> m_rederive;
};
} // namespace

namespace SystemColours {

QColor highlight() {
    return QApplication::palette().color(QPalette::Active, QPalette::Highlight);
}

QColor highlightedText() {
    return QApplication::palette().color(QPalette::Active, QPalette::HighlightedText);
}

QColor text() {
    return QApplication::palette().color(QPalette::Active, QPalette::Text);
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

QColor windowText() {
    return QApplication::palette().color(QPalette::Active, QPalette::WindowText);
}

QColor toolTipBase() {
    return QApplication::palette().color(QPalette::Active, QPalette::ToolTipBase);
}

QColor toolTipText() {
    return QApplication::palette().color(QPalette::Active, QPalette::ToolTipText);
}

void paint(QWidget* control, const QColor& background, const QColor& text) {
    if (!control)
        return;
    QString sheet = QStringLiteral("background-color: %1;").arg(background.name());
    if (text.isValid())
        sheet += QStringLiteral(" color: %1;").arg(text.name());
    control->setProperty("paintedBackground", background);
    control->setProperty("paintedText", text.isValid() ? QVariant(text) : QVariant());
    control->setStyleSheet(sheet);
}

void clearPaint(QWidget* control) {
    control->setProperty("paintedBackground", QVariant());
    control->setProperty("paintedText", QVariant());
    control->setStyleSheet(QString());
}

QColor backgroundOf(const QWidget* control) {
    if (!control)
        return QColor();
    const QVariant painted = control->property("paintedBackground");
    return painted.isValid() ? painted.value<QColor>()
                             : control->palette().color(control->backgroundRole());
}

QColor textOf(const QWidget* control) {
    const QVariant painted = control->property("paintedText");
    return painted.isValid() ? painted.value<QColor>()
                             : control->palette().color(control->foregroundRole());
}

void followPalette(QWidget* control, std::function<void()> rederive) {
    control->installEventFilter(new PaletteFollower(control, std::move(rederive)));
}

} // namespace SystemColours
