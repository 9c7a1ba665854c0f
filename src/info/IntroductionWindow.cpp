#include "info/IntroductionWindow.h"

#include "info/AboutBox.h"
#include "info/InfoWidgets.h"
#include "info/LinkLabel.h"
#include "platform/HandCursor.h"
#include "platform/ModalDialogs.h"
#include "platform/Twips.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

struct IntroductionWindow::ForumLink {
    const char* name;
    QString caption;
    QString toolTip;
    QString path;
    bool maximised;
};

namespace {

// The authors of the three FAQs every newcomer should read, by their forum handles.
const char* const kFaqAuthors[] = {"Brackets", "Tagsmith", "Lodestar"};

// The advice, top to bottom; a bullet row starts a point, a plain row carries it on.
struct AdviceRow {
    bool bullet;
    const char* text;
};
const AdviceRow kAdvice[] = {
    {false, "Before you start please read"},
    {true, "Please read"},
    {true, "Do an Advanced Search    before you start a new Question"},
    {false, "Or prepare to post a new question if you are not satisfied"},
    {true, "Choose an appropriate             to post your question."},
    {false, "Check the FAQ area of the forum to reconfirm."},
    {true, "Use a descriptive heading to the post"},
    {false, "Don't use words like HELP, URGENT, HELP ME PLEASE etc.. etc.."},
    {true, "Describe your problem breifly."},
    {false, "Keep the question as short as possible."},
    {true, "Wait for sometime (may be a day or more) to get a reply."},
    {false, "You may get a reply within minutes or after many days."},
    {true, "Follow up the thread with your replies and findings"},
    {false, "Don't use disrespectful language ever"},
    {true, "Thank those replied to your thread."},
    {false, "Give a STAR to confirm the reply was helpful to solve your problem"},
    {true, "Finally, try to help others with what you know."},
};
constexpr int kAboutRow = 1;
constexpr int kFaqRow = 2;
constexpr int kAdvancedSearchRow = 3;
constexpr int kForumListRow = 5;
constexpr int kPointSpacing = 6; // above each bullet point

// Lays link over the blanks its row leaves for it, starting right after prefix.
void layOver(QLabel* row, LinkLabel* link, const QString& prefix) {
    link->setParent(row);
    link->setAutoFillBackground(true); // hides the row's own words beneath it
    const int left = row->fontMetrics().horizontalAdvance(prefix);
    link->setGeometry(left, 0, link->sizeHint().width(), row->sizeHint().height());
}

} // namespace

IntroductionWindow::IntroductionWindow(const QString& settingsPath,
                                       OpenInForumBrowser openInForumBrowser, QWidget* parent)
    : QDialog(parent), m_store(settingsPath), m_openInForumBrowser(std::move(openInForumBrowser)) {
    setObjectName("FrmStartup");
    setWindowTitle("Introduction");
    addRows();
    LinkLabel::watchBackground(this);
    m_startUpBox->setChecked(m_store.skipIntroduction());
}

void IntroductionWindow::addRows() {
    auto* rows = new QGridLayout;
    rows->setHorizontalSpacing(6);
    rows->setVerticalSpacing(3);
    QLabel* title = InfoWidgets::title("Welcome to Vornet Forums Quillet", this);
    rows->addWidget(title, 0, 0, 1, 2, Qt::AlignHCenter);
    rows->setRowMinimumHeight(1, 8);

    const QList<ForumLink> faqs = [] {
        QList<ForumLink> links;
        const char* const names[] = {"lblFAQ1", "lblFAQ2", "lblFAQ3"};
        const char* const paths[] = {"/viewthread.cfm?qid=473997", "/faqs.cfm?pid=219&fid=2884",
                                     "/faqs.cfm?pid=222&fid=2244"};
        for (int i = 0; i < 3; ++i) {
            const QString handle = kFaqAuthors[i];
            links.append(
                {names[i], handle, "Click to read " + handle + "'s FAQ", paths[i], i == 0});
        }
        return links;
    }();

    int number = 0;
    for (const AdviceRow& advice : kAdvice) {
        ++number;
        const int gridRow = number + 1;
        if (advice.bullet) {
            QLabel* bullet =
                InfoWidgets::label(qPrintable(QString("lblBullet%1").arg(number)), "*", this);
            bullet->setContentsMargins(0, kPointSpacing, 0, 0);
            rows->addWidget(bullet, gridRow, 0, Qt::AlignRight | Qt::AlignTop);
        }
        QLabel* text =
            InfoWidgets::label(qPrintable(QString("lblRow%1").arg(number)), advice.text, this);
        auto* line = new QHBoxLayout;
        line->setSpacing(12);
        if (advice.bullet)
            line->setContentsMargins(0, kPointSpacing, 0, 0);
        line->addWidget(text);
        if (number == kAboutRow) {
            auto* aboutLink =
                new LinkLabel("lblAbout", "About this program", "Click to read About Box", this);
            connect(aboutLink, &LinkLabel::clicked, this, &IntroductionWindow::showAbout);
            line->addWidget(aboutLink);
        } else if (number == kFaqRow) {
            for (const ForumLink& faq : faqs)
                line->addWidget(addForumLink(faq, this));
        } else if (number == kAdvancedSearchRow) {
            layOver(text,
                    addForumLink({"lblAdvSearch", "Advanced Search",
                                  "Click to do an Advanced Search in Vornet", "/search.cfm", true},
                                 this),
                    "Do an ");
        } else if (number == kForumListRow) {
            layOver(text,
                    addForumLink({"lblForum", "Forum", "Click to see list of  forums in Vornet",
                                  "/forumlist.cfm?", false},
                                 this),
                    "Choose an appropriate ");
        }
        line->addStretch(1);
        rows->addLayout(line, gridRow, 1);
    }

    m_startUpBox = new QCheckBox("Don't show this screen at startup ", this);
    m_startUpBox->setObjectName("chkStartUp");
    auto* okButton = new QPushButton("OK", this);
    okButton->setObjectName("Command1");
    okButton->setToolTip("Close screen");
    okButton->setDefault(true);
    okButton->setMinimumWidth(Twips::scaled(90));
    HandCursor::showOver(okButton);
    connect(okButton, &QPushButton::clicked, this, &IntroductionWindow::storeBoxAndClose);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_startUpBox);
    bottom->addStretch(1);
    bottom->addWidget(okButton);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 16, 24, 16);
    layout->addLayout(rows);
    layout->addSpacing(12);
    layout->addWidget(InfoWidgets::line(this));
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

LinkLabel* IntroductionWindow::addForumLink(const ForumLink& link, QWidget* parent) {
    auto* label = new LinkLabel(link.name, link.caption, link.toolTip, parent);
    connect(label, &LinkLabel::clicked, this, [this, link] { openForumLink(link); });
    return label;
}

bool IntroductionWindow::startUpBoxTicked() const {
    return m_startUpBox->isChecked();
}

void IntroductionWindow::storeBoxAndClose() {
    m_store.setSkipIntroduction(m_startUpBox->isChecked());
    done(QDialog::Accepted); // hidden, but still loaded
    emit frameWanted();
}

void IntroductionWindow::reject() {
    QDialog::reject();
    emit unloaded();
}

void IntroductionWindow::showAbout() {
    AboutBox about(m_openInForumBrowser, this);
    ModalDialogs::run(about);
}

void IntroductionWindow::openForumLink(const ForumLink& link) {
    storeBoxAndClose();
    if (m_openInForumBrowser)
        m_openInForumBrowser(forumPage(link.path), link.maximised);
}
