#include "services/WaitWindow.h"

#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

WaitWindow::WaitWindow(QWidget* parent) : QDialog(parent) {
    setObjectName("frmWait");
    setWindowTitle("Wait");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    Label1 = new QLabel("Please wait !! Searching for components", this);
    Label1->setObjectName("Label1");
    Label1->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->addWidget(Label1);
    setFixedSize(sizeHint());

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setSingleShot(true);
    Timer1->setInterval(kInterval);
    connect(Timer1, &QTimer::timeout, this, &QDialog::accept);
    Timer1->start();
}
