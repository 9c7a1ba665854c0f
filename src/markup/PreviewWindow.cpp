#include "markup/PreviewWindow.h"

#include "markup/PreviewBrowser.h"
#include "markup/RemoteImages.h"
#include "markup/TagChecker.h"
#include "markup/VnmlRenderer.h"
#include "platform/EditingSurface.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QListWidget>
#include <QScreen>
#include <QSplitter>
#include <QVBoxLayout>

namespace {
constexpr int kPositionRole = Qt::UserRole;
constexpr int kLengthRole = Qt::UserRole + 1;
} // namespace

PreviewWindow::PreviewWindow(EditingSurface& surface, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowDoesNotAcceptFocus), m_surface(surface) {
    setObjectName("frmPreview");
    setWindowTitle("Preview");
    setAttribute(Qt::WA_ShowWithoutActivating);
    resize(480, 640);

    txtRendered = new PreviewBrowser(this);
    txtRendered->setObjectName("txtRendered");
    ListProblems = new QListWidget(this);
    ListProblems->setObjectName("ListProblems");
    chkLoadImages = new QCheckBox("Load images", this);
    chkLoadImages->setObjectName("chkLoadImages");
    for (QWidget* control :
         {static_cast<QWidget*>(txtRendered), static_cast<QWidget*>(ListProblems),
          static_cast<QWidget*>(chkLoadImages)})
        control->setFocusPolicy(Qt::NoFocus);

    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(txtRendered);
    splitter->addWidget(ListProblems);
    splitter->setStretchFactor(0, 4);
    splitter->setStretchFactor(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter);
    layout->addWidget(chkLoadImages);

    m_idle.setSingleShot(true);
    m_idle.setInterval(kIdleMs);
    connect(&m_idle, &QTimer::timeout, this, &PreviewWindow::refresh);
    connect(&m_surface, &EditingSurface::changed, this, &PreviewWindow::refreshWhenIdle);
    connect(ListProblems, &QListWidget::itemClicked, this, &PreviewWindow::problemClicked);
    connect(txtRendered, &QTextBrowser::anchorClicked, this, &PreviewWindow::openLink);
    connect(chkLoadImages, &QCheckBox::toggled, this, [this] {
        refresh();
        giveFocusBack();
    });
    connect(&txtRendered->remoteImages(), &RemoteImages::settled, this,
            &PreviewWindow::refreshWhenIdle);
}

PreviewWindow* PreviewWindow::showFor(EditingSurface& surface, QWidget* parent) {
    auto* preview = parent->findChild<PreviewWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (!preview) {
        preview = new PreviewWindow(surface, parent);
        preview->placeBesideParent();
    }
    if (preview->isVisible())
        preview->refresh();
    else
        preview->show(); // refreshes
    preview->raise();
    preview->giveFocusBack();
    return preview;
}

void PreviewWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    refresh();
}

void PreviewWindow::refreshWhenIdle() {
    if (isVisible())
        m_idle.start();
}

void PreviewWindow::refresh() {
    m_idle.stop();
    if (!isVisible())
        return;
    const QString text = m_surface.text();
    VnmlRenderOptions options;
    options.loadImages = chkLoadImages->isChecked();
    txtRendered->showHtml(renderVnml(text, options));
    showProblems(text);
}

void PreviewWindow::showProblems(const QString& text) {
    const QList<TagProblem> problems = checkTags(text);
    ListProblems->setUpdatesEnabled(false);
    ListProblems->clear();
    if (problems.isEmpty())
        ListProblems->addItem("No tag problems");
    const qsizetype listed = std::min<qsizetype>(problems.size(), kMaxListedProblems);
    for (qsizetype i = 0; i < listed; ++i) {
        auto* item = new QListWidgetItem(problems[i].message(), ListProblems);
        item->setData(kPositionRole, problems[i].position);
        item->setData(kLengthRole, problems[i].length);
    }
    if (problems.size() > listed)
        ListProblems->addItem(QStringLiteral("… and %1 more").arg(problems.size() - listed));
    ListProblems->setUpdatesEnabled(true);
}

void PreviewWindow::problemClicked(QListWidgetItem* item) {
    const QVariant position = item->data(kPositionRole);
    if (!position.isValid())
        return;
    m_surface.setSelStart(position.toInt());
    m_surface.setSelLength(item->data(kLengthRole).toInt());
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
    m_surface.setFocus();
}

// To the right of the parent's window where the screen has room, else over its right edge.
void PreviewWindow::placeBesideParent() {
    if (!parentWidget())
        return;
    const QWidget* owner = parentWidget()->window();
    const QRect frame = owner->frameGeometry();
    const QRect screen = owner->screen() ? owner->screen()->availableGeometry() : QRect();
    QPoint place(frame.right() + 1, frame.top());
    if (screen.isValid() && place.x() + width() > screen.right())
        place.setX(std::max(screen.left(), screen.right() - width()));
    move(place);
}
