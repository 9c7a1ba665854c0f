#include "info/InfoWidgets.h"

#include <QFrame>
#include <QIcon>
#include <QLabel>

namespace InfoWidgets {

QLabel* label(const char* name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLabel* title(const QString& text, QWidget* parent) {
    QLabel* title = label("lblTitle", text, parent);
    QFont large = title->font();
    large.setBold(true);
    large.setPointSizeF(large.pointSizeF() * 1.5);
    title->setFont(large);
    return title;
}

QLabel* emblem(int size, QWidget* parent) {
    auto* picture = new QLabel(parent);
    picture->setPixmap(QIcon(":/icons/quillet.svg").pixmap(size, size));
    picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    return picture;
}

QFrame* line(QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

} // namespace InfoWidgets
