#include "shell/DraftsDialog.h"

#include "platform/DialogButtons.h"
#include "platform/Prompter.h"
#include "platform/Twips.h"
#include "shell/DraftRecovery.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

DraftsDialog::DraftsDialog(DraftRecovery& drafts, PostReplacer replacePost, QWidget* parent)
    : QDialog(parent), m_drafts(drafts), m_replacePost(std::move(replacePost)) {
    setObjectName("frmDrafts");
    setWindowTitle("Recover Drafts");

    m_heading = new QLabel(this);
    m_copyList = new QListWidget(this);
    m_copyList->setObjectName("lstDrafts");
    m_copyList->setAccessibleName("Kept copies");
    m_copyList->setToolTip("Copies of posts that were not saved, newest first");
    m_copyList->setMinimumSize(Twips::scaled(640), Twips::scaled(180));
    m_heading->setBuddy(m_copyList);

    m_openButton = DialogButtons::make("&Open", "cmdOpen", this, true);
    m_openButton->setToolTip("Put the chosen copy into the post");
    m_deleteButton = DialogButtons::make("&Delete", "cmdDelete", this);
    m_deleteButton->setToolTip("Delete the chosen copy for good");
    QPushButton* closeButton = DialogButtons::make("&Close", "cmdClose", this);
    closeButton->setToolTip("Close this window and keep the copies");

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_heading);
    layout->addWidget(m_copyList, 1);
    layout->addLayout(DialogButtons::row({m_openButton, m_deleteButton, closeButton}));

    connect(m_copyList, &QListWidget::currentRowChanged, this, &DraftsDialog::enableButtons);
    connect(m_copyList, &QListWidget::itemDoubleClicked, this, &DraftsDialog::openChosen);
    connect(m_openButton, &QPushButton::clicked, this, &DraftsDialog::openChosen);
    connect(m_deleteButton, &QPushButton::clicked, this, &DraftsDialog::deleteChosen);
    connect(closeButton, &QPushButton::clicked, this, &DraftsDialog::reject);
    fillList();
}

void DraftsDialog::fillList() {
    m_copyList->clear();
    const QLocale locale;
    for (const DraftFolder::KeptCopy& copy : m_drafts.folder().keptCopies()) {
        const QString firstLine = DraftFolder::firstLine(copy.path);
        auto* item = new QListWidgetItem(
            locale.toString(copy.time, QLocale::ShortFormat) + "    " +
                locale.formattedDataSize(copy.size, 1, QLocale::DataSizeTraditionalFormat) +
                "    " + (firstLine.isEmpty() ? "(blank)" : firstLine),
            m_copyList);
        item->setData(Qt::UserRole, copy.path);
        item->setToolTip(copy.path);
    }
    m_heading->setText(m_copyList->count() > 0 ? "&Copies of posts that were not saved:"
                                               : "No copies of unsaved posts are kept.");
    m_copyList->setCurrentRow(0);
    enableButtons();
}

QString DraftsDialog::chosenPath() const {
    const QListWidgetItem* item = m_copyList->currentItem();
    return item ? item->data(Qt::UserRole).toString() : QString();
}

void DraftsDialog::enableButtons() {
    m_openButton->setEnabled(m_copyList->currentItem() != nullptr);
    m_deleteButton->setEnabled(m_copyList->currentItem() != nullptr);
}

void DraftsDialog::openChosen() {
    const QString path = chosenPath();
    if (path.isEmpty())
        return;
    const auto text = DraftFolder::read(path);
    if (!text) {
        Prompter::inform(this, "This copy can no longer be read.");
        fillList();
        return;
    }
    if (!m_replacePost(*text))
        return;
    m_drafts.adopt(path);
    accept();
}

void DraftsDialog::deleteChosen() {
    const QString path = chosenPath();
    if (path.isEmpty() || Prompter::question(this, "Recover Drafts",
                                             "Delete the chosen copy? It cannot be brought back.",
                                             Prompter::Buttons::YesNo) != Prompter::Answer::Yes)
        return;
    QFile::remove(path);
    fillList();
}
