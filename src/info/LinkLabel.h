#pragma once

#include <QLabel>

// A label that acts as a link: underlined, with the hand cursor and a tool tip, in the
// palette's link colour. Its text turns red (where red reads on the background; else the
// palette's visited-link colour) while the mouse moves over it and stays so until the
// mouse moves over the background of its window (see LinkLabel::watchBackground).
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    LinkLabel(const char* name, const QString& text, const QString& toolTip, QWidget* parent);

    void setHovered(bool hovered);

    // Mouse movement over window's own background turns all of its links back.
    static void watchBackground(QWidget* window);

signals:
    void clicked();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void showColour();

    bool m_hovered = false;
};
