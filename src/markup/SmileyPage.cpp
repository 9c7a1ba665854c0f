#include "markup/SmileyPage.h"

#include "markup/Insertion.h"
#include "markup/SmileyTable.h"
#include "platform/HandCursor.h"
#include "platform/Prompter.h"
#include "platform/Sites.h"
#include "platform/SystemColours.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int Columns = 5;
constexpr int PictureSize = 32;
constexpr int ButtonSize = 40;
} // namespace

SmileyPage::SmileyPage(EditingSurface& surface, std::function<void()> changeToDull, QWidget* parent)
    : QGroupBox("Smileys", parent), m_surface(surface), m_changeToDull(std::move(changeToDull)) {
    setObjectName("FrameSmiley");
    auto* grid = new QGridLayout;
    grid->setSpacing(2);
    for (const Smiley& smiley : smileys()) {
        QPushButton* button = createPictureButton(smiley.objectName, smiley.picturePath());
        connect(button, &QPushButton::clicked, this, [this, &smiley] { smiley_Click(smiley); });
        if (QLatin1String(smiley.objectName) == QLatin1String(Star::follows)) {
            cmdStar = createPictureButton(Star::objectName, Star::picturePath());
            connect(cmdStar, &QPushButton::clicked, this, &SmileyPage::cmdStar_Click);
        }
    }
    for (int i = 0; i < m_pictureButtons.size(); ++i)
        grid->addWidget(m_pictureButtons[i], i / Columns, i % Columns);

    auto* cmdResetSmiley = new QPushButton("Reset", this);
    cmdResetSmiley->setObjectName("cmdResetSmiley");
    auto* cmdMoreSmiley = new QPushButton("More Smileys", this);
    cmdMoreSmiley->setObjectName("cmdMoreSmiley");
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {cmdResetSmiley, cmdMoreSmiley}) {
        HandCursor::showOver(button);
        buttons->addWidget(button);
    }
    connect(cmdResetSmiley, &QPushButton::clicked, this, &SmileyPage::cmdResetSmiley_Click);
    connect(cmdMoreSmiley, &QPushButton::clicked, this, &SmileyPage::moreSmileysRequested);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(grid);
    layout->addStretch(1);
    layout->addLayout(buttons);
}

QPushButton* SmileyPage::createPictureButton(const char* objectName, const QString& picturePath) {
    auto* button = new QPushButton(this);
    button->setObjectName(objectName);
    button->setIcon(QIcon(picturePath));
    button->setIconSize(QSize(PictureSize, PictureSize));
    button->setFixedSize(ButtonSize, ButtonSize);
    SystemColours::paint(button, SystemColours::window());
    HandCursor::showOver(button);
    m_pictureButtons.append(button);
    return button;
}

// The button is greyed while it still has the focus, before the insertion moves the
// focus to the post.
void SmileyPage::smiley_Click(const Smiley& smiley) {
    m_changeToDull();
    Insertion::insertDirect(m_surface, smiley.code());
}

void SmileyPage::cmdStar_Click() {
    if (Prompter::instance().ask(this, Star::warning()) != Prompter::Answer::Yes)
        return;
    Insertion::insertDirect(m_surface, Star::imageTag(Sites::Forum));
    SystemColours::paint(cmdStar, SystemColours::grayText());
}

void SmileyPage::cmdResetSmiley_Click() {
    for (QPushButton* button : m_pictureButtons)
        SystemColours::paint(button, Qt::white);
}
