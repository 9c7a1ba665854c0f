#pragma once

#include <QEvent>
#include <QWidget>

// Counts the times a widget is painted while the counter lives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget& widget) { widget.installEventFilter(this); }
    int count() const { return m_count; }
    void reset() { m_count = 0; }
    bool eventFilter(QObject*, QEvent* event) override {
        m_count += event->type() == QEvent::Paint;
        return false;
    }

private:
    int m_count = 0;
};
