#include "info/TipsWindow.h"

#include "info/InfoWidgets.h"
#include "info/TipsTable.h"
#include "platform/HandCursor.h"
#include "platform/LineBreaks.h"
#include "platform/Twips.h"

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

    QLabel* hint = InfoWidgets::label("Label1", "Select a topic from the list", this);
    m_topicList = new QListWidget(this);
    m_topicList->setObjectName("TipsList");
    m_topicList->setFixedWidth(Twips::scaled(170));
    m_descriptionBox = new QPlainTextEdit(this);
    m_descriptionBox->setObjectName("Text1");
    m_descriptionBox->setReadOnly(true);
    m_descriptionBox->setMinimumWidth(Twips::scaled(260));

    auto* menuPathFrame = new QFrame(this);
    menuPathFrame->setObjectName("Frame1");
    menuPathFrame->setFrameShape(QFrame::StyledPanel);
    QLabel* menuPathTitle = InfoWidgets::label("Label3", "Menu / ShortCut Key", menuPathFrame);
    QFont bold = menuPathTitle->font();
    bold.setBold(true);
    menuPathTitle->setFont(bold);
    m_menuPathLabel = InfoWidgets::label("Label2", QString(), menuPathFrame);
    m_menuPathLabel->setMinimumHeight(m_menuPathLabel->sizeHint().height());
    auto* frameLayout = new QVBoxLayout(menuPathFrame);
    frameLayout->addWidget(menuPathTitle);
    frameLayout->addWidget(m_menuPathLabel);

    auto* closeButton = new QPushButton("&Close", this);
    closeButton->setObjectName("cmdClose");
    closeButton->setAutoDefault(false);
    HandCursor::showOver(closeButton);

    auto* layout = new QGridLayout(this);
    layout->addWidget(hint, 0, 0, 1, 2);
    layout->addWidget(m_topicList, 1, 0, 3, 1);
    layout->addWidget(m_descriptionBox, 1, 1);
    layout->addWidget(menuPathFrame, 2, 1);
    layout->addWidget(closeButton, 3, 1, Qt::AlignRight | Qt::AlignBottom);
    layout->setRowStretch(1, 1);
    resize(Twips::scaled(500), Twips::scaled(280));

    connect(m_topicList, &QListWidget::currentRowChanged, this, &TipsWindow::showSelectedTip);
    connect(closeButton, &QPushButton::clicked, this, &TipsWindow::reject);

    for (const Tip& tip : TipsTable::tips())
        addTopicSorted(tip.topic);
    m_topicList->setCurrentRow(0);
}

void TipsWindow::addTopicSorted(const QString& topic) {
    int row = 0;
    while (row < m_topicList->count() &&
           QString::compare(m_topicList->item(row)->text(), topic, Qt::CaseInsensitive) <= 0)
        ++row;
    m_topicList->insertItem(row, topic);
}

void TipsWindow::showSelectedTip() {
    const QListWidgetItem* selected = m_topicList->currentItem();
    const Tip* tip = selected ? TipsTable::find(selected->text()) : nullptr;
    if (!tip)
        return;
    m_descriptionBox->setPlainText(LineBreaks::toInternal(tip->description));
    m_menuPathLabel->setText(tip->menuPath);
}

void TipsWindow::reject() {
    QDialog::reject();
    emit unloaded();
}
