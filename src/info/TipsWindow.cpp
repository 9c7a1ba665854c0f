#include "info/TipsWindow.h"

#include "info/InfoWidgets.h"
#include "info/TipsTable.h"
#include "platform/HandCursor.h"
#include "platform/LineBreaks.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TipsWindow::TipsWindow(QWidget* parent) : QDialog(parent) {
    setObjectName("frmTips");
    setWindowTitle("Tips");

    QLabel* Label1 = InfoWidgets::label("Label1", "Select a topic from the list", this);
    TipsList = new QListWidget(this);
    TipsList->setObjectName("TipsList");
    TipsList->setFixedWidth(170);
    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName("Text1");
    Text1->setReadOnly(true);
    Text1->setMinimumWidth(260);

    auto* Frame1 = new QFrame(this);
    Frame1->setObjectName("Frame1");
    Frame1->setFrameShape(QFrame::StyledPanel);
    QLabel* Label3 = InfoWidgets::label("Label3", "Menu / ShortCut Key", Frame1);
    QFont bold = Label3->font();
    bold.setBold(true);
    Label3->setFont(bold);
    Label2 = InfoWidgets::label("Label2", QString(), Frame1);
    Label2->setMinimumHeight(Label2->sizeHint().height());
    auto* frameLayout = new QVBoxLayout(Frame1);
    frameLayout->addWidget(Label3);
    frameLayout->addWidget(Label2);

    cmdClose = new QPushButton("&Close", this);
    cmdClose->setObjectName("cmdClose");
    cmdClose->setAutoDefault(false);
    HandCursor::showOver(cmdClose);

    auto* layout = new QGridLayout(this);
    layout->addWidget(Label1, 0, 0, 1, 2);
    layout->addWidget(TipsList, 1, 0, 3, 1);
    layout->addWidget(Text1, 1, 1);
    layout->addWidget(Frame1, 2, 1);
    layout->addWidget(cmdClose, 3, 1, Qt::AlignRight | Qt::AlignBottom);
    layout->setRowStretch(1, 1);
    resize(500, 280);

    connect(TipsList, &QListWidget::currentRowChanged, this, &TipsWindow::TipsList_Click);
    connect(cmdClose, &QPushButton::clicked, this, &TipsWindow::cmdClose_Click);
    Form_Load();
}

void TipsWindow::Form_Load() {
    for (const Tip& tip : TipsTable::tips())
        addSorted(tip.topic);
    TipsList->setCurrentRow(0);
}

void TipsWindow::addSorted(const QString& topic) {
    int row = 0;
    while (row < TipsList->count() &&
           QString::compare(TipsList->item(row)->text(), topic, Qt::CaseInsensitive) <= 0)
        ++row;
    TipsList->insertItem(row, topic);
}

void TipsWindow::TipsList_Click() {
    const QListWidgetItem* selected = TipsList->currentItem();
    const Tip* tip = selected ? TipsTable::find(selected->text()) : nullptr;
    if (!tip)
        return;
    Text1->setPlainText(LineBreaks::toInternal(tip->description));
    Label2->setText(tip->menuPath);
}

void TipsWindow::cmdClose_Click() {
    reject();
}

void TipsWindow::reject() {
    QDialog::reject();
    emit unloaded();
}
