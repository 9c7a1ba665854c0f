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

SmileyPage::SmileyPage(EditingSurface& surface, QWidget* parent)
    : QGroupBox("Smileys", parent), m_surface(surface) {
    setObjectName("FrameSmiley");
    auto* grid = new QGridLayout;
    grid->setSpacing(2);
    for (const Smiley& smiley : smileys()) {
        QPushButton* button =
            createPictureButton(smiley.objectName, smiley.picturePath(), smiley.code());
        connect(button, &QPushButton::clicked, this,
                [this, &smiley, button] { insertSmiley(smiley, button); });
        if (QLatin1String(smiley.objectName) == QLatin1String(Star::follows)) {
            m_starButton = createPictureButton(Star::objectName, Star::picturePath(), "Star");
            connect(m_starButton, &QPushButton::clicked, this, &SmileyPage::insertStar);
        }
    }
    for (int i = 0; i < m_pictureButtons.size(); ++i)
        grid->addWidget(m_pictureButtons[i], i / Columns, i % Columns);

    auto* resetButton = new QPushButton("Reset", this);
    resetButton->setObjectName("cmdResetSmiley");
    auto* moreButton = new QPushButton("More Smileys", this);
    moreButton->setObjectName("cmdMoreSmiley");
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {resetButton, moreButton}) {
        HandCursor::showOver(button);
        buttons->addWidget(button);
    }
    connect(resetButton, &QPushButton::clicked, this, &SmileyPage::resetButtons);
    connect(moreButton, &QPushButton::clicked, this, &SmileyPage::moreSmileysRequested);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(grid);
    layout->addStretch(1);
    layout->addLayout(buttons);
    SystemColours::followPalette(this, [this] {
        for (QPushButton* button : m_pictureButtons)
            showUsed(button, button->property("used").toBool());
    });
}

QPushButton* SmileyPage::createPictureButton(const char* objectName, const QString& picturePath,
                                             const QString& description) {
    auto* button = new QPushButton(this);
    button->setObjectName(objectName);
    // The button shows only a picture; the tooltip and screen readers give its code.
    button->setToolTip(description);
    button->setAccessibleName(description);
    button->setIcon(QIcon(picturePath));
    button->setIconSize(QSize(PictureSize, PictureSize));
    button->setFixedSize(ButtonSize, ButtonSize);
    showUsed(button, false);
    HandCursor::showOver(button);
    m_pictureButtons.append(button);
    return button;
}

void SmileyPage::insertSmiley(const Smiley& smiley, QPushButton* button) {
    showUsed(button, true);
    Insertion::insertDirect(m_surface, smiley.code());
}

void SmileyPage::insertStar() {
    if (Prompter::instance().ask(this, Star::warning()) != Prompter::Answer::Yes)
        return;
    Insertion::insertDirect(m_surface, Star::imageTag(Sites::Forum));
    showUsed(m_starButton, true);
}

void SmileyPage::resetButtons() {
    for (QPushButton* button : m_pictureButtons)
        showUsed(button, false);
}

void SmileyPage::showUsed(QPushButton* button, bool used) {
    button->setProperty("used", used);
    SystemColours::paint(button, used ? SystemColours::grayText() : SystemColours::window());
}
