#include "markup/PreviewWindow.h"

#include "markup/BackgroundTagCheck.h"
#include "markup/DocumentTextCopy.h"
#include "markup/PreviewBrowser.h"
#include "markup/PreviewUpdater.h"
#include "platform/EditingSurface.h"
#include "platform/RichTextBox.h"
#include "platform/Twips.h"
#include "platform/WindowPlacement.h"
#include "post/Post.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QListWidget>
#include <QSplitter>
#include <QVBoxLayout>

namespace {
constexpr int kPositionRole = Qt::UserRole;
constexpr int kLengthRole = Qt::UserRole + 1;
} // namespace

PreviewWindow::PreviewWindow(Post& post, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowDoesNotAcceptFocus), m_post(post) {
    setObjectName("frmPreview");
    setWindowTitle("Preview");
    setAttribute(Qt::WA_ShowWithoutActivating);
    resize(Twips::scaled(480), Twips::scaled(640));

    m_rendered = new PreviewBrowser(this);
    m_rendered->setObjectName("txtRendered");
    m_updater = new PreviewUpdater(*m_rendered->document(), this);
    m_tagCheck = new BackgroundTagCheck(this);
    m_postText = new DocumentTextCopy(*post.editor().document(), this);
    m_problems = new QListWidget(this);
    m_problems->setObjectName("ListProblems");
    m_loadImagesBox = new QCheckBox("Load images", this);
    m_loadImagesBox->setObjectName("chkLoadImages");
    for (QWidget* control : {static_cast<QWidget*>(m_rendered), static_cast<QWidget*>(m_problems),
                             static_cast<QWidget*>(m_loadImagesBox)})
        control->setFocusPolicy(Qt::NoFocus);

    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(m_rendered);
    splitter->addWidget(m_problems);
    splitter->setStretchFactor(0, 4);
    splitter->setStretchFactor(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter);
    layout->addWidget(m_loadImagesBox);

    m_idle.setSingleShot(true);
    m_idle.setInterval(kIdleMs);
    connect(&m_idle, &QTimer::timeout, this, &PreviewWindow::refresh);
    connect(&post, &Post::changed, this, &PreviewWindow::refreshWhenIdle);
    connect(m_problems, &QListWidget::itemClicked, this, &PreviewWindow::problemClicked);
    connect(m_rendered, &QTextBrowser::anchorClicked, this, &PreviewWindow::openLink);
    connect(m_loadImagesBox, &QCheckBox::toggled, this, [this] {
        refresh();
        giveFocusBack();
    });
    connect(m_tagCheck, &BackgroundTagCheck::problemsFound, this, &PreviewWindow::showProblems);
}

PreviewWindow* PreviewWindow::showFor(Post& post, QWidget* parent) {
    auto* preview = parent->findChild<PreviewWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (!preview)
        preview = new PreviewWindow(post, parent);
    if (preview->isVisible()) {
        preview->refresh();
    } else {
        preview->placeBesideParent();
        preview->show(); // refreshes
    }
    preview->raise();
    preview->giveFocusBack();
    return preview;
}

void PreviewWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    m_postText->setFollowing(true);
    refresh();
}

void PreviewWindow::hideEvent(QHideEvent* event) {
    m_postText->setFollowing(false);
    QWidget::hideEvent(event);
}

void PreviewWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        close();
    else
        QWidget::keyPressEvent(event);
}

void PreviewWindow::refreshWhenIdle() {
    if (isVisible())
        m_idle.start();
}

void PreviewWindow::refresh() {
    m_idle.stop();
    if (!isVisible())
        return;
    // Only the changes were read since the last time; the rest is done on worker threads.
    const QString text = m_postText->rawText();
    VnmlRenderOptions options;
    options.loadImages = m_loadImagesBox->isChecked();
    m_updater->update(text, options);
    m_tagCheck->check(text);
}

bool PreviewWindow::isUpToDate() const {
    return m_updater->isUpToDate() && !m_tagCheck->isChecking();
}

void PreviewWindow::showProblems(const QList<TagProblem>& problems) {
    m_problems->setUpdatesEnabled(false);
    m_problems->clear();
    if (problems.isEmpty())
        m_problems->addItem("No tag problems");
    const qsizetype listed = std::min<qsizetype>(problems.size(), kMaxListedProblems);
    for (qsizetype i = 0; i < listed; ++i) {
        auto* item = new QListWidgetItem(problems[i].message(), m_problems);
        item->setData(kPositionRole, problems[i].position);
        item->setData(kLengthRole, problems[i].length);
    }
    if (problems.size() > listed)
        m_problems->addItem(QStringLiteral("… and %1 more").arg(problems.size() - listed));
    m_problems->setUpdatesEnabled(true);
}

void PreviewWindow::problemClicked(QListWidgetItem* item) {
    const QVariant position = item->data(kPositionRole);
    if (!position.isValid())
        return;
    m_post.surface().setSelStart(position.toInt());
    m_post.surface().setSelLength(item->data(kLengthRole).toInt());
    giveFocusBack();
}

void PreviewWindow::openLink(const QUrl& address) {
    if (isLinkAddress(address.toString()))
        QDesktopServices::openUrl(address);
    giveFocusBack();
}

void PreviewWindow::giveFocusBack() {
    if (parentWidget())
        parentWidget()->window()->activateWindow();
    m_post.surface().setFocus();
}

// Beside the parent's window on the side with room, else over its right part.
void PreviewWindow::placeBesideParent() {
    if (parentWidget())
        WindowPlacement::placeBeside(this, parentWidget()->window());
}
