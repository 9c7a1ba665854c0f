#include "shell/WordListPopup.h"

#include "platform/EditingSurface.h"
#include "platform/SystemColours.h"
#include "platform/Twips.h"
#include "settings/CustomTextFile.h"

#include <QKeyEvent>
#include <QListWidget>

namespace {

const QColor kListBackground(255, 255, 202);

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
    ListShadow = makeList("ListShadow", this, 120);
    ListShadow->setFocusPolicy(Qt::NoFocus);
    ListShadow->setAttribute(Qt::WA_TransparentForMouseEvents);
    ListWords = makeList("ListWords", this, 0);
    ListWords->raise();
    ListWords->installEventFilter(this);
    connect(ListWords, &QListWidget::itemDoubleClicked, this, &WordListPopup::insertCurrentEntry);
    hide();
}

void WordListPopup::fill(const QString& customTextPath) {
    ListWords->clear();
    ListWords->addItems(CustomTextFile::read(customTextPath));
}

void WordListPopup::applyFont(QListWidget* list, const FontChoice& choice) const {
    QFont font = list->font();
    font.setFamily(choice.name);
    if (const auto points = choice.points())
        font.setPointSizeF(*points);
    list->setFont(font);
}

void WordListPopup::openAt(int leftTwips, int topTwips) {
    move(Twips::toPixels(leftTwips), Twips::toPixels(topTwips));
    show();
    raise();
    const FontChoice choice = fontChoice ? fontChoice() : FontSettingsStore::initialChoice();
    applyFont(ListWords, choice);
    SystemColours::paint(ListWords, kListBackground);
    ListWords->setFocus();
    applyFont(ListShadow, choice);
    SystemColours::paint(ListShadow, SystemColours::appWorkspace());
    if (ListWords->count() > 0)
        ListWords->setCurrentRow(0);
}

void WordListPopup::insertCurrentEntry() {
    const QListWidgetItem* current = ListWords->currentItem();
    m_surface.setSelText(current ? current->text() : QString());
    dismiss();
}

void WordListPopup::dismiss() {
    hide();
    m_surface.setFocus();
}

bool WordListPopup::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ListWords && event->type() == QEvent::KeyPress) {
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
