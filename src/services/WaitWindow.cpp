#include "services/WaitWindow.h"

#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

WaitWindow::WaitWindow(QWidget* parent) : QDialog(parent) {
    setObjectName("frmWait");
    setWindowTitle("Wait");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* label = new QLabel("Please wait !! Searching for components", this);
    label->setObjectName("Label1");
    label->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->addWidget(label);
    setFixedSize(sizeHint());

    auto* timer = new QTimer(this);
    timer->setObjectName("Timer1");
    timer->setSingleShot(true);
    timer->setInterval(kInterval);
    connect(timer, &QTimer::timeout, this, &QDialog::accept);
    timer->start();
}
