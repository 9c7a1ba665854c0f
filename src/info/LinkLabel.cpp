#include "info/LinkLabel.h"

#include "platform/HandCursor.h"

#include <QMouseEvent>

namespace {

// Watches one window for mouse movement over its background.
class BackgroundWatcher : public QObject {
public:
    explicit BackgroundWatcher(QWidget* window) : QObject(window), m_window(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_window && event->type() == QEvent::MouseMove) {
            for (LinkLabel* link : m_window->findChildren<LinkLabel*>())
                link->setTextColour(LinkLabel::restColour());
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
    setTextColour(restColour());
}

void LinkLabel::setTextColour(const QColor& colour) {
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, colour);
    setPalette(colours);
}

void LinkLabel::watchBackground(QWidget* window) {
    window->setMouseTracking(true);
    window->installEventFilter(new BackgroundWatcher(window));
}

void LinkLabel::mouseMoveEvent(QMouseEvent* event) {
    setTextColour(hoverColour());
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
