#include "shell/WordListPopup.h"

#include "platform/EditingSurface.h"
#include "platform/SystemColours.h"
#include "platform/Twips.h"
#include "platform/VirtualKeys.h"
#include "settings/CustomTextFile.h"

#include <QKeyEvent>
#include <QListWidget>

namespace {

QListWidget* makeList(const char* name, QWidget* parent, int offsetTwips) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setGeometry(Twips::toPixels(offsetTwips), Twips::toPixels(offsetTwips),
                      Twips::toPixels(3000), Twips::toPixels(2130));
    return list;
}

} // namespace

WordListPopup::WordListPopup(EditingSurface& surface, QWidget* parent)
    : QFrame(parent), m_surface(surface) {
    setObjectName("PicList");
    setFrameShape(QFrame::NoFrame);
    resize(Twips::toPixels(3195), Twips::toPixels(2295));
    m_shadow = makeList("ListShadow", this, 120);
    m_shadow->setFocusPolicy(Qt::NoFocus);
    m_shadow->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_entries = makeList("ListWords", this, 0);
    m_entries->raise();
    m_entries->installEventFilter(this);
    connect(m_entries, &QListWidget::itemDoubleClicked, this, &WordListPopup::insertCurrentEntry);
    connect(&surface, &EditingSurface::keyDown, this, &WordListPopup::onSurfaceKey);
    connect(&surface, &EditingSurface::clicked, this, &QWidget::hide);
    hide();
}

void WordListPopup::fill(const QString& customTextPath) {
    m_entries->clear();
    m_entries->addItems(CustomTextFile::read(customTextPath));
}

void WordListPopup::applyFont(QListWidget* list, const FontChoice& choice) const {
    QFont font = list->font();
    font.setFamily(choice.name);
    if (const auto points = choice.points())
        font.setPointSizeF(*points);
    list->setFont(font);
}

void WordListPopup::openAt(int leftTwips, int topTwips, const FontChoice& choice) {
    move(Twips::toPixels(leftTwips), Twips::toPixels(topTwips));
    show();
    raise();
    applyFont(m_entries, choice);
    SystemColours::paint(m_entries, SystemColours::toolTipBase(), SystemColours::toolTipText());
    m_entries->setFocus();
    applyFont(m_shadow, choice);
    SystemColours::paint(m_shadow, SystemColours::appWorkspace());
    if (m_entries->count() > 0)
        m_entries->setCurrentRow(0);
}

void WordListPopup::insertCurrentEntry() {
    const QListWidgetItem* current = m_entries->currentItem();
    m_surface.setSelText(current ? current->text() : QString());
    dismiss();
}

void WordListPopup::dismiss() {
    hide();
    m_surface.setFocus();
}

void WordListPopup::onSurfaceKey(KeyDownArgs& args) {
    if (isHidden())
        return;
    if (args.keyCode == VirtualKeys::Escape)
        dismiss();
    if (args.keyCode == VirtualKeys::Return)
        insertCurrentEntry(); // the Enter itself still reaches the surface
}

bool WordListPopup::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_entries && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Escape:
            dismiss();
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            insertCurrentEntry();
            return true;
        default:
            break;
        }
    }
    return QFrame::eventFilter(watched, event);
}
