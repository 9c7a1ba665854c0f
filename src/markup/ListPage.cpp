#include "markup/ListPage.h"

#include "markup/Insertion.h"
#include "markup/ListText.h"
#include "platform/HandCursor.h"
#include "platform/Prompter.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

ListPage::ListPage(EditingSurface& surface, QWidget* parent)
    : QGroupBox("List", parent), m_surface(surface) {
    setObjectName("FrameList");
    for (int number = 1; number <= kListOptionCount; ++number) {
        auto* option = new QRadioButton(listOptionCaption(number), this);
        option->setObjectName(listOptionObjectName(number));
        m_options.append(option);
    }
    // One group across both columns: one list shape at a time, none at start.
    auto* group = new QButtonGroup(this);
    for (QRadioButton* option : m_options)
        group->addButton(option);

    auto* columns = new QHBoxLayout;
    columns->addWidget(
        createColumn("LabelBullet", kBulletedHeading, listColumn(ListKind::Bulleted)));
    columns->addWidget(createColumn("Label9", kNumberedHeading, listColumn(ListKind::Numbered)));

    auto* insertButton = new QPushButton(kInsertListCaption, this);
    insertButton->setObjectName("cmdListInsert");
    HandCursor::showOver(insertButton);
    connect(insertButton, &QPushButton::clicked, this, &ListPage::insertList);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(columns);
    layout->addStretch(1);
    layout->addWidget(insertButton);
}

QWidget* ListPage::createColumn(const char* headingName, const char* heading,
                                const QList<int>& options) {
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* label = new QLabel(heading, column);
    label->setObjectName(headingName);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    layout->addWidget(label);
    for (int number : options)
        layout->addWidget(m_options[number - 1]);
    return column;
}

void ListPage::insertList() {
    for (int number = 1; number <= kListOptionCount; ++number) {
        if (m_options[number - 1]->isChecked()) {
            Insertion::insertDirect(m_surface, listText(*listShapeOf(number)));
            return;
        }
    }
    Prompter::inform(this, kNoListOptionMessage);
}
