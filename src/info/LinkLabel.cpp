#include "info/LinkLabel.h"

#include "platform/Contrast.h"
#include "platform/HandCursor.h"
#include "platform/SystemColours.h"

#include <QMouseEvent>

namespace {

constexpr double kMinimumContrast = 4.5;
// Red on white reads at 4:1; the hover lasts only while the mouse is there.
constexpr double kHoverContrast = 3.0;

// Watches one window for mouse movement over its background.
class BackgroundWatcher : public QObject {
public:
    explicit BackgroundWatcher(QWidget* window) : QObject(window), m_window(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_window && event->type() == QEvent::MouseMove) {
            for (LinkLabel* link : m_window->findChildren<LinkLabel*>())
                link->setHovered(false);
        }
        return false;
    }

private:
    QWidget* m_window;
};

} // namespace

LinkLabel::LinkLabel(const char* name, const QString& text, const QString& toolTip, QWidget* parent)
    : QLabel(text, parent) {
    setObjectName(name);
    setTextFormat(Qt::PlainText);
    setToolTip(toolTip);
    setMouseTracking(true);
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    HandCursor::showOver(this);
    showColour();
    SystemColours::followPalette(this, [this] { showColour(); });
}

void LinkLabel::setHovered(bool hovered) {
    m_hovered = hovered;
    showColour();
}

// Both colours read on the window's background, light or dark.
void LinkLabel::showColour() {
    const QPalette inherited = parentWidget() ? parentWidget()->palette() : QPalette();
    const QColor background = inherited.color(QPalette::Window);
    const QColor hover(255, 0, 0);
    const QColor colour =
        !m_hovered ? readableOn(inherited.color(QPalette::Link), background, kMinimumContrast)
        : contrastRatio(hover, background) >= kHoverContrast
            ? hover
            : readableOn(inherited.color(QPalette::LinkVisited), background, kMinimumContrast);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, colour);
    setPalette(colours);
}

void LinkLabel::watchBackground(QWidget* window) {
    window->setMouseTracking(true);
    window->installEventFilter(new BackgroundWatcher(window));
}

void LinkLabel::mouseMoveEvent(QMouseEvent* event) {
    setHovered(true);
    event->accept(); // not the window's background
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}
