#pragma once

#include <QLabel>

// A label that acts as a link: underlined, with the hand cursor and a tool tip. Its text
// turns red while the mouse moves over it and stays so until the mouse moves over the
// background of its window (see LinkLabel::watchBackground).
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    LinkLabel(const char* name, const QString& text, const QString& toolTip, QWidget* parent);

    static QColor hoverColour() { return QColor(255, 0, 0); }
    static QColor restColour() { return QColor(0, 0, 0); }

    void setTextColour(const QColor& colour);

    // Mouse movement over window's own background turns all of its links black.
    static void watchBackground(QWidget* window);

signals:
    void clicked();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};
